#include "AggregateQuery.h"
#include "DayNumberText.h"
#include "ErrorReporting.h"
#include "Journal.h"
#include "JournalFixture.h"
#include "RowStore.h"
#include "ScriptedDialogs.h"
#include "TableDataSet.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace renkalo;
using namespace renkalo::test;

class TestJournalDatabase : public QObject {
    Q_OBJECT
private slots:
    void dayNumbersAsText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("day");
        QTest::newRow("origin") << QByteArray("1899-12-30 00:00:00") << 0.0;
        QTest::newRow("a date") << QByteArray("2024-03-01 00:00:00") << 45352.0;
        QTest::newRow("noon") << QByteArray("2024-03-01 12:00:00") << 45352.5;
        QTest::newRow("a time of day") << QByteArray("1899-12-30 06:00:00") << 0.25;
        QTest::newRow("before the origin") << QByteArray("1899-12-29 06:00:00") << -1.25;
        QTest::newRow("milliseconds") << QByteArray("1899-12-30 00:00:00.500") << 0.5 / 86400;
    }
    void dayNumbersAsText()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, day);
        QCOMPARE(DayNumberText::format(day), text);
        QCOMPARE(DayNumberText::parse(text).value(), day);
    }

    // Reading a column's texts in a row remembers the last date; every value still
    // reads as it does alone.
    void readerAgreesWithParse()
    {
        const QList<QByteArray> column{"1899-12-30 08:00:00", "1899-12-30 09:30:15", "1899-12-30T10:00:00",
                                       "1899-12-30 25:00:00", "1899-12-30 10:00:0x", "1899-12-29 06:00:00",
                                       "1899-12-29 07:00:00", "2024-03-01 00:00:00", "2024-03-01 12:00:00.500",
                                       "2024-03-01 13:00", "13:00:00", "2024-03-01 14:00:00", "2024-03-01", ""};
        DayNumberReader reader;
        for (const QByteArray &text : column) {
            const auto alone = DayNumberText::parse(text);
            const auto read = reader.parse(text.constData(), static_cast<int>(text.size()));
            QVERIFY2(alone.has_value() == read.has_value(), text.constData());
            if (alone)
                QCOMPARE(*read, *alone);
        }
    }

    // The null bits against a plain model, through sets and erasures.
    void nullMaskFollowsModel()
    {
        QRandomGenerator random(7);
        NullMask mask;
        std::vector<bool> model;
        for (int step = 0; step < 4000; ++step) {
            const int what = random.bounded(10);
            if (what < 5 || model.empty()) {
                model.push_back(random.bounded(4) == 0);
                mask.set(model.size() - 1, model.back());
            } else if (what < 8) {
                const std::size_t row = random.bounded(static_cast<quint32>(model.size()));
                model[row] = random.bounded(2) == 0;
                mask.set(row, model[row]);
            } else {
                const std::size_t row = random.bounded(static_cast<quint32>(model.size()));
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(row));
                mask.erase(row);
            }
            for (std::size_t r = 0; r < model.size() + 70; ++r)
                QVERIFY2(mask.test(r) == (r < model.size() && model[r]), qPrintable(QString::number(step)));
        }
        NullMask none;
        none.set(1000, false);
        QCOMPARE(none.bytesHeld(), std::size_t(0));
    }

    void otherTextFormsAreRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QVariant>("day");
        QTest::newRow("date only") << QByteArray("2024-03-01") << QVariant(45352.0);
        QTest::newRow("T and minutes") << QByteArray("2024-03-01T12:00") << QVariant(45352.5);
        QTest::newRow("bare time") << QByteArray("18:00:00") << QVariant(0.75);
        QTest::newRow("month 13") << QByteArray("2024-13-01") << QVariant();
        QTest::newRow("hour 24") << QByteArray("24:00:00") << QVariant();
        QTest::newRow("trailing zone") << QByteArray("2024-03-01 12:00:00Z") << QVariant();
        QTest::newRow("words") << QByteArray("yesterday") << QVariant();
    }
    void otherTextFormsAreRead()
    {
        QFETCH(QByteArray, text);
        QFETCH(QVariant, day);
        const auto parsed = DayNumberText::parse(text);
        QCOMPARE(parsed.has_value(), day.isValid());
        if (parsed)
            QCOMPARE(*parsed, day.toDouble());
    }

    // Every whole second of a day, on a date and alone, comes back bit for bit.
    void wholeSecondsRoundTripExactly()
    {
        for (int s = 0; s < 86400; ++s) {
            for (double date : {0.0, 45352.0}) {
                const double value = date + s / 86400.0;
                const auto back = DayNumberText::parse(DayNumberText::format(value));
                if (!back || *back != value)
                    QFAIL(qPrintable(QStringLiteral("second %1 on day %2").arg(s).arg(date)));
            }
        }
    }

    void tableChecks_data()
    {
        QTest::addColumn<QByteArray>("schema");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QList<bool>>("open"); // ADOTable1..3, ADOQuery1..2

        const QByteArray fio = "CREATE TABLE fio (ID INTEGER PRIMARY KEY AUTOINCREMENT, fio VARCHAR(50));";
        const QByteArray sut = "CREATE TABLE SUT (ID INTEGER PRIMARY KEY, IDN INTEGER, SUT DATETIME, SUTML INTEGER);";
        const QByteArray vremia = "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY, IDT INTEGER, VREMIA DATETIME, ML INTEGER);";

        QTest::newRow("as expected") << fio + sut + vremia << QStringList() << QList<bool>{true, true, true, true, true};
        QTest::newRow("ML floating")
            << fio + sut + "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY, IDT INTEGER, VREMIA DATETIME, ML REAL);"
            << QStringList{"ADOTable3: Type mismatch for field 'ML', expecting: Integer actual: Float."}
            << QList<bool>{true, true, false, true, true};
        QTest::newRow("SUTML missing")
            << fio + "CREATE TABLE SUT (ID INTEGER PRIMARY KEY, IDN INTEGER, SUT DATETIME);" + vremia
            << QStringList{"ADOTable2: Field 'SUTML' not found."} << QList<bool>{true, false, true, true, true};
        QTest::newRow("fio missing") << sut + vremia
                                     << QStringList{"no such table: fio.", "no such table: fio."}
                                     << QList<bool>{false, true, true, false, true};
        QTest::newRow("VREMIA missing") << fio + sut
                                        << QStringList{"no such table: VREMIA.", "no such table: VREMIA."}
                                        << QList<bool>{true, true, false, true, false};
        QTest::newRow("64-bit link")
            << fio + "CREATE TABLE SUT (ID INTEGER PRIMARY KEY, IDN BIGINT, SUT DATETIME, SUTML INTEGER);" + vremia
            << QStringList{"ADOTable2: Type mismatch for field 'IDN', expecting: Integer actual: LargeInt."}
            << QList<bool>{true, false, true, true, true};
        QTest::newRow("decimal volume")
            << fio + sut + "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY, IDT INTEGER, VREMIA DATETIME, ML DECIMAL(10,2));"
            << QStringList{"ADOTable3: Type mismatch for field 'ML', expecting: Integer actual: BCD."}
            << QList<bool>{true, true, false, true, true};
        QTest::newRow("text date")
            << fio + sut + "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY, IDT INTEGER, VREMIA TEXT, ML INTEGER);"
            << QStringList{"ADOTable3: Type mismatch for field 'VREMIA', expecting: DateTime actual: WideString."}
            << QList<bool>{true, true, false, true, true};
        QTest::newRow("narrower kinds and extra columns")
            << QByteArray("CREATE TABLE fio (ID INTEGER PRIMARY KEY, fio NVARCHAR(50), born DATE DEFAULT '1970-01-01');"
               "CREATE TABLE SUT (id INTEGER PRIMARY KEY, IDN SMALLINT, SUT DATE, SUTML TINYINT, note TEXT);"
               "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY, IDT INT, VREMIA TIME, ML INTEGER);")
            << QStringList() << QList<bool>{true, true, true, true, true};
    }
    void tableChecks()
    {
        QFETCH(QByteArray, schema);
        QFETCH(QStringList, boxes);
        QFETCH(QList<bool>, open);
        JournalFile file("", schema);
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(dialogs.askedTexts(), boxes);
        const QList<bool> actual{journal.ADOTable1->active(), journal.ADOTable2->active(), journal.ADOTable3->active(),
                                 journal.ADOQuery1->active(), journal.ADOQuery2->active()};
        QCOMPARE(actual, open);
        // What opened works on its own: a new patient is saved and counted, with
        // no further box.
        if (!open[0] || !open[3])
            return;
        dialogs.clear();
        dialogs.answer(DialogButton::Yes);
        runGuarded([&] {
            journal.ADOTable1->append();
            journal.ADOTable1->setFieldByName("fio", "Сидоров");
            journal.ADOTable1->post();
        });
        QCOMPARE(dialogs.askedTexts(), QStringList{"Хотите занести текущую запись в базу данных?"});
        QCOMPARE(journal.ADOQuery1->value().toInt(), 1);
    }

    // A new row leaves the columns the program does not know to their defaults.
    void extraColumnsKeepTheirDefaults()
    {
        JournalFile file("", "CREATE TABLE fio (ID INTEGER PRIMARY KEY AUTOINCREMENT, fio VARCHAR(50), ward TEXT "
                             "DEFAULT 'ОРИТ');"
                             "CREATE TABLE SUT (ID INTEGER PRIMARY KEY, IDN INTEGER, SUT DATETIME, SUTML INTEGER);"
                             "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY, IDT INTEGER, VREMIA DATETIME, ML INTEGER);");
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(journal.ADOTable1->fieldCount(), 2);
        journal.ADOTable1->insert();
        journal.ADOTable1->setFieldByName("fio", "Сидоров");
        dialogs.answer(DialogButton::Yes);
        journal.ADOTable1->post();
        OtherProgram other(file.path);
        QCOMPARE(other.scalar("SELECT ward FROM fio").toString(), QStringLiteral("ОРИТ"));
    }

    void missingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Renkalo.mdb");
        ScriptedDialogs dialogs;
        Journal journal(nullptr, path);
        journal.open();
        QCOMPARE(dialogs.askedTexts(), QStringList(6, "unable to open database file."));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!journal.ADOTable1->active() && !journal.ADOQuery2->active());
        QVERIFY(!journal.ADOQuery1->value().isValid());
        // Each later re-read tries again and shows the box again.
        dialogs.clear();
        runGuarded([&] { journal.cxGrid1MouseEnter(); });
        QCOMPARE(dialogs.askedTexts(), QStringList{"unable to open database file."});
        QVERIFY(!QFile::exists(path));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void fileOfAnotherFormatIsNeverWritten_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray jet(4096, '\0');
        jet.replace(4, 15, "Standard Jet DB");
        QTest::newRow("an older engine's file") << jet;
        QTest::newRow("text") << QByteArray("Иванов;1500\n").repeated(300);
        QTest::newRow("empty-looking header") << QByteArray("SQLite format 3").append(QByteArray(600, '\x7f'));
    }
    void fileOfAnotherFormatIsNeverWritten()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("Renkalo.mdb");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QDateTime modified = QFileInfo(path).lastModified();
        ScriptedDialogs dialogs;
        {
            Journal journal(nullptr, path);
            journal.open();
            QCOMPARE(dialogs.asked().size(), 6);
            const QStringList texts = dialogs.askedTexts();
            QCOMPARE(texts, QStringList(6, texts.first()));
            QVERIFY(texts.first().startsWith("file is not a database"));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Renkalo.mdb"});
    }

    void queryTexts()
    {
        Journal journal(nullptr, "unused.mdb");
        QCOMPARE(journal.ADOQuery1->commandText(), QStringLiteral("Select COUNT(*)\r\nfrom fio\r\n"));
        QCOMPARE(journal.ADOQuery2->commandText(), QStringLiteral("Select SUM(ML)\r\nfrom VREMIA\r\nwhere IDT= :ID\r\n"));
        QCOMPARE(journal.ADOQuery2->sentText(), QByteArray("Select SUM(ML)\r\nfrom VREMIA\r\nwhere IDT= ?\r\n"));
        QCOMPARE(journal.ADOQuery2->parameter().toInt(), 27);
    }

    void aggregates()
    {
        JournalFile file;
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(dialogs.asked().size(), 0);
        QCOMPARE(journal.ADOQuery1->fieldByName("Expr1000").toInt(), 2);
        QCOMPARE(journal.ADOQuery2->fieldByName("Expr1000").toInt(), 180); // the first patient's first day
        journal.ADOTable2->next();
        QCOMPARE(journal.ADOQuery2->value().toInt(), 80);
        journal.ADOTable1->next(); // Petrov: one day, no hours
        QCOMPARE(journal.ADOQuery2->parameter().toInt(), 12);
        QVERIFY(journal.ADOQuery2->active());
        QVERIFY(!journal.ADOQuery2->value().isValid()); // no value, not 0
        QVERIFY_THROWS_EXCEPTION(Error, journal.ADOQuery2->fieldByName("SUM(ML)"));
    }

    void emptyJournal()
    {
        JournalFile file("");
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(dialogs.asked().size(), 0);
        QCOMPARE(journal.ADOQuery1->value().toInt(), 0);
        QVERIFY(journal.ADOQuery1->value().isValid());
        QVERIFY(journal.ADOQuery2->active());
        QVERIFY(!journal.ADOQuery2->value().isValid());
        QVERIFY(journal.ADOTable2->isEmpty() && journal.ADOTable3->isEmpty());
        QVERIFY(journal.ADOTable1->bof() && journal.ADOTable1->eof());
    }

    // A stray large key is no measure of the rows: the few rows cost what they are.
    void largeKeyReservesNoMemory()
    {
        JournalFile file(sampleRows + "INSERT INTO VREMIA (ID, IDT, VREMIA, ML) VALUES (2000000000, 10, "
                                      "'1899-12-30 11:00:00', 90);\n");
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QVERIFY(dialogs.asked().isEmpty());
        QVERIFY(journal.ADOTable3->active());
        QCOMPARE(journal.ADOTable3->recordCount(), 4);
        QVERIFY2(journal.ADOTable3->bytesHeld() < 64u << 20, qPrintable(QString::number(journal.ADOTable3->bytesHeld())));
    }

    // Values another program left in the file that the columns cannot hold stop
    // the opening with a clear text instead of being shown wrong.
    void unreadableValues_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QString>("box");
        QTest::newRow("volume beyond 32 bits")
            << QByteArray("INSERT INTO VREMIA VALUES (1, 1, '1899-12-30 08:00:00', 5000000000);")
            << "ADOTable3: The value '5000000000' of field 'ML' in the row with ID 1 cannot be read as a 32-bit integer.";
        QTest::newRow("fractional volume")
            << QByteArray("INSERT INTO VREMIA VALUES (1, 1, '1899-12-30 08:00:00', 2.5);")
            << "ADOTable3: The value '2.5' of field 'ML' in the row with ID 1 cannot be read as a 32-bit integer.";
        QTest::newRow("unreadable time")
            << QByteArray("INSERT INTO VREMIA VALUES (1, 1, 'eight o''clock', 5);")
            << "ADOTable3: The value 'eight o'clock' of field 'VREMIA' in the row with ID 1 cannot be read as a date and time.";
    }
    void unreadableValues()
    {
        QFETCH(QByteArray, row);
        QFETCH(QString, box);
        JournalFile file(row);
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(dialogs.askedTexts(), QStringList{box});
        QVERIFY(!journal.ADOTable3->active());
    }

    // Other tools may make the file with UTF-16 text: dates and names read the same.
    void utf16FileReadsAsUtf8One()
    {
        JournalFile file(sampleRows, "PRAGMA encoding = 'UTF-16le';" + JournalSchema::createStatements());
        QCOMPARE(OtherProgram(file.path).scalar("PRAGMA encoding").toString(), QStringLiteral("UTF-16le"));
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(dialogs.askedTexts(), QStringList());
        QCOMPARE(journal.ADOTable1->fieldByName("fio").toString(), QStringLiteral("Иванов Иван Иванович"));
        QCOMPARE(journal.ADOTable2->fieldByName("SUT").toDouble(), 45352.0);
        QCOMPARE(journal.ADOTable3->fieldByName("VREMIA").toDouble(), 8.0 / 24);
    }

    void numericDatesAreJulianDays()
    {
        JournalFile file("INSERT INTO fio VALUES (1, 'A'); INSERT INTO SUT VALUES (1, 1, julianday('2024-03-01'), 1);");
        ScriptedDialogs dialogs;
        Journal journal(nullptr, file.path);
        journal.open();
        QCOMPARE(journal.ADOTable2->fieldByName("SUT").toDouble(), 45352.0);
    }
};

QTEST_GUILESS_MAIN(TestJournalDatabase)
#include "tst_journaldatabase.moc"
