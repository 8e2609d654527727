#include "TableDataSet.h"

#include "AggregateQuery.h"
#include "DataSource.h"
#include "DayNumberText.h"
#include "Errors.h"
#include "JournalConnection.h"
#include "SqliteStatement.h"
#include "SqliteTransaction.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace renkalo {

namespace {

QByteArray quoted(const char *name)
{
    return QByteArray("\"") + name + "\"";
}

QByteArray columnList(const TableSpec &table, int from)
{
    QByteArray list;
    for (std::size_t c = static_cast<std::size_t>(from); c < table.columns.size(); ++c) {
        if (!list.isEmpty())
            list += ", ";
        list += quoted(table.columns[c].name);
    }
    return list;
}

QString collisionText(const char *verb)
{
    return QStringLiteral("Row cannot be located for %1. Some values may have been changed since it was last read")
        .arg(QLatin1String(verb));
}

// A stored value as the data set holds it; false when the column cannot hold it.
bool decode(sqlite3_stmt *stmt, int column, ColumnKind kind, QVariant &value)
{
    const int type = sqlite3_column_type(stmt, column);
    if (type == SQLITE_NULL) {
        value = QVariant();
        return true;
    }
    switch (kind) {
    case ColumnKind::Integer: {
        if (type != SQLITE_INTEGER)
            return false;
        const qint64 v = sqlite3_column_int64(stmt, column);
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
            return false;
        value = static_cast<int>(v);
        return true;
    }
    case ColumnKind::DateTime: {
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            value = DayNumberText::fromJulianDay(sqlite3_column_double(stmt, column));
            return true;
        }
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
        const auto day = DayNumberText::parse(text, sqlite3_column_bytes(stmt, column));
        if (!day)
            return false;
        value = *day;
        return true;
    }
    case ColumnKind::Text: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
        value = QString::fromUtf8(text, sqlite3_column_bytes(stmt, column));
        return true;
    }
    }
    return false;
}

void bindValue(SqliteStatement &statement, int position, ColumnKind kind, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        statement.bindNull(position);
        return;
    }
    switch (kind) {
    case ColumnKind::Integer:
        statement.bindInt(position, value.toInt());
        break;
    case ColumnKind::DateTime:
        statement.bindText(position, DayNumberText::format(value.toDouble()));
        break;
    case ColumnKind::Text:
        statement.bindText(position, value.toString());
        break;
    }
}

} // namespace

TableDataSet::TableDataSet(const TableSpec &table, JournalConnection *connection, QObject *parent)
    : QObject(parent), m_spec(table), m_connection(connection), m_store(table)
{
}

TableDataSet::~TableDataSet() = default;

void TableDataSet::setMasterSource(DataSource *master)
{
    m_master = master ? master->table() : nullptr;
    if (m_master)
        m_master->addFollower(this);
}

void TableDataSet::addFollower(TableDataSet *detail)
{
    m_details.append(detail);
}

void TableDataSet::addFollower(AggregateQuery *query)
{
    m_queries.append(query);
}

bool TableDataSet::canModify() const
{
    if (!active())
        return false;
    if (!m_master)
        return true;
    return m_master->active() && m_master->state() != DataSetState::Insert && m_master->currentKey().isValid();
}

QString TableDataSet::fieldName(int column) const
{
    return QLatin1String(m_spec.columns[column].name);
}

