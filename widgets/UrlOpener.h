#pragma once

#include <QString>

#include <functional>

namespace renkalo {

// Opens an address with the desktop's default handler. Tests replace the opener.
class UrlOpener {
public:
    using Opener = std::function<bool(const QString &address)>;

    // Returns whether the desktop accepted the address.
    static bool open(const QString &address);
    // Installs an opener and returns the one it replaces (an empty one restores the
    // desktop's).
    static Opener setOpener(Opener opener);
};

} // namespace renkalo
