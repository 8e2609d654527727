#include "JournalSchema.h"

#include "Errors.h"
#include "SqliteStatement.h"

#include <algorithm>

#include <sqlite3.h>

namespace renkalo {

const TableSpec &JournalSchema::patients()
{
    static const TableSpec table{"fio",
                               {{"ID", ColumnKind::Integer, "AutoInc"}, {"fio", ColumnKind::Text, "WideString", 50}},
                               -1};
    return table;
}

const TableSpec &JournalSchema::days()
{
    static const TableSpec table{"SUT",
                               {{"ID", ColumnKind::Integer, "AutoInc"},
                                {"IDN", ColumnKind::Integer, "Integer"},
                                {"SUT", ColumnKind::DateTime, "DateTime"},
                                {"SUTML", ColumnKind::Integer, "Integer"}},
                               1};
    return table;
}

const TableSpec &JournalSchema::hours()
{
    static const TableSpec table{"VREMIA",
                               {{"ID", ColumnKind::Integer, "AutoInc"},
                                {"IDT", ColumnKind::Integer, "Integer"},
                                {"VREMIA", ColumnKind::DateTime, "DateTime"},
                                {"ML", ColumnKind::Integer, "Integer"}},
                               1};
    return table;
}

QString JournalSchema::typeName(const QString &declaredType)
{
    // The name without its size, "VARCHAR(50)" as "VARCHAR", blanks folded.
    QString t = declaredType.toUpper();
    const qsizetype paren = t.indexOf(u'(');
    if (paren >= 0)
        t.truncate(paren);
    t = t.simplified();

    static const struct {
        const char *declared;
        const char *name;
    } names[] = {
        {"TINYINT", "Byte"},       {"BYTE", "Byte"},
        {"INT1", "Byte"},          {"SMALLINT", "Smallint"},
        {"INT2", "Smallint"},      {"SHORT", "Smallint"},
        {"INT", "Integer"},        {"INTEGER", "Integer"},
        {"INT4", "Integer"},       {"MEDIUMINT", "Integer"},
        {"LONG", "Integer"},       {"COUNTER", "Integer"},
        {"AUTOINCREMENT", "Integer"},
        {"BIGINT", "LargeInt"},    {"INT8", "LargeInt"},
        {"INT64", "LargeInt"},     {"UNSIGNED BIG INT", "LargeInt"},
        {"REAL", "Float"},         {"FLOAT", "Float"},
        {"FLOAT4", "Float"},       {"FLOAT8", "Float"},
        {"DOUBLE", "Float"},       {"DOUBLE PRECISION", "Float"},
        {"SINGLE", "Float"},       {"DECIMAL", "BCD"},
        {"NUMERIC", "BCD"},        {"NUMBER", "BCD"},
        {"MONEY", "Currency"},     {"CURRENCY", "Currency"},
        {"DATE", "Date"},          {"TIME", "Time"},
        {"DATETIME", "DateTime"},  {"TIMESTAMP", "DateTime"},
        {"CHAR", "String"},        {"VARCHAR", "String"},
        {"CHARACTER", "String"},   {"VARYING CHARACTER", "String"},
        {"NCHAR", "WideString"},   {"NVARCHAR", "WideString"},
        {"NATIVE CHARACTER", "WideString"},
        {"TEXT", "WideString"},    {"NTEXT", "WideMemo"},
        {"CLOB", "WideMemo"},      {"MEMO", "WideMemo"},
        {"BOOLEAN", "Boolean"},    {"BOOL", "Boolean"},
        {"BIT", "Boolean"},        {"BLOB", "Blob"},
        {"", "Unknown"},
    };
    for (const auto &n : names) {
        if (t == QLatin1String(n.declared))
            return QLatin1String(n.name);
    }
    return QStringLiteral("Unknown");
}

bool JournalSchema::accepts(const ColumnSpec &column, const QString &typeName)
{
    switch (column.kind) {
    case ColumnKind::Integer:
        return typeName == u"Byte" || typeName == u"Smallint" || typeName == u"Integer";
    case ColumnKind::DateTime:
        return typeName == u"Date" || typeName == u"Time" || typeName == u"DateTime";
    case ColumnKind::Text:
        return typeName == u"String" || typeName == u"WideString";
    }
    return false;
}

QString JournalSchema::check(sqlite3 *db, const TableSpec &table, const QString &dataSetName)
{
    QList<QPair<QString, QString>> found; // name, declared type
    {
        SqliteStatement info(db, QByteArray("SELECT name, type FROM pragma_table_info(?)"));
        info.bindText(1, QByteArray(table.name));
        while (info.step())
            found.append({info.columnText(0), info.columnText(1)});
    }
    if (found.isEmpty()) {
        // The engine's own words for a missing table.
        try {
            SqliteStatement probe(db, QByteArray("SELECT * FROM \"") + table.name + "\"");
        } catch (const Error &e) {
            return e.message();
        }
        return QStringLiteral("no such table: %1").arg(QLatin1String(table.name));
    }
    for (const ColumnSpec &column : table.columns) {
        const QString name = QLatin1String(column.name);
        auto it = std::find_if(found.cbegin(), found.cend(),
                               [&](const auto &f) { return f.first.compare(name, Qt::CaseInsensitive) == 0; });
        if (it == found.cend())
            return QStringLiteral("%1: Field '%2' not found").arg(dataSetName, name);
        const QString type = typeName(it->second);
        if (!accepts(column, type))
            return QStringLiteral("%1: Type mismatch for field '%2', expecting: %3 actual: %4")
                .arg(dataSetName, name, QLatin1String(column.expectedType), type);
    }
    return {};
}

QByteArray JournalSchema::createStatements()
{
    return "CREATE TABLE fio (ID INTEGER PRIMARY KEY AUTOINCREMENT, fio VARCHAR(50));\n"
           "CREATE TABLE SUT (ID INTEGER PRIMARY KEY AUTOINCREMENT, IDN INTEGER, SUT DATETIME, SUTML INTEGER);\n"
           "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY AUTOINCREMENT, IDT INTEGER, VREMIA DATETIME, ML INTEGER);\n"
           "CREATE INDEX SUT_IDN ON SUT (IDN);\n"
           "CREATE INDEX VREMIA_IDT ON VREMIA (IDT);\n";
}

} // namespace renkalo
