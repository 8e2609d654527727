#include "NumberFormatting.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace renkalo {

namespace {

constexpr int SignificantDigits = 15;

QLatin1String latin1(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString formatNumber(double value, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // to_chars rounds correctly and ignores the C locale: "d.ddddddddddddddde±xx".
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t mark = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, mark))
        if (c != '.')
            digits.push_back(c);
    int exponent = 0;
    std::string_view exponentText = scientific.substr(mark + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    QString shown;
    if (value < 0)
        shown += u'-';
    // The notation follows the rounded value, so 999999999999999.9 shows as 1E15.
    if (exponent >= -4 && exponent < SignificantDigits) {
        const auto whole = static_cast<std::size_t>(exponent + 1);
        if (exponent < 0) {
            shown += u'0';
            shown += decimalSeparator;
            shown += QString(-exponent - 1, u'0');
            shown += latin1(digits);
        } else if (digits.size() <= whole) {
            shown += latin1(digits);
            shown += QString(static_cast<qsizetype>(whole - digits.size()), u'0');
        } else {
            shown += latin1(std::string_view(digits).substr(0, whole));
            shown += decimalSeparator;
            shown += latin1(std::string_view(digits).substr(whole));
        }
    } else {
        shown += QLatin1Char(digits.front());
        if (digits.size() > 1) {
            shown += decimalSeparator;
            shown += latin1(std::string_view(digits).substr(1));
        }
        shown += u'E';
        shown += QString::number(exponent);
    }
    return shown;
}

} // namespace renkalo
