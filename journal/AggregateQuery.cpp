#include "AggregateQuery.h"

#include "DataSource.h"
#include "Errors.h"
#include "JournalConnection.h"
#include "SqliteStatement.h"
#include "TableDataSet.h"

#include <sqlite3.h>

namespace renkalo {

AggregateQuery::AggregateQuery(JournalConnection *connection, const QStringList &lines, QObject *parent)
    : QObject(parent), m_connection(connection), m_lines(lines)
{
}

QString AggregateQuery::commandText() const
{
    QString text;
    for (const QString &line : m_lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QByteArray AggregateQuery::sentText() const
{
    QString text = commandText();
    text.replace(QStringLiteral(":ID"), QStringLiteral("?"));
    return text.toUtf8();
}

void AggregateQuery::setDataSource(DataSource *master)
{
    m_master = master ? master->table() : nullptr;
    if (m_master)
        m_master->addFollower(this);
}

void AggregateQuery::open()
{
    if (m_active)
        return;
    m_connection->ensureOpen();
    if (m_master && m_master->active())
        m_parameter = m_master->currentKey();
    SqliteStatement query(m_connection->handle(), sentText());
    if (sqlite3_bind_parameter_count(query.handle()) > 0) {
        bool ok = false;
        const qint64 id = m_parameter.toLongLong(&ok);
        if (m_parameter.isNull() || !ok)
            query.bindNull(1);
        else
            query.bindInt(1, id);
    }
    m_value = query.step() ? query.columnValue(0) : QVariant();
    m_active = true;
    emit changed();
}

void AggregateQuery::close()
{
    if (!m_active)
        return;
    m_active = false;
    m_value = QVariant();
    emit changed();
}

QVariant AggregateQuery::fieldByName(const QString &name) const
{
    if (name.compare(resultName(), Qt::CaseInsensitive) != 0)
        throw Error(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    return m_value;
}

void AggregateQuery::followMaster()
{
    // A query that is not open, not yet or after a failure, is left alone, as a
    // closed table data set is: it runs when it is opened.
    if (!m_active || !m_master || !m_master->active())
        return;
    close();
    open();
}

} // namespace renkalo
