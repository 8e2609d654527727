#pragma once

#include <QString>
#include <QWidget>

namespace renkalo {

// A read-only text display drawing each character as a 16-segment LED character on
// a black field (see LedFont.h). It never resizes itself; what does not fit is cut off.
class LedLabel : public QWidget {
    Q_OBJECT
public:
    // The segment sizes of every display of the program: cells of 10 x 15 pixels.
    static constexpr int HorizontalSize = 5;
    static constexpr int VerticalSize = 4;
    static constexpr int Thickness = 1;

    explicit LedLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // Cheap: stores the text and schedules a repaint; the cells are laid out when painted.
    void setText(const QString &text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

} // namespace renkalo
