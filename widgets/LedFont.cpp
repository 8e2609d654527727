#include "LedFont.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <utility>

namespace renkalo {

namespace {

using S = LedSegment;

constexpr quint32 A1 = ledBit(S::TopLeft);
constexpr quint32 A2 = ledBit(S::TopRight);
constexpr quint32 B = ledBit(S::UpperRight);
constexpr quint32 C = ledBit(S::LowerRight);
constexpr quint32 D2 = ledBit(S::BottomRight);
constexpr quint32 D1 = ledBit(S::BottomLeft);
constexpr quint32 E = ledBit(S::LowerLeft);
constexpr quint32 F = ledBit(S::UpperLeft);
constexpr quint32 G1 = ledBit(S::MiddleLeft);
constexpr quint32 G2 = ledBit(S::MiddleRight);
constexpr quint32 H = ledBit(S::DiagonalUpperLeft);
constexpr quint32 I = ledBit(S::UpperCentre);
constexpr quint32 J = ledBit(S::DiagonalUpperRight);
constexpr quint32 K = ledBit(S::DiagonalLowerLeft);
constexpr quint32 L = ledBit(S::LowerCentre);
constexpr quint32 M = ledBit(S::DiagonalLowerRight);
constexpr quint32 DP = ledBit(S::Point);

constexpr quint32 A = A1 | A2;
constexpr quint32 D = D1 | D2;
constexpr quint32 G = G1 | G2;

// Digits keep the shapes of a calculator's seven-segment digits, so numbers read as
// they do on any instrument.
constexpr std::array<quint32, 10> Digits = {
    A | B | C | D | E | F,     // 0
    B | C,                     // 1
    A | B | G | E | D,         // 2
    A | B | G | C | D,         // 3
    F | G | B | C,             // 4
    A | F | G | C | D,         // 5
    A | F | G | E | D | C,     // 6
    A | B | C,                 // 7
    A | B | C | D | E | F | G, // 8
    A | B | C | D | F | G,     // 9
};

constexpr std::array<quint32, 26> Letters = {
    A | B | C | E | F | G,      // A
    A | B | C | D | G2 | I | L, // B
    A | D | E | F,              // C
    A | B | C | D | I | L,      // D
    A | D | E | F | G1,         // E
    A | E | F | G1,             // F
    A | C | D | E | F | G2,     // G
    B | C | E | F | G,          // H
    A | D | I | L,              // I
    B | C | D | E,              // J
    E | F | G1 | J | M,         // K
    D | E | F,                  // L
    B | C | E | F | H | J,      // M
    B | C | E | F | H | M,      // N
    A | B | C | D | E | F,      // O
    A | B | E | F | G,          // P
    A | B | C | D | E | F | M,  // Q
    A | B | E | F | G | M,      // R
    A | C | D | F | G,          // S
    A | I | L,                  // T
    B | C | D | E | F,          // U
    E | F | J | K,              // V
    B | C | E | F | K | M,      // W
    H | J | K | M,              // X
    H | J | L,                  // Y
    A | D | J | K,              // Z
};

struct SignPattern {
    char32_t sign;
    quint32 segments;
};

constexpr SignPattern Signs[] = {
    {U'-', G},
    {U'.', DP},
    {U'+', G | I | L},
    {U'*', G | H | J | K | M},
    {U'/', J | K},
    {U'\\', H | M},
    {U'=', G | D},
    {U'_', D},
    {U'\'', I},
    {U'"', I | B},
    {U'`', H},
    {U'|', I | L},
    {U'(', A2 | I | L | D2},
    {U')', A1 | I | L | D1},
    {U'<', J | M},
    {U'>', H | K},
    {U'[', A1 | F | E | D1},
    {U']', A2 | B | C | D2},
    {U'$', A | F | G | C | D | I | L},
    {U'%', A1 | F | J | K | C | D2},
    {U'?', A | B | G2 | L},
};

// Where the parts of a cell lie, for given sizes. The glyph sits at the right of its
// cell, three thicknesses from the left edge and two from the top, so that the cell
// carries the spacing to its neighbours.
struct CellGrid {
    int h, v, t;
    int leftHalf, rightHalf; // lengths of the halves of a bar
    int xLeft, xInner, xCentre, xRightHalf, xRight;
    int yTop, yUpper, yMiddle, yLower, yBottom;

