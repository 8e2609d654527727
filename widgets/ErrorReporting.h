#pragma once

#include "Errors.h"

#include <QString>

#include <exception>
#include <utility>

namespace renkalo {

// The standard error box's text: a full stop is appended when the last character
// comes after the full stop in character order (after a letter or a digit, not after
// "!" or ",").
QString standardErrorText(const QString &message);

// The text of the "Application Error" box for an error that escapes the creation of
// the main window.
QString applicationErrorText(const QString &kind, const QString &module, quintptr address, const QString &message);

// Shows an error that escaped a handler in the standard error box.
void reportError(const QString &message);
void reportException(std::exception_ptr error);

// Shows an error that escaped the creation of the main window in the
// "Application Error" box.
void reportApplicationError(std::exception_ptr error);

// Runs a handler the way the event loop runs it: a silent abort ends it quietly, any
// other error is shown in the standard error box, and the program goes on.
template <typename F> void runGuarded(F &&handler) noexcept
{
    try {
        std::forward<F>(handler)();
    } catch (const SilentAbort &) {
    } catch (...) {
        reportException(std::current_exception());
    }
}

// Binds a member handler for `connect`, guarded as by the event loop.
template <typename T, typename... Args> auto guarded(T *object, void (T::*handler)(Args...))
{
    return [object, handler](Args... args) { runGuarded([&] { (object->*handler)(args...); }); };
}

} // namespace renkalo