int TableDataSet::fieldIndex(const QString &name) const
{
    for (int c = 0; c < fieldCount(); ++c) {
        if (name.compare(fieldName(c), Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

QVariant TableDataSet::value(int column) const
{
    return m_current < 0 ? QVariant() : value(m_current, column);
}

QVariant TableDataSet::value(int row, int column) const
{
    if (row == m_current && editing())
        return m_pending[column];
    return m_store.value(static_cast<int>(m_view[row]), column);
}

QVariant TableDataSet::fieldByName(const QString &name) const
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw Error(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    return value(column);
}

QVariant TableDataSet::currentKey() const
{
    return value(0);
}

void TableDataSet::setFieldByName(const QString &name, const QVariant &value)
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw Error(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    setValue(column, value);
}

QVariant TableDataSet::checked(int column, const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return {};
    const ColumnSpec &definition = m_spec.columns[column];
    const QString name = fieldName(column);
    switch (definition.kind) {
    case ColumnKind::Integer: {
        bool ok = false;
        qint64 v = 0;
        const auto type = value.metaType().id();
        if (type == QMetaType::Double || type == QMetaType::Float) {
            const double d = value.toDouble();
            ok = std::isfinite(d) && std::trunc(d) == d && std::fabs(d) < 9.0e18;
            v = ok ? static_cast<qint64>(d) : 0;
        } else if (type == QMetaType::QString) {
            v = value.toString().trimmed().toLongLong(&ok);
        } else {
            v = value.toLongLong(&ok);
        }
        if (!ok)
            throw Error(QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(value.toString(), name));
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
            throw Error(QStringLiteral("%1 is not a valid value for field '%2'. The allowed range is %3 to %4")
                            .arg(v)
                            .arg(name)
                            .arg(std::numeric_limits<qint32>::min())
                            .arg(std::numeric_limits<qint32>::max()));
        return static_cast<int>(v);
    }
    case ColumnKind::DateTime: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        // Years 1 to 9999, as the text form holds them.
        if (!ok || !std::isfinite(d) || d < -693593.0 || d >= 2958466.0)
            throw Error(
                QStringLiteral("'%1' is not a valid date and time value for field '%2'").arg(value.toString(), name));
        return DayNumberText::normalized(d);
    }
    case ColumnKind::Text: {
        const QString text = value.toString();
        if (definition.maxLength > 0 && text.size() > definition.maxLength)
            throw Error(QStringLiteral("The value of field '%1' is longer than %2 characters").arg(name).arg(definition.maxLength));
        return text;
    }
    }
    return {};
}

void TableDataSet::setValue(int column, const QVariant &value)
{
    requireActive();
    if (!editing())
        throw Error(QStringLiteral("%1: Dataset not in edit or insert mode").arg(objectName()));
    if (column == 0)
        throw Error(QStringLiteral("Field '%1' cannot be modified").arg(fieldName(0)));
    m_pending[column] = checked(column, value);
    m_modified = true;
    if (m_disabled)
        m_changedWhileDisabled = true;
    else
        emit valueChanged(column);
}

void TableDataSet::requireActive() const
{
    if (!active())
        throw Error(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(objectName()));
}

void TableDataSet::requireModifiable() const
{
    requireActive();
    if (!canModify())
        throw Error(QStringLiteral("%1: Cannot modify rows while %2 has no saved current row")
                        .arg(objectName(), m_master ? m_master->objectName() : QString()));
}

// ---- reading -------------------------------------------------------------

void TableDataSet::load()
{
    sqlite3 *db = m_connection->handle();
    const QString problem = JournalSchema::check(db, m_spec, objectName());
    if (!problem.isEmpty())
        throw Error(problem);
    // Rows read before are still exactly those in the file when no other
    // connection has committed since: this connection's own writes are applied to
    // them as they are made.
    const qint64 version = m_connection->dataVersion();
    if (m_loaded && m_loadedGeneration == m_connection->generation() && m_loadedVersion == version) {
        m_rowsReadLastTime = 0;
        return;
    }
    m_loaded = false;
    try {
        readAll();
    } catch (...) {
        m_store.clear();
        throw;
    }
    m_loaded = true;
    m_loadedGeneration = m_connection->generation();
    m_loadedVersion = version;
    m_rowsReadLastTime = m_store.size();
}

void TableDataSet::readAll()
{
    sqlite3 *db = m_connection->handle();
    const qint64 heldBefore = m_store.size();
    m_store.clear();
    try {
        // The largest row id is a cheap and close estimate of the row count, unless
        // a stray large key inflates it: trust it only up to twice the rows held
        // before, or a million, and let the rest grow as it comes.
        SqliteStatement estimate(db, "SELECT max(rowid) FROM " + quoted(m_spec.name));
        const qint64 limit = std::max<qint64>(2 * heldBefore, 1 << 20);
        if (estimate.step())
            m_store.reserve(static_cast<std::size_t>(std::clamp<qint64>(estimate.columnInt(0), 0, limit)));
    } catch (const Error &) {
        // A table without row ids: grow as needed.
    }
    // Date texts are read from the stored bytes when those are UTF-8; a file of
    // UTF-16 text needs SQLite's conversion.
    const bool utf8 = m_connection->textIsUtf8();
    SqliteStatement select(db, "SELECT " + columnList(m_spec, 0) + " FROM " + quoted(m_spec.name));
    sqlite3_stmt *stmt = select.handle();
    const int columns = fieldCount();
    std::vector<DayNumberReader> dates(static_cast<std::size_t>(columns));
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            throw Error(QString::fromUtf8(sqlite3_errmsg(db)));
        for (int c = 0; c < columns; ++c) {
            const int type = sqlite3_column_type(stmt, c);
            const ColumnKind kind = m_spec.columns[c].kind;
            if (type == SQLITE_NULL) {
                m_store.pushNull(c);
                continue;
            }
            if (kind == ColumnKind::Integer && type == SQLITE_INTEGER) {
                const qint64 v = sqlite3_column_int64(stmt, c);
                if (v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max()) {
                    m_store.pushInt(c, static_cast<qint32>(v));
                    continue;
                }
            } else if (kind == ColumnKind::DateTime && type == SQLITE_TEXT) {
                // UTF-8 bytes as stored, without the terminated copy that
                // sqlite3_column_text may make.
                const auto *text = utf8 ? static_cast<const char *>(sqlite3_column_blob(stmt, c))
                                        : reinterpret_cast<const char *>(sqlite3_column_text(stmt, c));
                if (const auto day = dates[static_cast<std::size_t>(c)].parse(text, sqlite3_column_bytes(stmt, c))) {
                    m_store.pushReal(c, *day);
                    continue;
                }
            } else if (kind != ColumnKind::Integer) {
                QVariant v;
                if (decode(stmt, c, kind, v)) {
                    if (kind == ColumnKind::Text)
                        m_store.pushText(c, v.toString());
                    else
                        m_store.pushReal(c, v.toDouble());
                    continue;
                }
            }
            throw Error(QStringLiteral("%1: The value '%2' of field '%3' in the row with ID %4 cannot be read as %5")
                            .arg(objectName(),
                                 QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c))),
                                 fieldName(c), QString::number(sqlite3_column_int64(stmt, 0)),
                                 kind == ColumnKind::Integer ? QStringLiteral("a 32-bit integer")
                                                             : QStringLiteral("a date and time")));
        }
        m_store.endRow();
    }
}