    CellGrid(int h_, int v_, int t_) : h(h_), v(v_), t(t_)
    {
        leftHalf = (h - t) / 2;
        rightHalf = h - t - leftHalf;
        xLeft = 3 * t;
        xInner = xLeft + t;
        xCentre = xInner + leftHalf;
        xRightHalf = xCentre + t;
        xRight = xInner + h;
        yTop = 2 * t;
        yUpper = yTop + t;
        yMiddle = yUpper + v;
        yLower = yMiddle + t;
        yBottom = yLower + v;
    }
};

// A diagonal stroke through a box, as one rectangle per run of rows at the same
// column; falling runs from the box's top-left to its bottom-right corner.
QList<QRect> diagonal(QRect box, int t, bool falling)
{
    QList<QRect> rects;
    const int span = std::max(box.width() - t, 0);
    for (int row = 0; row < box.height(); ++row) {
        // The column under the middle of this row, so that both ends touch a corner.
        int offset = std::min((2 * row + 1) * box.width() / (2 * box.height()), span);
        if (!falling)
            offset = span - offset;
        const QRect piece(box.left() + offset, box.top() + row, std::min(t, box.width()), 1);
        if (!rects.isEmpty() && rects.last().left() == piece.left() &&
            rects.last().bottom() + 1 == piece.top())
            rects.last().setBottom(piece.bottom());
        else
            rects.append(piece);
    }
    return rects;
}

// The pixels where two segments meet. They belong to no segment; they are lit when
// both segments of one of their lines are, so that a bar or a stroke runs on without
// a gap (and the two diagonals of "<" or ">" meet in a tip), and stay dark otherwise.
struct Joint {
    QRect rect;
    std::array<std::pair<quint32, quint32>, 6> lines;
};

std::array<Joint, 5> joints(const CellGrid &g)
{
    const int t = g.t;
    return {{
        {QRect(g.xCentre, g.yTop, t, t), {{{A1, A2}}}},
        {QRect(g.xCentre, g.yBottom, t, t), {{{D1, D2}}}},
        {QRect(g.xLeft, g.yMiddle, t, t), {{{F, E}}}},
        {QRect(g.xRight, g.yMiddle, t, t), {{{B, C}}}},
        {QRect(g.xCentre, g.yMiddle, t, t), {{{G1, G2}, {I, L}, {H, M}, {J, K}, {J, M}, {H, K}}}},
    }};
}

void fillRect(QImage &image, QRect rect, QRgb color, bool checkerboard)
{
    rect &= image.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!checkerboard || (x + y) % 2 == 0)
                line[x] = color;
        }
    }
}

} // namespace

std::optional<quint32> ledSegments(char32_t character)
{
    if (character >= U'0' && character <= U'9')
        return Digits[character - U'0'];
    if (character >= U'A' && character <= U'Z')
        return Letters[character - U'A'];
    if (character >= U'a' && character <= U'z')
        return Letters[character - U'a'];
    for (const SignPattern &sign : Signs) {
        if (sign.sign == character)
            return sign.segments;
    }
    return std::nullopt;
}

QSize ledCellSize(int h, int v, int t)
{
    return QSize(h + 5 * t, 2 * v + 7 * t);
}

QList<QRect> ledSegmentRects(LedSegment segment, int h, int v, int t)
{
    const CellGrid g(h, v, t);
    switch (segment) {
    case S::TopLeft:
        return {QRect(g.xInner, g.yTop, g.leftHalf, t)};
    case S::TopRight:
        return {QRect(g.xRightHalf, g.yTop, g.rightHalf, t)};
    case S::UpperRight:
        return {QRect(g.xRight, g.yUpper, t, v)};
    case S::LowerRight:
        return {QRect(g.xRight, g.yLower, t, v)};
    case S::BottomRight:
        return {QRect(g.xRightHalf, g.yBottom, g.rightHalf, t)};
    case S::BottomLeft:
        return {QRect(g.xInner, g.yBottom, g.leftHalf, t)};
    case S::LowerLeft:
        return {QRect(g.xLeft, g.yLower, t, v)};
    case S::UpperLeft:
        return {QRect(g.xLeft, g.yUpper, t, v)};
    case S::MiddleLeft:
        return {QRect(g.xInner, g.yMiddle, g.leftHalf, t)};
    case S::MiddleRight:
        return {QRect(g.xRightHalf, g.yMiddle, g.rightHalf, t)};
    case S::UpperCentre:
        return {QRect(g.xCentre, g.yUpper, t, v)};
    case S::LowerCentre:
        return {QRect(g.xCentre, g.yLower, t, v)};
    case S::DiagonalUpperLeft:
        return diagonal(QRect(g.xInner, g.yUpper, g.leftHalf, v), t, true);
    case S::DiagonalUpperRight:
        return diagonal(QRect(g.xRightHalf, g.yUpper, g.rightHalf, v), t, false);
    case S::DiagonalLowerLeft:
        return diagonal(QRect(g.xInner, g.yLower, g.leftHalf, v), t, false);
    case S::DiagonalLowerRight:
        return diagonal(QRect(g.xRightHalf, g.yLower, g.rightHalf, v), t, true);
    case S::Point:
        // In its own cell the point stands on the baseline just after the glyph
        // before it, where a decimal point is read.
        return {QRect(t, g.yBottom, t, t)};
    }
    return {};
}

QImage ledCellImage(quint32 segments, int h, int v, int t)
{
    QImage image(ledCellSize(h, v, t), QImage::Format_RGB32);
    image.fill(LedFieldColor);
    for (int s = 0; s < LedSegmentCount; ++s) {
        const auto segment = static_cast<LedSegment>(s);
        const bool lit = segments & ledBit(segment);
        for (const QRect &rect : ledSegmentRects(segment, h, v, t))
            fillRect(image, rect, lit ? LedLitColor : LedUnlitColor, !lit);
    }
    for (const Joint &joint : joints(CellGrid(h, v, t))) {
        const bool lit = std::any_of(joint.lines.begin(), joint.lines.end(), [segments](auto line) {
            return line.first != 0 && (segments & line.first) && (segments & line.second);
        });
        if (lit)
            fillRect(image, joint.rect, LedLitColor, false);
    }
    return image;
}

QList<LedCell> ledLayout(QStringView text, int maxColumns, int maxRows)
{
    QList<LedCell> cells;
    int row = 0;
    int column = 0;
    for (qsizetype i = 0; i < text.size() && row < maxRows; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            ++row;
            column = 0;
            continue;
        }
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        if (QChar::category(codePoint) == QChar::Other_Control)
            continue;
        if (column < maxColumns)
            cells.append({row, column, ledSegments(codePoint).value_or(0)});
        ++column;
    }
    return cells;
}

} // namespace renkalo
