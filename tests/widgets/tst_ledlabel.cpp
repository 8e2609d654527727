#include "LedFont.h"
#include "LedLabel.h"

#include <QtTest>

using namespace renkalo;

namespace {

QImage shot(LedLabel &label)
{
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage cellOf(QChar character)
{
    return ledCellImage(ledSegments(character).value_or(0), LedLabel::HorizontalSize, LedLabel::VerticalSize,
                        LedLabel::Thickness);
}

bool allField(const QImage &image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != LedFieldColor)
                return false;
        }
    }
    return true;
}

} // namespace

class TestLedLabel : public QObject {
    Q_OBJECT
private slots:
    void emptyTextShowsAPlainBlackField()
    {
        LedLabel label;
        label.resize(85, 15);
        QVERIFY(allField(shot(label), QRect(0, 0, 85, 15)));
        label.setText("88");
        label.setText(QString());
        QVERIFY(allField(shot(label), QRect(0, 0, 85, 15)));
    }

    // Each character lands in its own cell from the top-left corner; the comma is a
    // cell with every segment unlit; what is left of the width stays black.
    void cellsFromTheTopLeft()
    {
        LedLabel label;
        label.resize(85, 15);
        label.setText("99,4");
        const QImage image = shot(label);
        QCOMPARE(image.copy(0, 0, 10, 15), cellOf(u'9'));
        QCOMPARE(image.copy(10, 0, 10, 15), cellOf(u'9'));
        QCOMPARE(image.copy(20, 0, 10, 15), cellOf(u','));
        QCOMPARE(image.copy(30, 0, 10, 15), cellOf(u'4'));
        QVERIFY(allField(image, QRect(40, 0, 45, 15)));

        // Only the three colours of the display appear, the unlit one in a checkerboard.
        QSet<QRgb> colours;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 40; ++x) {
                colours.insert(image.pixel(x, y));
                if (image.pixel(x, y) == LedUnlitColor)
                    QCOMPARE((x + y) % 2, 0);
            }
        }
        QCOMPARE(colours, (QSet<QRgb>{LedLitColor, LedUnlitColor, LedFieldColor}));
    }

    void pointLightsOnlyThePointInItsCell()
    {
        LedLabel label;
        label.resize(40, 15);
        label.setText("99.4");
        const QImage point = shot(label).copy(20, 0, 10, 15);
        QList<QPoint> lit;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 10; ++x) {
                if (point.pixel(x, y) == LedLitColor)
                    lit << QPoint(x, y);
            }
        }
        QCOMPARE(lit.size(), 1);
        QVERIFY(ledSegmentRects(LedSegment::Point, 5, 4, 1).first().contains(lit.first()));
    }

    void carriageReturnStartsASecondRow()
    {
        LedLabel label;
        label.resize(20, 30);
        label.setText("1\r\n2");
        const QImage image = shot(label);
        QCOMPARE(image.copy(0, 0, 10, 15), cellOf(u'1'));
        QCOMPARE(image.copy(0, 15, 10, 15), cellOf(u'2'));
        QVERIFY(allField(image, QRect(10, 0, 10, 30)));
    }

    // The drops-per-minute display is 39 pixels wide: three whole cells and the first
    // nine columns of the fourth, the rest cut off. The display keeps its size.
    void longTextIsCutAtTheRightEdge()
    {
        QWidget parent;
        auto *label = new LedLabel(&parent);
        label->setGeometry(261, 96, 39, 15);
        label->setText("33,1333333333333");
        QCOMPARE(label->geometry(), QRect(261, 96, 39, 15));
        QCOMPARE(label->sizeHint(), QSize(39, 15));
        const QImage image = shot(*label);
        QCOMPARE(image.size(), QSize(39, 15));
        QCOMPARE(image.copy(0, 0, 10, 15), cellOf(u'3'));
        QCOMPARE(image.copy(20, 0, 10, 15), cellOf(u','));
        QCOMPARE(image.copy(30, 0, 9, 15), cellOf(u'1').copy(0, 0, 9, 15));
        // The cut part of the "1" held its lit strokes.
        QVERIFY(cellOf(u'1').copy(9, 0, 1, 15) != ledCellImage(0, 5, 4, 1).copy(9, 0, 1, 15));
    }
};

QTEST_MAIN(TestLedLabel)
#include "tst_ledlabel.moc"
