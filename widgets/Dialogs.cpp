#include "Dialogs.h"

#include "ApplicationTitle.h"

namespace renkalo {

namespace {
DialogPresenter &presenter()
{
    static DialogPresenter current;
    return current;
}
} // namespace

DialogButton Dialogs::ask(const DialogRequest &request)
{
    if (!presenter())
        return request.closedAnswer();
    return presenter()(request);
}

DialogPresenter Dialogs::setPresenter(DialogPresenter next)
{
    DialogPresenter previous = std::move(presenter());
    presenter() = std::move(next);
    return previous;
}

DialogRequest Dialogs::errorDialog(const QString &text, QList<DialogButton> buttons, DialogButton defaultButton,
                                   DialogButton escapeButton)
{
    return {DialogKind::MessageDialog, QStringLiteral("Error"), text, DialogIcon::Stop, std::move(buttons),
            defaultButton, escapeButton};
}

DialogRequest Dialogs::confirmationDialog(const QString &text, QList<DialogButton> buttons,
                                          DialogButton defaultButton, DialogButton escapeButton)
{
    return {DialogKind::MessageDialog, QStringLiteral("Confirm"), text, DialogIcon::Question, std::move(buttons),
            defaultButton, escapeButton};
}

DialogRequest Dialogs::questionBox(const QString &caption, const QString &text)
{
    return {DialogKind::MessageBox,
            caption,
            text,
            DialogIcon::Question,
            {DialogButton::Yes, DialogButton::No, DialogButton::Cancel},
            DialogButton::Yes,
            DialogButton::Cancel};
}

DialogRequest Dialogs::standardErrorBox(const QString &text)
{
    return {DialogKind::MessageBox, applicationTitle(), text, DialogIcon::Stop, {DialogButton::Ok},
            DialogButton::Ok,       DialogButton::Ok};
}

QString dialogButtonName(DialogButton button)
{
    switch (button) {
    case DialogButton::None: return QStringLiteral("None");
    case DialogButton::Yes: return QStringLiteral("Yes");
    case DialogButton::No: return QStringLiteral("No");
    case DialogButton::Ok: return QStringLiteral("OK");
    case DialogButton::Cancel: return QStringLiteral("Cancel");
    }
    return {};
}

} // namespace renkalo
