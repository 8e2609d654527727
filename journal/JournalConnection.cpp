#include "JournalConnection.h"

#include "SqliteStatement.h"

namespace renkalo {

JournalConnection::JournalConnection(const QString &fileName, QObject *parent) : QObject(parent), m_fileName(fileName)
{
}

void JournalConnection::open()
{
    m_db = SqliteDatabase::openExisting(m_fileName, busyTimeoutMs, m_readOnly);
    ++m_generation;
    SqliteStatement encoding(m_db.handle(), QByteArray("PRAGMA encoding"));
    m_textIsUtf8 = encoding.step() && encoding.columnUtf8(0) == "UTF-8";
}

void JournalConnection::ensureOpen()
{
    if (!isOpen())
        open();
}

void JournalConnection::close()
{
    m_db.close();
}

qint64 JournalConnection::dataVersion()
{
    SqliteStatement version(m_db.handle(), QByteArray("PRAGMA data_version"));
    version.step();
    return version.columnInt(0);
}

} // namespace renkalo
