#include "SqliteStatement.h"

#include "Errors.h"

#include <sqlite3.h>

namespace renkalo {

SqliteStatement::SqliteStatement(sqlite3 *db, const QByteArray &sql) : m_db(db)
{
    check(sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &m_stmt, nullptr));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::check(int rc)
{
    if (rc != SQLITE_OK)
        throw Error(QString::fromUtf8(sqlite3_errmsg(m_db)));
}

void SqliteStatement::bindNull(int position)
{
    check(sqlite3_bind_null(m_stmt, position));
}

void SqliteStatement::bindInt(int position, qint64 value)
{
    check(sqlite3_bind_int64(m_stmt, position, value));
}

void SqliteStatement::bindDouble(int position, double value)
{
    check(sqlite3_bind_double(m_stmt, position, value));
}

void SqliteStatement::bindText(int position, const QString &value)
{
    bindText(position, value.toUtf8());
}

void SqliteStatement::bindText(int position, const QByteArray &utf8)
{
    check(sqlite3_bind_text(m_stmt, position, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw Error(QString::fromUtf8(sqlite3_errmsg(m_db)));
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int SqliteStatement::columnType(int column) const
{
    return sqlite3_column_type(m_stmt, column);
}

qint64 SqliteStatement::columnInt(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double SqliteStatement::columnDouble(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QString SqliteStatement::columnText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
}

QByteArray SqliteStatement::columnUtf8(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return QByteArray(text, sqlite3_column_bytes(m_stmt, column));
}

QVariant SqliteStatement::columnValue(int column) const
{
    switch (columnType(column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant::fromValue(columnInt(column));
    case SQLITE_FLOAT:
        return columnDouble(column);
    default:
        return columnText(column);
    }
}

} // namespace renkalo
