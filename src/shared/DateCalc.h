#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Calendar arithmetic on date values: days since 1899-12-30 with the time of day as the
// fraction, years 1 to 9999 of the proleptic Gregorian calendar.
namespace ktr::dates {

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Ymd &) const = default;
};

bool isLeapYear(int year);
// 0 for a month outside 1..12.
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);

// The day number of a valid date; no value for an invalid one.
std::optional<std::int64_t> dayNumber(const Ymd &date);
// The date of a day number (the fraction of a date value is cut off towards zero); no value
// outside 0001-01-01..9999-12-31 or for a value that is no finite number.
std::optional<Ymd> fromDayNumber(std::int64_t day);
std::optional<Ymd> decode(double dateValue);
// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(std::int64_t day);

// "YYYYMMDD".
std::string ymdText(const Ymd &date);

} // namespace ktr::dates
