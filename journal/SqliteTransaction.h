#pragma once

struct sqlite3;

namespace renkalo {

// A write transaction begun with BEGIN IMMEDIATE, so that the write lock is taken
// up front (waiting out another program's short write through the busy timeout)
// and no statement inside can fail half-way for want of it. Rolled back on
// destruction unless committed; a failed COMMIT is rolled back too.
class SqliteTransaction {
public:
    explicit SqliteTransaction(sqlite3 *db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction &) = delete;
    SqliteTransaction &operator=(const SqliteTransaction &) = delete;

    void commit();

private:
    void rollback() noexcept;
    sqlite3 *m_db;
    bool m_open = false;
};

} // namespace renkalo
