#pragma once

// A real journal file in a fresh temporary folder for each test, and a second
// connection standing for another program working on the same file.

#include "JournalSchema.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <sqlite3.h>

namespace renkalo::test {

class OtherProgram {
public:
    explicit OtherProgram(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
        sqlite3_busy_timeout(m_db, 2000);
    }
    ~OtherProgram() { sqlite3_close_v2(m_db); }
    OtherProgram(const OtherProgram &) = delete;
    OtherProgram &operator=(const OtherProgram &) = delete;

    bool exec(const QByteArray &sql)
    {
        char *message = nullptr;
        const bool ok = sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK;
        if (!ok)
            qWarning("%s: %s", sql.constData(), message);
        sqlite3_free(message);
        return ok;
    }
    // The first column of the first row, null when there is none.
    QVariant scalar(const QByteArray &sql)
    {
        sqlite3_stmt *stmt = nullptr;
        QVariant result;
        if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW) {
            switch (sqlite3_column_type(stmt, 0)) {
            case SQLITE_INTEGER:
                result = sqlite3_column_int64(stmt, 0);
                break;
            case SQLITE_FLOAT:
                result = sqlite3_column_double(stmt, 0);
                break;
            case SQLITE_TEXT:
                result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
                break;
            default:
                break;
            }
        }
        sqlite3_finalize(stmt);
        return result;
    }
    sqlite3 *handle() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

// Two patients; Ivanov has two days, the first with three hours; Petrov one day
// without hours. A day and an hour that belong to no one.
inline const QByteArray sampleRows =
    "INSERT INTO fio (ID, fio) VALUES (1, 'Иванов Иван Иванович'), (2, 'Петров Пётр Петрович');\n"
    "INSERT INTO SUT (ID, IDN, SUT, SUTML) VALUES (10, 1, '2024-03-01 00:00:00', 1500),"
    " (11, 1, '2024-03-02 00:00:00', 1700), (12, 2, '2024-03-05 00:00:00', 900), (13, NULL, '2024-03-09 00:00:00', 1);\n"
    "INSERT INTO VREMIA (ID, IDT, VREMIA, ML) VALUES (100, 10, '1899-12-30 08:00:00', 50),"
    " (101, 10, '1899-12-30 09:00:00', 60), (102, 10, '1899-12-30 10:00:00', 70), (103, 11, '1899-12-30 08:00:00', 80),"
    " (104, NULL, '1899-12-30 08:00:00', 5);\n";

struct JournalFile {
    QTemporaryDir dir;
    QString path;

    explicit JournalFile(const QByteArray &rows = sampleRows, const QByteArray &schema = JournalSchema::createStatements())
    {
        path = dir.filePath(QStringLiteral("Renkalo.mdb"));
        OtherProgram maker(path);
        maker.exec("BEGIN;\n" + schema + rows + "COMMIT;");
    }
};

} // namespace renkalo::test
