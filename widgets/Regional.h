#pragma once

#include <QChar>

#include <optional>

namespace renkalo {

// The user's regional settings the program reads numbers and shows results with.
class Regional {
public:
    // The system locale's decimal separator; "." where it gives none.
    static QChar decimalSeparator();
    // For tests and screenshots: pretend the settings give this separator
    // (std::nullopt goes back to the system's).
    static void overrideDecimalSeparator(std::optional<QChar> separator);
};

} // namespace renkalo
