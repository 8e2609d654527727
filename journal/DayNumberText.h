#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace renkalo {

// Date-times travel through the journal as day numbers (days since 30 December
// 1899, the fraction the time of day) and are stored as ISO-8601 text,
// "YYYY-MM-DD HH:MM:SS" with ".sss" when there are milliseconds, which SQLite's
// own date functions and other tools read as they stand. The text keeps the
// millisecond: a value with whole seconds, as the date and time editors make,
// comes back bit for bit.
class DayNumberText {
public:
    static QByteArray format(double dayNumber);
    // Reads "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS[.fff]]" (a "T" may stand for the
    // blank) or a bare "HH:MM[:SS[.fff]]", which falls on day 0. Nothing else.
    static std::optional<double> parse(const char *text, int length);
    static std::optional<double> parse(const QByteArray &text) { return parse(text.constData(), static_cast<int>(text.size())); }
    // SQLite's numeric form of a date-time, the Julian day, as a day number.
    static double fromJulianDay(double julianDay) { return julianDay - 2415018.5; }
    // The value a day number has after a trip through the file.
    static double normalized(double dayNumber);

    // A day number from its date and the milliseconds of its time of day.
    static double compose(qint64 days, qint64 milliseconds);
};

// Reads the texts of one column one after another, as DayNumberText::parse does,
// remembering the last date it read: the many values of one date (all the hours
// fall on day 0) then cost only their time of day.
class DayNumberReader {
public:
    std::optional<double> parse(const char *text, int length);

private:
    char m_date[10] = {};
    qint64 m_days = 0;
    bool m_hasDate = false;
};

} // namespace renkalo
