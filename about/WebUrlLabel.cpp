#include "WebUrlLabel.h"

#include "SystemColors.h"
#include "UrlOpener.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace renkalo {

WebUrlLabel::WebUrlLabel(const QString &address, QWidget *parent) : QWidget(parent), m_text(address)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor WebUrlLabel::textColor() const
{
    return QColor::fromRgb(m_pressed ? SystemColors::clCream : SystemColors::clWhite);
}

QSize WebUrlLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_text), fontMetrics().height()};
}

void WebUrlLabel::adjustSizeToText()
{
    resize(sizeHint());
}

void WebUrlLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(SystemColors::clHotLight));
    painter.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (isEnabled()) {
        painter.setPen(textColor());
        painter.drawText(rect(), flags, m_text);
        return;
    }
    // The window system's greyed text: a highlight copy one pixel right and down
    // under the text in the shadow colour.
    painter.setPen(QColor::fromRgb(SystemColors::clBtnHighlight));
    painter.drawText(rect().translated(1, 1), flags, m_text);
    painter.setPen(QColor::fromRgb(SystemColors::clBtnShadow));
    painter.drawText(rect(), flags, m_text);
}

void WebUrlLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    m_clickArmed = true;
    update();
}

void WebUrlLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
    m_clickArmed = false;
}

void WebUrlLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        event->ignore();
        return;
    }
    // The widget holds the mouse from the press on, so the release arrives wherever
    // it happens; only one over the link is a click.
    m_pressed = false;
    update();
    const bool armed = std::exchange(m_clickArmed, false);
    if (!armed || !rect().contains(event->position().toPoint()))
        return;
    if (!UrlOpener::open(m_text))
        setEnabled(false);
}

} // namespace renkalo
