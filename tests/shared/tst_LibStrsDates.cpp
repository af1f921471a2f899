#include "DateCalc.h"
#include "LibStrs.h"

#include <gtest/gtest.h>

#include <string>

using ktr::Variant;

namespace {

double dateOf(int y, int m, int d)
{
    return static_cast<double>(*ktr::dates::dayNumber({y, m, d}));
}

TEST(DateCalc, EpochAndWeekdays)
{
    EXPECT_EQ(dateOf(1899, 12, 30), 0);
    EXPECT_EQ(dateOf(1900, 1, 1), 2);
    EXPECT_EQ(dateOf(2024, 3, 5), 45356);
    EXPECT_EQ(ktr::dates::dayOfWeek(0), 7);                          // Saturday
    EXPECT_EQ(ktr::dates::dayOfWeek(std::int64_t(dateOf(2024, 1, 10))), 4); // Wednesday
    EXPECT_EQ(ktr::dates::dayOfWeek(std::int64_t(dateOf(1800, 1, 5))), 1);  // Sunday
    const auto back = ktr::dates::decode(45356.75);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, (ktr::dates::Ymd{2024, 3, 5}));
    EXPECT_FALSE(ktr::dates::decode(1e12));
    EXPECT_FALSE(ktr::dates::decode(std::numeric_limits<double>::quiet_NaN()));
}

struct FormatCase {
    const char *name;
    TDateType kind;
    const char *separator;
    double date;
    const char *date_text;
    const char *year_month_text;
};

const FormatCase kFormatCases[] = {
    {"ymd", dt_YYYYMMDD, "/", dateOf(2024, 3, 5), "2024/03/05", "2024/03"},
    {"mdy", dt_MMDDYYYY, "-", dateOf(2024, 3, 5), "03-05-2024", "03-2024"},
    {"dmy", dt_DDMMYYYY, ".", dateOf(2024, 3, 5), "05.03.2024", "03.2024"},
    {"roc_two_digits_written_whole", dt_YYMMDD, "/", dateOf(2024, 3, 5), "113/03/05", "113/03"},
    {"roc_two_digits_padded", dt_YYMMDD, "/", dateOf(1915, 3, 5), "04/03/05", "04/03"},
    {"roc_three_digits", dt_YYYMMDD, "/", dateOf(1999, 12, 31), "088/12/31", "088/12"},
    {"empty_separator", dt_YYYYMMDD, "", dateOf(2024, 3, 5), "20240305", "202403"},
    {"only_first_separator_character", dt_YYYYMMDD, "-/", dateOf(2024, 3, 5), "2024-03-05", "2024-03"},
    {"multibyte_separator", dt_YYYYMMDD, "年", dateOf(2024, 3, 5), "2024年03年05", "2024年03"},
    {"zero_date", dt_YYYYMMDD, "/", 0, "", ""},
    {"none_care_kind", dt_NoneCare, "/", dateOf(2024, 3, 5), "", ""},
    {"unknown_kind", static_cast<TDateType>(9), "/", dateOf(2024, 3, 5), "", ""},
    {"year_before_era", dt_YYMMDD, "/", dateOf(1900, 1, 2), "-11/01/02", "-11/01"},
    {"time_of_day_ignored", dt_YYYYMMDD, "/", dateOf(2024, 3, 5) + 0.99, "2024/03/05", "2024/03"},
    {"out_of_range_value", dt_YYYYMMDD, "/", 9e9, "", ""},
};

class FormatDateTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateTest, FormatsDateAndYearMonth)
{
    const auto &c = GetParam();
    EXPECT_EQ(FormatDateByType(c.kind, c.separator, c.date), c.date_text);
    EXPECT_EQ(FormatYearMonthByType(c.kind, c.separator, c.date), c.year_month_text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatDateTest, testing::ValuesIn(kFormatCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct ParseCase {
    const char *name;
    const char *text;
    TDateType kind;
    const char *separator;
    double expected;
};

const ParseCase kParseCases[] = {
    {"ymd", "2024/03/05", dt_YYYYMMDD, "/", dateOf(2024, 3, 5)},
    {"day_rolls_into_next_month", "2024/02/30", dt_YYYYMMDD, "/", dateOf(2024, 3, 1)},
    {"day_rolls_over_several_months", "2024/01/95", dt_YYYYMMDD, "/", dateOf(2024, 4, 4)},
    {"month_thirteen", "2024/13/01", dt_YYYYMMDD, "/", 0},
    {"two_tokens", "2024/02", dt_YYYYMMDD, "/", 0},
    {"blanks_around_tokens", "  2024 / 3 / 5 ", dt_YYYYMMDD, "/", dateOf(2024, 3, 5)},
    {"mdy", "03-05-2024", dt_MMDDYYYY, "-", dateOf(2024, 3, 5)},
    {"dmy", "05.03.2024", dt_DDMMYYYY, ".", dateOf(2024, 3, 5)},
    {"roc_two", "113/03/05", dt_YYMMDD, "/", dateOf(2024, 3, 5)},
    {"roc_three", "088/12/31", dt_YYYMMDD, "/", dateOf(1999, 12, 31)},
    {"zero_token", "2024/00/05", dt_YYYYMMDD, "/", 0},
    {"negative_token", "2024/-3/05", dt_YYYYMMDD, "/", 0},
    {"non_numeric_token", "2024/ab/05", dt_YYYYMMDD, "/", 0},
    {"empty", "   ", dt_YYYYMMDD, "/", 0},
    {"kind_none_care", "2024/03/05", dt_NoneCare, "/", 0},
    {"kind_out_of_range", "2024/03/05", static_cast<TDateType>(6), "/", 0},
    {"sixteen_bit_wraps_to_one", "2024/65537/05", dt_YYYYMMDD, "/", dateOf(2024, 1, 5)},
    {"sixteen_bit_wraps_negative", "2024/32768/05", dt_YYYYMMDD, "/", 0},
    {"sixteen_bit_year", "67560/03/05", dt_YYYYMMDD, "/", dateOf(2024, 3, 5)},
    {"year_beyond_9999", "10000/01/01", dt_YYYYMMDD, "/", 0},
    {"rolls_past_9999", "9999/12/40", dt_YYYYMMDD, "/", 0},
    {"empty_separator_one_token", "20240305", dt_YYYYMMDD, "", 0},
};

class ParseDateTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateTest, ReadsTypedDate)
{
    const auto &c = GetParam();
    EXPECT_EQ(ParseDateByType(c.text, c.kind, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseDateTest, testing::ValuesIn(kParseCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct YmdCase {
    const char *name;
    const char *text;
    double date;
    bool valid;
};

const YmdCase kYmdCases[] = {
    {"ordinary", "20240305", dateOf(2024, 3, 5), true},
    {"empty", "", 0, true},
    {"last_allowed", "99991231", dateOf(9999, 12, 31), true},
    {"first_allowed", "17530101", dateOf(1753, 1, 1), true},
    {"before_1753", "17521231", dateOf(1752, 12, 31), false},
    {"thirtieth_february", "20240230", 0, false},
    {"leap_day", "20240229", dateOf(2024, 2, 29), true},
    {"no_leap_day_1900", "19000229", 0, false},
    {"leap_day_2000", "20000229", dateOf(2000, 2, 29), true},
    {"seven_characters_read_by_parts", "2024035", 0, true},
    {"six_characters_no_day", "202403", 0, false},
    {"longer_text_valid_prefix", "2024030512", 0, true},
    {"letters", "2024ab05", 0, false},
    {"zero_day", "20240300", 0, false},
    {"year_zero", "00000101", 0, false},
};

class YmdTest : public testing::TestWithParam<YmdCase> {};

TEST_P(YmdTest, ReadsAndValidates)
{
    const auto &c = GetParam();
    EXPECT_EQ(YmdToDate(c.text), c.date);
    EXPECT_EQ(IsValidYmd(c.text), c.valid);
}

INSTANTIATE_TEST_SUITE_P(Cases, YmdTest, testing::ValuesIn(kYmdCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DaysInMonth, MonthsAndLeapYears)
{
    EXPECT_EQ(DaysInMonth(2024, 1), 31);
    EXPECT_EQ(DaysInMonth(2024, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2024, 0), 0);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

struct AddCase {
    const char *name;
    Variant date;
    const char *unit;
    int n;
    const char *expected;
};

const AddCase kAddCases[] = {
    {"month_end_clamped_leap", Variant::byteText("20240131"), "M", 1, "20240229"},
    {"month_into_next_year", Variant::byteText("20241231"), "M", 1, "20250131"},
    {"months_back_across_year", Variant::byteText("20240315"), "M", -3, "20231215"},
    {"december_by_remainder_zero", Variant::byteText("20240115"), "M", 11, "20241215"},
    {"twelve_months", Variant::byteText("20240229"), "M", 12, "20250228"},
    {"lower_case_unit", Variant::wideText("20240131"), "m", 1, "20240229"},
    {"days_forward", Variant::byteText("20240228"), "D", 2, "20240301"},
    {"days_back", Variant::byteText("20240301"), "d", -1, "20240229"},
    {"date_value", Variant::date(dateOf(2024, 3, 5) + 0.5), "D", 0, "20240305"},
    {"years", Variant::byteText("20240305"), "Y", 2, "20260305"},
    {"leap_day_plus_year_steps_back", Variant::byteText("20240229"), "Y", 1, "20250228"},
    {"leap_day_plus_four_years", Variant::byteText("20240229"), "Y", 4, "20280229"},
    {"other_unit", Variant::byteText("20240305"), "W", 1, ""},
    {"empty_unit", Variant::byteText("20240305"), "", 1, ""},
    {"long_unit", Variant::byteText("20240305"), "MM", 1, ""},
    {"invalid_text", Variant::byteText("20240230"), "D", 1, ""},
    {"integer_variant", Variant(45356), "D", 1, ""},
    {"double_variant", Variant(45356.0), "D", 1, ""},
    {"empty_variant", Variant(), "D", 1, ""},
    {"zero_date_value", Variant::date(0), "D", 1, ""},
    {"beyond_9999", Variant::byteText("99991231"), "D", 1, ""},
    {"before_year_1", Variant::byteText("00010115"), "M", -1, ""},
    {"huge_month_count", Variant::byteText("20240115"), "M", 2147483647, ""},
    {"huge_negative_days", Variant::byteText("20240115"), "D", -2147483647 - 1, ""},
};

class DateAddTest : public testing::TestWithParam<AddCase> {};

TEST_P(DateAddTest, AddsToDate)
{
    const auto &c = GetParam();
    EXPECT_EQ(DateAddYmd(c.date, c.unit, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DateAddTest, testing::ValuesIn(kAddCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
