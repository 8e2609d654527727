#include "SqliteTransaction.h"

#include "Errors.h"

#include <sqlite3.h>

namespace renkalo {

namespace {
[[noreturn]] void raise(sqlite3 *db)
{
    throw Error(QString::fromUtf8(sqlite3_errmsg(db)));
}
} // namespace

SqliteTransaction::SqliteTransaction(sqlite3 *db) : m_db(db)
{
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        raise(db);
    m_open = true;
}

SqliteTransaction::~SqliteTransaction()
{
    rollback();
}

void SqliteTransaction::commit()
{
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(m_db));
        rollback();
        throw Error(text);
    }
    m_open = false;
}

void SqliteTransaction::rollback() noexcept
{
    if (m_open && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_open = false;
}

} // namespace renkalo
