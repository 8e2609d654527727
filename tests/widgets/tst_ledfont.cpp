#include "LedFont.h"

#include <QtTest>

using namespace renkalo;

namespace {

using S = LedSegment;

// A cell drawn as text: '#' lit, 'o' unlit green, '.' the black field.
QStringList picture(const QImage &cell)
{
    QStringList rows;
    for (int y = 0; y < cell.height(); ++y) {
        QString row;
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb pixel = cell.pixel(x, y);
            row += pixel == LedLitColor     ? u'#'
                   : pixel == LedUnlitColor ? u'o'
                   : pixel == LedFieldColor ? u'.'
                                            : u'?';
        }
        rows << row;
    }
    return rows;
}

QImage programCell(quint32 segments)
{
    return ledCellImage(segments, 5, 4, 1);
}

// The seven-segment shapes of the digits (segments a to g), which the LED digits
// must keep: the top, bottom and middle bars light both of their halves.
quint32 fromSevenSegments(const char *segments)
{
    quint32 pattern = 0;
    for (const char *s = segments; *s; ++s) {
        switch (*s) {
        case 'a':
            pattern |= ledBit(S::TopLeft) | ledBit(S::TopRight);
            break;
        case 'b':
            pattern |= ledBit(S::UpperRight);
            break;
        case 'c':
            pattern |= ledBit(S::LowerRight);
            break;
        case 'd':
            pattern |= ledBit(S::BottomLeft) | ledBit(S::BottomRight);
            break;
        case 'e':
            pattern |= ledBit(S::LowerLeft);
            break;
        case 'f':
            pattern |= ledBit(S::UpperLeft);
            break;
        case 'g':
            pattern |= ledBit(S::MiddleLeft) | ledBit(S::MiddleRight);
            break;
        }
    }
    return pattern;
}

} // namespace

class TestLedFont : public QObject {
    Q_OBJECT
private slots:
    void digitsKeepTheirSevenSegmentShapes()
    {
        const char *shapes[] = {"abcdef", "bc",     "abged", "abgcd",   "fgbc",
                                "afgcd",  "afgedc", "abc",   "abcdefg", "abcdfg"};
        for (int digit = 0; digit < 10; ++digit)
            QCOMPARE(ledSegments(QChar(u'0' + digit)), std::optional(fromSevenSegments(shapes[digit])));
    }

