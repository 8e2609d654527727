#pragma once

#include <QAbstractButton>
#include <QColor>

namespace renkalo {

// A flat push button drawn as a bevelled rectangle with a drop shadow along its
// right and bottom sides. While held it moves onto its shadow. It answers to the
// mouse only, and only over the shape, not over the shadow.
class ShapeButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int ShadowDepth = 6;

    explicit ShapeButton(const QString &caption, QWidget *parent = nullptr);

    QColor shapeColor() const { return m_shapeColor; }
    void setShapeColor(const QColor &color);

    // The shape's rectangle in widget coordinates, as it stands now (moved while held).
    QRect shapeRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QColor m_shapeColor;
};

} // namespace renkalo
