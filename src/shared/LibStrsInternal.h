#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Pieces of the date routines that the periodic routines share.
namespace ktr::detail {

// A date value moved by n years ('Y'), months ('M') or days ('D'), as "YYYYMMDD"; empty for
// no date, an unknown unit or a result outside the years 1..9999.
std::string addToDate(double date, char unit, std::int64_t n);
// The day of the week (1 = Sunday) of a date text; an unreadable text counts as day 0.
int dayOfWeekOfText(std::string_view ymd);

} // namespace ktr::detail
