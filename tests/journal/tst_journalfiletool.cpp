#include "JournalFileTool.h"
#include "JournalFixture.h"

#include <QtTest>

using namespace renkalo;
using namespace renkalo::test;

class TestJournalFileTool : public QObject {
    Q_OBJECT
    int run(const QStringList &arguments, QString *output = nullptr)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int code = JournalFileTool::run(QStringList{"renkalo-db"} + arguments, o, e);
        o.flush();
        e.flush();
        if (output)
            *output = out + err;
        return code;
    }

private slots:
    void createsAnEmptyJournalForItsOwnerOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Renkalo.mdb");
        QCOMPARE(run({"create", path}), 0);
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ReadOwner | QFile::WriteOwner),
                 QFileDevice::Permissions());
        QString verdict;
        QCOMPARE(run({"check", path}, &verdict), 0);
        QVERIFY(verdict.contains(path + ": OK"));
        OtherProgram other(path);
        QCOMPARE(other.scalar("PRAGMA journal_mode").toString(), QStringLiteral("delete"));
    }

    void neverOverwrites_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::newRow("the file") << "Renkalo.mdb";
        QTest::newRow("a leftover journal") << "Renkalo.mdb-journal";
        QTest::newRow("a leftover log") << "Renkalo.mdb-wal";
    }
    void neverOverwrites()
    {
        QFETCH(QString, existing);
        QTemporaryDir dir;
        QFile f(dir.filePath(existing));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
        f.close();
        QCOMPARE(run({"create", dir.filePath("Renkalo.mdb")}), 1);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("keep me"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{existing});
    }

    void checkVerdicts_data()
    {
        QTest::addColumn<QByteArray>("schema");
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a floating volume")
            << QByteArray("CREATE TABLE fio (ID INTEGER PRIMARY KEY, fio TEXT);"
                          "CREATE TABLE SUT (ID INTEGER PRIMARY KEY, IDN INTEGER, SUT DATETIME, SUTML INTEGER);"
                          "CREATE TABLE VREMIA (ID INTEGER PRIMARY KEY, IDT INTEGER, VREMIA DATETIME, ML REAL);")
            << QByteArray() << "Type mismatch for field 'ML', expecting: Integer actual: Float";
        QTest::newRow("no patients table") << QByteArray("CREATE TABLE x (a);") << QByteArray() << "no such table: fio";
        QTest::newRow("an unreadable value") << JournalSchema::createStatements()
                                             << QByteArray("INSERT INTO VREMIA VALUES (1, 1, 'noon', 1);")
                                             << "field 'VREMIA' in the row with ID 1";
    }
    void checkVerdicts()
    {
        QFETCH(QByteArray, schema);
        QFETCH(QByteArray, rows);
        QFETCH(QString, reason);
        JournalFile file(rows, schema);
        QString verdict;
        QCOMPARE(run({"check", file.path}, &verdict), 1);
        QVERIFY2(verdict.contains(reason), qPrintable(verdict));
        QVERIFY(verdict.contains("NOT USABLE"));
    }

    void checkRefusesOtherFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Renkalo.mdb");
        QString verdict;
        QCOMPARE(run({"check", path}, &verdict), 1);
        QVERIFY(!QFile::exists(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2048, 'x'));
        f.close();
        QCOMPARE(run({"check", path}, &verdict), 1);
        QVERIFY(verdict.contains("file is not a database"));
        QCOMPARE(run({"frobnicate"}), 2);
    }
};

QTEST_GUILESS_MAIN(TestJournalFileTool)
#include "tst_journalfiletool.moc"
