#include "AboutPage.h"

#include "EffectLabel.h"
#include "JpegDecoder.h"
#include "SystemColors.h"
#include "WebSite.h"
#include "WebUrlLabel.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <cstdlib>

namespace renkalo {

namespace {

QColor sys(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

// The layout gives Arial fonts by the full height of a line: the pixel size whose
// line height comes closest to it.
QFont arialByCellHeight(int cellHeight)
{
    QFont best(QStringLiteral("Liberation Sans"));
    best.setStyleHint(QFont::SansSerif);
    best.setPixelSize(cellHeight);
    int bestMiss = std::abs(QFontMetrics(best).height() - cellHeight);
    for (int size = cellHeight - 1; size >= cellHeight / 2; --size) {
        QFont font = best;
        font.setPixelSize(size);
        const int miss = std::abs(QFontMetrics(font).height() - cellHeight);
        if (miss < bestMiss) {
            best = font;
            bestMiss = miss;
        }
    }
    return best;
}

// A one-line label sized to its text, trailing spaces included, with room for the
// copies drawn right of and below the text.
EffectLabel *makeEffectLabel(const char *name, QWidget *parent, const QString &text, QPoint topLeft,
                             int cellHeight, QList<EffectLabel::Layer> layers)
{
    auto *label = new EffectLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(arialByCellHeight(cellHeight));
    int spreadX = 0;
    int spreadY = 0;
    for (const EffectLabel::Layer &layer : layers) {
        spreadX = std::max(spreadX, layer.offset.x());
        spreadY = std::max(spreadY, layer.offset.y());
    }
    label->setLayers(std::move(layers));
    const QFontMetrics metrics(label->font());
    label->setGeometry(QRect(topLeft, QSize(metrics.horizontalAdvance(text) + spreadX, metrics.height() + spreadY)));
    return label;
}

// Raised text with a shadow: the shadow two pixels right and down, a highlight at
// the text's place, the text itself one pixel right and down.
QList<EffectLabel::Layer> raisedWithShadow()
{
    return {{QPoint(2, 2), sys(SystemColors::clBtnShadow)},
            {QPoint(0, 0), sys(SystemColors::clBtnHighlight)},
            {QPoint(1, 1), sys(SystemColors::clBtnText)}};
}

} // namespace

AboutPage::AboutPage(QWidget *tabSheet) : SimplePanel(tabSheet)
{
    setObjectName(QStringLiteral("LMDSimplePanel1"));
    setGeometry(0, 0, 678, 333);
    setColor(sys(SystemColors::clNavy));
    setSolidFrame(sys(SystemColors::clBtnFace), 5);

    LMDSimplePanel2 = new SimplePanel(this);
    LMDSimplePanel2->setObjectName(QStringLiteral("LMDSimplePanel2"));
    LMDSimplePanel2->setGeometry(24, 10, 631, 313);
    LMDSimplePanel2->setColor(sys(SystemColors::clHotLight));
    LMDSimplePanel2->setSolidFrame(sys(SystemColors::clSkyBlue), 5);

    // Sunken: a highlight copy one pixel right and down, then the text at its place.
    LMDLabel1 = makeEffectLabel("LMDLabel1", LMDSimplePanel2, QStringLiteral("Renkalo"), QPoint(241, 8), 40,
                                {{QPoint(1, 1), sys(SystemColors::clBtnHighlight)},
                                 {QPoint(0, 0), sys(SystemColors::clBtnText)}});

    Image1 = new QLabel(LMDSimplePanel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(170, 48, 266, 178);
    Image1->setScaledContents(true);
    Image1->setFocusPolicy(Qt::NoFocus);

    // Engraved: a navy copy at its place, a highlight two pixels right and down, and
    // the text itself one pixel right and down in the panel's own colour.
    LMDLabel2 = makeEffectLabel("LMDLabel2", LMDSimplePanel2,
                                QStringLiteral("Автор: Соколов Андрей Викторович, нефролог"), QPoint(111, 229), 20,
                                {{QPoint(0, 0), sys(SystemColors::clNavy)},
                                 {QPoint(2, 2), sys(SystemColors::clBtnHighlight)},
                                 {QPoint(1, 1), sys(SystemColors::clHotLight)}});
    LMDLabel3 = makeEffectLabel("LMDLabel3", LMDSimplePanel2, QStringLiteral("г. Ярославль, 2007 г."),
                                QPoint(235, 248), 16, raisedWithShadow());
    LMDLabel4 = makeEffectLabel("LMDLabel4", LMDSimplePanel2, QStringLiteral("E-mail: renkalo@example.org"),
                                QPoint(233, 264), 16, raisedWithShadow());
    LMDLabel5 = makeEffectLabel("LMDLabel5", LMDSimplePanel2,
                                QStringLiteral("Сайт разработки программ для медицины  "), QPoint(101, 279), 16,
                                raisedWithShadow());

    LMDWebURLLabel1 = new WebUrlLabel(QString::fromLatin1(WebSiteAddress), LMDSimplePanel2);
    LMDWebURLLabel1->setObjectName(QStringLiteral("LMDWebURLLabel1"));
    QFont linkFont(QStringLiteral("Liberation Sans"));
    linkFont.setStyleHint(QFont::SansSerif);
    linkFont.setPixelSize(12);
    linkFont.setUnderline(true);
    LMDWebURLLabel1->setFont(linkFont);
    LMDWebURLLabel1->move(379, 280);
    LMDWebURLLabel1->adjustSizeToText();

    QFile stored(QStringLiteral(":/About.jpg"));
    const QByteArray jpeg = stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray();
    showPicture(jpeg);
}

void AboutPage::showPicture(QByteArrayView jpeg)
{
    const JpegDecodeResult decoded = decodeJpeg(jpeg);
    if (!decoded.ok()) {
        // The box stays empty; nothing else depends on the picture.
        qWarning("About picture not shown: %s", qPrintable(decoded.error));
        Image1->clear();
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(decoded.image));
}

} // namespace renkalo