std::optional<qint32> TableDataSet::masterKey() const
{
    if (!m_master || !m_master->active())
        return std::nullopt;
    const QVariant id = m_master->currentKey();
    if (!id.isValid())
        return std::nullopt;
    return id.toInt();
}

void TableDataSet::select(std::optional<qint32> key)
{
    if (m_master) {
        m_view = m_store.select(key);
    } else {
        m_view.resize(static_cast<std::size_t>(m_store.size()));
        for (int r = 0; r < m_store.size(); ++r)
            m_view[r] = static_cast<std::uint32_t>(r);
    }
    m_selectedKey = key;
    m_selected = true;
    m_current = m_view.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_view.empty();
}

int TableDataSet::position(std::uint32_t storeRow) const
{
    const auto it = std::find(m_view.begin(), m_view.end(), storeRow);
    return it == m_view.end() ? -1 : static_cast<int>(it - m_view.begin());
}

void TableDataSet::open()
{
    if (active())
        return;
    m_connection->ensureOpen();
    load();
    m_state = DataSetState::Browse;
    select(masterKey());
    notifyState();
    notifyRows();
    notifyCurrent();
    followDetails();
}

void TableDataSet::close()
{
    if (!active())
        return;
    settleDetails();
    becomeClosed();
}

void TableDataSet::becomeClosed()
{
    m_state = DataSetState::Inactive;
    m_view.clear();
    m_current = -1;
    m_bof = m_eof = true;
    m_pending.clear();
    m_modified = false;
    m_selected = false;
    notifyState();
    notifyRows();
    notifyCurrent();
    for (TableDataSet *detail : std::as_const(m_details))
        detail->followMaster();
}

