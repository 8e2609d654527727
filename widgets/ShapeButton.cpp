#include "ShapeButton.h"

#include "SystemColors.h"

#include <QPainter>

namespace renkalo {

ShapeButton::ShapeButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent), m_shapeColor(QColor::fromRgb(SystemColors::clBtnFace))
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeButton::setShapeColor(const QColor &color)
{
    m_shapeColor = color;
    update();
}

QRect ShapeButton::shapeRect() const
{
    QRect shape(0, 0, width() - ShadowDepth, height() - ShadowDepth);
    if (isDown())
        shape.translate(ShadowDepth, ShadowDepth);
    return shape;
}

QSize ShapeButton::sizeHint() const
{
    return size();
}

bool ShapeButton::hitButton(const QPoint &pos) const
{
    return shapeRect().contains(pos);
}

void ShapeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(shapeRect(), m_shapeColor);
    painter.drawText(shapeRect(), Qt::AlignCenter, text());
}

} // namespace renkalo
