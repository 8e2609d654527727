#include "CalculatorPage.h"
#include "Dialogs.h"
#include "LedLabel.h"
#include "Regional.h"
#include "ScriptedDialogs.h"
#include "ShapeButton.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace renkalo;

namespace {

// The nine inputs as typed; by default the first worked example (with the electrolyte
// edits' start values).
struct Inputs {
    QString W = "70", U = "500", L = "200", R = "35", T = "38,5", Na = "142", K = "4,5", Cl = "100", BD = "0";
};

enum class Messages { None, SecondOnly, Both };

const QString RangeMessage = QStringLiteral("Введены недопустимые значения!");
const QString InvalidMessage = QStringLiteral("Bы ввели недопустимые значения или не заполнили все поля!");

// Display number → its text.
using Displays = QMap<int, QString>;

} // namespace

Q_DECLARE_METATYPE(Inputs)
Q_DECLARE_METATYPE(Messages)

class TestCalculatorPage : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Regional::overrideDecimalSeparator(QChar(u','));
        host = std::make_unique<QWidget>();
        host->setObjectName(QStringLiteral("TabSheet1"));
        host->resize(678, 333);
        page = new CalculatorPage(host.get());
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    }
    void cleanup()
    {
        host.reset();
        Regional::overrideDecimalSeparator(std::nullopt);
    }

    void calculate_data()
    {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<Displays>("displays");
        const auto shows = [](const char *name, Inputs inputs, Displays displays, QChar separator = u',') {
            QTest::newRow(name) << inputs << separator << Messages::None << displays;
        };
        const auto refuses = [](const char *name, Inputs inputs, Messages messages, QChar separator = u',') {
            QTest::newRow(name) << inputs << separator << messages << Displays();
        };
        const Messages both = Messages::Both, second = Messages::SecondOnly;

        shows("example 1", {},
              {{1, "2300"}, {2, "1600"}, {3, "700"}, {4, "0"}, {5, "0"}, {6, "0"}, {7, "0"}, {8, "0"}, {9, "35"},
               {10, "70"}, {11, "210"}, {12, "105"}, {13, "99,4"}, {14, "33,1333333333333"}, {15, "40"}});
        shows("example 2", {.Na = "130", .K = "3,5", .Cl = "90", .BD = "-10"},
              {{1, "2300"}, {2, "1600"}, {3, "700"}, {4, "28"}, {5, "0"}, {6, "100,8"}, {7, "1,22727272727273"},
               {8, "420"}, {9, "35"}, {10, "70"}, {11, "210"}, {12, "105"}, {13, "99,4"}, {14, "33,1333333333333"},
               {15, "40"}});
        shows("W 65, R 45, T 39,5", {.W = "65", .U = "300", .L = "0", .R = "45", .T = "39,5"},
              {{1, "2750"}, {2, "2450"}, {3, "300"}, {9, "32,5"}, {10, "65"}, {11, "195"}, {12, "97,5"},
               {13, "92,3"}, {14, "30,7666666666667"}, {15, "61,25"}});
        shows("hyperkalaemia, no additions", {.R = "20", .T = "36,6", .K = "6"},
              {{5, "1008"}, {4, "0"}, {1, "1400"}, {2, "700"}, {15, "17,5"}});
        // The extended evaluation shows in the last digit.
        shows("K 4,4", {.K = "4,4"}, {{4, "2,79999999999999"}, {5, "0"}});
        shows("W 13, K 5,1", {.W = "13", .K = "5,1"}, {{5, "93,6"}, {4, "0"}});

        // Every bound is accepted, and a value just beyond it refused with both messages.
        shows("W 0,5", {.W = "0,5"}, {{10, "0,5"}, {1, "1605"}});
        shows("W 400", {.W = "400"}, {{10, "400"}});
        refuses("W 0", {.W = "0"}, both);
        refuses("W 401", {.W = "401"}, both);
        shows("U 0", {.U = "0"}, {{3, "200"}});
        shows("U 40000", {.U = "40000"}, {{3, "40200"}});
        refuses("U -1", {.U = "-1"}, both);
        refuses("U 40001", {.U = "40001"}, both);
        shows("L 0", {.L = "0"}, {{3, "500"}});
        shows("L 40000", {.L = "40000"}, {{3, "40500"}});
        refuses("L -1", {.L = "-1"}, both);
        refuses("L 40001", {.L = "40001"}, both);
        shows("Na 20", {.Na = "20"}, {{6, "1024,8"}});
        shows("Na 400", {.Na = "400"}, {{6, "0"}});
        refuses("Na 19", {.Na = "19"}, both);
        refuses("Na 401", {.Na = "401"}, both);
        shows("K 1", {.K = "1"}, {{4, "98"}, {5, "0"}});
        shows("K 10", {.K = "10"}, {{4, "0"}, {5, "3248"}});
        refuses("K 0,9", {.K = "0,9"}, both);
        refuses("K 11", {.K = "11"}, both);
        shows("Cl 20", {.Cl = "20"}, {{7, "9,81818181818182"}});
        shows("Cl 400", {.Cl = "400"}, {{7, "0"}});
        refuses("Cl 19", {.Cl = "19"}, both);
        refuses("Cl 401", {.Cl = "401"}, both);
        shows("BD -40", {.BD = "-40"}, {{8, "1680"}});
        shows("BD 40", {.BD = "40"}, {{8, "0"}});
        refuses("BD -41", {.BD = "-41"}, both);
        refuses("BD 41", {.BD = "41"}, both);
        shows("R 5", {.R = "5"}, {{2, "1200"}});
        shows("R 50", {.R = "50"}, {{2, "2000"}});
        refuses("R 4", {.R = "4"}, both);
        refuses("R 51", {.R = "51"}, both);
        shows("T 35", {.T = "35"}, {{2, "1100"}});
        shows("T 41", {.T = "41"}, {{2, "2100"}});
        refuses("T 34,9", {.T = "34,9"}, both);
        refuses("T 41,1", {.T = "41,1"}, both);

        // The step additions: W × 10 = 700 plus 0, 400 or 800 plus 0, 500 or 1000.
        shows("R 29", {.R = "29"}, {{2, "1200"}});
        shows("R 30", {.R = "30"}, {{2, "1600"}});
        shows("R 40", {.R = "40"}, {{2, "2000"}});
        shows("T 37,5", {.T = "37,5"}, {{2, "1100"}});
        shows("T 38", {.T = "38"}, {{2, "1600"}});
        shows("T 39", {.T = "39"}, {{2, "2100"}, {15, "52,5"}});

        shows("BD -3", {.BD = "-3"}, {{8, "0"}});
        shows("BD -4", {.BD = "-4"}, {{8, "168"}});

        // Texts that do not convert give only the second message.
        refuses("empty weight", {.W = ""}, second);
        refuses("lone minus", {.BD = "-"}, second);
        refuses("letters", {.U = "abc"}, second);
        refuses("point under comma settings", {.Na = "1.5"}, second);
        refuses("thousands separator", {.U = "1 000"}, second);
        refuses("too large for a double", {.U = "9e999"}, second);
        refuses("conversion fails before the ranges are checked", {.W = "0", .BD = "x"}, second);
        shows("lone separator as losses", {.L = ","}, {{3, "500"}, {1, "2100"}});
        refuses("lone separator as weight", {.W = ","}, both);
        shows("spaces around", {.W = " 70", .U = "500  "}, {{10, "70"}, {3, "700"}});
        shows("exponent", {.W = "1e2"}, {{10, "100"}, {9, "50"}});

        // Settings with a point: the comma start value and list items no longer read.
        refuses("point settings, start potassium", {.T = "38.5"}, second, u'.');
        refuses("point settings, list item with comma", {.K = "4.5"}, second, u'.');
        shows("point settings, typed with a point", {.T = "38.5", .K = "4.5"},
              {{13, "99.4"}, {14, "33.1333333333333"}, {1, "2300"}}, u'.');
    }
    void calculate()
    {
        QFETCH(Inputs, inputs);
        QFETCH(QChar, separator);
        QFETCH(Messages, messages);
        QFETCH(Displays, displays);
        Regional::overrideDecimalSeparator(separator);
        enter(inputs);

        ScriptedDialogs dialogs;
        dialogs.answer({DialogButton::Yes, DialogButton::Yes});
        click(page->LMDShapeLabelButton5);

        QCOMPARE(dialogs.asked(), expectedDialogs(messages));
        const QStringList shown = displayTexts();
        if (messages != Messages::None) {
            QCOMPARE(shown, QStringList(15, QString()));
            return;
        }
        for (auto it = displays.cbegin(); it != displays.cend(); ++it)
            QCOMPARE(QString("%1: %2").arg(it.key()).arg(shown[it.key() - 1]),
                     QString("%1: %2").arg(it.key()).arg(it.value()));
        // Nothing is left empty, and the inputs are as they were.
        QVERIFY(!shown.contains(QString()));
        QCOMPARE(page->LabeledEdit1->text(), inputs.W);
        QCOMPARE(page->ComboBox2->currentText(), inputs.T);
    }

    // Picked from the lists, every item is accepted but the breathing rate 55.
    void listItems()
    {
        for (QComboBox *list : {page->ComboBox1, page->ComboBox2}) {
            enter({});
            for (int i = 0; i < list->count(); ++i) {
                list->setCurrentIndex(i);
                QCOMPARE(list->currentText(), list->itemText(i));
                ScriptedDialogs dialogs;
                click(page->LMDShapeLabelButton5);
                const Messages expected = list == page->ComboBox1 && list->itemText(i) == "55" ? Messages::Both
                                                                                                 : Messages::None;
                QVERIFY2(dialogs.asked() == expectedDialogs(expected), qPrintable(list->itemText(i)));
            }
        }
        QCOMPARE(page->ComboBox1->count(), 11);
        QCOMPARE(page->ComboBox2->count(), 13);
    }

    void failedCalculationKeepsResults()
    {
        enter({});
        click(page->LMDShapeLabelButton5);
        const QStringList before = displayTexts();
        QCOMPARE(before[13], "33,1333333333333");

        for (const QString &weight : QStringList{"0", ""}) {
            page->LabeledEdit1->setText(weight);
            ScriptedDialogs dialogs;
            click(page->LMDShapeLabelButton5);
            QCOMPARE(dialogs.asked().size(), weight.isEmpty() ? 1 : 2);
            QCOMPARE(displayTexts(), before);
        }
    }

    void clear()
    {
        enter({});
        page->ComboBox1->setCurrentIndex(6);
        click(page->LMDShapeLabelButton5);
        QCOMPARE(displayTexts()[0], "2300");

        ScriptedDialogs dialogs;
        click(page->LMDShapeLabelButton6);
        QVERIFY(dialogs.asked().isEmpty());
        QCOMPARE(displayTexts(), QStringList(15, QString()));
        for (QLineEdit *edit : {page->LabeledEdit1, page->LabeledEdit2, page->LabeledEdit3, page->LabeledEdit4,
                                page->LabeledEdit5, page->LabeledEdit6, page->LabeledEdit7})
            QCOMPARE(edit->text(), QString());
        QCOMPARE(page->ComboBox1->currentText(), QString());
        QCOMPARE(page->ComboBox2->currentText(), QString());
        QCOMPARE(page->ComboBox1->count(), 11);
        QCOMPARE(page->ComboBox2->itemText(12), "41");

        // The start values do not come back: calculating now finds empty fields.
        click(page->LMDShapeLabelButton5);
        QCOMPARE(dialogs.asked(), expectedDialogs(Messages::SecondOnly));
        QCOMPARE(displayTexts(), QStringList(15, QString()));
    }

    // The buttons answer only over their shape, not over their shadow.
    void shadowIsNotTheButton()
    {
        enter({});
        ScriptedDialogs dialogs;
        ShapeButton *button = page->LMDShapeLabelButton5;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 2, button->height() - 2));
        QCOMPARE(displayTexts(), QStringList(15, QString()));
        click(button);
        QCOMPARE(displayTexts()[0], "2300");
    }

    void maxLengths_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("weight") << "LabeledEdit1" << "4000" << "400";
        QTest::newRow("weight fraction") << "LabeledEdit1" << "0,5" << "0,5";
        QTest::newRow("urine") << "LabeledEdit2" << "123456" << "12345";
        QTest::newRow("losses") << "LabeledEdit3" << "123456" << "12345";
        QTest::newRow("sodium") << "LabeledEdit4" << "1420" << "142";
        QTest::newRow("potassium") << "LabeledEdit5" << "4,55" << "4,5";
        QTest::newRow("chloride") << "LabeledEdit6" << "1000" << "100";
        QTest::newRow("base deficit") << "LabeledEdit7" << "-40" << "-40";
        QTest::newRow("base deficit fraction") << "LabeledEdit7" << "-4,5" << "-4,";
        QTest::newRow("breathing rate") << "ComboBox1" << "555" << "55";
        QTest::newRow("temperature") << "ComboBox2" << "36,66" << "36,6";
    }
    void maxLengths()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QWidget *widget = page->findChild<QWidget *>(control);
        QVERIFY(widget);
        auto *list = qobject_cast<QComboBox *>(widget);
        QLineEdit *edit = list ? list->lineEdit() : qobject_cast<QLineEdit *>(widget);
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        if (list)
            QCOMPARE(list->count(), list == page->ComboBox1 ? 11 : 13);
    }

    // Tab visits the nine inputs in reading order and nothing else: the shape
    // buttons and the displays take no focus.
    void tabOrder()
    {
        QApplication::setActiveWindow(host.get());
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
        page->LabeledEdit1->setFocus();
        const QList<QWidget *> order{page->LabeledEdit2, page->LabeledEdit3, page->ComboBox1,
                                     page->ComboBox2,    page->LabeledEdit4, page->LabeledEdit5,
                                     page->LabeledEdit6, page->LabeledEdit7, page->LabeledEdit1};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY2(focus == next || next->isAncestorOf(focus),
                     qPrintable(QStringLiteral("%1 instead of %2").arg(focus ? focus->objectName() : "nothing",
                                                                       next->objectName())));
        }
    }

