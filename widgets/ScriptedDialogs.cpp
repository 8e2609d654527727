#include "ScriptedDialogs.h"

namespace renkalo {

ScriptedDialogs::ScriptedDialogs()
{
    m_previous = Dialogs::setPresenter([this](const DialogRequest &request) {
        m_asked.append(request);
        if (m_answers.isEmpty()) {
            ++m_unanswered;
            return request.closedAnswer();
        }
        return m_answers.takeFirst();
    });
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::setPresenter(std::move(m_previous));
}

ScriptedDialogs &ScriptedDialogs::answer(DialogButton button)
{
    m_answers.append(button);
    return *this;
}

ScriptedDialogs &ScriptedDialogs::answer(std::initializer_list<DialogButton> buttons)
{
    for (DialogButton b : buttons)
        m_answers.append(b);
    return *this;
}

QStringList ScriptedDialogs::askedTexts() const
{
    QStringList texts;
    for (const DialogRequest &r : m_asked)
        texts.append(r.text);
    return texts;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_asked.clear();
    m_unanswered = 0;
}

} // namespace renkalo
