#include "Application.h"

#include "ApplicationTitle.h"
#include "Dialogs.h"
#include "MessageBoxPresenter.h"
#include "SystemColors.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace renkalo {

namespace {

// Fusion, with the window system's etched group box frames and hints that
// appear after the pointer has rested 500 ms on a control.
class RenkaloStyle : public QProxyStyle {
public:
    RenkaloStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameGroupBox) {
            // An etched line: shadow, with a highlight one pixel right and down.
            qDrawShadeRect(painter, option->rect, option->palette, true, 1, 0);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 500;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void setUpApplication(QApplication &app)
{
    app.setStyle(new RenkaloStyle);

    QPalette palette = app.style()->standardPalette();
    const QColor face = QColor::fromRgb(SystemColors::clBtnFace);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::WindowText, QColor::fromRgb(SystemColors::clWindowText));
    palette.setColor(QPalette::ButtonText, QColor::fromRgb(SystemColors::clBtnText));
    palette.setColor(QPalette::Base, QColor::fromRgb(SystemColors::clWindow));
    palette.setColor(QPalette::Light, QColor::fromRgb(SystemColors::clBtnHighlight));
    palette.setColor(QPalette::Dark, QColor::fromRgb(SystemColors::clBtnShadow));
    palette.setColor(QPalette::Shadow, QColor::fromRgb(SystemColors::cl3DDkShadow));
    app.setPalette(palette);

    // The window font: an 11-pixel sans face, metric-compatible with Arial.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);

    app.setWindowIcon(QIcon(QStringLiteral(":/Renkalo.png")));
    app.setApplicationName(applicationTitle());
    Dialogs::setPresenter(presentMessageBox);
}

} // namespace renkalo
