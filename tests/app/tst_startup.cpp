#include "TestWindow.h"

#include "Journal.h"
#include "LedLabel.h"
#include "Regional.h"
#include "JournalSchema.h"
#include "ScriptedDialogs.h"
#include "TableDataSet.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

using namespace renkalo;

// The window with the journal file present or missing in its working directory.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
    }
    void cleanup() { QDir::setCurrent(previous); }

    void missingJournalGivesSixBoxesAndAWorkingWindow()
    {
        ScriptedDialogs dialogs;
        auto window = makeTestWindow();
        QCOMPARE(dialogs.asked().size(), 6);
        const QString text = dialogs.asked().first().text;
        QVERIFY(!text.isEmpty());
        for (const DialogRequest &box : dialogs.asked()) {
            QCOMPARE(box.text, text);
            QCOMPARE(box.kind, DialogKind::MessageBox);
            QCOMPARE(box.icon, DialogIcon::Stop);
        }
        QVERIFY(!QFile::exists("Renkalo.mdb"));
        QVERIFY(!window->journal->ADOTable1->active());
        // The calculator still works.
        dialogs.clear();
        window->show();
        Regional::overrideDecimalSeparator(u',');
        const QList<std::pair<const char *, const char *>> inputs{
            {"LabeledEdit1", "70"}, {"LabeledEdit2", "500"}, {"LabeledEdit3", "200"}};
        for (const auto &[name, text] : inputs)
            window->findChild<QLineEdit *>(name)->setText(text);
        window->findChild<QComboBox *>("ComboBox1")->setEditText("35");
        window->findChild<QComboBox *>("ComboBox2")->setEditText("38,5");
        QTest::mouseClick(window->findChild<QAbstractButton *>("LMDShapeLabelButton5"), Qt::LeftButton, {},
                          QPoint(10, 10));
        Regional::overrideDecimalSeparator(std::nullopt);
        QVERIFY2(dialogs.asked().isEmpty(), qPrintable(dialogs.askedTexts().join('\n')));
        QCOMPARE(window->findChild<LedLabel *>("LMDLEDLabel1")->text(), QString("2300"));
    }

    // A changed row is settled before the exit question; refusing keeps the window.
    void closeSettlesAChangedRowFirst()
    {
        createJournal();
        ScriptedDialogs dialogs;
        auto window = makeTestWindow();
        QVERIFY2(dialogs.asked().isEmpty(), qPrintable(dialogs.askedTexts().join('\n')));
        window->show();
        TableDataSet *patients = window->journal->ADOTable1;
        QVERIFY(patients->active());
        patients->insert();
        patients->setFieldByName("fio", "Сидоров Сидор Сидорович");

        dialogs.answer(DialogButton::Cancel);
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs.askedTexts(), QStringList{"Хотите занести текущую запись в базу данных?"});
        QCOMPARE(patients->state(), DataSetState::Insert);

        dialogs.clear();
        dialogs.answer({DialogButton::Yes, DialogButton::No});
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs.askedTexts(), QStringList({"Хотите занести текущую запись в базу данных?",
                                                     "Вы действительно хотите выйти из программы?"}));
        QCOMPARE(patients->state(), DataSetState::Browse);
        QCOMPARE(patients->recordCount(), 1);

        // Nothing pending any more: only the exit question.
        dialogs.clear();
        dialogs.answer(DialogButton::Yes);
        window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(dialogs.askedTexts(), QStringList{"Вы действительно хотите выйти из программы?"});
    }

private:
    void createJournal()
    {
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open("Renkalo.mdb", &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, JournalSchema::createStatements().constData(), nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
    }

    QTemporaryDir folder;
    QString previous;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