void TableDataSet::refresh()
{
    requireActive();
    checkBrowseMode();
    const QVariant key = currentKey();
    try {
        load();
    } catch (...) {
        // The rows in memory are gone: the data set closes rather than show them.
        becomeClosed();
        throw;
    }
    select(masterKey());
    if (key.isValid()) {
        const int row = m_store.findKey(key.toInt());
        const int at = row < 0 ? -1 : position(static_cast<std::uint32_t>(row));
        if (at >= 0) {
            m_current = at;
            m_bof = m_eof = false;
        }
    }
    notifyRows();
    notifyCurrent();
    followDetails();
}

// ---- following -------------------------------------------------------------

void TableDataSet::followMaster()
{
    if (!active())
        return;
    checkBrowseMode();
    const std::optional<qint32> key = masterKey();
    if (m_selected && key == m_selectedKey)
        return;
    select(key);
    notifyRows();
    notifyCurrent();
    followDetails();
}

void TableDataSet::followDetails()
{
    if (m_disabled) {
        m_changedWhileDisabled = true;
        return;
    }
    for (TableDataSet *detail : std::as_const(m_details))
        detail->followMaster();
    for (AggregateQuery *query : std::as_const(m_queries))
        query->followMaster();
}

// ---- settling ---------------------------------------------------------------

void TableDataSet::settleDetails()
{
    for (TableDataSet *detail : std::as_const(m_details))
        detail->checkBrowseMode();
}

void TableDataSet::checkBrowseMode()
{
    if (!active())
        return;
    settleDetails();
    settleOwn();
}

bool TableDataSet::postIfModified()
{
    if (!editing())
        return false;
    // A widget may write a value just now.
    if (!m_modified)
        emit updateRecordRequested();
    if (!m_modified)
        return false;
    post();
    return true;
}

void TableDataSet::settleOwn()
{
    if (!editing() || postIfModified())
        return;
    const bool wasInsert = m_state == DataSetState::Insert;
    dropPending();
    notifyState();
    if (wasInsert)
        notifyRows();
    notifyCurrent();
    followDetails();
}

void TableDataSet::dropPending()
{
    if (m_state == DataSetState::Insert) {
        m_view.erase(m_view.begin() + m_current);
        if (m_current >= recordCount())
            m_current = recordCount() - 1;
        if (m_view.empty())
            m_bof = m_eof = true;
    }
    m_state = DataSetState::Browse;
    m_pending.clear();
    m_modified = false;
}

// ---- moving -------------------------------------------------------------------

void TableDataSet::first()
{
    requireActive();
    checkBrowseMode();
    const bool moved = m_current > 0;
    m_current = m_view.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_view.empty();
    notifyCurrent();
    if (moved)
        followDetails();
}

void TableDataSet::last()
{
    requireActive();
    checkBrowseMode();
    const int lastRow = recordCount() - 1;
    const bool moved = m_current != lastRow;
    m_current = lastRow;
    m_eof = true;
    m_bof = m_view.empty();
    notifyCurrent();
    if (moved)
        followDetails();
}

void TableDataSet::prior()
{
    moveBy(-1);
}

void TableDataSet::next()
{
    moveBy(1);
}

void TableDataSet::moveBy(int distance)
{
    requireActive();
    checkBrowseMode();
    const int count = recordCount();
    if (count == 0) {
        m_bof = m_eof = true;
        notifyCurrent();
        return;
    }
    if (distance == 0)
        return;
    const qint64 target = qint64(m_current) + distance;
    const int clamped = static_cast<int>(std::clamp<qint64>(target, 0, count - 1));
    m_bof = target < 0;
    m_eof = target > count - 1;
    const bool moved = clamped != m_current;
    m_current = clamped;
    notifyCurrent();
    if (moved)
        followDetails();
}

void TableDataSet::moveTo(int row)
{
    requireActive();
    if (row == m_current || row < 0 || row >= recordCount())
        return;
    // Settling may drop a new row above the target: find the target again after.
    const std::uint32_t target = m_view[row];
    checkBrowseMode();
    const int at = position(target);
    if (at < 0 || at == m_current)
        return;
    m_current = at;
    m_bof = m_eof = false;
    notifyCurrent();
    followDetails();
}

// ---- changing -------------------------------------------------------------------

