#include "AboutPage.h"
#include "EffectLabel.h"
#include "JpegDecoder.h"
#include "JpegFixture.h"
#include "SystemColors.h"
#include "WebSite.h"
#include "WebUrlLabel.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

#include <cstdlib>
#include <memory>

using namespace renkalo;
using namespace renkalo::SystemColors;

using Layers = QList<EffectLabel::Layer>;
Q_DECLARE_METATYPE(Layers)

namespace {

bool near(QColor seen, QColor wanted, int tolerance)
{
    return std::abs(seen.red() - wanted.red()) <= tolerance && std::abs(seen.green() - wanted.green()) <= tolerance &&
           std::abs(seen.blue() - wanted.blue()) <= tolerance;
}

QString describe(QColor c)
{
    return QStringLiteral("(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace

class TestAboutPage : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QWidget> m_sheet;
    AboutPage *m_page = nullptr;

    template <typename T> T *child(const char *name)
    {
        auto *found = m_page->objectName() == QLatin1String(name) ? qobject_cast<T *>(m_page)
                                                                    : m_page->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning("no %s", name);
        return found;
    }

private slots:
    void init()
    {
        m_sheet = std::make_unique<QWidget>();
        m_sheet->setObjectName(QStringLiteral("TabSheet3"));
        m_sheet->resize(678, 333);
        m_page = new AboutPage(m_sheet.get());
    }
    void cleanup() { m_sheet.reset(); }

    void boxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("LMDSimplePanel1") << "LMDSimplePanel1" << "TabSheet3" << QRect(0, 0, 678, 333);
        QTest::newRow("LMDSimplePanel2") << "LMDSimplePanel2" << "LMDSimplePanel1" << QRect(24, 10, 631, 313);
        QTest::newRow("Image1") << "Image1" << "LMDSimplePanel2" << QRect(170, 48, 266, 178);
    }
    void boxes()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        auto *widget = child<QWidget>(qPrintable(name));
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), geometry);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // null: a credit line of our own
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("cellHeight");
        QTest::addColumn<Layers>("layers");
        const QColor highlight = QColor::fromRgb(clBtnHighlight);
        const QColor text = QColor::fromRgb(clBtnText);
        const Layers raisedWithShadow{{QPoint(2, 2), QColor::fromRgb(clBtnShadow)},
                                      {QPoint(0, 0), highlight},
                                      {QPoint(1, 1), text}};
        QTest::newRow("LMDLabel1 sunken") << "LMDLabel1" << "Renkalo" << QPoint(241, 8) << 40
                                          << Layers{{QPoint(1, 1), highlight}, {QPoint(0, 0), text}};
        QTest::newRow("LMDLabel2 engraved")
            << "LMDLabel2" << QString() << QPoint(111, 229) << 20
            << Layers{{QPoint(0, 0), QColor::fromRgb(clNavy)},
                      {QPoint(2, 2), highlight},
                      {QPoint(1, 1), QColor::fromRgb(clHotLight)}};
        QTest::newRow("LMDLabel3") << "LMDLabel3" << QString() << QPoint(235, 248) << 16 << raisedWithShadow;
        QTest::newRow("LMDLabel4") << "LMDLabel4" << QString() << QPoint(233, 264) << 16 << raisedWithShadow;
        QTest::newRow("LMDLabel5 keeps its two trailing spaces")
            << "LMDLabel5" << QStringLiteral("Сайт разработки программ для медицины  ") << QPoint(101, 279) << 16
            << raisedWithShadow;
    }
    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, topLeft);
        QFETCH(int, cellHeight);
        QFETCH(Layers, layers);
        auto *label = child<EffectLabel>(qPrintable(name));
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), m_page->LMDSimplePanel2);
        if (text.isNull())
            QVERIFY(!label->text().trimmed().isEmpty());
        else
            QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), topLeft);

        const QFontMetrics metrics(label->font());
        QVERIFY2(std::abs(metrics.height() - cellHeight) <= 1, qPrintable(QString::number(metrics.height())));
        QVERIFY(!label->font().bold() && !label->font().italic());
        // The size follows the text, trailing spaces and the offset copies included.
        QVERIFY(label->width() >= metrics.horizontalAdvance(label->text()));
        QVERIFY(label->width() <= metrics.horizontalAdvance(label->text()) + 2);
        QVERIFY(label->height() >= metrics.height() && label->height() <= metrics.height() + 2);
        QVERIFY(label->testAttribute(Qt::WA_TranslucentBackground));

        const Layers drawn = label->layers();
        QCOMPARE(drawn.size(), layers.size());
        for (qsizetype i = 0; i < layers.size(); ++i) {
            QCOMPARE(drawn[i].offset, layers[i].offset);
            QCOMPARE(drawn[i].color, layers[i].color);
        }

        // On the screen too, each copy lies over the ones before it: the label over
        // the panel's colour shows the copies painted one after another.
        QImage shown(label->size(), QImage::Format_RGB32);
        shown.fill(QColor::fromRgb(clHotLight));
        QImage expected = shown;
        label->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        QPainter painter(&expected);
        painter.setFont(label->font());
        for (const EffectLabel::Layer &layer : layers) {
            painter.setPen(layer.color);
            painter.drawText(QRect(layer.offset, label->size()), Qt::AlignLeft | Qt::AlignTop, label->text());
        }
        painter.end();
        QCOMPARE(shown, expected);
    }

    void link_isTheSiteTheWebButtonOpens()
    {
        auto *link = child<WebUrlLabel>("LMDWebURLLabel1");
        QVERIFY(link);
        QCOMPARE(link->text(), QString::fromLatin1(WebSiteAddress));
        QCOMPARE(link->pos(), QPoint(379, 280));
        QCOMPARE(link->font().pixelSize(), 12);
        QVERIFY(link->font().underline());
        QCOMPARE(link->size(), QSize(link->fontMetrics().horizontalAdvance(link->text()), link->fontMetrics().height()));
        // It continues the line of LMDLabel5 without covering its text.
        const EffectLabel *site = m_page->LMDLabel5;
        QVERIFY(site->x() + site->fontMetrics().horizontalAdvance(site->text().trimmed()) + 2 <= link->x());
        QVERIFY(link->geometry().right() < m_page->LMDSimplePanel2->width() - 5);
    }

    void stackingOrder_laterOnesOnTop()
    {
        QStringList order;
        for (QObject *object : m_page->LMDSimplePanel2->children())
            if (object->isWidgetType())
                order << object->objectName();
        QCOMPARE(order, QStringList({"LMDLabel1", "Image1", "LMDLabel2", "LMDLabel3", "LMDLabel4", "LMDLabel5",
                                     "LMDWebURLLabel1"}));
    }

    void nothingTakesTheFocus()
    {
        QList<QWidget *> widgets = m_page->findChildren<QWidget *>();
        widgets << m_page;
        for (QWidget *widget : widgets)
            QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
    }

    void rendering_panelsFramesAndPicture_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("color");
        const QColor face = QColor::fromRgb(clBtnFace);
        const QColor navy = QColor::fromRgb(clNavy);
        const QColor sky = QColor::fromRgb(clSkyBlue);
        const QColor hot = QColor::fromRgb(clHotLight);
        QTest::newRow("outer frame, top left") << QPoint(0, 0) << face;
        QTest::newRow("outer frame, inner edge") << QPoint(4, 4) << face;
        QTest::newRow("outer frame, bottom right") << QPoint(677, 332) << face;
        QTest::newRow("outer frame, right") << QPoint(673, 150) << face;
        QTest::newRow("navy inside the frame") << QPoint(5, 5) << navy;
        QTest::newRow("navy left of the inner panel") << QPoint(23, 150) << navy;
        QTest::newRow("navy right of the inner panel") << QPoint(655, 150) << navy;
        QTest::newRow("navy below the inner panel") << QPoint(300, 323) << navy;
        QTest::newRow("inner frame, top left") << QPoint(24, 10) << sky;
        QTest::newRow("inner frame, inner edge") << QPoint(28, 14) << sky;
        QTest::newRow("inner frame, bottom right") << QPoint(654, 322) << sky;
        QTest::newRow("hot light inside the inner frame") << QPoint(29, 15) << hot;
        QTest::newRow("hot light under the credits") << QPoint(40, 300) << hot;
    }
    void rendering_panelsFramesAndPicture()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, color);
        const QImage shot = m_page->grab().toImage();
        QCOMPARE(shot.size(), QSize(678, 333));
        QCOMPARE(describe(shot.pixelColor(at)), describe(color));
    }

    // The stored picture, stretched over its whole box.
    void picture_fillsItsBox()
    {
        const JpegDecodeResult stored = decodeJpeg(storedPicture());
        QVERIFY(stored.ok());
        const QImage expected = stored.image.scaled(266, 178, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage shot = m_page->LMDSimplePanel2->grab().toImage();
        const QPoint box(170, 48);
        for (const QPoint at : {QPoint(1, 1), QPoint(264, 1), QPoint(1, 176), QPoint(264, 176), QPoint(133, 89),
                                QPoint(60, 120), QPoint(220, 100)})
            QVERIFY2(near(shot.pixelColor(box + at), expected.pixelColor(at), 12),
                     qPrintable(describe(shot.pixelColor(box + at)) + " " + describe(expected.pixelColor(at))));
    }

    // A tall, narrow picture is stretched too: its four coloured quarters reach the
    // box's four corners.
    void picture_ofOtherProportions_isStretched()
    {
        QImage tall(40, 200, QImage::Format_RGB888);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 40; ++x)
                tall.setPixelColor(x, y, y < 100 ? (x < 20 ? Qt::red : Qt::green) : (x < 20 ? Qt::blue : Qt::yellow));
        m_page->showPicture(encodeJpeg(tall));
        const QImage shot = m_page->Image1->grab().toImage();
        QCOMPARE(shot.size(), QSize(266, 178));
        QVERIFY(near(shot.pixelColor(2, 2), Qt::red, 40));
        QVERIFY(near(shot.pixelColor(263, 2), Qt::green, 40));
        QVERIFY(near(shot.pixelColor(2, 175), Qt::blue, 40));
        QVERIFY(near(shot.pixelColor(263, 175), Qt::yellow, 40));
    }

    void undecodablePicture_leavesTheBoxEmpty()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^About picture not shown: .+")));
        QByteArray truncated = storedPicture();
        truncated.truncate(truncated.size() / 3);
        m_page->showPicture(truncated);
        QVERIFY(m_page->Image1->pixmap().isNull());
        const QImage shot = m_page->LMDSimplePanel2->grab().toImage();
        for (const QPoint at : {QPoint(172, 60), QPoint(303, 137), QPoint(434, 224)})
            QCOMPARE(describe(shot.pixelColor(at)), describe(QColor::fromRgb(clHotLight)));
        QVERIFY(m_page->LMDWebURLLabel1->isEnabled());
    }
};

QTEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
