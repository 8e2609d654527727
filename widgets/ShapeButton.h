#pragma once

#include <QAbstractButton>
#include <QColor>

namespace renkalo {

// A flat push button drawn as a bevelled rectangle with a drop shadow along its
// right and bottom sides. While held it moves onto its shadow. It answers to the
// mouse only (left button), and only over the shape, not over the shadow; an "&" in
// its caption is shown as such and makes no shortcut.
class ShapeButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int ShadowDepth = 6;
    static constexpr int BevelWidth = 2;

    explicit ShapeButton(const QString &caption, QWidget *parent = nullptr);

    QColor shapeColor() const { return m_shapeColor; }
    void setShapeColor(const QColor &color);

    // Hides QAbstractButton::setText, which would turn an "&" into a shortcut.
    void setText(const QString &caption);

    // The shape's rectangle in widget coordinates, as it stands now (moved while held).
    QRect shapeRect() const;
    // Where the mouse hits the button: the shape at rest, whether held or not, so
    // that a press and a release at the same spot always make a click.
    QRect hitRect() const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QColor m_shapeColor;
};

} // namespace renkalo
