#include "RowStore.h"

#include <algorithm>

namespace renkalo {

void NullMask::set(std::size_t row, bool null)
{
    const std::size_t word = row >> 6;
    if (word >= m_words.size()) {
        if (!null)
            return;
        m_words.resize(word + 1);
    }
    const std::uint64_t bit = std::uint64_t(1) << (row & 63);
    m_words[word] = null ? m_words[word] | bit : m_words[word] & ~bit;
}

void NullMask::erase(std::size_t row)
{
    const std::size_t word = row >> 6;
    if (word >= m_words.size())
        return;
    // Within the row's word the bits above it move down; each later word gives
    // its lowest bit to the word before.
    const std::uint64_t low = (std::uint64_t(1) << (row & 63)) - 1;
    std::uint64_t &w = m_words[word];
    w = (w & low) | ((w >> 1) & ~low);
    for (std::size_t i = word + 1; i < m_words.size(); ++i) {
        m_words[i - 1] |= (m_words[i] & 1u) << 63;
        m_words[i] >>= 1;
    }
}

RowStore::RowStore(const TableSpec &table) : m_link(table.linkColumn)
{
    for (const ColumnSpec &c : table.columns)
        m_columns.push_back(Column{c.kind, {}, {}, {}, {}});
}

void RowStore::clear()
{
    for (Column &c : m_columns) {
        c.ints = {};
        c.reals = {};
        c.texts = {};
        c.nulls.clear();
    }
    m_size = 0;
    m_index = {};
    m_indexValid = false;
    m_selectsSinceRead = 0;
}

void RowStore::reserve(std::size_t rows)
{
    for (Column &c : m_columns) {
        switch (c.kind) {
        case ColumnKind::Integer:
            c.ints.reserve(rows);
            break;
        case ColumnKind::DateTime:
            c.reals.reserve(rows);
            break;
        case ColumnKind::Text:
            c.texts.reserve(rows);
            break;
        }
    }
}

void RowStore::pushNull(int column)
{
    Column &c = m_columns[column];
    switch (c.kind) {
    case ColumnKind::Integer:
        c.ints.push_back(0);
        break;
    case ColumnKind::DateTime:
        c.reals.push_back(0);
        break;
    case ColumnKind::Text:
        c.texts.emplace_back();
        break;
    }
    c.nulls.set(static_cast<std::size_t>(m_size), true);
}

void RowStore::pushInt(int column, qint32 value)
{
    m_columns[column].ints.push_back(value);
}

void RowStore::pushReal(int column, double value)
{
    m_columns[column].reals.push_back(value);
}

void RowStore::pushText(int column, QString value)
{
    m_columns[column].texts.push_back(std::move(value));
}

void RowStore::endRow()
{
    ++m_size;
    m_indexValid = false;
    m_selectsSinceRead = 0;
}

QVariant RowStore::value(int row, int column) const
{
    const Column &c = m_columns[column];
    if (c.nulls.test(static_cast<std::size_t>(row)))
        return {};
    switch (c.kind) {
    case ColumnKind::Integer:
        return c.ints[row];
    case ColumnKind::DateTime:
        return c.reals[row];
    case ColumnKind::Text:
        return c.texts[row];
    }
    return {};
}

std::vector<QVariant> RowStore::row(int row) const
{
    std::vector<QVariant> values;
    for (int c = 0; c < columnCount(); ++c)
        values.push_back(value(row, c));
    return values;
}

void RowStore::set(int row, int column, const QVariant &value)
{
    Column &c = m_columns[column];
    const bool null = !value.isValid() || value.isNull();
    c.nulls.set(static_cast<std::size_t>(row), null);
    if (null)
        return;
    switch (c.kind) {
    case ColumnKind::Integer:
        c.ints[row] = value.toInt();
        break;
    case ColumnKind::DateTime:
        c.reals[row] = value.toDouble();
        break;
    case ColumnKind::Text:
        c.texts[row] = value.toString();
        break;
    }
}

int RowStore::appendRow(const std::vector<QVariant> &values)
{
    for (int c = 0; c < columnCount(); ++c)
        pushNull(c);
    const int row = m_size++;
    for (int c = 0; c < columnCount(); ++c)
        set(row, c, values[c]);
    if (m_indexValid) {
        // The new row is the last: it goes after every row with the same link.
        const std::optional<qint32> link =
            isNull(row, m_link) ? std::nullopt : std::optional<qint32>(intValue(row, m_link));
        auto at = std::partition_point(m_index.begin(), m_index.end(), [&](std::uint32_t r) {
            if (!link)
                return isNull(r, m_link);
            return isNull(r, m_link) || intValue(r, m_link) <= *link;
        });
        m_index.insert(at, static_cast<std::uint32_t>(row));
    }
    return row;
}

void RowStore::setRow(int row, const std::vector<QVariant> &values)
{
    const QVariant oldLink = m_link >= 0 ? value(row, m_link) : QVariant();
    for (int c = 0; c < columnCount(); ++c)
        set(row, c, values[c]);
    if (m_link >= 0 && value(row, m_link) != oldLink)
        m_indexValid = false;
}

void RowStore::removeRow(int row)
{
    for (Column &c : m_columns) {
        switch (c.kind) {
        case ColumnKind::Integer:
            c.ints.erase(c.ints.begin() + row);
            break;
        case ColumnKind::DateTime:
            c.reals.erase(c.reals.begin() + row);
            break;
        case ColumnKind::Text:
            c.texts.erase(c.texts.begin() + row);
            break;
        }
        c.nulls.erase(static_cast<std::size_t>(row));
    }
    --m_size;
    if (m_indexValid) {
        const auto removed = static_cast<std::uint32_t>(row);
        m_index.erase(std::remove(m_index.begin(), m_index.end(), removed), m_index.end());
        for (std::uint32_t &r : m_index) {
            if (r > removed)
                --r;
        }
    }
}

bool RowStore::linkMatches(std::uint32_t row, std::optional<qint32> link) const
{
    const Column &c = m_columns[m_link];
    return link ? !c.nulls.test(row) && c.ints[row] == *link : c.nulls.test(row);
}

std::vector<std::uint32_t> RowStore::select(std::optional<qint32> link)
{
    std::vector<std::uint32_t> rows;
    if (m_link < 0) {
        rows.resize(static_cast<std::size_t>(m_size));
        for (int r = 0; r < m_size; ++r)
            rows[r] = static_cast<std::uint32_t>(r);
        return rows;
    }
    // Right after a read one linear pass is cheaper than the index; a second
    // selection means the master moves, and the index pays off.
    if (!m_indexValid && ++m_selectsSinceRead < 2) {
        for (int r = 0; r < m_size; ++r) {
            if (linkMatches(static_cast<std::uint32_t>(r), link))
                rows.push_back(static_cast<std::uint32_t>(r));
        }
        return rows;
    }
    if (!m_indexValid)
        buildIndex();
    const Column &c = m_columns[m_link];
    auto first = std::partition_point(m_index.begin(), m_index.end(), [&](std::uint32_t r) {
        if (!link)
            return false;
        return c.nulls.test(r) || c.ints[r] < *link;
    });
    auto last = std::partition_point(first, m_index.end(), [&](std::uint32_t r) { return linkMatches(r, link); });
    rows.assign(first, last);
    return rows;
}

void RowStore::buildIndex()
{
    const Column &c = m_columns[m_link];
    const auto n = static_cast<std::size_t>(m_size);
    // A stable radix sort of the rows by link, a byte of the key a pass; rows with
    // an empty link go first, in row order.
    std::vector<std::uint32_t> nulls, keyed, scratch;
    std::vector<std::uint32_t> keys, keyScratch;
    keyed.reserve(n);
    keys.reserve(n);
    for (std::size_t r = 0; r < n; ++r) {
        if (c.nulls.test(r)) {
            nulls.push_back(static_cast<std::uint32_t>(r));
        } else {
            keyed.push_back(static_cast<std::uint32_t>(r));
            keys.push_back(static_cast<std::uint32_t>(c.ints[r]) ^ 0x80000000u);
        }
    }
    scratch.resize(keyed.size());
    keyScratch.resize(keyed.size());
    for (int shift = 0; shift < 32; shift += 8) {
        std::size_t count[257] = {};
        for (std::uint32_t k : keys)
            ++count[((k >> shift) & 0xFF) + 1];
        if (count[((keys.empty() ? 0 : keys[0]) >> shift & 0xFF) + 1] == keys.size())
            continue; // every key has the same byte here
        for (int b = 0; b < 256; ++b)
            count[b + 1] += count[b];
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::size_t at = count[(keys[i] >> shift) & 0xFF]++;
            scratch[at] = keyed[i];
            keyScratch[at] = keys[i];
        }
        keyed.swap(scratch);
        keys.swap(keyScratch);
    }
    m_index = std::move(nulls);
    m_index.insert(m_index.end(), keyed.begin(), keyed.end());
    m_index.shrink_to_fit();
    m_indexValid = true;
}

int RowStore::findKey(qint32 id) const
{
    // Keys come in ascending order when read; rows added later are larger still.
    const Column &c = m_columns[0];
    int lo = 0, hi = m_size;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (!c.nulls.test(static_cast<std::size_t>(mid)) && c.ints[mid] < id)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < m_size && !c.nulls.test(static_cast<std::size_t>(lo)) && c.ints[lo] == id)
        return lo;
    // Not in key order (a table whose key is not its row id): search it all.
    for (int r = 0; r < m_size; ++r) {
        if (!c.nulls.test(static_cast<std::size_t>(r)) && c.ints[r] == id)
            return r;
    }
    return -1;
}

std::size_t RowStore::bytesHeld() const
{
    std::size_t bytes = m_index.capacity() * sizeof(std::uint32_t);
    for (const Column &c : m_columns) {
        bytes += c.ints.capacity() * sizeof(qint32) + c.reals.capacity() * sizeof(double) +
                 c.texts.capacity() * sizeof(QString) + c.nulls.bytesHeld();
        for (const QString &t : c.texts) {
            if (!t.isNull())
                bytes += 32 + static_cast<std::size_t>(t.capacity()) * sizeof(QChar);
        }
    }
    return bytes;
}

} // namespace renkalo
