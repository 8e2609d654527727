#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace renkalo {

// A web link: its text is the address, drawn underlined on its own background.
// While the left button is held on it the text turns the pressed colour; releasing
// the button anywhere brings the released colour back. A click (press and release
// over it) opens the address with the desktop's handler; if the desktop refuses, the
// link greys out and stays disabled for the rest of the run. It answers to the mouse
// only.
class WebUrlLabel : public QWidget {
    Q_OBJECT
public:
    explicit WebUrlLabel(const QString &address, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QColor textColor() const;
    bool isPressed() const { return m_pressed; }

    // Resizes the link to its text, keeping its left and top.
    void adjustSizeToText();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double click holds the link like any press, but its
    // release opens nothing: the first click opened the address already.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString m_text;
    bool m_pressed = false;
    bool m_clickArmed = false;
};

} // namespace renkalo
