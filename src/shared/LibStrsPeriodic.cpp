#include "LibStrs.h"

#include "LibStrsInternal.h"
#include "NumberText.h"

#include <cstdio>
#include <exception>

using ktr::detail::addToDate;
using ktr::detail::dayOfWeekOfText;

namespace {

const char kRuleSeparator[] = "\x03";

std::string addDays(std::string_view ymd, std::int64_t n)
{
    return addToDate(YmdToDate(ymd), 'D', n);
}

std::string addMonths(std::string_view ymd, std::int64_t n)
{
    return addToDate(YmdToDate(ymd), 'M', n);
}

std::string firstOfMonth(const std::string &ymd)
{
    return ymd.substr(0, 6) + "01";
}

std::string lastOfMonth(const std::string &ymd)
{
    const int year = ktr::tryStrToInt(ymd.substr(0, 4)).value_or(0);
    const int month = ktr::tryStrToInt(ymd.substr(4, 2)).value_or(0);
    return ymd.substr(0, 6) + std::to_string(DaysInMonth(year, month));
}

std::string weeklyFirstRun(std::string_view start, int n, int weekday)
{
    const int t = weekday + 1;
    const int steps = t < dayOfWeekOfText(start) ? n : n - 1;
    const std::string x = addDays(start, 7 * std::int64_t(steps));
    if (x.empty())
        return {};
    return addDays(x, t - dayOfWeekOfText(x));
}

std::string monthDayFirstRun(std::string_view start, int n, int day)
{
    const int startDay = ktr::tryStrToInt(start.substr(6, 2)).value_or(0);
    const int steps = day >= startDay ? n - 1 : n;
    const std::string x = addMonths(start, steps);
    if (x.empty())
        return {};
    char dayText[16];
    std::snprintf(dayText, sizeof dayText, "%.2d", day);
    const std::string candidate = x.substr(0, 6) + dayText;
    return IsValidYmd(candidate) ? candidate : lastOfMonth(x);
}

// The ordinal-th (0..3) or last (4) weekday t of the month of x.
std::string weekdayOfMonth(const std::string &x, int ordinal, int t)
{
    if (ordinal == 4) {
        const std::string last = lastOfMonth(x);
        const int e = dayOfWeekOfText(last) - t;
        return addDays(last, e < 0 ? -(e + 7) : -e);
    }
    const std::string first = firstOfMonth(x);
    const int c = t - dayOfWeekOfText(first);
    return addDays(first, c < 0 ? c + 7 * (ordinal + 1) : c + 7 * ordinal);
}

// Looks at the month N - 1 months on and, when its day lies before the start, at the month
// N months on, which for N >= 1 always lies after the start: at most two passes.
std::string monthWeekdayFirstRun(std::string_view start, int n, int ordinal, int weekday)
{
    const int t = weekday + 1;
    for (const int steps : {n - 1, n}) {
        const std::string x = addMonths(start, steps);
        if (x.empty())
            return {};
        const std::string candidate = weekdayOfMonth(x, ordinal, t);
        if (candidate.empty())
            return {};
        if (candidate >= start)
            return candidate;
    }
    return {};
}

bool allZero(const std::string &a, const std::string &b, const std::string &c)
{
    return a == "0" && b == "0" && c == "0";
}

} // namespace

