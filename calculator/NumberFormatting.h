#pragma once

#include <QChar>
#include <QString>

namespace renkalo {

// Shows a result the general way, with 15 significant digits: the value rounded to
// 15 digits, fixed notation from 0.0001 up to (not including) 10^15 and exponent
// notation ("1E15", "1,5E-5") outside, the user's decimal separator, no thousands
// separators, no trailing fraction zeros; zero, negative zero included, is "0".
QString formatNumber(double value, QChar decimalSeparator);

} // namespace renkalo
