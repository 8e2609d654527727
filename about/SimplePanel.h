#pragma once

#include <QColor>
#include <QFrame>

namespace renkalo {

// A panel filled with its colour and framed by a solid band of another colour just
// inside its edge; no raised or lowered edges. The band does not shrink the area
// its children are placed in.
class SimplePanel : public QFrame {
    Q_OBJECT
public:
    explicit SimplePanel(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QColor solidFrameColor() const { return m_frameColor; }
    int solidFrameWidth() const { return m_frameWidth; }
    void setSolidFrame(const QColor &color, int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QColor m_frameColor;
    int m_frameWidth = 0;
};

} // namespace renkalo
