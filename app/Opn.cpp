#include "Opn.h"

#include "AboutPage.h"
#include "CalculatorPage.h"
#include "Controls.h"
#include "Dialogs.h"
#include "EffectLabel.h"
#include "ErrorReporting.h"
#include "Journal.h"
#include "PageControl.h"
#include "ShapeButton.h"
#include "SystemColors.h"
#include "UrlOpener.h"
#include "WebSite.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>

using namespace renkalo;

TForm1 *Form1 = nullptr;

namespace {

QWidget *makeTabSheet(const char *name)
{
    auto *sheet = new QWidget;
    sheet->setObjectName(QLatin1String(name));
    sheet->resize(678, 333);
    return sheet;
}

// The web button's picture, its border colour (that of the lower-left pixel) drawn
// transparent.
QIcon webButtonIcon()
{
    QPixmap picture(QStringLiteral(":/WebButton.bmp"));
    if (picture.isNull())
        return {};
    const QColor border = picture.toImage().pixelColor(0, picture.height() - 1);
    picture.setMask(picture.createMaskFromColor(border, Qt::MaskInColor));
    return QIcon(picture);
}

} // namespace

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Острая Почечная Недостаточность"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(688, 402);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(SystemColors::clBtnFace));
    setPalette(palette);
    setAutoFillBackground(true);

    buildIntroductionPage();
    buildWorkPage();

    // The data components come up after every control exists; a failure is shown
    // and the window is built all the same, with an empty journal.
    journal = new Journal(this);
    journal->open();

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        if (!manager.allowsInteraction())
            return;
        // As the session manager expects: a refusal cancels the shutdown; otherwise
        // the interaction is over and the shutdown goes on.
        if (queryEndSession())
            manager.release();
        else
            manager.cancel();
    });
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::buildIntroductionPage()
{
    Panel1 = makePanel("Panel1", this, QRect(0, 0, 688, 402));

    const QRgb navy = SystemColors::clNavy;
    Label1 = makeLabel("Label1", Panel1,
                       QStringLiteral("Внезапное появление олигоанурии (менее 500 мл/сут, мочи), гиперазотемия, "
                                      "дисэлектролитемия (гипер К, Mg, Р; гипо Са, Na-емия), метаболического "
                                      "ацидоза вследствии: \r\n"),
                       QRect(40, 61, 615, 48), navy, true, 13);
    Label2 = makeLabel("Label2", Panel1,
                       QStringLiteral("1) шока (кардиогенного, септического, анафилактического и другого); \r\n"),
                       QRect(40, 104, 463, 32), navy, true, 13);
    Label3 = makeLabel("Label3", Panel1,
                       QStringLiteral("2) воспалительных и иммуновоспалительных заболеваний почек (острый "
                                      "гломерулонефрит, интерстициальный нефрит, \r\nострый пиелонефрит, системная "
                                      "красная волчанка и другие). \r\n"),
                       QRect(40, 128, 611, 64), navy, true, 13);
    Label4 = makeLabel("Label4", Panel1,
                       QStringLiteral("3) токсического воздействия (антибиотики, сульфаниламиды, алкоголь, тяжелые "
                                      "металлы и другие); \r\n"),
                       QRect(40, 184, 606, 48), navy, true, 13);
    Label5 = makeLabel("Label5", Panel1,
                       QStringLiteral("4) сосудистые обструкции (тромбоз, эмболия почечных артерий, тромбоз "
                                      "почечных вен и другие); \r\n"),
                       QRect(40, 224, 589, 48), navy, true, 13);
    Label6 = makeLabel("Label6", Panel1,
                       QStringLiteral("5) урологические обструкции (камни мочеточников, опухоль, гипертрофия "
                                      "предстательной железы и другие). "),
                       QRect(40, 264, 605, 32), navy, true, 13);

    Bevel1 = makeBevel("Bevel1", Panel1, QRect(21, 56, 648, 249));

    LMDShapeLabelButton1 = makeShapeButton("LMDShapeLabelButton1", Panel1, QStringLiteral("Дальше"),
                                           QRect(168, 344, 113, 33));
    LMDShapeLabelButton2 = makeShapeButton("LMDShapeLabelButton2", Panel1, QStringLiteral("Выход"),
                                           QRect(392, 344, 113, 33));

    LMDDockLabel1 =
        new EffectLabel(QStringLiteral("ДИАГНОСТИЧЕСКИЕ КРИТЕРИИ ОСТРОЙ ПОЧЕЧНОЙ НЕДОСТАТОЧНОСТИ\r\n"), Panel1);
    LMDDockLabel1->setObjectName(QStringLiteral("LMDDockLabel1"));
    QFont dockFont(QStringLiteral("Liberation Sans"));
    dockFont.setPixelSize(19);
    LMDDockLabel1->setFont(dockFont);
    LMDDockLabel1->setWordWrap(true);
    LMDDockLabel1->setAlignment(Qt::AlignCenter);
    // Raised text: a highlight copy first, the text itself one pixel right and down.
    LMDDockLabel1->setLayers({{QPoint(0, 0), QColor::fromRgb(SystemColors::clBtnHighlight)},
                              {QPoint(1, 1), QColor::fromRgb(SystemColors::clWindowText)}});
    LMDDockLabel1->setGeometry(40, 5, 609, 73);

    connect(LMDShapeLabelButton1, &ShapeButton::clicked, this, guarded(this, &TForm1::LMDShapeLabelButton1Click));
    connect(LMDShapeLabelButton2, &ShapeButton::clicked, this, guarded(this, &TForm1::LMDShapeLabelButton2Click));
}

