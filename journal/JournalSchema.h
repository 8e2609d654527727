#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

struct sqlite3;

namespace renkalo {

enum class ColumnKind : unsigned char { Integer, DateTime, Text };

struct ColumnSpec {
    const char *name;
    ColumnKind kind;
    // The type named in a type-mismatch error: "AutoInc", "Integer", "DateTime",
    // "WideString".
    const char *expectedType;
    // Longest text the column takes; 0 for no limit.
    int maxLength = 0;
};

struct TableSpec {
    const char *name;
    // The key ID comes first.
    std::vector<ColumnSpec> columns;
    // The column linking a row to its master row, or -1.
    int linkColumn = -1;
};

// The three tables of the journal file as the program expects them, the check of
// a file's table against them, and the statements that make a new journal.
class JournalSchema {
public:
    static const TableSpec &patients(); // fio
    static const TableSpec &days();     // SUT
    static const TableSpec &hours();    // VREMIA

    // The type name a declared SQLite column type stands for: "Smallint",
    // "Integer", "LargeInt", "Float", "BCD", "DateTime", "WideString", "Blob"...
    static QString typeName(const QString &declaredType);
    static bool accepts(const ColumnSpec &column, const QString &typeName);

    // Checks the table in the open database; returns the error text (prefixed
    // with the data set's name for a missing column or a type mismatch, the
    // engine's own for a missing table), or an empty string when it fits.
    static QString check(sqlite3 *db, const TableSpec &table, const QString &dataSetName);

    // The statements that make the three tables of an empty journal. Keys are
    // never reused (AUTOINCREMENT), and the links are indexed for the hourly sum.
    static QByteArray createStatements();
};

} // namespace renkalo
