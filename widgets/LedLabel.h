#pragma once

#include <QString>
#include <QWidget>

namespace renkalo {

// A read-only text display drawing each character as a 16-segment LED character on
// a black field. It never resizes itself; what does not fit is cut off.
class LedLabel : public QWidget {
    Q_OBJECT
public:
    explicit LedLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

} // namespace renkalo
