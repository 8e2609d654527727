#pragma once

#include <QChar>
#include <QStringView>

#include <optional>

namespace renkalo {

// Reads a number the user typed, strictly: spaces (U+0020 only) around it, an
// optional sign, ASCII digits with at most one decimal separator, an optional
// exponent ("E" or "e", an optional sign, digits; a mark without digits means 0).
// At least one digit or the separator must stand before the exponent; a lone
// separator reads as 0. The value is the double nearest to the text; a text too
// large for a double gives nothing, a text too small for one reads as 0 (or the
// nearest subnormal). `decimalSeparator` is the user's regional one and must be
// none of the digits, signs, "E", "e" or the space.
std::optional<double> readNumber(QStringView text, QChar decimalSeparator);

} // namespace renkalo
