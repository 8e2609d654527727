#include "Controls.h"

#include "ShapeButton.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace renkalo {

QFrame *makePanel(const char *name, QWidget *parent, QRect geometry)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QFrame *makeBevel(const char *name, QWidget *parent, QRect geometry)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QLatin1String(name));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    bevel->setGeometry(geometry);
    return bevel;
}

QGroupBox *makeGroupBox(const char *name, QWidget *parent, const QString &caption, QRect geometry)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

QLabel *makeLabel(const char *name, QWidget *parent, const QString &text, QRect geometry, QRgb color,
                  bool wordWrap, int pixelSize)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wordWrap);
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(color));
    label->setPalette(palette);
    if (pixelSize > 0) {
        QFont font = label->font();
        font.setPixelSize(pixelSize);
        label->setFont(font);
    }
    return label;
}

ShapeButton *makeShapeButton(const char *name, QWidget *parent, const QString &caption, QRect geometry)
{
    auto *button = new ShapeButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace renkalo
