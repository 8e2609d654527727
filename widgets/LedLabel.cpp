#include "LedLabel.h"

#include "LedFont.h"

#include <QHash>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace renkalo {

namespace {

QSize cellSize()
{
    return ledCellSize(LedLabel::HorizontalSize, LedLabel::VerticalSize, LedLabel::Thickness);
}

// Displays repaint on every calculation, so each pattern is drawn once and kept; a
// program shows a few dozen patterns at most.
const QImage &cellImage(quint32 segments)
{
    static QHash<quint32, QImage> cache;
    auto it = cache.constFind(segments);
    if (it == cache.constEnd())
        it = cache.insert(segments, ledCellImage(segments, LedLabel::HorizontalSize, LedLabel::VerticalSize,
                                                 LedLabel::Thickness));
    return *it;
}

} // namespace

LedLabel::LedLabel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LedLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

QSize LedLabel::sizeHint() const
{
    return size();
}

void LedLabel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgb(LedFieldColor));
    const QSize cell = cellSize();
    // Cells that start beyond the right or bottom edge cannot be seen; a cell that
    // starts inside is drawn and clipped at the edge.
    const int columns = (width() + cell.width() - 1) / cell.width();
    const int rows = (height() + cell.height() - 1) / cell.height();
    for (const LedCell &c : ledLayout(m_text, columns, rows)) {
        const QPoint at(c.column * cell.width(), c.row * cell.height());
        if (event->rect().intersects(QRect(at, cell)))
            painter.drawImage(at, cellImage(c.segments));
    }
}

} // namespace renkalo
