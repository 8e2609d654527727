#include "ApplicationTitle.h"
#include "ErrorReporting.h"
#include "ScriptedDialogs.h"

#include <QtTest>

using namespace renkalo;

class TestErrorReporting : public QObject {
    Q_OBJECT
private slots:
    void fullStopRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Invalid Date" << "Invalid Date.";
        QTest::newRow("digit") << "code 7" << "code 7.";
        QTest::newRow("cyrillic") << "нет файла" << "нет файла.";
        QTest::newRow("full stop") << "done." << "done.";
        QTest::newRow("exclamation") << "Stop!" << "Stop!";
        QTest::newRow("comma") << "a," << "a,";
        QTest::newRow("closing parenthesis") << "(x)" << "(x)";
        QTest::newRow("slash comes after the stop") << "a/" << "a/.";
        QTest::newRow("empty") << "" << "";
    }
    void fullStopRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(standardErrorText(message), shown);
    }

    void applicationErrorText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("no stop") << "Error creating object"
                                 << "Exception EOleSysError in module Renkalo at 0004A2B1.\r\nError creating object.\r\n";
        QTest::newRow("stop") << "Gone." << "Exception EOleSysError in module Renkalo at 0004A2B1.\r\nGone.\r\n";
        QTest::newRow("exclamation gets one") << "Gone!"
                                              << "Exception EOleSysError in module Renkalo at 0004A2B1.\r\nGone!.\r\n";
        QTest::newRow("empty") << "" << "Exception EOleSysError in module Renkalo at 0004A2B1.\r\n\r\n";
    }
    void applicationErrorText()
    {
        QFETCH(QString, message);
        QFETCH(QString, text);
        QCOMPARE(renkalo::applicationErrorText("EOleSysError", "Renkalo", 0x4A2B1, message), text);
    }

    void escapedErrorGoesToStandardBox()
    {
        ScriptedDialogs dialogs;
        runGuarded([] { throw Error("Table 'fio' not found"); });
        runGuarded([] { throw SilentAbort{}; });
        runGuarded([] { throw std::runtime_error("disk full"); });
        QCOMPARE(dialogs.askedTexts(), QStringList({"Table 'fio' not found.", "disk full."}));
        QCOMPARE(dialogs.asked().first().title, applicationTitle());
        QCOMPARE(dialogs.asked().first().buttons, QList<DialogButton>{DialogButton::Ok});
        QCOMPARE(dialogs.asked().first().icon, DialogIcon::Stop);
    }

    void applicationErrorNamesKindModuleAndAddress()
    {
        ScriptedDialogs dialogs;
        try {
            throw Error("Error creating object", "EOleSysError");
        } catch (...) {
            reportApplicationError(std::current_exception());
        }
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().first().title, QString("Application Error"));
        const QRegularExpression shape(
            R"(^Exception EOleSysError in module \S+ at [0-9A-F]{8,16}\.\r\nError creating object\.\r\n$)");
        QVERIFY2(shape.match(dialogs.asked().first().text).hasMatch(), qPrintable(dialogs.asked().first().text));
    }

    void titleFromExecutableName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/Renkalo" << "Renkalo";
        QTest::newRow("upper") << "/opt/RENKALO.EXE" << "Renkalo";
        QTest::newRow("first stop") << "/x/Ren.kalo.bin" << "Ren";
        QTest::newRow("first letter kept") << "renkalo" << "renkalo";
    }
    void titleFromExecutableName()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(applicationTitleFromPath(path), title);
    }
};

QTEST_GUILESS_MAIN(TestErrorReporting)
#include "tst_errorreporting.moc"
