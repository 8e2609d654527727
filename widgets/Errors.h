#pragma once

#include <QString>

#include <stdexcept>

namespace renkalo {

// An operation-ending failure that the event loop discards without a message: a
// handler raises it to cancel what it was asked to do after its own message or
// question.
struct SilentAbort {};

// An error whose text is shown to the user as it stands. `kind` names the error
// in the "Application Error" box; the code address where it was raised is kept for
// the same box.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message, QString kind = QStringLiteral("Exception"));

    QString message() const { return m_message; }
    QString kind() const { return m_kind; }
    // The raising code's address relative to the start of its module's image.
    quintptr address() const { return m_address; }
    // The module (program or library file name) the raising code belongs to.
    QString module() const { return m_module; }

private:
    QString m_message;
    QString m_kind;
    quintptr m_address = 0;
    QString m_module;
};

} // namespace renkalo
