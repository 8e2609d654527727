#include "CalculatorPage.h"

#include "Controls.h"
#include "Dialogs.h"
#include "ErrorReporting.h"
#include "Errors.h"
#include "InfusionCalculation.h"
#include "LedLabel.h"
#include "NumberFormatting.h"
#include "Regional.h"
#include "ShapeButton.h"
#include "SystemColors.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace renkalo {

namespace {

const QRgb Navy = SystemColors::clNavy;
constexpr qreal CaptionLetterSpacing = -0.4;

// The displays are written, and cleared, in the order 2, 1, 3, 4, …, 15.
constexpr std::array<int, InfusionResultCount> WritingOrder{1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

// An edit with its caption label 3 pixels above it, at its left edge; the label is
// named after the edit.
QLineEdit *makeLabeledEdit(const char *name, QWidget *parent, QRect geometry, const QString &caption,
                           QSize labelSize, int maxLength, const QString &text)
{
    const QByteArray labelName = QByteArray(name) + "Label";
    makeLabel(labelName.constData(), parent, caption,
              QRect(QPoint(geometry.left(), geometry.top() - 3 - labelSize.height()), labelSize), Navy);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    edit->setText(text);
    edit->setGeometry(geometry);
    return edit;
}

// An editable drop-down list that starts with no item picked and an empty edit text.
// Typed text stays as typed: nothing is completed and nothing joins the list.
QComboBox *makeList(const char *name, QWidget *parent, QRect geometry, const QStringList &items,
                    int maxLength)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->setMaxVisibleItems(8);
    list->addItems(items);
    list->lineEdit()->setMaxLength(maxLength);
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    list->setGeometry(geometry);
    return list;
}

LedLabel *makeDisplay(const char *name, QWidget *parent, QRect geometry)
{
    auto *display = new LedLabel(parent);
    display->setObjectName(QLatin1String(name));
    display->setGeometry(geometry);
    return display;
}

void centre(QLabel *label)
{
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

// Raised when an input's text does not read as a number.
struct InputNotConverted {};

void showError(const QString &text)
{
    Dialogs::ask(Dialogs::errorDialog(text, {DialogButton::Yes}, DialogButton::Yes));
}

} // namespace

CalculatorPage::CalculatorPage(QWidget *tabSheet) : QFrame(tabSheet)
{
    setObjectName(QStringLiteral("Panel4"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setGeometry(0, 0, 678, 333);

    buildInputGroup();
    buildResultGroup();

    // The captions were laid out for a narrower face than ours: set a little tighter
    // they fit their boxes, and wrap, as laid out.
    for (QLabel *caption : findChildren<QLabel *>()) {
        QFont font = caption->font();
        font.setLetterSpacing(QFont::AbsoluteSpacing, CaptionLetterSpacing);
        caption->setFont(font);
    }

    QWidget::setTabOrder(LabeledEdit1, LabeledEdit2);
    QWidget::setTabOrder(LabeledEdit2, LabeledEdit3);
    QWidget::setTabOrder(LabeledEdit3, ComboBox1);
    QWidget::setTabOrder(ComboBox1, ComboBox2);
    QWidget::setTabOrder(ComboBox2, LabeledEdit4);
    QWidget::setTabOrder(LabeledEdit4, LabeledEdit5);
    QWidget::setTabOrder(LabeledEdit5, LabeledEdit6);
    QWidget::setTabOrder(LabeledEdit6, LabeledEdit7);

    connect(LMDShapeLabelButton5, &ShapeButton::clicked, this,
            guarded(this, &CalculatorPage::LMDShapeLabelButton5Click));
    connect(LMDShapeLabelButton6, &ShapeButton::clicked, this,
            guarded(this, &CalculatorPage::LMDShapeLabelButton6Click));
}

void CalculatorPage::buildInputGroup()
{
    GroupBox5 = makeGroupBox("GroupBox5", this, QStringLiteral("Вводимые данные"), QRect(1, 1, 365, 331));

    // Weight, urine, losses, breathing rate and temperature, in four framed columns.
    Panel10 = makePanel("Panel10", GroupBox5, QRect(2, 15, 361, 89));
    makeBevel("Bevel2", Panel10, QRect(1, 1, 64, 87));
    makeBevel("Bevel3", Panel10, QRect(65, 1, 76, 87));
    makeBevel("Bevel4", Panel10, QRect(141, 1, 91, 87));
    makeBevel("Bevel5", Panel10, QRect(232, 1, 128, 87));
    LabeledEdit1 = makeLabeledEdit("LabeledEdit1", Panel10, QRect(9, 61, 49, 21),
                                   QStringLiteral("Масса больного (кг)"), QSize(47, 39), 3, QString());
    LabeledEdit2 = makeLabeledEdit("LabeledEdit2", Panel10, QRect(72, 60, 57, 21),
                                   QStringLiteral("Количество выделенной мочи за сутки(мл)"), QSize(62, 52),
                                   5, QString());
    LabeledEdit3 =
        makeLabeledEdit("LabeledEdit3", Panel10, QRect(146, 60, 62, 21),
                        QStringLiteral("Текущие патологические потери(мл)"), QSize(81, 39), 5, QString());
    QPalette losses = LabeledEdit3->palette();
    losses.setColor(QPalette::Text, QColor::fromRgb(SystemColors::clBtnText));
    LabeledEdit3->setPalette(losses);
    Label7 =
        makeLabel("Label7", Panel10, QStringLiteral("Частота дыхания(мин)"), QRect(237, 17, 69, 26), Navy);
    ComboBox1 =
        makeList("ComboBox1", Panel10, QRect(307, 20, 48, 21),
                 {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
                  QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("35"), QStringLiteral("40"),
                  QStringLiteral("45"), QStringLiteral("50"), QStringLiteral("55")},
                 2);
    Label8 =
        makeLabel("Label8", Panel10, QStringLiteral("Температура тела(С)"), QRect(237, 50, 67, 26), Navy);
    ComboBox2 =
        makeList("ComboBox2", Panel10, QRect(307, 54, 48, 21),
                 {QStringLiteral("35"), QStringLiteral("35,5"), QStringLiteral("36"), QStringLiteral("36,6"),
                  QStringLiteral("37"), QStringLiteral("37,5"), QStringLiteral("38"), QStringLiteral("38,5"),
                  QStringLiteral("39"), QStringLiteral("39,5"), QStringLiteral("40"), QStringLiteral("40,5"),
                  QStringLiteral("41")},
                 4);

    // The four electrolytes.
    Panel11 = makePanel("Panel11", GroupBox5, QRect(2, 104, 361, 90));
    GroupBox8 = makeGroupBox("GroupBox8", Panel11, QStringLiteral("Электролиты"), QRect(1, 1, 359, 88));
    makeBevel("Bevel6", GroupBox8, QRect(2, 15, 89, 71));
    makeBevel("Bevel8", GroupBox8, QRect(91, 15, 89, 71));
    makeBevel("Bevel7", GroupBox8, QRect(180, 15, 89, 71));
    makeBevel("Bevel9", GroupBox8, QRect(269, 15, 88, 71));
    LabeledEdit4 =
        makeLabeledEdit("LabeledEdit4", GroupBox8, QRect(22, 60, 51, 21),
                        QStringLiteral("Натрий плазмы (ммоль/л)"), QSize(51, 39), 3, QStringLiteral("142"));
    LabeledEdit5 =
        makeLabeledEdit("LabeledEdit5", GroupBox8, QRect(109, 60, 51, 21),
                        QStringLiteral("Калий плазмы (ммоль/л)"), QSize(51, 39), 3, QStringLiteral("4,5"));
    LabeledEdit6 =
        makeLabeledEdit("LabeledEdit6", GroupBox8, QRect(197, 60, 51, 21),
                        QStringLiteral("Хлор плазмы (ммоль/л)"), QSize(51, 39), 3, QStringLiteral("100"));
    LabeledEdit7 = makeLabeledEdit("LabeledEdit7", GroupBox8, QRect(280, 61, 51, 21),
                                   QStringLiteral("Дифицит оснований АВЕ(ммоль/л)"), QSize(72, 39), 3,
                                   QStringLiteral("0"));

    // The single drug doses.
    GroupBox9 =
        makeGroupBox("GroupBox9", GroupBox5, QStringLiteral("Дозы препаратов"), QRect(2, 194, 361, 92));
    makeBevel("Bevel19", GroupBox9, QRect(2, 15, 92, 75));
    makeBevel("Bevel18", GroupBox9, QRect(94, 15, 92, 75));
    makeBevel("Bevel17", GroupBox9, QRect(186, 15, 92, 75));
    makeBevel("Bevel16", GroupBox9, QRect(278, 15, 81, 75));
    makeLabel("Label19", GroupBox9, QStringLiteral("Минимальная разовая доза фуросемида(мг)"),
              QRect(7, 16, 82, 39), Navy);
    LMDLEDLabel9 = makeDisplay("LMDLEDLabel9", GroupBox9, QRect(6, 66, 85, 15));
    makeLabel("Label20", GroupBox9, QStringLiteral("Оптимальная разовая доза фуросемида(мг)"),
              QRect(100, 16, 82, 39), Navy);
    LMDLEDLabel10 = makeDisplay("LMDLEDLabel10", GroupBox9, QRect(97, 66, 85, 15));
    makeLabel("Label21", GroupBox9, QStringLiteral("Максимальная разовая доза фуросемида(мг)"),
              QRect(192, 17, 82, 39), Navy);
    LMDLEDLabel11 = makeDisplay("LMDLEDLabel11", GroupBox9, QRect(190, 66, 85, 15));
    centre(makeLabel("Label22", GroupBox9, QStringLiteral("Разовая доза эуфиллина(мг)"),
                     QRect(282, 22, 74, 26), Navy));
    LMDLEDLabel12 = makeDisplay("LMDLEDLabel12", GroupBox9, QRect(282, 66, 74, 15));

    // The buttons and the insulin dose.
    LMDShapeLabelButton5 = makeShapeButton("LMDShapeLabelButton5", GroupBox5, QStringLiteral("Считать"),
                                           QRect(10, 294, 105, 31));
    LMDShapeLabelButton6 = makeShapeButton("LMDShapeLabelButton6", GroupBox5, QStringLiteral("Очистить"),
                                           QRect(118, 293, 105, 33));
    makeBevel("Bevel22", GroupBox5, QRect(222, 287, 139, 42));
    makeLabel("Label26", GroupBox5, QStringLiteral("Доза инсулина (ЕД)"), QRect(240, 290, 102, 13), Navy);
    LMDLEDLabel15 = makeDisplay("LMDLEDLabel15", GroupBox5, QRect(250, 308, 85, 15));
}

void CalculatorPage::buildResultGroup()
{
    GroupBox4 = makeGroupBox("GroupBox4", this, QStringLiteral("Результаты"), QRect(366, 1, 311, 331));

    // Volumes and the glucose rate.
    GroupBox6 = makeGroupBox("GroupBox6", GroupBox4, QStringLiteral("Объем инфузии"), QRect(2, 15, 307, 121));
    makeBevel("Bevel10", GroupBox6, QRect(2, 88, 303, 31));
    makeBevel("Bevel20", GroupBox6, QRect(114, 91, 95, 25));
    makeBevel("Bevel21", GroupBox6, QRect(210, 91, 95, 25));
    makeLabel("Label9", GroupBox6, QStringLiteral("Общий объем(мл)"), QRect(7, 20, 91, 13), Navy, false);
    LMDLEDLabel1 = makeDisplay("LMDLEDLabel1", GroupBox6, QRect(141, 18, 85, 15));
    makeLabel("Label10", GroupBox6, QStringLiteral("Объем 10% глюкозы(мл)"), QRect(8, 37, 126, 13), Navy,
              false);
    LMDLEDLabel2 = makeDisplay("LMDLEDLabel2", GroupBox6, QRect(141, 38, 85, 15));
    makeLabel("Label11", GroupBox6, QStringLiteral("Объем коллоидов и кристаллоидов(мл)"),
              QRect(9, 54, 104, 26), Navy);
    LMDLEDLabel3 = makeDisplay("LMDLEDLabel3", GroupBox6, QRect(141, 59, 85, 15));
    centre(makeLabel("Label12", GroupBox6,
                     QStringLiteral("В процессе инфузии соотношение растворов может быть изменено."),
                     QRect(233, 8, 67, 78), SystemColors::clRed));
    makeLabel("Label13", GroupBox6, QStringLiteral("Скорость введения 10% р-ра глюкозы"),
              QRect(11, 90, 102, 26), Navy);
    makeLabel("Label24", GroupBox6, QStringLiteral("мл/час"), QRect(118, 96, 36, 13),
              SystemColors::clWindowText, false);
    LMDLEDLabel13 = makeDisplay("LMDLEDLabel13", GroupBox6, QRect(157, 96, 48, 15));
    makeLabel("Label25", GroupBox6, QStringLiteral("кап/мин"), QRect(214, 96, 43, 13),
              SystemColors::clWindowText, false);
    LMDLEDLabel14 = makeDisplay("LMDLEDLabel14", GroupBox6, QRect(261, 96, 39, 15));

    // The corrections, in five framed bands.
    GroupBox7 = makeGroupBox("GroupBox7", GroupBox4, QStringLiteral("Коррекция электролитов, КЩС"),
                             QRect(2, 136, 307, 193));
    makeBevel("Bevel12", GroupBox7, QRect(2, 15, 303, 33));
    makeBevel("Bevel14", GroupBox7, QRect(2, 48, 303, 34));
    makeBevel("Bevel13", GroupBox7, QRect(2, 82, 303, 33));
    makeBevel("Bevel11", GroupBox7, QRect(2, 115, 303, 32));
    makeBevel("Bevel15", GroupBox7, QRect(2, 147, 303, 44));
    makeLabel("Label14", GroupBox7,
              QStringLiteral("Количество  3% KCL  необходимого для коррекции гипокалиемии(мл)"),
              QRect(8, 18, 180, 26), Navy);
    LMDLEDLabel4 = makeDisplay("LMDLEDLabel4", GroupBox7, QRect(216, 25, 85, 15));
    makeLabel("Label15", GroupBox7,
              QStringLiteral("Количество 10% глюкозы необходимого для коррекции гиперкалиемии(мл)."),
              QRect(6, 52, 205, 26), Navy);
    LMDLEDLabel5 = makeDisplay("LMDLEDLabel5", GroupBox7, QRect(216, 58, 85, 15));
    makeLabel("Label16", GroupBox7,
              QStringLiteral("Количество 10% NACL необходимого для коррекции гипонатриемии(мл)."),
              QRect(8, 85, 191, 26), Navy);
    LMDLEDLabel6 = makeDisplay("LMDLEDLabel6", GroupBox7, QRect(216, 91, 85, 15));
    makeLabel("Label17", GroupBox7,
              QStringLiteral("Количество 0,9% NACL необходимого для коррекции гипохлоремии(л)."),
              QRect(8, 117, 194, 26), Navy);
    LMDLEDLabel7 = makeDisplay("LMDLEDLabel7", GroupBox7, QRect(216, 125, 85, 15));
    makeLabel("Label18", GroupBox7,
              QStringLiteral("Количество 4% NaHCO3 необходимого для коррекции метаболического ацидоза(мл)."),
              QRect(9, 149, 197, 39), Navy);
    LMDLEDLabel8 = makeDisplay("LMDLEDLabel8", GroupBox7, QRect(215, 159, 85, 15));
}

QList<LedLabel *> CalculatorPage::displays() const
{
    return {LMDLEDLabel1,  LMDLEDLabel2,  LMDLEDLabel3,  LMDLEDLabel4,  LMDLEDLabel5,
            LMDLEDLabel6,  LMDLEDLabel7,  LMDLEDLabel8,  LMDLEDLabel9,  LMDLEDLabel10,
            LMDLEDLabel11, LMDLEDLabel12, LMDLEDLabel13, LMDLEDLabel14, LMDLEDLabel15};
}

void CalculatorPage::LMDShapeLabelButton5Click()
{
    // One guarded block: whatever stops the calculation ends in the same message, and
    // a range failure shows its own message first.
    try {
        const QChar separator = Regional::decimalSeparator();
        const InfusionOutcome outcome =
            calculateInfusion({LabeledEdit1->text(), LabeledEdit2->text(), LabeledEdit3->text(),
                               ComboBox1->currentText(), ComboBox2->currentText(), LabeledEdit4->text(),
                               LabeledEdit5->text(), LabeledEdit6->text(), LabeledEdit7->text()},
                              separator);
        switch (outcome.status) {
        case InfusionOutcome::Status::NotConverted:
            throw InputNotConverted{};
        case InfusionOutcome::Status::OutOfRange:
            showError(QStringLiteral("Введены недопустимые значения!"));
            throw SilentAbort{};
        case InfusionOutcome::Status::Computed:
            break;
        }

        // Every text is ready before the first display changes.
        QStringList texts;
        for (double result : outcome.results)
            texts.append(formatNumber(result, separator));
        const QList<LedLabel *> shown = displays();
        for (int i : WritingOrder)
            shown[i]->setText(texts[i]);
    } catch (...) {
        // The first letter is a Latin "B", as the program has always shown it.
        showError(QStringLiteral("Bы ввели недопустимые значения или не заполнили все поля!"));
        throw SilentAbort{};
    }
}

void CalculatorPage::LMDShapeLabelButton6Click()
{
    const QList<LedLabel *> shown = displays();
    for (int i : WritingOrder)
        shown[i]->setText(QString());
    for (QLineEdit *edit :
         {LabeledEdit1, LabeledEdit2, LabeledEdit3, LabeledEdit4, LabeledEdit5, LabeledEdit6, LabeledEdit7})
        edit->setText(QString());
    // The lists keep their items; only the edit parts are emptied.
    ComboBox1->setEditText(QString());
    ComboBox2->setEditText(QString());
}

} // namespace renkalo
