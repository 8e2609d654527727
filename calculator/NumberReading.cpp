#include "NumberReading.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

namespace renkalo {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Exponents typed beyond this are all the same to a double; saturating here keeps
// the arithmetic below far from overflow whatever the text's length.
constexpr std::int64_t ExponentCap = 1'000'000'000'000;

} // namespace

std::optional<double> readNumber(QStringView text, QChar decimalSeparator)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i] == u' ')
        ++i;
    while (end > i && text[end - 1] == u' ')
        --end;

    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    // The value is digits × 10^exponent, digits without leading zeros.
    std::string digits;
    std::int64_t exponent = 0;
    bool mantissaSeen = false;
    bool separatorSeen = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            mantissaSeen = true;
            if (separatorSeen)
                --exponent;
            if (digits.empty() && c == u'0')
                continue;
            digits.push_back(static_cast<char>(c.unicode()));
        } else if (c == decimalSeparator && !separatorSeen) {
            mantissaSeen = true;
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (!mantissaSeen)
        return std::nullopt;

    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            exponentNegative = text[i] == u'-';
            ++i;
        }
        std::int64_t typed = 0;
        for (; i < end && isAsciiDigit(text[i]); ++i) {
            if (typed < ExponentCap)
                typed = typed * 10 + (text[i].unicode() - u'0');
        }
        exponent += exponentNegative ? -typed : typed;
    }
    if (i != end)
        return std::nullopt;

    const double zero = negative ? -0.0 : 0.0;
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (digits.empty())
        return zero;

    // The value lies in [10^(magnitude-1), 10^magnitude): decide the far-out cases
    // here, so that the exponent handed on stays small.
    const std::int64_t magnitude = exponent + static_cast<std::int64_t>(digits.size());
    if (magnitude > 310)
        return std::nullopt;
    if (magnitude < -330)
        return zero;

    digits += 'e';
    digits += std::to_string(exponent);
    double value = 0;
    const auto [last, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return std::nullopt;
        return zero;
    }
    if (error != std::errc() || last != digits.data() + digits.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace renkalo
