#include "Errors.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace renkalo {

Error::Error(const QString &message, QString kind)
    : std::runtime_error(message.toStdString()), m_message(message), m_kind(std::move(kind))
{
    void *caller = __builtin_extract_return_addr(__builtin_return_address(0));
    Dl_info info{};
    if (dladdr(caller, &info) != 0 && info.dli_fbase != nullptr) {
        m_address = reinterpret_cast<quintptr>(caller) - reinterpret_cast<quintptr>(info.dli_fbase);
        if (info.dli_fname != nullptr)
            m_module = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).fileName();
    }
}

} // namespace renkalo
