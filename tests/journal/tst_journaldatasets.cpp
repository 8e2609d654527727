#include "AggregateQuery.h"
#include "ErrorReporting.h"
#include "Journal.h"
#include "JournalConnection.h"
#include "JournalFixture.h"
#include "ScriptedDialogs.h"
#include "TableDataSet.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>

#include <thread>
#include <QtTest>

using namespace renkalo;
using namespace renkalo::test;

namespace {

const QString saveText = QStringLiteral("Хотите занести текущую запись в базу данных?");
const QString deleteText = QStringLiteral("Действительно хотите удалить запись?");

// The keys of the rows a data set shows, in order.
QList<int> keys(const TableDataSet *table)
{
    QList<int> result;
    for (int r = 0; r < table->recordCount(); ++r)
        result << table->value(r, 0).toInt();
    return result;
}

struct Opened {
    JournalFile file;
    ScriptedDialogs dialogs;
    Journal journal;
    OtherProgram other;
    explicit Opened(const QByteArray &rows = sampleRows) : file(rows), journal(nullptr, file.path), other(file.path)
    {
        journal.open();
        QTest::qVerify(dialogs.asked().isEmpty(), "no box at start-up", "", __FILE__, __LINE__);
    }
    TableDataSet *patients() const { return journal.ADOTable1; }
    TableDataSet *days() const { return journal.ADOTable2; }
    TableDataSet *hours() const { return journal.ADOTable3; }
    qint64 fileMl(int id) { return other.scalar("SELECT ML FROM VREMIA WHERE ID = " + QByteArray::number(id)).toLongLong(); }
};

// The save and delete questions: a message box with a question mark, Yes, No and
// Cancel, Yes the default.
void checkQuestionBox(const DialogRequest &box, const QString &caption)
{
    QCOMPARE(box.kind, DialogKind::MessageBox);
    QCOMPARE(box.title, caption);
    QCOMPARE(box.icon, DialogIcon::Question);
    QCOMPARE(box.buttons, (QList<DialogButton>{DialogButton::Yes, DialogButton::No, DialogButton::Cancel}));
    QCOMPARE(box.defaultButton, DialogButton::Yes);
}

// Runs a step as the event loop runs a handler; returns the texts of the boxes.
template <typename F> QStringList guardedStep(ScriptedDialogs &dialogs, F step)
{
    const qsizetype before = dialogs.asked().size();
    runGuarded(step);
    return dialogs.askedTexts().mid(before);
}

} // namespace

class TestJournalDataSets : public QObject {
    Q_OBJECT
private slots:
    void startsOnFirstRows()
    {
        Opened j;
        QCOMPARE(keys(j.patients()), (QList<int>{1, 2}));
        QCOMPARE(keys(j.days()), (QList<int>{10, 11}));
        QCOMPARE(keys(j.hours()), (QList<int>{100, 101, 102}));
        QCOMPARE(j.patients()->state(), DataSetState::Browse);
        QVERIFY(j.patients()->bof() && !j.patients()->eof());
        QCOMPARE(j.hours()->fieldByName("VREMIA").toDouble(), 8.0 / 24);
        QCOMPARE(j.days()->fieldByName("SUT").toDouble(), 45352.0);
    }

    void detailsFollowTheMaster()
    {
        Opened j;
        j.days()->next();
        QCOMPARE(keys(j.hours()), QList<int>{103});
        QCOMPARE(j.journal.ADOQuery2->value().toInt(), 80);
        j.patients()->next();
        QCOMPARE(keys(j.days()), QList<int>{12});
        QVERIFY(j.hours()->isEmpty());
        QVERIFY(!j.journal.ADOQuery2->value().isValid());
        j.patients()->prior();
        QCOMPARE(j.days()->currentRow(), 0); // another selection: its first row
        // The master's step that keeps its row keeps the detail's current row.
        j.days()->next();
        j.patients()->edit();
        j.patients()->cancel();
        QCOMPARE(j.days()->currentKey().toInt(), 11);
        QCOMPARE(keys(j.hours()), QList<int>{103});
        QCOMPARE(j.journal.ADOQuery2->parameter().toInt(), 11);
        QVERIFY(j.patients()->bof() == false);
        j.patients()->prior();
        QVERIFY(j.patients()->bof());
        j.patients()->last();
        QVERIFY(j.patients()->eof());
        j.patients()->moveBy(-5);
        QVERIFY(j.patients()->bof());
        QCOMPARE(j.patients()->currentRow(), 0);
    }

