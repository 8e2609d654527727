#include "LedLabel.h"

#include <QPainter>

namespace renkalo {

LedLabel::LedLabel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void LedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

} // namespace renkalo
