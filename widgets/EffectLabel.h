#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QWidget>

namespace renkalo {

// A transparent label whose text is drawn as a stack of coloured copies, each at
// its own offset: raised, sunken, engraved and shadowed text.
class EffectLabel : public QWidget {
    Q_OBJECT
public:
    struct Layer {
        QPoint offset;
        QColor color;
    };

    explicit EffectLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    // Copies drawn first to last; the last is the text itself.
    QList<Layer> layers() const { return m_layers; }
    void setLayers(QList<Layer> layers);

    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    // Resizes the label to its text on one line, keeping its left and top.
    void adjustSizeToText();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The text as drawn: the program's line breaks are carriage return and line feed.
    QString displayText() const;
    int textFlags() const;

    QString m_text;
    QList<Layer> m_layers;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_wordWrap = false;
};

} // namespace renkalo
