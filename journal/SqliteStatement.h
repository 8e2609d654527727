#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace renkalo {

// A prepared statement, finalized with the object. Values are always bound, never
// written into the text; every failure is raised as renkalo::Error with the
// engine's text.
class SqliteStatement {
public:
    SqliteStatement(sqlite3 *db, const QByteArray &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Positions count from 1, as in SQLite.
    void bindNull(int position);
    void bindInt(int position, qint64 value);
    void bindDouble(int position, double value);
    void bindText(int position, const QString &value);
    void bindText(int position, const QByteArray &utf8);

    // Steps once: true while a row is delivered, false when done.
    bool step();
    void reset();

    sqlite3_stmt *handle() const { return m_stmt; }
    int columnType(int column) const;
    qint64 columnInt(int column) const;
    double columnDouble(int column) const;
    QString columnText(int column) const;
    QByteArray columnUtf8(int column) const;
    // The column's value: null, integer, real or text.
    QVariant columnValue(int column) const;

private:
    void check(int rc);
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

} // namespace renkalo
