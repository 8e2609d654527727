#pragma once

#include <QChar>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QStringView>

#include <climits>
#include <optional>

// The character set and the pixel geometry of the LED displays, as plain functions:
// which segments a character lights, where each segment lies in its cell, and how a
// text is laid out into cells.
namespace renkalo {

// The segments of one 16-segment character; a pattern holds bit (1 << segment) for
// each lit one. The top, middle and bottom bars come in two halves each.
enum class LedSegment : int {
    TopLeft,
    TopRight,
    UpperRight,
    LowerRight,
    BottomRight,
    BottomLeft,
    LowerLeft,
    UpperLeft,
    MiddleLeft,
    MiddleRight,
    DiagonalUpperLeft,
    UpperCentre,
    DiagonalUpperRight,
    DiagonalLowerLeft,
    LowerCentre,
    DiagonalLowerRight,
    Point,
};
inline constexpr int LedSegmentCount = 17;

constexpr quint32 ledBit(LedSegment segment)
{
    return 1u << static_cast<int>(segment);
}

inline constexpr QRgb LedLitColor = 0xFF00FF00;
inline constexpr QRgb LedUnlitColor = 0xFF008000; // every other pixel of an unlit segment
inline constexpr QRgb LedFieldColor = 0xFF000000;

// The segments a character lights, or nothing when the character has no pattern
// (it then shows as a cell with every segment unlit). Letters of either case share
// one pattern.
std::optional<quint32> ledSegments(char32_t character);
inline std::optional<quint32> ledSegments(QChar character)
{
    return ledSegments(char32_t(character.unicode()));
}

// A character cell for segments of horizontal size h, vertical size v and thickness t:
// (h + 5t) x (2v + 7t). The spacing to the next cell and row lies inside the cell.
QSize ledCellSize(int h, int v, int t);

// The pixels of one segment, as rectangles in cell coordinates.
QList<QRect> ledSegmentRects(LedSegment segment, int h, int v, int t);

// One cell as drawn: lit segments in LedLitColor, unlit ones in a checkerboard of
// LedUnlitColor and the field, everything else the field.
QImage ledCellImage(quint32 segments, int h, int v, int t);

// Where a character of a text lands: its row and column of cells and its pattern
// (0 for a character without one).
struct LedCell {
    int row = 0;
    int column = 0;
    quint32 segments = 0;

    friend bool operator==(const LedCell &, const LedCell &) = default;
};

// Lays a text out from the top-left cell to the right: a carriage return starts the
// next row, other control characters take no cell, every other character (a
// surrogate pair counting as one) takes one cell. Cells at or beyond maxColumns or
// maxRows are left out, since they could not be seen.
QList<LedCell> ledLayout(QStringView text, int maxColumns = INT_MAX, int maxRows = INT_MAX);

} // namespace renkalo
