#pragma once

#include <QObject>
#include <QString>

namespace renkalo {

class AggregateQuery;
class DataSource;
class JournalConnection;
class TableDataSet;

// The journal's data components, owned by the main window: the connection, the
// patient, day and hour tables chained master to detail, the patient count and
// the hourly sum, the five data sources, and the record rules bound to them (the
// save and delete questions, the aggregates running again, the two re-reads).
class Journal : public QObject {
    Q_OBJECT
public:
    // The file name is resolved against the working directory when the connection
    // opens.
    explicit Journal(QObject *parent = nullptr, const QString &fileName = QStringLiteral("Renkalo.mdb"));
    ~Journal() override;

    JournalConnection *ADOConnection1;
    TableDataSet *ADOTable1; // fio, patients
    TableDataSet *ADOTable2; // SUT, days of the current patient
    TableDataSet *ADOTable3; // VREMIA, hours of the current day
    AggregateQuery *ADOQuery1; // patient count
    AggregateQuery *ADOQuery2; // hourly sum of the current day
    DataSource *DataSource1; // ADOTable1
    DataSource *DataSource2; // ADOTable2
    DataSource *DataSource3; // ADOTable3
    DataSource *DataSource4; // ADOQuery2
    DataSource *DataSource5; // ADOQuery1

    // Start-up: connects and opens the five data sets in order; every failure is
    // shown in the standard error box and the opening goes on.
    void open();

    // Before the exit question: saves the pending rows the user changed (hours,
    // days, patients), each after the save question; unchanged ones stay pending,
    // as closing drops them anyway. False when the user refused a save question or
    // a save failed (its error already shown), and the window is to stay open.
    bool settlePendingRows();

    // A click on a patient cell: days and hours read afresh. Raises
    // renkalo::SilentAbort when a save question is refused (nothing closed then).
    void DBGrid1CellClick();
    // The pointer entering the daily grid or one of its parts: hours read afresh.
    void cxGrid1MouseEnter();

    void ADOTable1BeforePost();
    void ADOTable1AfterPost();
    void ADOTable1BeforeDelete();
    void ADOTable1AfterDelete();
    void ADOTable2BeforePost();
    void ADOTable2BeforeDelete();
    void ADOTable3BeforePost();
    void ADOTable3AfterPost();
    void ADOTable3BeforeDelete();
    void ADOTable3AfterDelete();

private:
    static void askSave();
    static void askDelete();
};

} // namespace renkalo
