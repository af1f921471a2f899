#pragma once

#include "Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

// Stateless date, number, string and code-page routines shared by the job forms.
//
// Texts are UTF-8. Date texts are "YYYYMMDD", year-month texts "YYYYMM"; a date value is a
// day count since 1899-12-30 with the time of day as the fraction, and 0 means no date.
// Days of the week run 1 = Sunday ... 7 = Saturday.
//
// Failure is reported by the result (0, false, empty text). Exceptions: ShiftDate and
// WeekBoundary raise ktr::ConvertError for a number field that is no integer, and
// PackParamText raises ktr::VariantError for an array not shaped as it expects.

// Display layouts of dates; kinds 4 and 5 count years from 1911.
enum TDateType : int {
    dt_NoneCare = 0,
    dt_YYYYMMDD = 1,
    dt_MMDDYYYY = 2,
    dt_DDMMYYYY = 3,
    dt_YYMMDD = 4,
    dt_YYYMMDD = 5,
};

// Field texts (fields numbered from 1).
std::string ExtractField(std::string_view text, std::string_view separator, int n);
// Fields separated by a one-character separator; a longer separator is counted as a whole.
int CountFields(std::string_view text, std::string_view separator);
// Takes the text up to the first separator off the front of `text` and returns it; without
// a separator the whole text is taken and `text` becomes empty.
std::string CutToken(std::string &text, std::string_view separator);
// Deletes every occurrence of `pattern`, searching again from the start after each change,
// and puts `replacement` in its place; trims the result when `trim` is set.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, bool trim);

// Display dates.
std::string FormatDateByType(TDateType kind, std::string_view separator, double date);
std::string FormatYearMonthByType(TDateType kind, std::string_view separator, double date);
double ParseDateByType(std::string_view text, TDateType kind, std::string_view separator);

// Date texts.
double YmdToDate(std::string_view ymd);
bool IsValidYmd(std::string_view ymd);
// unit "Y", "M" or "D" (any case); the result is "YYYYMMDD" or empty.
std::string DateAddYmd(const ktr::Variant &date, std::string_view unit, int n);
int DaysInMonth(int year, int month);

// Periodic jobs. The period descriptor is [kind, pattern], its numbers integers or texts of
// digits: [0, N] every N days (the run is the start); [1, [N, w]] every N weeks on weekday w
// (0 = Sunday): the first w on or after the start, moved on by N - 1 weeks; [2, [0, N, d]]
// every N months on day d (the month's last day when shorter): the first such day on or
// after the start, moved on by N - 1 months; [2, [1, N, o, w]] every N months on the o-th
// (0..3) or last (4) weekday w: that day in the month N - 1 months after the start's month,
// or N months after when it lies before the start. Every N hours, unknown forms, counts below
// 1 and values outside those ranges give an empty text, as does an unreadable descriptor.
std::string FirstRunDate(std::string_view startYmd, const ktr::Variant &period);
ktr::Variant ResolveDynamicDates(const ktr::Variant &request, std::string_view firstRunYmd);
std::string ShiftDate(std::string_view base, std::string_view n, std::string_view unit,
                      std::string_view mode, std::string_view days);
std::string WeekBoundary(std::string_view base, std::string_view n, std::string_view mode);

// Variants.
ktr::Variant IfThenVar(bool flag, const ktr::Variant &a, const ktr::Variant &b);
bool VarIsBlank(const ktr::Variant &value);

// Code pages (936, 950, 437, ...). WideToCodePage gives the bytes of the code page;
// CodePageToWide reads such bytes. An unknown code page falls back to the machine's.
std::string WideToCodePage(std::string_view wide, int codePage);
std::string CodePageToWide(std::string_view bytes, int codePage);
// Texts of a Variant, at any depth of its arrays, as they read in the code page: characters
// the code page lacks become "?". VarToCodePage makes byte texts, VarFromCodePage wide texts.
// A failure is written to the "libstrs" alert log and the input is returned unchanged.
ktr::Variant VarToCodePage(const ktr::Variant &value, int codePage);
ktr::Variant VarFromCodePage(const ktr::Variant &value, int codePage);

// prefix, chr(3), a[0], chr(3), then a[1..a[0]] each followed by chr(3).
std::string PackParamText(std::string_view prefix, const ktr::Variant &counted);

// Other routines.
std::string ButtonCaptionText(std::string_view buttonName);
double StrToFloatDefault(std::string_view text, double defaultValue);
// The temporary folder, ending in "/".
std::string GetLongTempPath();
bool IsLocalHost(std::string_view address);
