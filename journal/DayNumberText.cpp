#include "DayNumberText.h"

#include <cmath>
#include <cstring>
#include <cstdio>

namespace renkalo {

namespace {

constexpr qint64 msPerDay = 86400000;
// Day number of 1970-01-01.
constexpr qint64 unixEpochDay = 25569;

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
qint64 daysFromCivil(qint64 y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<qint64>(doe) - 719468;
}

void civilFromDays(qint64 z, qint64 &y, unsigned &m, unsigned &d)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<qint64>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

bool digits(const char *&p, const char *end, int count, int &value)
{
    if (end - p < count)
        return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        value = value * 10 + (p[i] - '0');
    }
    p += count;
    return true;
}

// "HH:MM[:SS[.fff]]" into milliseconds.
bool timeOfDay(const char *&p, const char *end, qint64 &ms)
{
    int h = 0, mi = 0, s = 0;
    if (!digits(p, end, 2, h) || p == end || *p++ != ':' || !digits(p, end, 2, mi))
        return false;
    double fraction = 0;
    if (p != end && *p == ':') {
        ++p;
        if (!digits(p, end, 2, s))
            return false;
        if (p != end && *p == '.') {
            ++p;
            double scale = 0.1;
            const char *start = p;
            while (p != end && *p >= '0' && *p <= '9') {
                fraction += (*p - '0') * scale;
                scale /= 10;
                ++p;
            }
            if (p == start)
                return false;
        }
    }
    if (h > 23 || mi > 59 || s > 59)
        return false;
    ms = (h * 3600 + mi * 60 + s) * qint64(1000) + std::llround(fraction * 1000);
    return true;
}

} // namespace

QByteArray DayNumberText::format(double dayNumber)
{
    // The date is the whole part, the time of day the fraction's magnitude, as for
    // dates before the origin too.
    qint64 days = static_cast<qint64>(std::trunc(dayNumber));
    qint64 ms = std::llround(std::fabs(dayNumber - static_cast<double>(days)) * msPerDay);
    if (ms >= msPerDay) {
        ms -= msPerDay;
        days += dayNumber < 0 ? -1 : 1;
    }
    qint64 y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(days - unixEpochDay, y, m, d);
    char buffer[64];
    const int h = static_cast<int>(ms / 3600000), mi = static_cast<int>(ms / 60000 % 60),
              s = static_cast<int>(ms / 1000 % 60), milli = static_cast<int>(ms % 1000);
    int n = std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02u %02d:%02d:%02d", static_cast<long long>(y), m, d,
                          h, mi, s);
    if (milli != 0)
        n += std::snprintf(buffer + n, sizeof buffer - static_cast<size_t>(n), ".%03d", milli);
    return QByteArray(buffer, n);
}

std::optional<double> DayNumberText::parse(const char *text, int length)
{
    const char *p = text;
    const char *end = text + length;
    qint64 ms = 0;
    if (length >= 3 && text[2] == ':') {
        if (!timeOfDay(p, end, ms) || p != end)
            return std::nullopt;
        return static_cast<double>(ms) / msPerDay;
    }
    int y = 0, m = 0, d = 0;
    if (!digits(p, end, 4, y) || p == end || *p++ != '-' || !digits(p, end, 2, m) || p == end || *p++ != '-' ||
        !digits(p, end, 2, d))
        return std::nullopt;
    if (m < 1 || m > 12 || d < 1 || d > 31)
        return std::nullopt;
    if (p != end) {
        if (*p != ' ' && *p != 'T')
            return std::nullopt;
        ++p;
        if (!timeOfDay(p, end, ms) || p != end)
            return std::nullopt;
    }
    return compose(daysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) + unixEpochDay, ms);
}

double DayNumberText::compose(qint64 days, qint64 milliseconds)
{
    const double time = static_cast<double>(milliseconds) / msPerDay;
    return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

std::optional<double> DayNumberReader::parse(const char *text, int length)
{
    // "YYYY-MM-DD HH:MM:SS" of the date read last: only the time is new.
    if (m_hasDate && length == 19 && (text[10] == ' ' || text[10] == 'T') && std::memcmp(text, m_date, 10) == 0) {
        const char *p = text + 11;
        qint64 ms = 0;
        if (timeOfDay(p, text + length, ms) && p == text + length)
            return DayNumberText::compose(m_days, ms);
        return std::nullopt;
    }
    const std::optional<double> day = DayNumberText::parse(text, length);
    if (day && length >= 10 && text[4] == '-') {
        if (const std::optional<double> date = DayNumberText::parse(text, 10)) {
            std::memcpy(m_date, text, 10);
            m_days = static_cast<qint64>(*date);
            m_hasDate = true;
        }
    }
    return day;
}

double DayNumberText::normalized(double dayNumber)
{
    const QByteArray text = format(dayNumber);
    return parse(text).value_or(dayNumber);
}

} // namespace renkalo
