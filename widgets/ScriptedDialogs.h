#pragma once

#include "Dialogs.h"

#include <QList>

namespace renkalo {

// Answers the program's dialogs from a script, for tests: while it lives, every
// dialog is recorded and answered with the next queued answer (or, when none is
// queued, with what Esc would give, and counted as unexpected).
class ScriptedDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    ScriptedDialogs &answer(DialogButton button);
    ScriptedDialogs &answer(std::initializer_list<DialogButton> buttons);

    const QList<DialogRequest> &asked() const { return m_asked; }
    QStringList askedTexts() const;
    int unanswered() const { return m_unanswered; }
    int pending() const { return static_cast<int>(m_answers.size()); }
    void clear();

private:
    QList<DialogButton> m_answers;
    QList<DialogRequest> m_asked;
    int m_unanswered = 0;
    DialogPresenter m_previous;
};

} // namespace renkalo