private:
    void enter(const Inputs &in)
    {
        page->LabeledEdit1->setText(in.W);
        page->LabeledEdit2->setText(in.U);
        page->LabeledEdit3->setText(in.L);
        page->ComboBox1->setEditText(in.R);
        page->ComboBox2->setEditText(in.T);
        page->LabeledEdit4->setText(in.Na);
        page->LabeledEdit5->setText(in.K);
        page->LabeledEdit6->setText(in.Cl);
        page->LabeledEdit7->setText(in.BD);
    }

    // A click in the middle of the shape.
    static void click(ShapeButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->shapeRect().center());
    }

    QStringList displayTexts() const
    {
        QStringList texts;
        for (int i = 1; i <= 15; ++i) {
            const auto *display = page->findChild<LedLabel *>(QStringLiteral("LMDLEDLabel%1").arg(i));
            texts.append(display ? display->text() : QStringLiteral("<missing>"));
        }
        return texts;
    }

    static QList<DialogRequest> expectedDialogs(Messages messages)
    {
        QList<DialogRequest> expected;
        if (messages == Messages::Both)
            expected.append(Dialogs::errorDialog(RangeMessage, {DialogButton::Yes}, DialogButton::Yes));
        if (messages != Messages::None)
            expected.append(Dialogs::errorDialog(InvalidMessage, {DialogButton::Yes}, DialogButton::Yes));
        return expected;
    }

    std::unique_ptr<QWidget> host;
    CalculatorPage *page = nullptr;
};

QTEST_MAIN(TestCalculatorPage)
#include "tst_calculatorpage.moc"
