#include "ShapeButton.h"

#include "SystemColors.h"

#include <QKeyEvent>
#include <QPainter>

namespace renkalo {

ShapeButton::ShapeButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent), m_shapeColor(QColor::fromRgb(SystemColors::clBtnFace))
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    // Hover is tracked, but the hovered look equals the normal one.
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

void ShapeButton::setShapeColor(const QColor &color)
{
    m_shapeColor = color;
    update();
}

void ShapeButton::setText(const QString &caption)
{
    QAbstractButton::setText(caption);
    setShortcut(QKeySequence());
}

QRect ShapeButton::hitRect() const
{
    return QRect(0, 0, width() - ShadowDepth, height() - ShadowDepth);
}

QRect ShapeButton::shapeRect() const
{
    QRect shape = hitRect();
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
    return hitRect().contains(pos);
}

bool ShapeButton::event(QEvent *event)
{
    // A caption set through the base class may still have grabbed a mnemonic; the
    // button is pressed with the mouse only.
    if (event->type() == QEvent::Shortcut)
        return true;
    return QAbstractButton::event(event);
}

// Space and Enter must not press the button, even when a key reaches it directly.
void ShapeButton::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}

void ShapeButton::keyReleaseEvent(QKeyEvent *event)
{
    event->ignore();
}

void ShapeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect shape = shapeRect();
    if (!isDown())
        painter.fillRect(shape.translated(ShadowDepth, ShadowDepth),
                         QColor::fromRgb(SystemColors::cl3DDkShadow));
    painter.fillRect(shape, m_shapeColor);

    const QColor light = QColor::fromRgb(SystemColors::clBtnHighlight);
    const QColor dark = QColor::fromRgb(SystemColors::clBtnShadow);
    for (int i = 0; i < BevelWidth; ++i) {
        const QRect edge = shape.adjusted(i, i, -i, -i);
        painter.fillRect(QRect(edge.left(), edge.top(), edge.width() - 1, 1), light);
        painter.fillRect(QRect(edge.left(), edge.top(), 1, edge.height() - 1), light);
        painter.fillRect(QRect(edge.left(), edge.bottom(), edge.width(), 1), dark);
        painter.fillRect(QRect(edge.right(), edge.top(), 1, edge.height()), dark);
    }

    painter.setFont(font());
    painter.setPen(isEnabled() ? QColor::fromRgb(SystemColors::clBtnText) : dark);
    // No mnemonic flag: an "&" is drawn as it stands.
    painter.drawText(shape, Qt::AlignCenter, text());
}

} // namespace renkalo