    void everyLatinLetterHasOnePatternForBothCases()
    {
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
            const auto upper = ledSegments(QChar(letter));
            QVERIFY2(upper && *upper != 0, qPrintable(QString(QChar(letter))));
            QCOMPARE(ledSegments(QChar(letter + (u'a' - u'A'))), upper);
            QVERIFY(!(*upper & ledBit(S::Point)));
        }
    }

    void signs_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<quint32>("segments");
        QTest::newRow("minus") << "-" << (ledBit(S::MiddleLeft) | ledBit(S::MiddleRight));
        QTest::newRow("point") << "." << ledBit(S::Point);
        QTest::newRow("plus") << "+"
                              << (ledBit(S::MiddleLeft) | ledBit(S::MiddleRight) | ledBit(S::UpperCentre) |
                                  ledBit(S::LowerCentre));
        QTest::newRow("slash") << "/" << (ledBit(S::DiagonalUpperRight) | ledBit(S::DiagonalLowerLeft));
        QTest::newRow("underscore") << "_" << (ledBit(S::BottomLeft) | ledBit(S::BottomRight));
    }
    void signs()
    {
        QFETCH(QString, character);
        QFETCH(quint32, segments);
        QCOMPARE(ledSegments(character.at(0)), std::optional(segments));
    }

    void charactersWithoutPattern_data()
    {
        QTest::addColumn<QString>("character");
        QTest::newRow("space") << " ";
        QTest::newRow("comma") << ",";
        QTest::newRow("semicolon") << ";";
        QTest::newRow("cyrillic capital a") << "А";
        QTest::newRow("cyrillic small a") << "а";
        QTest::newRow("cyrillic capital ve") << "В";
        QTest::newRow("cyrillic small ya") << "я";
        QTest::newRow("accented e") << "é";
        QTest::newRow("no-break space") << QString(QChar(0x00A0));
        QTest::newRow("fullwidth one") << QString(QChar(0xFF11));
    }
    void charactersWithoutPattern()
    {
        QFETCH(QString, character);
        QCOMPARE(ledSegments(character.at(0)), std::nullopt);
    }

    void noCyrillicLetterHasAPattern()
    {
        for (char32_t c = 0x0400; c <= 0x04FF; ++c)
            QVERIFY2(!ledSegments(c), qPrintable(QString::number(c, 16)));
    }

    void cellSize()
    {
        QCOMPARE(ledCellSize(5, 4, 1), QSize(10, 15));
        QCOMPARE(ledCellSize(8, 6, 2), QSize(18, 26));
    }

    // For any sizes the segments lie inside the cell, apart from each other, with
    // their own thickness; for the program's sizes the glyph reaches the cell's right
    // edge, so a display cut inside a cell shows only part of that character.
    void segmentGeometry_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("t");
        QTest::newRow("program") << 5 << 4 << 1;
        QTest::newRow("large") << 8 << 6 << 2;
        QTest::newRow("odd bar") << 6 << 3 << 1;
    }
    void segmentGeometry()
    {
        QFETCH(int, h);
        QFETCH(int, v);
        QFETCH(int, t);
        const QRect cell(QPoint(0, 0), ledCellSize(h, v, t));
        QRegion taken;
        int right = 0;
        for (int s = 0; s < LedSegmentCount; ++s) {
            const auto rects = ledSegmentRects(LedSegment(s), h, v, t);
            QVERIFY(!rects.isEmpty());
            QRegion region;
            for (const QRect &rect : rects) {
                QVERIFY2(cell.contains(rect), qPrintable(QString("segment %1").arg(s)));
                region += rect;
                right = std::max(right, rect.right());
            }
            QVERIFY2(!taken.intersects(region), qPrintable(QString("segment %1 overlaps another").arg(s)));
            taken += region;
        }
        QCOMPARE(right, cell.right());
        // Spacing to the next row: nothing in the last rows of the cell.
        QVERIFY(!taken.intersects(QRect(0, cell.bottom() - 2 * t + 1, cell.width(), 2 * t)));
    }

    // Lit bars run on through the pixels where their halves meet; corners stay dark,
    // unlit segments show every other pixel.
    void cellPictures_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QStringList>("rows");
        // One picture row per line.
        // clang-format off
        QTest::newRow("eight") << "8" << QStringList{
            "..........",
            "..........",
            "....#####.",
            "...#.....#",
            "...#o.o.o#",
            "...#.o.o.#",
            "...#..o..#",
            "...#######",
            "...#..o..#",
            "...#.o.o.#",
            "...#o.o.o#",
            "...#.....#",
            "....#####.",
            "..........",
            ".........."};
        QTest::newRow("one") << "1" << QStringList{
            "..........",
            "..........",
            "....o...o.",
            "...o.....#",
            "....o.o.o#",
            "...o.o.o.#",
            "......o..#",
            ".....o.o.#",
            "......o..#",
            "...o.o.o.#",
            "....o.o.o#",
            "...o.....#",
            "....o...o.",
            "..........",
            ".........."};
        QTest::newRow("point") << "." << QStringList{
            "..........",
            "..........",
            "....o...o.",
            "...o.....o",
            "....o.o.o.",
            "...o.o.o.o",
            "......o...",
            ".....o.o..",
            "......o...",
            "...o.o.o.o",
            "....o.o.o.",
            "...o.....o",
            ".#..o...o.",
            "..........",
            ".........."};
        QTest::newRow("K: the diagonals meet in a tip") << "K" << QStringList{
            "..........",
            "..........",
            "....o...o.",
            "...#....#o",
            "...#o.o.#.",
            "...#.o.#.o",
            "...#..o#..",
            "...####o..",
            "...#..o#..",
            "...#.o.#.o",
            "...#o.o.#.",
            "...#....#o",
            "....o...o.",
            "..........",
            ".........."};
        // clang-format on
    }
    void cellPictures()
    {
        QFETCH(QString, character);
        QFETCH(QStringList, rows);
        QCOMPARE(picture(programCell(ledSegments(character.at(0)).value_or(0))), rows);
    }

    void unlitCellShowsEverySegmentAsCheckerboard()
    {
        const QImage cell = programCell(0);
        for (int s = 0; s < LedSegmentCount; ++s) {
            int green = 0;
            for (const QRect &rect : ledSegmentRects(LedSegment(s), 5, 4, 1)) {
                for (int y = rect.top(); y <= rect.bottom(); ++y) {
                    for (int x = rect.left(); x <= rect.right(); ++x) {
                        QCOMPARE(cell.pixel(x, y), (x + y) % 2 == 0 ? LedUnlitColor : LedFieldColor);
                        green += cell.pixel(x, y) == LedUnlitColor;
                    }
                }
            }
            // Every segment but the one-pixel point shows in an unlit cell.
            if (LedSegment(s) != S::Point)
                QVERIFY2(green > 0, qPrintable(QString("segment %1").arg(s)));
        }
    }

    void layout_data()
    {
        const quint32 nine = *ledSegments(u'9');
        const quint32 four = *ledSegments(u'4');
        const quint32 a = *ledSegments(u'A');
        const quint32 b = *ledSegments(u'B');
        const quint32 point = ledBit(S::Point);
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxColumns");
        QTest::addColumn<QList<LedCell>>("cells");
        QTest::newRow("empty") << "" << INT_MAX << QList<LedCell>{};
        QTest::newRow("comma takes an unlit cell")
            << "99,4" << INT_MAX << QList<LedCell>{{0, 0, nine}, {0, 1, nine}, {0, 2, 0}, {0, 3, four}};
        QTest::newRow("point takes its own cell")
            << "99.4" << INT_MAX << QList<LedCell>{{0, 0, nine}, {0, 1, nine}, {0, 2, point}, {0, 3, four}};
        QTest::newRow("carriage return starts a row, the line feed is skipped")
            << "A\r\nB" << INT_MAX << QList<LedCell>{{0, 0, a}, {1, 0, b}};
        QTest::newRow("line feed alone is skipped")
            << "A\nB" << INT_MAX << QList<LedCell>{{0, 0, a}, {0, 1, b}};
        QTest::newRow("control characters are skipped")
            << QString("A\t\x01") + QChar(0x7F) + QChar(0x85) + "B" << INT_MAX
            << QList<LedCell>{{0, 0, a}, {0, 1, b}};
        QTest::newRow("empty rows") << "\r\rA" << INT_MAX << QList<LedCell>{{2, 0, a}};
        QTest::newRow("cyrillic and space")
            << "А Б" << INT_MAX << QList<LedCell>{{0, 0, 0}, {0, 1, 0}, {0, 2, 0}};
        QTest::newRow("surrogate pair is one cell") << QString::fromUcs4(U"A\U0001F600B") << INT_MAX
                                                    << QList<LedCell>{{0, 0, a}, {0, 1, 0}, {0, 2, b}};
        QTest::newRow("cells past the width are left out")
            << "ABAB\rB" << 2 << QList<LedCell>{{0, 0, a}, {0, 1, b}, {1, 0, b}};
    }
    void layout()
    {
        QFETCH(QString, text);
        QFETCH(int, maxColumns);
        QFETCH(QList<LedCell>, cells);
        QCOMPARE(ledLayout(text, maxColumns), cells);
    }

    void layoutStopsAtMaxRows() { QCOMPARE(ledLayout(u"A\rB\rC", INT_MAX, 2).size(), 2); }
};

QTEST_GUILESS_MAIN(TestLedFont)
#include "tst_ledfont.moc"
