#include "DataSource.h"

#include "TableDataSet.h"

namespace renkalo {

DataSource::DataSource(TableDataSet *dataSet, QObject *parent) : QObject(parent), m_table(dataSet) {}

DataSource::DataSource(AggregateQuery *dataSet, QObject *parent) : QObject(parent), m_query(dataSet) {}

void DataSource::edit()
{
    if (m_autoEdit && m_table && m_table->state() == DataSetState::Browse)
        m_table->edit();
}

} // namespace renkalo
