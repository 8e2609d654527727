#include "Regional.h"

#include <QLocale>

namespace renkalo {

namespace {
std::optional<QChar> &decimalOverride()
{
    static std::optional<QChar> value;
    return value;
}
} // namespace

QChar Regional::decimalSeparator()
{
    if (decimalOverride())
        return *decimalOverride();
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.front() : QChar(u'.');
}

void Regional::overrideDecimalSeparator(std::optional<QChar> separator)
{
    decimalOverride() = separator;
}

} // namespace renkalo
