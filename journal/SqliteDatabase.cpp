#include "SqliteDatabase.h"

#include "Errors.h"

#include <QUrl>

#include <sqlite3.h>

#include <utility>

namespace renkalo {

SqliteDatabase::~SqliteDatabase()
{
    close();
}

SqliteDatabase::SqliteDatabase(SqliteDatabase &&other) noexcept : m_db(std::exchange(other.m_db, nullptr)) {}

SqliteDatabase &SqliteDatabase::operator=(SqliteDatabase &&other) noexcept
{
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
    }
    return *this;
}

SqliteDatabase SqliteDatabase::openExisting(const QString &path, int busyTimeoutMs, bool readOnly)
{
    // A URI with mode=rw: SQLite then refuses to create a missing file.
    const QByteArray uri = "file:" + QUrl::toPercentEncoding(path, "/") + (readOnly ? "?mode=ro" : "?mode=rw");
    sqlite3 *db = nullptr;
    // One thread uses the connection: no per-call locking (it costs a third of a
    // whole-table read).
    const int rc = sqlite3_open_v2(uri.constData(), &db,
                                   (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI |
                                       SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    SqliteDatabase result(db);
    if (rc != SQLITE_OK)
        result.raise();
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    // Reading the schema reads the header: "file is not a database" shows here.
    result.exec("SELECT count(*) FROM sqlite_schema");
    return result;
}

void SqliteDatabase::close()
{
    if (m_db)
        sqlite3_close_v2(std::exchange(m_db, nullptr));
}

void SqliteDatabase::exec(const QByteArray &sql)
{
    if (sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        raise();
}

QString SqliteDatabase::errorText() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
}

void SqliteDatabase::raise() const
{
    throw Error(errorText());
}

} // namespace renkalo
