#include "TestWindow.h"

#include "Dialogs.h"
#include "Errors.h"
#include "MessageBoxPresenter.h"
#include "PageControl.h"
#include "Program.h"
#include "ScriptedDialogs.h"
#include "ShapeButton.h"
#include "UrlOpener.h"
#include "WebSite.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

using namespace renkalo;

namespace {

void click(QAbstractButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

DialogRequest exitQuestionRequest()
{
    return {DialogKind::MessageDialog,
            "Confirm",
            "Вы действительно хотите выйти из программы?",
            DialogIcon::Question,
            {DialogButton::Yes, DialogButton::No},
            DialogButton::Yes,
            DialogButton::No};
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        window = makeTestWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void startsOnIntroductionWithCalculatorTab()
    {
        QVERIFY(window->Panel1->isVisible());
        QVERIFY(!window->Panel2->isVisible());
        QCOMPARE(window->PageControl1->currentPage(), window->TabSheet1);
        QVERIFY(!window->isMinimized());
        QCOMPARE(window->width(), 688);
    }

    void selectedTabSurvivesPageSwitch()
    {
        click(window->LMDShapeLabelButton1);
        QVERIFY(window->Panel2->isVisible());
        QVERIFY(!window->Panel1->isVisible());
        window->PageControl1->setCurrentIndex(1);
        click(window->LMDShapeLabelButton3);
        QVERIFY(window->Panel1->isVisible());
        QVERIFY(!window->Panel2->isVisible());
        click(window->LMDShapeLabelButton1);
        QCOMPARE(window->PageControl1->currentPage(), window->TabSheet2);
        QVERIFY(window->TabSheet2->isVisible());
    }

    // Every way out asks the same question; only Yes lets the window go.
    void exitQuestion_data()
    {
        QTest::addColumn<bool>("workPage");
        QTest::addColumn<int>("way");
        QTest::addColumn<DialogButton>("answer");
        for (bool work : {false, true}) {
            const char *page = work ? "work" : "introduction";
            for (int way : {0, 1})
                for (DialogButton answer : {DialogButton::No, DialogButton::Yes, DialogButton::Cancel}) {
                    const char *how[] = {"exit button", "close box or Alt+F4"};
                    QTest::addRow("%s, %s, %s", page, how[way], qPrintable(dialogButtonName(answer)))
                        << work << way << answer;
                }
        }
    }
    void exitQuestion()
    {
        QFETCH(bool, workPage);
        QFETCH(int, way);
        QFETCH(DialogButton, answer);
        if (workPage) {
            click(window->LMDShapeLabelButton1);
            window->PageControl1->setCurrentIndex(2);
        }
        auto *weight = window->findChild<QLineEdit *>("LabeledEdit1");
        if (weight)
            weight->setText("70");
        ScriptedDialogs dialogs;
        dialogs.answer(answer);
        if (way == 0)
            click(workPage ? window->LMDShapeLabelButton4 : window->LMDShapeLabelButton2);
        else
            window->close(); // what the window manager's close box and Alt+F4 do
        QCOMPARE(dialogs.asked(), QList<DialogRequest>() << exitQuestionRequest());
        const bool closed = answer == DialogButton::Yes;
        QCOMPARE(window->isVisible(), !closed);
        if (!closed) {
            QCOMPARE(window->Panel2->isVisible(), workPage);
            QCOMPARE(window->PageControl1->currentIndex(), workPage ? 2 : 0);
            if (weight)
                QCOMPARE(weight->text(), QString("70"));
        }
    }

    void sessionEndAsksTheSameQuestion()
    {
        ScriptedDialogs dialogs;
        dialogs.answer({DialogButton::No, DialogButton::Yes});
        QVERIFY(!window->queryEndSession());
        QVERIFY(window->isVisible());
        QVERIFY(window->queryEndSession());
        QCOMPARE(dialogs.asked(), QList<DialogRequest>() << exitQuestionRequest() << exitQuestionRequest());
        // Yes lets the session end take the program with it, without asking again.
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(dialogs.asked().size(), 2);
    }

    void introductionPageTakesNoFocus()
    {
        for (QWidget *widget : window->Panel1->findChildren<QWidget *>())
            QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
        const QList<QWidget *> focusable = window->Panel3->findChildren<QWidget *>();
        int takesFocus = 0;
        for (QWidget *widget : focusable)
            takesFocus += widget->focusPolicy() != Qt::NoFocus;
        QCOMPARE(takesFocus, 1);
        QVERIFY(window->cxButton21->focusPolicy() != Qt::NoFocus);
    }

    void webButtonOpensTheSiteAndIgnoresFailure()
    {
        QStringList opened;
        const auto previous = UrlOpener::setOpener([&](const QString &address) {
            opened.append(address);
            return false;
        });
        ScriptedDialogs dialogs;
        click(window->LMDShapeLabelButton1);
        QTest::mouseClick(window->cxButton21, Qt::LeftButton);
        UrlOpener::setOpener(previous);
        QCOMPARE(opened, QStringList{QString::fromLatin1(WebSiteAddress)});
        QVERIFY(dialogs.asked().isEmpty());
        QVERIFY(window->Panel2->isVisible());
    }

    void webButtonPictureAndHint()
    {
        QCOMPARE(window->cxButton21->toolTip(), QString("Renkalo on the Web"));
        QCOMPARE(window->cxButton21->toolTipDuration(), 2500);
        QCOMPARE(window->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
        QCOMPARE(window->cxButton21->iconSize(), QSize(16, 16));
        const QImage picture = window->cxButton21->icon().pixmap(16, 16).toImage();
        QCOMPARE(picture.size(), QSize(16, 16));
        // The red border is transparent; the inside is drawn.
        QCOMPARE(qAlpha(picture.pixel(0, 15)), 0);
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(picture.pixel(8, 8)), 255);
        QVERIFY(!qApp->windowIcon().isNull());
        QCOMPARE(qApp->windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    // The real boxes: Enter gives the default button, Esc the escape button.
    void realBoxKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<DialogButton>("answer");
        QTest::newRow("Enter") << int(Qt::Key_Return) << DialogButton::Yes;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << DialogButton::No;
    }
    void realBoxKeys()
    {
        QFETCH(int, key);
        QFETCH(DialogButton, answer);
        QString title;
        QStringList captions;
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            for (QAbstractButton *b : box->buttons())
                captions.append(b->text());
            QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(presentMessageBox(exitQuestionRequest()), answer);
        QCOMPARE(title, QString("Confirm"));
        QCOMPARE(captions, QStringList({"&Yes", "&No"}));
    }

    void errorEscapingCreationEndsWithApplicationError()
    {
        window.reset();
        ScriptedDialogs dialogs;
        const int code = runProgram(*qApp, []() -> std::unique_ptr<TForm1> {
            throw Error("Error creating object", "EDatabaseError");
        });
        QCOMPARE(code, 1);
        QCOMPARE(dialogs.asked().size(), 1);
        const DialogRequest &box = dialogs.asked().first();
        QCOMPARE(box.title, QString("Application Error"));
        QCOMPARE(box.icon, DialogIcon::Stop);
        QCOMPARE(box.buttons, QList<DialogButton>{DialogButton::Ok});
        QVERIFY2(box.text.startsWith("Exception EDatabaseError in module ") &&
                     box.text.endsWith(".\r\nError creating object.\r\n"),
                 qPrintable(box.text));
    }

private:
    std::unique_ptr<TForm1> window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
