#pragma once

#include "JournalSchema.h"
#include "RowStore.h"

#include <QList>
#include <QObject>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace renkalo {

class AggregateQuery;
class DataSource;
class JournalConnection;

enum class DataSetState { Inactive, Browse, Edit, Insert };

// One table of the journal, read whole into memory when it opens, with a current
// row, the states closed / browsing / editing / inserting, and the pending row of
// the last two. A detail data set follows its master's current row: it shows the
// rows whose link column holds the master's `ID`.
//
// Every operation settles first what it must: the pending rows of the details
// (hours before days), then, for moves, insertions and re-reads, its own. Settling
// a changed pending row saves it, which asks the save question through the
// before-save handler; settling an unchanged one drops it. A refused question
// raises renkalo::SilentAbort and the whole step is abandoned; an engine failure
// raises renkalo::Error with a text for the standard error box, and the user's
// values stay pending.
class TableDataSet : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    TableDataSet(const TableSpec &table, JournalConnection *connection, QObject *parent);
    ~TableDataSet() override;

    // Follow the master table of this data source.
    void setMasterSource(DataSource *master);
    TableDataSet *master() const { return m_master; }
    const TableSpec &definition() const { return m_spec; }

    void setBeforePost(Handler handler) { m_beforePost = std::move(handler); }
    void setAfterPost(Handler handler) { m_afterPost = std::move(handler); }
    void setBeforeDelete(Handler handler) { m_beforeDelete = std::move(handler); }
    void setAfterDelete(Handler handler) { m_afterDelete = std::move(handler); }

    DataSetState state() const { return m_state; }
    bool active() const { return m_state != DataSetState::Inactive; }
    bool editing() const { return m_state == DataSetState::Edit || m_state == DataSetState::Insert; }
    // Rows shown, the pending new row included.
    int recordCount() const { return static_cast<int>(m_view.size()); }
    bool isEmpty() const { return m_view.empty(); }
    // Position of the current row among the rows shown; -1 when there is none.
    int currentRow() const { return m_current; }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    // Whether rows may be inserted, changed or deleted: the data set is open and,
    // for a detail, its master has a saved current row, so that no row is ever
    // written without an owner.
    bool canModify() const;
    // Whether the user changed a value of the pending row.
    bool modified() const { return m_modified; }

    int fieldCount() const { return static_cast<int>(m_spec.columns.size()); }
    QString fieldName(int column) const;
    ColumnKind fieldKind(int column) const { return m_spec.columns[column].kind; }
    // Column position by name, ignoring case; -1 when unknown.
    int fieldIndex(const QString &name) const;

    // Values: null as an invalid QVariant, integers as int, date-times as day
    // numbers (double), texts as QString. The current row shows its pending values.
    QVariant value(int column) const;
    QVariant value(int row, int column) const;
    QVariant fieldByName(const QString &name) const;
    // The current row's `ID`, null for none or a new row.
    QVariant currentKey() const;
    // Sets a value of the pending row after checking that its column can hold it.
    void setValue(int column, const QVariant &value);
    void setFieldByName(const QString &name, const QVariant &value);

    void open();
    // Closing does not settle this data set's own pending row (it is dropped), but
    // settles its details' first.
    void close();
    void first();
    void prior();
    void next();
    void last();
    void moveBy(int distance);
    // Makes the row at this position current (a click on a grid row); nothing
    // happens for the current row.
    void moveTo(int row);
    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    // Deletes the current row (drops a new one).
    void remove();
    // Reads the rows again, keeping the current row where it still exists.
    void refresh();
    // Settles the pending rows: the details', then this one's.
    void checkBrowseMode();
    // Saves the pending row if the user changed it (bound widgets write their
    // unsaved edits first), which asks the save question; an unchanged row stays
    // pending. True when it was saved.
    bool postIfModified();

    // Suspends the notices to bound widgets and to following data sets while a
    // walk goes through the rows; resuming tells them once.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

    // Following data sets register themselves here.
    void addFollower(TableDataSet *detail);
    void addFollower(AggregateQuery *query);

    // Memory held for the rows read.
    std::size_t bytesHeld() const;
    // The number of rows read from the file by the last open or refresh, 0 when
    // they were taken over unchanged from memory.
    int rowsReadLastTime() const { return m_rowsReadLastTime; }

signals:
    void stateChanged();
    // The rows shown changed as a whole (opened, closed, filtered, a row added or
    // removed, a row saved).
    void rowsChanged();
    void currentRowChanged();
    // A value of the current row changed.
    void valueChanged(int column);
    // Bound widgets are to write their unsaved edits into the pending row now: the
    // first step of every save and every settling.
    void updateRecordRequested();
    void controlsSuspended();
    void controlsResumed();

private:
    static constexpr std::uint32_t newRow = UINT32_MAX;

    void requireActive() const;
    void requireModifiable() const;
    void settleDetails();
    void settleOwn();
    void dropPending();
    void followMaster();
    void followDetails();
    void masterClosed();
    std::optional<qint32> masterKey() const;
    void select(std::optional<qint32> key);
    void load();
    void readAll();
    void startInsert(int position);
    void writeInsert(std::vector<QVariant> &values);
    void writeUpdate(int storeRow, const std::vector<QVariant> &values);
    void writeDelete(int storeRow);
    void checkUnchanged(int storeRow, const char *verb);
    QVariant checked(int column, const QVariant &value) const;
    int position(std::uint32_t storeRow) const;

    // Closed without settling: no rows, no pending row; the widgets and details told.
    void becomeClosed();
    void notifyState();
    void notifyRows();
    void notifyCurrent();

    const TableSpec &m_spec;
    JournalConnection *m_connection;
    TableDataSet *m_master = nullptr;
    QList<TableDataSet *> m_details;
    QList<AggregateQuery *> m_queries;
    Handler m_beforePost, m_afterPost, m_beforeDelete, m_afterDelete;

    RowStore m_store;
    bool m_loaded = false;
    quint64 m_loadedGeneration = 0;
    qint64 m_loadedVersion = 0;
    int m_rowsReadLastTime = 0;

    DataSetState m_state = DataSetState::Inactive;
    std::vector<std::uint32_t> m_view;
    std::optional<qint32> m_selectedKey;
    bool m_selected = false;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    std::vector<QVariant> m_pending;
    bool m_modified = false;

    int m_disabled = 0;
    bool m_changedWhileDisabled = false;
    std::uint32_t m_currentWhenDisabled = 0;
};

} // namespace renkalo