void TableDataSet::insert()
{
    requireActive();
    checkBrowseMode();
    requireModifiable();
    startInsert(std::max(m_current, 0));
}

void TableDataSet::append()
{
    requireActive();
    checkBrowseMode();
    requireModifiable();
    startInsert(recordCount());
}

void TableDataSet::startInsert(int position)
{
    m_view.insert(m_view.begin() + position, newRow);
    m_current = position;
    m_pending.assign(static_cast<std::size_t>(fieldCount()), QVariant());
    // The link to the master is the program's own filling: not a change.
    if (m_spec.linkColumn >= 0 && m_master)
        m_pending[m_spec.linkColumn] = m_master->currentKey();
    m_modified = false;
    m_state = DataSetState::Insert;
    m_bof = m_eof = false;
    notifyState();
    notifyRows();
    notifyCurrent();
    followDetails();
}

void TableDataSet::edit()
{
    requireActive();
    if (editing())
        return;
    settleDetails();
    requireModifiable();
    if (m_view.empty()) {
        startInsert(0);
        return;
    }
    m_pending = m_store.row(static_cast<int>(m_view[m_current]));
    m_modified = false;
    m_state = DataSetState::Edit;
    notifyState();
    followDetails();
}

void TableDataSet::post()
{
    requireActive();
    if (!editing())
        return;
    // The bound widgets write their edits first, then the details settle.
    emit updateRecordRequested();
    settleDetails();
    if (m_beforePost)
        m_beforePost();
    std::vector<QVariant> values = m_pending;
    if (m_state == DataSetState::Insert) {
        writeInsert(values);
        m_view[m_current] = static_cast<std::uint32_t>(m_store.appendRow(values));
    } else {
        const int storeRow = static_cast<int>(m_view[m_current]);
        writeUpdate(storeRow, values);
        m_store.setRow(storeRow, values);
    }
    m_state = DataSetState::Browse;
    m_pending.clear();
    m_modified = false;
    notifyState();
    notifyRows();
    notifyCurrent();
    followDetails();
    if (m_afterPost)
        m_afterPost();
}

void TableDataSet::cancel()
{
    requireActive();
    if (!editing())
        return;
    settleDetails();
    const bool wasInsert = m_state == DataSetState::Insert;
    dropPending();
    notifyState();
    notifyRows();
    if (wasInsert)
        notifyCurrent();
    followDetails();
}

void TableDataSet::remove()
{
    requireActive();
    settleDetails();
    if (m_state == DataSetState::Insert) {
        dropPending();
        notifyState();
        notifyRows();
        notifyCurrent();
        followDetails();
        return;
    }
    requireModifiable();
    if (m_view.empty())
        throw Error(QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(objectName()));
    if (m_beforeDelete)
        m_beforeDelete();
    const std::uint32_t storeRow = m_view[m_current];
    writeDelete(static_cast<int>(storeRow));
    m_store.removeRow(static_cast<int>(storeRow));
    m_view.erase(m_view.begin() + m_current);
    for (std::uint32_t &r : m_view) {
        if (r != newRow && r > storeRow)
            --r;
    }
    if (m_current >= recordCount())
        m_current = recordCount() - 1;
    m_bof = m_eof = m_view.empty();
    m_state = DataSetState::Browse;
    m_pending.clear();
    m_modified = false;
    notifyState();
    notifyRows();
    notifyCurrent();
    followDetails();
    if (m_afterDelete)
        m_afterDelete();
}

// ---- writing ---------------------------------------------------------------------

void TableDataSet::writeInsert(std::vector<QVariant> &values)
{
    sqlite3 *db = m_connection->handle();
    SqliteTransaction transaction(db);
    QByteArray placeholders;
    for (int c = 1; c < fieldCount(); ++c)
        placeholders += c == 1 ? "?" : ", ?";
    QVariant id;
    {
        SqliteStatement insert(db, "INSERT INTO " + quoted(m_spec.name) + " (" + columnList(m_spec, 1) +
                                       ") VALUES (" + placeholders + ") RETURNING " + quoted(m_spec.columns[0].name));
        for (int c = 1; c < fieldCount(); ++c)
            bindValue(insert, c, m_spec.columns[c].kind, values[c]);
        if (insert.step() && !decode(insert.handle(), 0, ColumnKind::Integer, id))
            throw Error(QStringLiteral("%1: The new row's key does not fit a 32-bit integer").arg(objectName()));
        while (insert.step()) {
        }
    }
    transaction.commit();
    values[0] = id;
}

