#include "EffectLabel.h"

#include <QPainter>

namespace renkalo {

EffectLabel::EffectLabel(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_layers = {{QPoint(0, 0), palette().color(QPalette::WindowText)}};
}

void EffectLabel::setText(const QString &text)
{
    m_text = text;
    update();
}

void EffectLabel::setLayers(QList<Layer> layers)
{
    m_layers = std::move(layers);
    update();
}

void EffectLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void EffectLabel::setWordWrap(bool on)
{
    m_wordWrap = on;
    update();
}

QString EffectLabel::displayText() const
{
    QString shown = m_text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

int EffectLabel::textFlags() const
{
    return int(m_alignment) | (m_wordWrap ? Qt::TextWordWrap : 0);
}

QSize EffectLabel::sizeHint() const
{
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), textFlags() & ~Qt::TextWordWrap,
                                                    displayText());
    return {bounds.width(), fontMetrics().height()};
}

void EffectLabel::adjustSizeToText()
{
    resize(sizeHint());
}

void EffectLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QString shown = displayText();
    for (const Layer &layer : m_layers) {
        painter.setPen(layer.color);
        painter.drawText(rect().translated(layer.offset), textFlags(), shown);
    }
}

} // namespace renkalo
