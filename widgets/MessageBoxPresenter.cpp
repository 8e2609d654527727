#include "MessageBoxPresenter.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace renkalo {

namespace {

QString caption(DialogButton button)
{
    switch (button) {
    case DialogButton::Yes: return QStringLiteral("&Yes");
    case DialogButton::No: return QStringLiteral("&No");
    case DialogButton::Ok: return QStringLiteral("OK");
    case DialogButton::Cancel: return QStringLiteral("Cancel");
    case DialogButton::None: break;
    }
    return {};
}

QMessageBox::ButtonRole role(DialogButton button)
{
    switch (button) {
    case DialogButton::Yes: return QMessageBox::YesRole;
    case DialogButton::No: return QMessageBox::NoRole;
    case DialogButton::Ok: return QMessageBox::AcceptRole;
    case DialogButton::Cancel: return QMessageBox::RejectRole;
    case DialogButton::None: break;
    }
    return QMessageBox::InvalidRole;
}

} // namespace

DialogButton presentMessageBox(const DialogRequest &request)
{
    QMessageBox box(request.icon == DialogIcon::Stop ? QMessageBox::Critical : QMessageBox::Question,
                    request.title, request.text);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QHash<QAbstractButton *, DialogButton> answers;
    for (DialogButton b : request.buttons) {
        QPushButton *button = box.addButton(caption(b), role(b));
        answers.insert(button, b);
        if (b == request.defaultButton)
            box.setDefaultButton(button);
        if (b == request.escapeButton)
            box.setEscapeButton(button);
    }
    box.adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
    const auto found = answers.constFind(box.clickedButton());
    if (found != answers.constEnd())
        return *found;
    return request.closedAnswer();
}

} // namespace renkalo