void TForm1::buildWorkPage()
{
    Panel2 = makePanel("Panel2", this, QRect(0, 0, 688, 402));
    Panel2->setVisible(false);

    Panel3 = makePanel("Panel3", Panel2, QRect(1, 360, 686, 41));
    LMDShapeLabelButton3 = makeShapeButton("LMDShapeLabelButton3", Panel3, QStringLiteral("Назад"),
                                           QRect(16, 8, 105, 33));
    LMDShapeLabelButton4 = makeShapeButton("LMDShapeLabelButton4", Panel3, QStringLiteral("Выход"),
                                           QRect(570, 8, 105, 33));
    Label23 = makeLabel("Label23", Panel3,
                        QStringLiteral("Внимание!Расчеты производятся после восполнения ОЦК и нормализации "
                                       "ЦВД.При повышении ЦВД выше 15 см и появлении отеков,объем инфузии "
                                       "снижают."),
                        QRect(176, 1, 388, 39), SystemColors::clRed);

    cxButton21 = new QPushButton(Panel3);
    cxButton21->setObjectName(QStringLiteral("cxButton21"));
    cxButton21->setGeometry(126, 4, 41, 33);
    cxButton21->setIcon(webButtonIcon());
    cxButton21->setIconSize(QSize(16, 16));
    cxButton21->setToolTip(QStringLiteral("Renkalo on the Web"));
    cxButton21->setToolTipDuration(2500);
    cxButton21->setFocusPolicy(Qt::StrongFocus);

    PageControl1 = new PageControl(Panel2);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(1, 1, 686, 359);
    TabSheet1 = makeTabSheet("TabSheet1");
    TabSheet2 = makeTabSheet("TabSheet2");
    TabSheet3 = makeTabSheet("TabSheet3");
    PageControl1->addPage(TabSheet1, QStringLiteral("Расчет инфузии"));
    PageControl1->addPage(TabSheet2, QStringLiteral("Суточный и почасовой диурез"));
    PageControl1->addPage(TabSheet3, QStringLiteral("Об авторе"));
    PageControl1->setCurrentIndex(0);

    calculator = new CalculatorPage(TabSheet1);
    about = new AboutPage(TabSheet3);

    // Tab order within the work page: the bottom bar, then the tabs.
    QWidget::setTabOrder(cxButton21, PageControl1);

    connect(LMDShapeLabelButton3, &ShapeButton::clicked, this, guarded(this, &TForm1::LMDShapeLabelButton3Click));
    connect(LMDShapeLabelButton4, &ShapeButton::clicked, this, guarded(this, &TForm1::LMDShapeLabelButton4Click));
    connect(cxButton21, &QPushButton::clicked, this, guarded(this, &TForm1::cxButton21Click));
}

void TForm1::LMDShapeLabelButton1Click()
{
    Panel1->setVisible(false);
    Panel2->setVisible(true);
}

void TForm1::LMDShapeLabelButton3Click()
{
    Panel2->setVisible(false);
    Panel1->setVisible(true);
}

void TForm1::LMDShapeLabelButton2Click()
{
    Form1->close();
}

void TForm1::LMDShapeLabelButton4Click()
{
    Form1->close();
}

void TForm1::cxButton21Click()
{
    // The result is not examined: a failure shows nothing.
    UrlOpener::open(QString::fromLatin1(WebSiteAddress));
}

void TForm1::FormCloseQuery(bool &canClose)
{
    // A row the user changed is settled (the save question) before the exit
    // question, so that leaving never loses it silently.
    if (!journal->settlePendingRows()) {
        canClose = false;
        return;
    }
    const DialogButton answer = Dialogs::ask(Dialogs::confirmationDialog(
        QStringLiteral("Вы действительно хотите выйти из программы?"), {DialogButton::Yes, DialogButton::No},
        DialogButton::Yes, DialogButton::No));
    canClose = answer == DialogButton::Yes;
}

bool TForm1::queryEndSession()
{
    bool canClose = false;
    runGuarded([&] { FormCloseQuery(canClose); });
    if (canClose) {
        // The program ends with the session, without asking again.
        m_closeAllowed = true;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
    return canClose;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool canClose = m_closeAllowed;
    if (!canClose)
        runGuarded([&] { FormCloseQuery(canClose); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}
