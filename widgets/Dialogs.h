#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace renkalo {

enum class DialogButton { None, Yes, No, Ok, Cancel };
enum class DialogIcon { Stop, Question };

// Which kind of box: the program's own message dialog (the error and confirmation
// types of the message dialog) or the window system's message box (question box,
// standard error box, "Application Error").
enum class DialogKind { MessageDialog, MessageBox };

struct DialogRequest {
    DialogKind kind = DialogKind::MessageDialog;
    QString title;
    QString text;
    DialogIcon icon = DialogIcon::Stop;
    QList<DialogButton> buttons;
    DialogButton defaultButton = DialogButton::None;
    // What Esc gives; None when Esc does nothing. The close box gives it too, or
    // Cancel when it is None.
    DialogButton escapeButton = DialogButton::None;

    // The answer of a box closed without a button: what Esc gives, else Cancel.
    DialogButton closedAnswer() const
    {
        return escapeButton != DialogButton::None ? escapeButton : DialogButton::Cancel;
    }

    bool operator==(const DialogRequest &) const = default;
};

using DialogPresenter = std::function<DialogButton(const DialogRequest &)>;

// The one seam every dialog of the program goes through. The program installs a
// presenter that shows real boxes; tests install one that answers from a script.
class Dialogs {
public:
    static DialogButton ask(const DialogRequest &request);
    // Installs a presenter and returns the one it replaces.
    static DialogPresenter setPresenter(DialogPresenter presenter);

    // The message dialog of the error type: title "Error", stop icon.
    static DialogRequest errorDialog(const QString &text, QList<DialogButton> buttons,
                                     DialogButton defaultButton, DialogButton escapeButton = DialogButton::None);
    // The message dialog of the confirmation type: title "Confirm", question icon.
    static DialogRequest confirmationDialog(const QString &text, QList<DialogButton> buttons,
                                            DialogButton defaultButton, DialogButton escapeButton);
    // The question box: Yes, No and Cancel, Yes the default, question icon.
    static DialogRequest questionBox(const QString &caption, const QString &text);
    // The standard error box: stop icon, OK, the application title as caption.
    static DialogRequest standardErrorBox(const QString &text);
};

QString dialogButtonName(DialogButton button);

} // namespace renkalo
