#pragma once

#include "JournalSchema.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <vector>

namespace renkalo {

// One null bit a row. No bits are held until the column holds a null, so a
// column without nulls costs nothing and reading it does no bit work.
class NullMask {
public:
    bool test(std::size_t row) const
    {
        return (row >> 6) < m_words.size() && ((m_words[row >> 6] >> (row & 63)) & 1u) != 0;
    }
    void set(std::size_t row, bool null);
    // Drops the bit of `row`; the bits after it move down one place.
    void erase(std::size_t row);
    void clear() { m_words = {}; }
    std::size_t bytesHeld() const { return m_words.capacity() * sizeof(std::uint64_t); }

private:
    std::vector<std::uint64_t> m_words;
};

// The rows of one table held in memory, column by column: 32-bit integers, day
// numbers as doubles, texts as QString, and a null bit per value. Rows are kept in
// the order they were read (the order of their keys); rows added later go to the
// end. An index by the link column, built on the second selection after a read,
// makes selecting a master's rows cost what it selects.
class RowStore {
public:
    explicit RowStore(const TableSpec &table);

    int size() const { return m_size; }
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    void clear();
    void reserve(std::size_t rows);

    // Filling a row column by column, in column order, then ending it.
    void pushNull(int column);
    void pushInt(int column, qint32 value);
    void pushReal(int column, double value);
    void pushText(int column, QString value);
    void endRow();

    bool isNull(int row, int column) const { return m_columns[column].nulls.test(static_cast<std::size_t>(row)); }
    qint32 intValue(int row, int column) const { return m_columns[column].ints[row]; }
    // Null as an invalid QVariant; integers as int, day numbers as double, texts as
    // QString.
    QVariant value(int row, int column) const;
    std::vector<QVariant> row(int row) const;

    int appendRow(const std::vector<QVariant> &values);
    void setRow(int row, const std::vector<QVariant> &values);
    void removeRow(int row);

    // The rows whose link column equals `link` (null: the rows with an empty link),
    // in row order.
    std::vector<std::uint32_t> select(std::optional<qint32> link);
    // Row of the key ID, or -1.
    int findKey(qint32 id) const;

    std::size_t bytesHeld() const;

private:
    struct Column {
        ColumnKind kind;
        std::vector<qint32> ints;
        std::vector<double> reals;
        std::vector<QString> texts;
        NullMask nulls;
    };
    void set(int row, int column, const QVariant &value);
    void buildIndex();
    bool linkMatches(std::uint32_t row, std::optional<qint32> link) const;

    std::vector<Column> m_columns;
    int m_size = 0;
    int m_link = -1;
    // Rows sorted by link (empty links first), then by row; valid or dropped.
    std::vector<std::uint32_t> m_index;
    bool m_indexValid = false;
    int m_selectsSinceRead = 0;
};

} // namespace renkalo