    // A new patient has no ID: the rows with an empty link show, and nothing can be
    // written under it until it is saved.
    void noRowWithoutAnOwner()
    {
        Opened j;
        j.patients()->insert();
        QCOMPARE(keys(j.days()), QList<int>{13});
        QCOMPARE(keys(j.hours()), QList<int>{});
        QVERIFY(!j.days()->canModify());
        QVERIFY_THROWS_EXCEPTION(Error, j.days()->insert());
        QVERIFY_THROWS_EXCEPTION(Error, j.days()->edit());
        QCOMPARE(j.days()->state(), DataSetState::Browse);

        j.patients()->setFieldByName("fio", "Сидоров Сидор");
        j.dialogs.answer(DialogButton::Yes);
        j.patients()->post();
        const int id = j.patients()->currentKey().toInt();
        QVERIFY(id > 2);
        QCOMPARE(j.journal.ADOQuery1->value().toInt(), 3);
        QVERIFY(j.days()->isEmpty() && j.days()->canModify());
        j.days()->append();
        QCOMPARE(j.days()->fieldByName("IDN").toInt(), id);
        QVERIFY(!j.days()->modified()); // the link is the program's own filling
        j.days()->setFieldByName("SUT", 45400.5);
        j.days()->setFieldByName("SUTML", 1200);
        j.dialogs.answer(DialogButton::Yes);
        j.days()->post();
        QCOMPARE(j.other.scalar("SELECT SUT FROM SUT WHERE IDN = " + QByteArray::number(id)).toString(),
                 QStringLiteral("2024-04-18 12:00:00"));
        // Hours under a day not yet saved are refused the same way.
        j.days()->insert();
        QVERIFY(!j.hours()->canModify());
    }

