#pragma once

#include <QObject>

namespace renkalo {

class AggregateQuery;
class TableDataSet;

// Connects a data set to the widgets bound to it and, for a table, to the data
// sets that follow it as their master. Widgets subscribe to the data set's
// notices through it. With automatic editing on, a value typed into a bound widget
// first puts the table into editing (edit()).
class DataSource : public QObject {
    Q_OBJECT
public:
    DataSource(TableDataSet *dataSet, QObject *parent);
    DataSource(AggregateQuery *dataSet, QObject *parent);

    TableDataSet *table() const { return m_table; }
    AggregateQuery *query() const { return m_query; }
    bool enabled() const { return m_enabled; }
    bool autoEdit() const { return m_autoEdit; }

    // What a bound widget calls before it writes a value: the table starts editing
    // unless it is already editing or inserting.
    void edit();

private:
    TableDataSet *m_table = nullptr;
    AggregateQuery *m_query = nullptr;
    bool m_enabled = true;
    bool m_autoEdit = true;
};

} // namespace renkalo
