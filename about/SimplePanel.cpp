#include "SimplePanel.h"

#include <QPainter>

namespace renkalo {

SimplePanel::SimplePanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    // Paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SimplePanel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void SimplePanel::setSolidFrame(const QColor &color, int width)
{
    m_frameColor = color;
    m_frameWidth = width;
    update();
}

void SimplePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    if (m_frameWidth <= 0)
        return;
    const int w = width();
    const int h = height();
    const int band = m_frameWidth;
    painter.fillRect(0, 0, w, band, m_frameColor);
    painter.fillRect(0, h - band, w, band, m_frameColor);
    painter.fillRect(0, band, band, h - 2 * band, m_frameColor);
    painter.fillRect(w - band, band, band, h - 2 * band, m_frameColor);
}

} // namespace renkalo
