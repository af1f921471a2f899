#include "LibStrs.h"

#include "DateCalc.h"
#include "LibStrsInternal.h"
#include "NumberText.h"

#include <QString>

#include <cstdio>

namespace dates = ktr::dates;

namespace {

// The first character (one UTF-8 sequence) of a separator; empty when there is none.
std::string firstCharacter(std::string_view separator)
{
    if (separator.empty())
        return {};
    const QString text = QString::fromUtf8(separator.data(), qsizetype(separator.size()));
    const qsizetype length = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return text.left(length).toStdString();
}

template<typename... Args>
std::string format(const char *layout, Args... args)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, layout, args...);
    return buffer;
}

// A part of a date text read as an integer, 0 when it is no number.
int datePart(std::string_view ymd, std::size_t from, std::size_t length)
{
    if (from >= ymd.size())
        return 0;
    return ktr::tryStrToInt(ymd.substr(from, length)).value_or(0);
}

} // namespace

namespace ktr::detail {

std::string addToDate(double date, char unit, std::int64_t n)
{
    if (date == 0)
        return {};
    const auto start = dates::decode(date);
    if (!start)
        return {};
    dates::Ymd result = *start;
    switch (unit) {
    case 'Y':
    case 'y': {
        const std::int64_t year = start->year + n;
        if (year < 1 || year > 9999)
            return {};
        result.year = static_cast<int>(year);
        // 29 February of a year without one becomes 28 February, as the month rule does.
        result.day = std::min(result.day, dates::daysInMonth(result.year, result.month));
        break;
    }
    case 'M':
    case 'm': {
        const std::int64_t total = std::int64_t(start->year) * 12 + start->month + n;
        std::int64_t month = total % 12;
        std::int64_t year = total / 12;
        if (month == 0) {
            month = 12;
            year -= 1;
        }
        if (year < 1 || year > 9999)
            return {};
        result.year = static_cast<int>(year);
        result.month = static_cast<int>(month);
        while (result.day > 1 && !dates::isValidDate(result.year, result.month, result.day))
            --result.day;
        break;
    }
    case 'D':
    case 'd': {
        const auto day = dates::dayNumber(*start);
        const auto moved = dates::fromDayNumber(*day + n);
        if (!moved)
            return {};
        result = *moved;
        break;
    }
    default:
        return {};
    }
    return dates::ymdText(result);
}

int dayOfWeekOfText(std::string_view ymd)
{
    return dates::dayOfWeek(static_cast<std::int64_t>(YmdToDate(ymd)));
}

} // namespace ktr::detail

std::string FormatDateByType(TDateType kind, std::string_view separator, double date)
{
    if (date == 0)
        return {};
    const auto ymd = dates::decode(date);
    if (!ymd)
        return {};
    const std::string sep = firstCharacter(separator);
    const char *s = sep.c_str();
    switch (kind) {
    case dt_YYYYMMDD:
        return format("%.4d%s%.2d%s%.2d", ymd->year, s, ymd->month, s, ymd->day);
    case dt_MMDDYYYY:
        return format("%.2d%s%.2d%s%.4d", ymd->month, s, ymd->day, s, ymd->year);
    case dt_DDMMYYYY:
        return format("%.2d%s%.2d%s%.4d", ymd->day, s, ymd->month, s, ymd->year);
    case dt_YYMMDD:
        return format("%.2d%s%.2d%s%.2d", ymd->year - 1911, s, ymd->month, s, ymd->day);
    case dt_YYYMMDD:
        return format("%.3d%s%.2d%s%.2d", ymd->year - 1911, s, ymd->month, s, ymd->day);
    default:
        return {};
    }
}

std::string FormatYearMonthByType(TDateType kind, std::string_view separator, double date)
{
    if (date == 0)
        return {};
    const auto ymd = dates::decode(date);
    if (!ymd)
        return {};
    const std::string sep = firstCharacter(separator);
    const char *s = sep.c_str();
    switch (kind) {
    case dt_YYYYMMDD:
        return format("%.4d%s%.2d", ymd->year, s, ymd->month);
    case dt_MMDDYYYY:
    case dt_DDMMYYYY:
        return format("%.2d%s%.4d", ymd->month, s, ymd->year);
    case dt_YYMMDD:
        return format("%.2d%s%.2d", ymd->year - 1911, s, ymd->month);
    case dt_YYYMMDD:
        return format("%.3d%s%.2d", ymd->year - 1911, s, ymd->month);
    default:
        return {};
    }
}

double ParseDateByType(std::string_view text, TDateType kind, std::string_view separator)
{
    std::string rest = ktr::trimmed(text);
    if (rest.empty())
        return 0;
    // Each part is held in 16 bits, as the fields of a date are: 65537 reads as 1.
    std::int16_t t[3];
    for (auto &part : t) {
        const std::int32_t value = ktr::tryStrToInt(ktr::trimmed(CutToken(rest, separator))).value_or(-1);
        part = static_cast<std::int16_t>(value);
    }
    if (t[0] <= 0 || t[1] <= 0 || t[2] <= 0 || kind < dt_YYYYMMDD || kind > dt_YYYMMDD)
        return 0;
    int year = t[0];
    int month = t[1];
    int day = t[2];
    switch (kind) {
    case dt_MMDDYYYY:
        year = t[2];
        month = t[0];
        day = t[1];
        break;
    case dt_DDMMYYYY:
        year = t[2];
        month = t[1];
        day = t[0];
        break;
    case dt_YYMMDD:
    case dt_YYYMMDD:
        year = t[0] + 1911;
        break;
    default:
        break;
    }
    // Day 1 of the month plus (day - 1) days: a day past the month's end rolls over.
    const auto first = dates::dayNumber({year, month, 1});
    if (!first)
        return 0;
    const std::int64_t result = *first + day - 1;
    if (!dates::fromDayNumber(result))
        return 0;
    return static_cast<double>(result);
}

double YmdToDate(std::string_view ymd)
{
    if (ymd.size() != 8)
        return 0;
    const dates::Ymd date{datePart(ymd, 0, 4), datePart(ymd, 4, 2), datePart(ymd, 6, 2)};
    const auto day = dates::dayNumber(date);
    return day ? static_cast<double>(*day) : 0;
}

bool IsValidYmd(std::string_view ymd)
{
    if (ymd.empty())
        return true;
    if (!dates::isValidDate(datePart(ymd, 0, 4), datePart(ymd, 4, 2), datePart(ymd, 6, 2)))
        return false;
    return ymd >= "17530101" && ymd <= "99991231";
}

int DaysInMonth(int year, int month)
{
    return dates::daysInMonth(year, month);
}

std::string DateAddYmd(const ktr::Variant &date, std::string_view unit, int n)
{
    double value = 0;
    if (date.isText())
        value = YmdToDate(date.toString());
    else if (date.type() == ktr::VarType::Date)
        value = date.toDouble();
    else
        return {};
    if (unit.size() != 1)
        return {};
    return ktr::detail::addToDate(value, unit.front(), n);
}
