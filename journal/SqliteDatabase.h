#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace renkalo {

// One open SQLite handle, closed with the object. Every failure is raised as
// renkalo::Error carrying the engine's own text.
class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(SqliteDatabase &&other) noexcept;
    SqliteDatabase &operator=(SqliteDatabase &&other) noexcept;
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    // Opens an existing database file for reading and writing; a missing file is an
    // error and no file is created. The path is resolved against the working
    // directory now. The file's header is read at once, so that a file of another
    // format fails here, before anything could be written to it.
    static SqliteDatabase openExisting(const QString &path, int busyTimeoutMs, bool readOnly = false);

    sqlite3 *handle() const { return m_db; }
    bool isOpen() const { return m_db != nullptr; }
    void close();

    // Runs statements that take no values.
    void exec(const QByteArray &sql);
    QString errorText() const;
    [[noreturn]] void raise() const;

private:
    explicit SqliteDatabase(sqlite3 *db) : m_db(db) {}
    sqlite3 *m_db = nullptr;
};

} // namespace renkalo