void TableDataSet::checkUnchanged(int storeRow, const char *verb)
{
    const QVariant id = m_store.value(storeRow, 0);
    if (!id.isValid())
        throw Error(collisionText(verb));
    SqliteStatement current(m_connection->handle(), "SELECT " + columnList(m_spec, 0) + " FROM " +
                                                        quoted(m_spec.name) + " WHERE " +
                                                        quoted(m_spec.columns[0].name) + " = ?");
    current.bindInt(1, id.toInt());
    if (!current.step())
        throw Error(collisionText(verb));
    for (int c = 0; c < fieldCount(); ++c) {
        QVariant stored;
        if (!decode(current.handle(), c, m_spec.columns[c].kind, stored) || stored != m_store.value(storeRow, c))
            throw Error(collisionText(verb));
    }
}

void TableDataSet::writeUpdate(int storeRow, const std::vector<QVariant> &values)
{
    sqlite3 *db = m_connection->handle();
    SqliteTransaction transaction(db);
    // Saved only over the row as it was read: another program's change is never
    // overwritten.
    checkUnchanged(storeRow, "updating");
    QByteArray assignments;
    for (int c = 1; c < fieldCount(); ++c)
        assignments += (c == 1 ? "" : ", ") + quoted(m_spec.columns[c].name) + " = ?";
    {
        SqliteStatement update(db, "UPDATE " + quoted(m_spec.name) + " SET " + assignments + " WHERE " +
                                       quoted(m_spec.columns[0].name) + " = ?");
        for (int c = 1; c < fieldCount(); ++c)
            bindValue(update, c, m_spec.columns[c].kind, values[c]);
        update.bindInt(fieldCount(), m_store.value(storeRow, 0).toInt());
        update.step();
        if (sqlite3_changes(db) != 1)
            throw Error(collisionText("updating"));
    }
    transaction.commit();
}

void TableDataSet::writeDelete(int storeRow)
{
    sqlite3 *db = m_connection->handle();
    SqliteTransaction transaction(db);
    checkUnchanged(storeRow, "deletion");
    {
        SqliteStatement remove(db, "DELETE FROM " + quoted(m_spec.name) + " WHERE " +
                                       quoted(m_spec.columns[0].name) + " = ?");
        remove.bindInt(1, m_store.value(storeRow, 0).toInt());
        remove.step();
        if (sqlite3_changes(db) != 1)
            throw Error(collisionText("deletion"));
    }
    transaction.commit();
}

// ---- notices -------------------------------------------------------------------

void TableDataSet::notifyState()
{
    if (m_disabled)
        m_changedWhileDisabled = true;
    else
        emit stateChanged();
}

void TableDataSet::notifyRows()
{
    if (m_disabled)
        m_changedWhileDisabled = true;
    else
        emit rowsChanged();
}

void TableDataSet::notifyCurrent()
{
    if (m_disabled)
        m_changedWhileDisabled = true;
    else
        emit currentRowChanged();
}

void TableDataSet::disableControls()
{
    if (m_disabled++ == 0) {
        m_changedWhileDisabled = false;
        m_currentWhenDisabled = m_current < 0 ? newRow - 1 : m_view[m_current];
        emit controlsSuspended();
    }
}

void TableDataSet::enableControls()
{
    if (m_disabled == 0 || --m_disabled > 0)
        return;
    emit controlsResumed();
    if (!m_changedWhileDisabled)
        return;
    m_changedWhileDisabled = false;
    emit stateChanged();
    emit rowsChanged();
    emit currentRowChanged();
    const std::uint32_t now = m_current < 0 ? newRow - 1 : m_view[m_current];
    if (now != m_currentWhenDisabled)
        followDetails();
}

std::size_t TableDataSet::bytesHeld() const
{
    return m_store.bytesHeld() + m_view.capacity() * sizeof(std::uint32_t);
}

} // namespace renkalo
