#include "UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace renkalo {

namespace {
UrlOpener::Opener &opener()
{
    static UrlOpener::Opener current;
    return current;
}
} // namespace

bool UrlOpener::open(const QString &address)
{
    if (opener())
        return opener()(address);
    return QDesktopServices::openUrl(QUrl(address));
}

UrlOpener::Opener UrlOpener::setOpener(Opener next)
{
    Opener previous = std::move(opener());
    opener() = std::move(next);
    return previous;
}

} // namespace renkalo
