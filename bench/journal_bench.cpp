// Generates journals of 1,000, 100,000 and 1,000,000 hourly rows (10 days a
// patient, 24 hours a day) and prints the median time of the start-up opening,
// the two re-read gestures and a move to the next patient, a bare scan of VREMIA
// on the same file for comparison, and the bytes held per hourly row.

#include "AggregateQuery.h"
#include "Journal.h"
#include "JournalConnection.h"
#include "JournalSchema.h"
#include "TableDataSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace renkalo;

namespace {

void exec(sqlite3 *db, const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(db));
        std::exit(1);
    }
}

void generate(const QString &path, int hourRows)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    exec(db, "BEGIN");
    exec(db, JournalSchema::createStatements().constData());
    sqlite3_stmt *patient = nullptr, *day = nullptr, *hour = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO fio (fio) VALUES (?)", -1, &patient, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO SUT (IDN, SUT, SUTML) VALUES (?, ?, ?)", -1, &day, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO VREMIA (IDT, VREMIA, ML) VALUES (?, ?, ?)", -1, &hour, nullptr);
    const int days = std::max(1, hourRows / 24);
    int patientId = 0;
    for (int d = 0; d < days; ++d) {
        if (d % 10 == 0) {
            const QByteArray name = "Пациент " + QByteArray::number(d / 10 + 1) + " Иванович";
            sqlite3_bind_text(patient, 1, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(patient);
            sqlite3_reset(patient);
            patientId = static_cast<int>(sqlite3_last_insert_rowid(db));
        }
        char date[32];
        std::snprintf(date, sizeof date, "2024-%02d-%02d 00:00:00", d % 10 / 28 + 1, d % 10 % 28 + 1);
        sqlite3_bind_int(day, 1, patientId);
        sqlite3_bind_text(day, 2, date, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(day, 3, 1500 + d % 700);
        sqlite3_step(day);
        sqlite3_reset(day);
        const int dayId = static_cast<int>(sqlite3_last_insert_rowid(db));
        const int hours = std::min(24, hourRows - d * 24);
        for (int h = 0; h < hours; ++h) {
            char time[32];
            std::snprintf(time, sizeof time, "1899-12-30 %02d:00:00", h);
            sqlite3_bind_int(hour, 1, dayId);
            sqlite3_bind_text(hour, 2, time, -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(hour, 3, 20 + (d + h) % 90);
            sqlite3_step(hour);
            sqlite3_reset(hour);
        }
    }
    sqlite3_finalize(patient);
    sqlite3_finalize(day);
    sqlite3_finalize(hour);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        step();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    std::printf("%10s %10s %10s %10s %10s %10s %10s %10s %10s %8s %8s %9s\n", "hour rows", "bare scan",
                "read scan", "start-up", "click", "click full", "enter", "enter full", "next pat.", "x bare", "x read",
                "bytes/row");
    for (int rows : {1000, 100000, 1000000}) {
        const QString path = dir.filePath(QStringLiteral("journal-%1.mdb").arg(rows));
        generate(path, rows);
        const int runs = rows >= 1000000 ? 7 : 21;

        sqlite3 *other = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &other);
        // Another program's commit, so that the next re-read must read the file.
        int bumps = 0;
        const auto bump = [&] {
            const QByteArray sql = "UPDATE fio SET fio = 'Пациент " + QByteArray::number(++bumps) + "' WHERE ID = 1";
            exec(other, sql.constData());
        };
        const auto none = [] {};

        // Scans on a connection opened as the journal opens its own (one thread, no
        // per-call locking). The bare scan steps through the rows; the reading scan also takes each
        // value out, as any reader of the rows must (a type check, then the value).
        sqlite3 *scanner = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &scanner, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr);
        const double scan = medianMs(runs, none, [&] {
            sqlite3_stmt *stmt = nullptr;
            sqlite3_prepare_v2(scanner, "SELECT * FROM VREMIA", -1, &stmt, nullptr);
            while (sqlite3_step(stmt) == SQLITE_ROW) {
            }
            sqlite3_finalize(stmt);
        });
        long long checksum = 0;
        const double readingScan = medianMs(runs, none, [&] {
            sqlite3_stmt *stmt = nullptr;
            sqlite3_prepare_v2(scanner, "SELECT * FROM VREMIA", -1, &stmt, nullptr);
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                for (int c = 0; c < 4; ++c) {
                    if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
                        checksum += sqlite3_column_bytes(stmt, c) + *static_cast<const char *>(sqlite3_column_blob(stmt, c));
                    else
                        checksum += sqlite3_column_int64(stmt, c);
                }
            }
            sqlite3_finalize(stmt);
        });
        const double startup = medianMs(runs, none, [&] {
            Journal journal(nullptr, path);
            journal.open();
        });

        Journal journal(nullptr, path);
        journal.open();
        const auto click = [&] { journal.DBGrid1CellClick(); };
        const auto enter = [&] { journal.cxGrid1MouseEnter(); };
        const double clickHeld = medianMs(runs, none, click);
        const double clickFull = medianMs(runs, bump, click);
        const double enterHeld = medianMs(runs, none, enter);
        const double enterFull = medianMs(runs, bump, enter);
        const double nextPatient = medianMs(runs * 3, [&] {
            if (journal.ADOTable1->eof() || journal.ADOTable1->currentRow() + 1 >= journal.ADOTable1->recordCount())
                journal.ADOTable1->first();
        }, [&] { journal.ADOTable1->next(); });
        const double bytes = static_cast<double>(journal.ADOTable3->bytesHeld()) / rows;
        const double slowest = std::max(clickFull, enterFull);
        std::printf("%10d %10.2f %10.2f %10.2f %10.2f %10.2f %10.2f %10.2f %10.3f %8.2f %8.2f %9.1f\n", rows, scan,
                    readingScan, startup, clickHeld, clickFull, enterHeld, enterFull, nextPatient, slowest / scan,
                    slowest / readingScan, bytes);
        std::fflush(stdout);
        if (checksum == 42)
            std::printf(" \n");
        sqlite3_close(scanner);
        sqlite3_close(other);
    }
    std::printf("times in ms, medians; \"full\": another program committed just before, so the rows are read again;\n"
                "x bare, x read: the slower full re-read over the bare and the reading scan of the same file in this run\n");
    return 0;
}
