#include "DateCalc.h"

#include <cmath>
#include <cstdio>

namespace ktr::dates {

namespace {

// Days from 1970-01-01 of a civil date (H. Hinnant's algorithm), valid for every year here.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

Ymd civilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr std::int64_t kEpochOffset = daysFromCivil(1899, 12, 30);
constexpr std::int64_t kFirstDay = daysFromCivil(1, 1, 1) - kEpochOffset;
constexpr std::int64_t kLastDay = daysFromCivil(9999, 12, 31) - kEpochOffset;

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && isLeapYear(year))
        return 29;
    return lengths[month - 1];
}

bool isValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

std::optional<std::int64_t> dayNumber(const Ymd &date)
{
    if (!isValidDate(date.year, date.month, date.day))
        return std::nullopt;
    return daysFromCivil(date.year, static_cast<unsigned>(date.month),
                         static_cast<unsigned>(date.day))
        - kEpochOffset;
}

std::optional<Ymd> fromDayNumber(std::int64_t day)
{
    if (day < kFirstDay || day > kLastDay)
        return std::nullopt;
    return civilFromDays(day + kEpochOffset);
}

std::optional<Ymd> decode(double dateValue)
{
    if (!std::isfinite(dateValue) || std::fabs(dateValue) > 1e7)
        return std::nullopt;
    return fromDayNumber(static_cast<std::int64_t>(std::trunc(dateValue)));
}

int dayOfWeek(std::int64_t day)
{
    // Day 0, 1899-12-30, was a Saturday.
    return static_cast<int>(((day % 7) + 7 + 6) % 7) + 1;
}

std::string ymdText(const Ymd &date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
    return buffer;
}

} // namespace ktr::dates
