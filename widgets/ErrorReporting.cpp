#include "ErrorReporting.h"

#include "Dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace renkalo {

namespace {

QString demangledName(const std::type_info &type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                 std::free);
    return status == 0 && name ? QString::fromLatin1(name.get()) : QString::fromLatin1(type.name());
}

struct Described {
    QString kind;
    QString module;
    quintptr address = 0;
    QString message;
};

Described describe(std::exception_ptr error)
{
    Described d;
    try {
        std::rethrow_exception(error);
    } catch (const Error &e) {
        d = {e.kind(), e.module(), e.address(), e.message()};
    } catch (const std::exception &e) {
        d.kind = demangledName(typeid(e));
        d.message = QString::fromLocal8Bit(e.what());
    } catch (const SilentAbort &) {
        d.kind = QStringLiteral("SilentAbort");
    } catch (...) {
        d.kind = QStringLiteral("Exception");
        d.message = QStringLiteral("Unknown error");
    }
    if (d.module.isEmpty() && QCoreApplication::instance())
        d.module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return d;
}

} // namespace

QString standardErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

QString applicationErrorText(const QString &kind, const QString &module, quintptr address, const QString &message)
{
    const QString stop = !message.isEmpty() && !message.endsWith(u'.') ? QStringLiteral(".") : QString();
    const QString where = QStringLiteral("%1").arg(address, address > 0xFFFFFFFFu ? 16 : 8, 16, QChar(u'0')).toUpper();
    return QStringLiteral("Exception %1 in module %2 at %3.\r\n%4%5\r\n").arg(kind, module, where, message, stop);
}

void reportError(const QString &message)
{
    Dialogs::ask(Dialogs::standardErrorBox(standardErrorText(message)));
}

void reportException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort &) {
        return;
    } catch (...) {
    }
    reportError(describe(error).message);
}

void reportApplicationError(std::exception_ptr error)
{
    const Described d = describe(error);
    Dialogs::ask({DialogKind::MessageBox,
                  QStringLiteral("Application Error"),
                  applicationErrorText(d.kind, d.module, d.address, d.message),
                  DialogIcon::Stop,
                  {DialogButton::Ok},
                  DialogButton::Ok,
                  DialogButton::Ok});
}

} // namespace renkalo