std::string FirstRunDate(std::string_view startYmd, const ktr::Variant &period)
{
    // Descriptors outside the limits of the periodic page (a count below 1, a weekday
    // outside 0..6, a day outside 1..31, an ordinal outside 0..4) give no first run: they
    // would otherwise yield a run before the start, a malformed date text, or a search
    // that never ends.
    try {
        if (YmdToDate(startYmd) == 0)
            return {};
        const int kind = ktr::variantToInt(period.at(0));
        if (kind == 0)
            return addDays(startYmd, 0);
        const ktr::Variant &p = period.at(1);
        if (kind == 1) {
            const int n = ktr::variantToInt(p.at(0));
            const int w = ktr::variantToInt(p.at(1));
            if (n < 1 || w < 0 || w > 6)
                return {};
            return weeklyFirstRun(startYmd, n, w);
        }
        if (kind == 2) {
            const int form = ktr::variantToInt(p.at(0));
            const int n = ktr::variantToInt(p.at(1));
            if (form == 0) {
                const int d = ktr::variantToInt(p.at(2));
                if (n < 1 || d < 1 || d > 31)
                    return {};
                return monthDayFirstRun(startYmd, n, d);
            }
            if (form == 1) {
                const int o = ktr::variantToInt(p.at(2));
                const int w = ktr::variantToInt(p.at(3));
                if (n < 1 || o < 0 || o > 4 || w < 0 || w > 6)
                    return {};
                return monthWeekdayFirstRun(startYmd, n, o, w);
            }
        }
        return {};
    } catch (const std::exception &) {
        return {};
    }
}

std::string WeekBoundary(std::string_view base, std::string_view n, std::string_view mode)
{
    const std::int32_t weeks = ktr::strToInt(n);
    const std::string x = addDays(base, 7 * std::int64_t(weeks));
    if (x.empty())
        return {};
    if (mode == "1")
        return addDays(x, 1 - dayOfWeekOfText(x));
    return addDays(x, 7 - dayOfWeekOfText(x));
}

std::string ShiftDate(std::string_view base, std::string_view n, std::string_view unit,
                      std::string_view mode, std::string_view days)
{
    const std::int32_t count = ktr::strToInt(n);
    if (base.size() < 7)
        return addMonths(std::string(base) + "01", count).substr(0, 6);
    if (unit != "0") {
        const std::string x = addMonths(base, count);
        switch (ktr::strToInt(mode)) {
        case 0: {
            const std::int32_t dayCount = ktr::strToInt(days);
            return x.empty() ? std::string() : addDays(x, dayCount);
        }
        case 1:
            return x.empty() ? std::string() : firstOfMonth(x);
        case 2:
            return x.empty() ? std::string() : lastOfMonth(x);
        default:
            return x;
        }
    }
    if (mode != "0")
        return WeekBoundary(base, n, mode);
    return addDays(base, 7 * std::int64_t(count) + ktr::strToInt(days));
}

ktr::Variant ResolveDynamicDates(const ktr::Variant &request, std::string_view firstRunYmd)
{
    try {
        ktr::Variant values = request.at(1);
        const ktr::Variant &rules = request.at(3);
        const std::int32_t ruleCount = ktr::variantToInt(rules.at(0));
        const std::string runDate(firstRunYmd);
        for (std::int32_t i = 1; i <= ruleCount; ++i) {
            const std::string rule = rules.at(i).toString();
            auto field = [&rule](int n) { return ExtractField(rule, kRuleSeparator, n); };
            auto shifted = [&](const std::string &base, int first) {
                const std::string n = field(first);
                const std::string unit = field(first + 1);
                const std::string mode = field(first + 2);
                const std::string days = field(first + 3);
                if (allZero(n, mode, days))
                    return base;
                return ShiftDate(base, n, unit, mode, days);
            };
            if (field(1) != "0") {
                const std::string base = field(8) == "D" ? runDate : runDate.substr(0, 6);
                const std::int32_t row = ktr::strToInt(field(9));
                ktr::Variant &value = values.at(row);
                if (field(3) == "Y")
                    value = ktr::Variant::byteText(shifted(base, 4));
            } else {
                const std::string base = field(13) == "D" ? runDate : runDate.substr(0, 6);
                const std::int32_t row = ktr::strToInt(field(14));
                ktr::Variant range = values.at(row);
                if (field(3) == "Y")
                    range.at(1) = ktr::Variant::byteText(shifted(base, 4));
                if (field(8) == "Y")
                    range.at(2) = ktr::Variant::byteText(shifted(base, 9));
                values.at(row) = range;
            }
        }
        return values;
    } catch (const std::exception &) {
        return ktr::Variant::byteText("");
    }
}
