#include "LibStrs.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <string>

using ktr::Variant;

namespace {

Variant weekly(Variant n, Variant weekday)
{
    return Variant::array({Variant(1), Variant::array({n, weekday})});
}

Variant monthDay(Variant n, Variant day)
{
    return Variant::array({Variant(2), Variant::array({Variant(0), n, day})});
}

Variant monthWeekday(Variant n, Variant ordinal, Variant weekday)
{
    return Variant::array({Variant(2), Variant::array({Variant(1), n, ordinal, weekday})});
}

struct FirstRunCase {
    const char *name;
    const char *start;
    Variant period;
    const char *expected;
};

// 2024-01-10 is a Wednesday; weekdays count 0 = Sunday.
const FirstRunCase kFirstRunCases[] = {
    {"every_n_days_is_start", "20240110", Variant::array({Variant(0), Variant(3)}), "20240110"},
    {"weekly_friday", "20240110", weekly(Variant(1), Variant(5)), "20240112"},
    {"weekly_monday", "20240110", weekly(Variant(1), Variant(1)), "20240115"},
    {"weekly_wednesday_is_start", "20240110", weekly(Variant(1), Variant(3)), "20240110"},
    {"two_weeks_friday", "20240110", weekly(Variant(2), Variant(5)), "20240119"},
    {"weekly_sunday", "20240110", weekly(Variant(1), Variant(0)), "20240114"},
    {"weekly_texts_of_digits", "20240110", weekly(Variant("1"), Variant::byteText("5")), "20240112"},
    {"monthly_day_31_in_february", "20240210", monthDay(Variant(1), Variant(31)), "20240229"},
    {"monthly_day_passed", "20240210", monthDay(Variant(1), Variant(5)), "20240305"},
    {"monthly_day_is_start", "20240210", monthDay(Variant(1), Variant(10)), "20240210"},
    {"monthly_day_31_next_month_short", "20240131", monthDay(Variant(1), Variant(30)), "20240229"},
    {"every_three_months_day_passed", "20240210", monthDay(Variant(3), Variant(5)), "20240505"},
    {"last_friday_passed", "20240130", monthWeekday(Variant(1), Variant(4), Variant(5)), "20240223"},
    {"first_monday", "20240101", monthWeekday(Variant(1), Variant(0), Variant(1)), "20240101"},
    {"second_tuesday", "20240101", monthWeekday(Variant(1), Variant(1), Variant(2)), "20240109"},
    {"fourth_sunday", "20240101", monthWeekday(Variant(1), Variant(3), Variant(0)), "20240128"},
    {"last_wednesday_is_start", "20240131", monthWeekday(Variant(1), Variant(4), Variant(3)), "20240131"},
    // Counts of 2 and more: the monthly-day rule counts from the first matching month, the
    // k-th weekday rule from the start's own month.
    {"two_months_day_one_passed", "20240120", monthDay(Variant(2), Variant(1)), "20240301"},
    {"two_months_first_monday_passed", "20240120", monthWeekday(Variant(2), Variant(0), Variant(1)), "20240205"},
    {"every_n_hours_empty", "20240110", Variant::array({Variant(3), Variant(4)}), ""},
    {"unknown_kind", "20240110", Variant::array({Variant(7), Variant(1)}), ""},
    {"unknown_monthly_form", "20240110", Variant::array({Variant(2), Variant::array({Variant(2), Variant(1), Variant(1)})}), ""},
    // Bad input: no exception leaves the routine.
    {"non_numeric_count", "20240110", weekly(Variant("x"), Variant(5)), ""},
    {"non_numeric_kind", "20240110", Variant::array({Variant("weekly"), Variant(1)}), ""},
    {"pattern_too_short", "20240110", Variant::array({Variant(1), Variant::array({Variant(1)})}), ""},
    {"descriptor_not_array", "20240110", Variant(1), ""},
    {"pattern_not_array", "20240110", Variant::array({Variant(1), Variant(2)}), ""},
    {"invalid_start", "20240230", Variant::array({Variant(0), Variant(1)}), ""},
    {"start_not_a_date", "abc", weekly(Variant(1), Variant(5)), ""},
    // Descriptors outside the limits of the periodic page.
    {"weekly_count_zero", "20240110", weekly(Variant(0), Variant(5)), ""},
    {"weekday_seven", "20240110", weekly(Variant(1), Variant(7)), ""},
    {"monthly_day_zero", "20240110", monthDay(Variant(1), Variant(0)), ""},
    {"monthly_day_100", "20240110", monthDay(Variant(1), Variant(100)), ""},
    {"monthly_count_zero", "20240110", monthDay(Variant(0), Variant(5)), ""},
    {"kth_weekday_count_zero", "20240130", monthWeekday(Variant(0), Variant(4), Variant(5)), ""},
    {"kth_weekday_count_negative", "20240130", monthWeekday(Variant(-2), Variant(0), Variant(5)), ""},
    {"kth_weekday_ordinal_five", "20240130", monthWeekday(Variant(1), Variant(5), Variant(5)), ""},
    {"kth_weekday_ordinal_negative", "20240130", monthWeekday(Variant(1), Variant(-1), Variant(5)), ""},
    {"kth_weekday_past_9999", "99991230", monthWeekday(Variant(1), Variant(0), Variant(1)), ""},
};

class FirstRunDateTest : public testing::TestWithParam<FirstRunCase> {};

TEST_P(FirstRunDateTest, GivesFirstRun)
{
    const auto &c = GetParam();
    EXPECT_EQ(FirstRunDate(c.start, c.period), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstRunDateTest, testing::ValuesIn(kFirstRunCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct ShiftCase {
    const char *name;
    const char *base;
    const char *n;
    const char *unit;
    const char *mode;
    const char *days;
    const char *expected;
};

// 2024-05-15 is a Wednesday.
const ShiftCase kShiftCases[] = {
    {"month_add_clamps", "20240131", "1", "1", "0", "0", "20240229"},
    {"month_add_days", "20240131", "1", "1", "0", "3", "20240303"},
    {"month_first_day", "20240515", "-1", "1", "1", "x", "20240401"},
    {"month_last_day", "20240515", "1", "1", "2", "0", "20240630"},
    {"month_other_mode_keeps_date", "20240515", "2", "1", "7", "0", "20240715"},
    {"week_first_day", "20240515", "0", "0", "1", "0", "20240512"},
    {"week_last_day", "20240515", "0", "0", "2", "0", "20240518"},
    {"week_first_day_next_week", "20240515", "1", "0", "1", "0", "20240519"},
    {"week_add_days", "20240515", "-1", "0", "0", "2", "20240510"},
    {"year_month_back", "202401", "-1", "0", "0", "0", "202312"},
    {"year_month_forward_ignores_other_fields", "202412", "1", "x", "y", "z", "202501"},
    {"empty_base", "", "0", "0", "0", "0", ""},
    {"invalid_base_months", "20240230", "1", "1", "1", "0", ""},
    {"invalid_base_weeks", "20240230", "1", "0", "1", "0", ""},
    {"unit_compared_as_text", "20240515", "1", "00", "0", "0", "20240615"},
};

class ShiftDateTest : public testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftDateTest, ShiftsDate)
{
    const auto &c = GetParam();
    EXPECT_EQ(ShiftDate(c.base, c.n, c.unit, c.mode, c.days), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShiftDateTest, testing::ValuesIn(kShiftCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct ShiftErrorCase {
    const char *name;
    const char *base;
    const char *n;
    const char *unit;
    const char *mode;
    const char *days;
    const char *message;
};

const ShiftErrorCase kShiftErrorCases[] = {
    {"n_not_integer", "20240515", "one", "1", "0", "0", "'one' is not a valid integer value"},
    {"n_not_integer_year_month", "202405", "", "1", "0", "0", "'' is not a valid integer value"},
    {"mode_not_integer_months", "20240515", "1", "1", "first", "0", "'first' is not a valid integer value"},
    {"days_not_integer_months", "20240515", "1", "1", "0", "2d", "'2d' is not a valid integer value"},
    {"days_not_integer_weeks", "20240515", "1", "0", "0", "-", "'-' is not a valid integer value"},
};

class ShiftDateErrorTest : public testing::TestWithParam<ShiftErrorCase> {};

TEST_P(ShiftDateErrorTest, RaisesConvertErrorNamingTheText)
{
    const auto &c = GetParam();
    try {
        ShiftDate(c.base, c.n, c.unit, c.mode, c.days);
        FAIL() << "no ConvertError";
    } catch (const ktr::ConvertError &error) {
        EXPECT_STREQ(error.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ShiftDateErrorTest, testing::ValuesIn(kShiftErrorCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(WeekBoundary, SundayOrSaturdayOfTheWeekReached)
{
    EXPECT_EQ(WeekBoundary("20240515", "0", "1"), "20240512");
    EXPECT_EQ(WeekBoundary("20240515", "0", "2"), "20240518");
    EXPECT_EQ(WeekBoundary("20240515", "-2", "1"), "20240428");
    EXPECT_EQ(WeekBoundary("20240512", "0", "1"), "20240512");
    EXPECT_EQ(WeekBoundary("20240518", "0", "9"), "20240518");
    EXPECT_THROW(WeekBoundary("20240515", "1.5", "1"), ktr::ConvertError);
}

// ---- ResolveDynamicDates -------------------------------------------------------------

const std::string kSep = "\x03";

std::string rule(std::initializer_list<const char *> fields)
{
    std::string text;
    for (const char *f : fields)
        text += std::string(f) + kSep;
    return text;
}

Variant rulesArray(std::initializer_list<std::string> rules)
{
    std::vector<Variant> items{Variant(static_cast<std::int32_t>(rules.size()))};
    for (const auto &r : rules)
        items.push_back(Variant::byteText(r));
    return Variant::array(std::move(items));
}

Variant request(Variant values, Variant rules)
{
    return Variant::array({values, Variant::array({Variant("settings")}), rules}, 1);
}

Variant sampleValues()
{
    return Variant::array({
        Variant::byteText("A"),
        Variant::byteText("2023/01/01"),
        Variant::array({Variant(), Variant::byteText("20230101"), Variant::byteText("20230131")}),
        Variant::byteText("202301"),
    });
}

TEST(ResolveDynamicDates, SingleFieldFollowsRunDate)
{
    // Single date field, row 1: all zero -> the run date itself.
    const Variant q = request(sampleValues(),
                              rulesArray({rule({"1", "me07", "Y", "0", "1", "0", "0", "D", "1"})}));
    const Variant before = q;
    const Variant result = ResolveDynamicDates(q, "20240515");
    Variant expected = sampleValues();
    expected.at(1) = Variant::byteText("20240515");
    EXPECT_EQ(result, expected) << result.debugString();
    EXPECT_EQ(q, before) << "the request itself never changes";
}

TEST(ResolveDynamicDates, RuleWithFlagNLeavesValue)
{
    const Variant q = request(sampleValues(),
                              rulesArray({rule({"1", "me07", "N", "1", "1", "1", "0", "D", "1"})}));
    EXPECT_EQ(ResolveDynamicDates(q, "20240515"), sampleValues());
}

TEST(ResolveDynamicDates, YearMonthFieldAndShift)
{
    const Variant q = request(sampleValues(),
                              rulesArray({rule({"1", "me08", "Y", "-1", "1", "0", "0", "M", "3"})}));
    Variant expected = sampleValues();
    expected.at(3) = Variant::byteText("202404");
    EXPECT_EQ(ResolveDynamicDates(q, "20240515"), expected);
}

TEST(ResolveDynamicDates, RangeBeginAndEnd)
{
    // Range in row 2: begin = first day of the month one month back, end = run date.
    const Variant q = request(sampleValues(),
                              rulesArray({rule({"0", "sp01", "Y", "-1", "1", "1", "0", "Y", "0", "1",
                                                "0", "0", "D", "2"})}));
    Variant expected = sampleValues();
    expected.at(2).at(1) = Variant::byteText("20240401");
    expected.at(2).at(2) = Variant::byteText("20240515");
    EXPECT_EQ(ResolveDynamicDates(q, "20240515"), expected);
}

TEST(ResolveDynamicDates, RangeOnlyEndFollows)
{
    const Variant q = request(sampleValues(),
                              rulesArray({rule({"0", "sp01", "N", "0", "0", "0", "0", "Y", "0", "0",
                                                "2", "0", "D", "2"})}));
    Variant expected = sampleValues();
    expected.at(2).at(2) = Variant::byteText("20240518");
    EXPECT_EQ(ResolveDynamicDates(q, "20240515"), expected);
}

TEST(ResolveDynamicDates, EmptyRunDateGivesEmptyValues)
{
    const Variant q = request(sampleValues(),
                              rulesArray({rule({"1", "me07", "Y", "0", "1", "0", "0", "D", "1"}),
                                          rule({"1", "me08", "Y", "1", "1", "0", "0", "M", "3"})}));
    Variant expected = sampleValues();
    expected.at(1) = Variant::byteText("");
    expected.at(3) = Variant::byteText("");
    EXPECT_EQ(ResolveDynamicDates(q, ""), expected);
}

TEST(ResolveDynamicDates, NoRulesGivesCopyOfValues)
{
    EXPECT_EQ(ResolveDynamicDates(request(sampleValues(), rulesArray({})), "20240515"), sampleValues());
}

struct FailureCase {
    const char *name;
    Variant request;
};

const FailureCase kFailureCases[] = {
    {"missing_row_index", request(sampleValues(), rulesArray({rule({"1", "me07", "N", "0", "1", "0", "0", "D"})}))},
    {"non_numeric_row_index", request(sampleValues(), rulesArray({rule({"1", "me07", "Y", "0", "1", "0", "0", "D", "x"})}))},
    {"row_index_outside", request(sampleValues(), rulesArray({rule({"1", "me07", "Y", "0", "1", "0", "0", "D", "9"})}))},
    {"range_row_not_array", request(sampleValues(), rulesArray({rule({"0", "sp01", "Y", "0", "1", "0", "0", "N", "0", "0", "0", "0", "D", "1"})}))},
    {"non_numeric_n", request(sampleValues(), rulesArray({rule({"1", "me07", "Y", "x", "1", "0", "0", "D", "1"})}))},
    {"non_numeric_days", request(sampleValues(), rulesArray({rule({"1", "me07", "Y", "1", "0", "0", "z", "D", "1"})}))},
    {"rule_count_beyond_rules", request(sampleValues(), Variant::array({Variant(2), Variant::byteText(rule({"1", "me07", "Y", "0", "1", "0", "0", "D", "1"}))}))},
    {"non_numeric_rule_count", request(sampleValues(), Variant::array({Variant("two")}))},
    {"request_not_array", Variant("request")},
    {"request_too_short", Variant::array({Variant(), sampleValues()}, 0)},
    {"values_not_array", request(Variant("values"), rulesArray({rule({"1", "me07", "Y", "0", "1", "0", "0", "D", "1"})}))},
};

class ResolveDynamicDatesFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ResolveDynamicDatesFailure, GivesEmptyText)
{
    const Variant before = GetParam().request;
    const Variant result = ResolveDynamicDates(GetParam().request, "20240515");
    EXPECT_EQ(result, Variant::byteText("")) << result.debugString();
    EXPECT_EQ(GetParam().request, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolveDynamicDatesFailure, testing::ValuesIn(kFailureCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