    void settlingAChangedHour_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        const QStringList steps{"next hour", "next day", "next patient", "refresh hours", "insert hour",
                                "cell click", "mouse enter", "exit", "post hour", "delete day"};
        for (const QString &step : steps) {
            QTest::addRow("%s, Yes", qPrintable(step)) << step << int(DialogButton::Yes) << true;
            QTest::addRow("%s, No", qPrintable(step)) << step << int(DialogButton::No) << false;
            QTest::addRow("%s, Cancel", qPrintable(step)) << step << int(DialogButton::Cancel) << false;
        }
    }
    void settlingAChangedHour()
    {
        QFETCH(QString, step);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        Opened j;
        j.hours()->next(); // 101
        j.hours()->edit();
        j.hours()->setFieldByName("ML", 99);
        QSignalSpy asked(j.hours(), &TableDataSet::updateRecordRequested);
        j.dialogs.answer(DialogButton(answer));
        if (step == "delete day")
            j.dialogs.answer(DialogButton::No); // the delete question, if it comes
        const QStringList boxes = guardedStep(j.dialogs, [&] {
            if (step == "next hour")
                j.hours()->next();
            else if (step == "next day")
                j.days()->next();
            else if (step == "next patient")
                j.patients()->next();
            else if (step == "refresh hours")
                j.hours()->refresh();
            else if (step == "insert hour")
                j.hours()->insert();
            else if (step == "cell click")
                j.journal.DBGrid1CellClick();
            else if (step == "mouse enter")
                j.journal.cxGrid1MouseEnter();
            else if (step == "exit")
                QCOMPARE(j.journal.settlePendingRows(), saved);
            else if (step == "post hour")
                j.hours()->post();
            else if (step == "delete day")
                j.days()->remove();
        });
        QCOMPARE(boxes.value(0), saveText);
        QVERIFY(asked.size() >= 1);
        QCOMPARE(j.fileMl(101), saved ? 99 : 60);
        if (saved) {
            QCOMPARE(j.hours()->state(), step == "insert hour" ? DataSetState::Insert : DataSetState::Browse);
        } else {
            // The whole step is abandoned: the row stays pending and current, with
            // the user's value, and nothing was closed or moved.
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(j.hours()->state(), DataSetState::Edit);
            QCOMPARE(j.hours()->currentKey().toInt(), 101);
            QCOMPARE(j.hours()->fieldByName("ML").toInt(), 99);
            QVERIFY(j.days()->active());
            QCOMPARE(j.days()->currentKey().toInt(), 10);
            QCOMPARE(j.patients()->currentKey().toInt(), 1);
        }
    }

    void unchangedPendingRowsGoWithoutQuestion_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("next day") << "next day";
        QTest::newRow("cell click") << "cell click";
        QTest::newRow("mouse enter") << "mouse enter";
        QTest::newRow("delete") << "delete";
    }
    void unchangedPendingRowsGoWithoutQuestion()
    {
        QFETCH(QString, step);
        Opened j;
        j.hours()->insert();
        QCOMPARE(j.hours()->recordCount(), 4);
        QCOMPARE(j.hours()->fieldByName("IDT").toInt(), 10);
        const QStringList boxes = guardedStep(j.dialogs, [&] {
            if (step == "next day")
                j.days()->next();
            else if (step == "cell click")
                j.journal.DBGrid1CellClick();
            else if (step == "mouse enter")
                j.journal.cxGrid1MouseEnter();
            else
                j.hours()->remove();
        });
        QCOMPARE(boxes, QStringList());
        QCOMPARE(j.hours()->state(), DataSetState::Browse);
        QCOMPARE(j.other.scalar("SELECT count(*) FROM VREMIA").toInt(), 5);
    }

    // Before the exit question only what the user changed is saved: unchanged
    // rows stay pending, in case the user stays; a grid's unwritten edit counts.
    void exitSavesOnlyChangedRows()
    {
        Opened j;
        j.days()->edit();
        j.hours()->insert();
        QVERIFY(j.journal.settlePendingRows());
        QCOMPARE(j.dialogs.asked().size(), 0);
        QCOMPARE(j.hours()->state(), DataSetState::Insert);
        QCOMPARE(j.days()->state(), DataSetState::Edit);

        connect(j.hours(), &TableDataSet::updateRecordRequested, this, [&] { j.hours()->setFieldByName("ML", 7); });
        j.dialogs.answer(DialogButton::Yes);
        QVERIFY(j.journal.settlePendingRows());
        QCOMPARE(j.dialogs.askedTexts(), QStringList{saveText});
        QCOMPARE(j.hours()->state(), DataSetState::Browse);
        QCOMPARE(j.days()->state(), DataSetState::Edit);
        QCOMPARE(j.other.scalar("SELECT count(*) FROM VREMIA WHERE IDT = 10 AND ML = 7").toInt(), 1);
    }

    // The explicit save asks even when nothing changed; a refused one leaves the
    // row pending.
    void explicitSaveAlwaysAsks()
    {
        Opened j;
        j.days()->edit();
        j.dialogs.answer(DialogButton::No);
        QCOMPARE(guardedStep(j.dialogs, [&] { j.days()->post(); }), QStringList{saveText});
        QCOMPARE(j.days()->state(), DataSetState::Edit);
        checkQuestionBox(j.dialogs.asked().first(), QStringLiteral("Подтвердите сохранение изменений"));
        j.dialogs.answer(DialogButton::Yes);
        QCOMPARE(guardedStep(j.dialogs, [&] { j.days()->post(); }), QStringList{saveText});
        QCOMPARE(j.days()->state(), DataSetState::Browse);
        // Cancel drops without a question.
        j.days()->edit();
        j.days()->setFieldByName("SUTML", 1);
        j.days()->cancel();
        QCOMPARE(j.days()->fieldByName("SUTML").toInt(), 1500);
        QCOMPARE(j.dialogs.asked().size(), 2);
    }

    void deleting_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("Yes") << int(DialogButton::Yes) << true;
        QTest::newRow("No") << int(DialogButton::No) << false;
        QTest::newRow("Cancel") << int(DialogButton::Cancel) << false;
    }
    void deleting()
    {
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        Opened j;
        j.hours()->next();
        j.hours()->edit();
        j.hours()->setFieldByName("ML", 1); // deleted without being written
        j.dialogs.answer(DialogButton(answer));
        QCOMPARE(guardedStep(j.dialogs, [&] { j.hours()->remove(); }), QStringList{deleteText});
        checkQuestionBox(j.dialogs.asked().first(), QStringLiteral("Подтвердите удаление записи"));
        QCOMPARE(j.other.scalar("SELECT count(*) FROM VREMIA WHERE ID = 101").toInt(), deleted ? 0 : 1);
        if (deleted) {
            QCOMPARE(keys(j.hours()), (QList<int>{100, 102}));
            QCOMPARE(j.hours()->currentKey().toInt(), 102); // the row after it
            QCOMPARE(j.journal.ADOQuery2->value().toInt(), 120);
            j.dialogs.answer(DialogButton::Yes);
            j.hours()->remove(); // the last row: the new last becomes current
            QCOMPARE(j.hours()->currentKey().toInt(), 100);
        } else {
            QCOMPARE(j.hours()->state(), DataSetState::Edit);
            QCOMPARE(j.hours()->currentKey().toInt(), 101);
        }
    }

    void deletingAPatientKeepsTheirDays()
    {
        Opened j;
        j.dialogs.answer(DialogButton::Yes);
        j.patients()->remove();
        QCOMPARE(j.journal.ADOQuery1->value().toInt(), 1);
        QCOMPARE(keys(j.days()), QList<int>{12});
        QCOMPARE(j.other.scalar("SELECT count(*) FROM SUT WHERE IDN = 1").toInt(), 2);
    }

    void savingAnHourUpdatesTheSum()
    {
        Opened j;
        j.hours()->append();
        j.hours()->setFieldByName("VREMIA", 11.0 / 24);
        j.hours()->setFieldByName("ML", 20);
        j.dialogs.answer(DialogButton::Yes);
        j.hours()->post();
        QCOMPARE(j.journal.ADOQuery2->value().toInt(), 200);
        QCOMPARE(j.hours()->recordCount(), 4);
        QVERIFY(j.hours()->currentKey().toInt() > 104);
        QCOMPARE(j.other.scalar("SELECT VREMIA FROM VREMIA WHERE ML = 20").toString(),
                 QStringLiteral("1899-12-30 11:00:00"));
        // Keys are never reused.
        const int key = j.hours()->currentKey().toInt();
        j.dialogs.answer(DialogButton::Yes);
        j.hours()->remove();
        j.hours()->append();
        j.hours()->setFieldByName("ML", 1);
        j.dialogs.answer(DialogButton::Yes);
        j.hours()->post();
        QVERIFY(j.hours()->currentKey().toInt() > key);
    }

    void cellClickReadsDaysAndHoursAfresh()
    {
        Opened j;
        j.days()->next();
        j.other.exec("INSERT INTO SUT (ID, IDN, SUT, SUTML) VALUES (20, 1, '2024-03-03', 1900);"
                     "UPDATE VREMIA SET ML = 55 WHERE ID = 100;");
        QCOMPARE(keys(j.days()), (QList<int>{10, 11})); // not seen before a re-read
        QSignalSpy rows(j.hours(), &TableDataSet::rowsChanged);
        j.journal.DBGrid1CellClick();
        QCOMPARE(keys(j.days()), (QList<int>{10, 11, 20}));
        QCOMPARE(j.days()->currentRow(), 0);
        QCOMPARE(j.hours()->value(0, 3).toInt(), 55);
        QCOMPARE(j.journal.ADOQuery2->value().toInt(), 185);
        QVERIFY(rows.size() >= 1);
    }

    void mouseEnterReadsHoursAfresh()
    {
        Opened j;
        j.hours()->last();
        j.other.exec("INSERT INTO VREMIA (ID, IDT, VREMIA, ML) VALUES (200, 10, '1899-12-30 12:00:00', 1);");
        j.journal.cxGrid1MouseEnter();
        QCOMPARE(keys(j.hours()), (QList<int>{100, 101, 102, 200}));
        QCOMPARE(j.hours()->currentRow(), 0);
        QVERIFY(j.hours()->rowsReadLastTime() > 0);
        // Nothing changed since: the rows held are delivered again, exactly.
        j.journal.cxGrid1MouseEnter();
        QCOMPARE(j.hours()->rowsReadLastTime(), 0);
        QCOMPARE(keys(j.hours()), (QList<int>{100, 101, 102, 200}));
    }

    // The program's own saves and deletes keep the rows held exact, so that a
    // re-read that takes them over shows what the file holds.
    void rowsHeldStayExactAfterOwnWrites()
    {
        Opened j;
        j.hours()->edit();
        j.hours()->setFieldByName("VREMIA", 0.3);
        j.dialogs.answer(DialogButton::Yes);
        j.hours()->post();
        j.hours()->next();
        j.dialogs.answer(DialogButton::Yes);
        j.hours()->remove();
        j.journal.cxGrid1MouseEnter();
        QCOMPARE(j.hours()->rowsReadLastTime(), 0);
        const QList<int> held = keys(j.hours());
        const QVariant time = j.hours()->value(0, 2);
        // A fresh connection reads the same.
        Journal fresh(nullptr, j.file.path);
        fresh.open();
        QCOMPARE(keys(fresh.ADOTable3), held);
        QCOMPARE(fresh.ADOTable3->value(0, 2), time);
    }

    void collisionsWithAnotherProgram_data()
    {
        QTest::addColumn<QByteArray>("meanwhile");
        QTest::addColumn<bool>("deleting");
        QTest::newRow("changed, then saved") << QByteArray("UPDATE VREMIA SET ML = 77 WHERE ID = 100") << false;
        QTest::newRow("deleted, then saved") << QByteArray("DELETE FROM VREMIA WHERE ID = 100") << false;
        QTest::newRow("time rewritten, then saved")
            << QByteArray("UPDATE VREMIA SET VREMIA = '1899-12-30 08:00:01' WHERE ID = 100") << false;
        QTest::newRow("changed, then deleted") << QByteArray("UPDATE VREMIA SET ML = 77 WHERE ID = 100") << true;
        QTest::newRow("deleted, then deleted") << QByteArray("DELETE FROM VREMIA WHERE ID = 100") << true;
    }
    void collisionsWithAnotherProgram()
    {
        QFETCH(QByteArray, meanwhile);
        QFETCH(bool, deleting);
        Opened j;
        j.hours()->edit();
        j.hours()->setFieldByName("ML", 99);
        QVERIFY(j.other.exec(meanwhile));
        const QVariant before = j.other.scalar("SELECT group_concat(ID || ':' || ML || ':' || VREMIA) FROM VREMIA");
        QSignalSpy afterPostSum(j.journal.ADOQuery2, &AggregateQuery::changed);
        j.dialogs.answer(DialogButton::Yes);
        const QStringList boxes = guardedStep(j.dialogs, [&] { deleting ? j.hours()->remove() : j.hours()->post(); });
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0], deleting ? deleteText : saveText);
        QCOMPARE(boxes[1], QStringLiteral("Row cannot be located for %1. Some values may have been changed since it "
                                          "was last read.")
                               .arg(deleting ? "deletion" : "updating"));
        QCOMPARE(j.other.scalar("SELECT group_concat(ID || ':' || ML || ':' || VREMIA) FROM VREMIA"), before);
        QCOMPARE(j.hours()->state(), DataSetState::Edit);
        QCOMPARE(j.hours()->fieldByName("ML").toInt(), 99);
        QCOMPARE(afterPostSum.size(), 0);
    }

    // A file whose keys another tool let repeat: a save or delete that would
    // touch more than the one row touches none.
    void neverTouchesAnotherRow_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::newRow("save") << false;
        QTest::newRow("delete") << true;
    }
    void neverTouchesAnotherRow()
    {
        QFETCH(bool, deleting);
        JournalFile file("INSERT INTO fio VALUES (1, 'A'); INSERT INTO SUT VALUES (10, 1, '2024-03-01', 1);"
                         "INSERT INTO VREMIA VALUES (100, 10, '1899-12-30 08:00:00', 50), (100, 10, '1899-12-30 "
                         "08:00:00', 50);",
                         "CREATE TABLE fio (ID INTEGER PRIMARY KEY, fio TEXT);"
                         "CREATE TABLE SUT (ID INTEGER PRIMARY KEY, IDN INTEGER, SUT DATETIME, SUTML INTEGER);"
                         "CREATE TABLE VREMIA (ID INTEGER, IDT INTEGER, VREMIA DATETIME, ML INTEGER);");
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(journal.ADOTable3->recordCount(), 2);
        journal.ADOTable3->edit();
        journal.ADOTable3->setFieldByName("ML", 99);
        dialogs.answer(DialogButton::Yes);
        runGuarded([&] { deleting ? journal.ADOTable3->remove() : journal.ADOTable3->post(); });
        QCOMPARE(dialogs.asked().size(), 2);
        QVERIFY(dialogs.askedTexts()[1].startsWith("Row cannot be located"));
        OtherProgram other(file.path);
        QCOMPARE(other.scalar("SELECT group_concat(ID || ':' || ML) FROM VREMIA").toString(), QStringLiteral("100:50,100:50"));
        QCOMPARE(journal.ADOTable3->state(), DataSetState::Edit);
    }

    // Another program holding the write lock briefly makes a save wait, not fail.
    void aSaveWaitsForAnotherProgramsShortWrite()
    {
        Opened j;
        j.hours()->edit();
        j.hours()->setFieldByName("ML", 99);
        QSemaphore locked;
        std::thread writer([&] {
            OtherProgram other(j.file.path);
            other.exec("BEGIN IMMEDIATE; UPDATE fio SET fio = fio WHERE ID = 2;");
            locked.release();
            QThread::msleep(300);
            other.exec("COMMIT");
        });
        locked.acquire();
        j.dialogs.answer(DialogButton::Yes);
        const QStringList boxes = guardedStep(j.dialogs, [&] { j.hours()->post(); });
        writer.join();
        QCOMPARE(boxes, QStringList{saveText});
        QCOMPARE(j.fileMl(100), 99);
    }

    // A reader that never lets go makes the COMMIT fail: rolled back, nothing
    // written, the row still pending; saved once the reader is gone.
    void aFailedCommitIsRolledBack_data()
    {
        QTest::addColumn<bool>("inserting");
        QTest::newRow("changed row") << false;
        QTest::newRow("new row") << true;
    }
    void aFailedCommitIsRolledBack()
    {
        QFETCH(bool, inserting);
        Opened j;
        sqlite3 *db = j.journal.ADOConnection1->handle();
        sqlite3_busy_timeout(db, 50);
        inserting ? j.hours()->append() : j.hours()->edit();
        j.hours()->setFieldByName("ML", 99);
        const QVariant before = j.other.scalar("SELECT group_concat(ID || ':' || ML) FROM VREMIA");
        QVERIFY(j.other.exec("BEGIN; SELECT count(*) FROM VREMIA;"));
        sqlite3_stmt *reading = nullptr;
        sqlite3_prepare_v2(j.other.handle(), "SELECT ID FROM VREMIA", -1, &reading, nullptr);
        QCOMPARE(sqlite3_step(reading), SQLITE_ROW); // holds the shared lock
        QSignalSpy sum(j.journal.ADOQuery2, &AggregateQuery::changed);
        j.dialogs.answer(DialogButton::Yes);
        const QStringList boxes = guardedStep(j.dialogs, [&] { j.hours()->post(); });
        sqlite3_finalize(reading);
        QVERIFY(j.other.exec("COMMIT"));
        QCOMPARE(boxes, (QStringList{saveText, QStringLiteral("database is locked.")}));
        QVERIFY(sqlite3_get_autocommit(db));
        QCOMPARE(j.other.scalar("SELECT group_concat(ID || ':' || ML) FROM VREMIA"), before);
        QCOMPARE(j.hours()->state(), inserting ? DataSetState::Insert : DataSetState::Edit);
        QCOMPARE(j.hours()->fieldByName("ML").toInt(), 99);
        QCOMPARE(sum.size(), 0);
        j.dialogs.answer(DialogButton::Yes);
        j.hours()->post();
        QCOMPARE(j.other.scalar("SELECT count(*) FROM VREMIA WHERE ML = 99").toInt(), 1);
        QCOMPARE(j.other.scalar("SELECT count(*) FROM VREMIA").toInt(), inserting ? 6 : 5);
    }

    void valuesAColumnCannotHold_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("beyond 32 bits") << "ML" << QVariant(qint64(5000000000))
                                        << "5000000000 is not a valid value for field 'ML'. The allowed range is "
                                           "-2147483648 to 2147483647";
        QTest::newRow("fraction") << "ML" << QVariant(2.5) << "'2.5' is not a valid integer value for field 'ML'";
        QTest::newRow("words") << "ML" << QVariant("много") << "'много' is not a valid integer value for field 'ML'";
        QTest::newRow("not a time") << "VREMIA" << QVariant("eight") << "'eight' is not a valid date and time value for field 'VREMIA'";
        QTest::newRow("key") << "ID" << QVariant(5) << "Field 'ID' cannot be modified";
    }
    void valuesAColumnCannotHold()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        Opened j;
        j.hours()->edit();
        try {
            j.hours()->setFieldByName(field, value);
            QFAIL("accepted");
        } catch (const Error &e) {
            QCOMPARE(e.message(), text);
        }
        QVERIFY(!j.hours()->modified());
        j.hours()->cancel();
        QCOMPARE(j.fileMl(100), 50);
        QCOMPARE(j.dialogs.asked().size(), 0);
    }

    void longNamesAreRefused()
    {
        Opened j;
        j.patients()->edit();
        QVERIFY_THROWS_EXCEPTION(Error, j.patients()->setFieldByName("fio", QString(51, u'я')));
        j.patients()->setFieldByName("fio", QString(50, u'я'));
        j.dialogs.answer(DialogButton::Yes);
        j.patients()->post();
        QCOMPARE(j.other.scalar("SELECT fio FROM fio WHERE ID = 1").toString(), QString(50, u'я'));
    }

    // What a chart relies on: the notice to write unsaved edits comes first, and a
    // walk with the notices suspended neither moves the details nor tells the
    // widgets until it ends.
    void noticesForCharts()
    {
        Opened j;
        QStringList order;
        connect(j.days(), &TableDataSet::updateRecordRequested, this, [&] { order << "write edits"; });
        connect(j.days(), &TableDataSet::stateChanged, this, [&] { order << "state"; });
        connect(j.hours(), &TableDataSet::updateRecordRequested, this, [&] { order << "hours write edits"; });
        j.days()->edit();
        j.days()->setFieldByName("SUTML", 1600);
        j.hours()->edit();
        j.hours()->setFieldByName("ML", 1);
        order.clear();
        j.dialogs.answer({DialogButton::Yes, DialogButton::Yes});
        j.days()->post();
        // The save's own request comes first, before the hours are settled.
        QCOMPARE(order.mid(0, 2), (QStringList{"write edits", "hours write edits"}));
        QVERIFY(order.contains("state"));

        QSignalSpy current(j.days(), &TableDataSet::currentRowChanged);
        QSignalSpy resumed(j.days(), &TableDataSet::controlsResumed);
        j.days()->disableControls();
        for (j.days()->first(); !j.days()->eof(); j.days()->next()) {
        }
        QCOMPARE(keys(j.hours()), (QList<int>{100, 101, 102})); // not followed during the walk
        j.days()->first();
        j.days()->enableControls();
        QCOMPARE(current.size(), 1);
        QCOMPARE(resumed.size(), 1);
        QCOMPARE(keys(j.hours()), (QList<int>{100, 101, 102}));
        QCOMPARE(j.hours()->currentRow(), 0);
    }

    void closedDataSetsRefuseOperations()
    {
        Opened j;
        QSignalSpy sum(j.journal.ADOQuery2, &AggregateQuery::changed);
        j.days()->close();
        QVERIFY(!j.hours()->canModify());
        // The sum is not run while the days are closed and keeps its parameter.
        QCOMPARE(sum.size(), 0);
        QCOMPARE(j.journal.ADOQuery2->parameter().toInt(), 10);
        QCOMPARE(j.journal.ADOQuery2->value().toInt(), 180);
        QVERIFY_THROWS_EXCEPTION(Error, j.days()->next());
        j.days()->open();
        QCOMPARE(keys(j.hours()), (QList<int>{100, 101, 102}));
    }
};

QTEST_GUILESS_MAIN(TestJournalDataSets)
#include "tst_journaldatasets.moc"
