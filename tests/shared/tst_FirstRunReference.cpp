// FirstRunDate against a brute-force reference that walks the calendar day by day (with
// QDate, independently of the routine's own date arithmetic).
//
// The reference first finds the plain first run: the first day on or after the start that
// matches the pattern's day rule (weekday w; day d of the month, or the month's last day when
// the month is shorter; the o-th or last weekday w of the month). The routine's rule differs
// from that plain meaning for counts N >= 2, and the reference applies those differences
// explicitly, each named below:
//
// - every N weeks: the run is moved on by N - 1 further weeks (N - 1 further matches);
// - every N months on day d: moved on by N - 1 further months (N - 1 further matches);
// - every N months on the k-th weekday: the N - 1 months are counted from the start's own
//   month, not from the month of the plain first run: the run is the (N - 1)-th match after
//   the start month's match, or the N-th when that lies before the start (only possible for
//   N = 1). So when the start month's match has already passed and N >= 2, the run is only
//   N - 2 months after the plain first run.

#include "LibStrs.h"

#include <QDate>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using ktr::Variant;

namespace {

enum class Pattern { EveryNDays, Weekly, MonthDay, MonthWeekday };

struct Rule {
    Pattern pattern;
    int n = 1;
    int weekday = 0; // 0 = Sunday
    int day = 1;
    int ordinal = 0; // 0..3, 4 = last
};

std::string ymd(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd")).toStdString();
}

bool matches(const QDate &date, const Rule &rule)
{
    switch (rule.pattern) {
    case Pattern::EveryNDays:
        return true;
    case Pattern::Weekly:
        return date.dayOfWeek() % 7 == rule.weekday;
    case Pattern::MonthDay:
        return date.day() == std::min(rule.day, date.daysInMonth());
    case Pattern::MonthWeekday:
        if (date.dayOfWeek() % 7 != rule.weekday)
            return false;
        return rule.ordinal == 4 ? date.day() + 7 > date.daysInMonth()
                                 : (date.day() - 1) / 7 == rule.ordinal;
    }
    return false;
}

QDate firstMatchFrom(QDate date, const Rule &rule)
{
    while (!matches(date, rule))
        date = date.addDays(1);
    return date;
}

QDate furtherMatches(QDate date, const Rule &rule, int count)
{
    for (int i = 0; i < count; ++i)
        date = firstMatchFrom(date.addDays(1), rule);
    return date;
}

QDate plainFirstRun(const QDate &start, const Rule &rule)
{
    return firstMatchFrom(start, rule);
}

enum class Difference { None, WeeksMovedOn, MonthsMovedOn, MonthsCountedFromStartMonth };

struct Expected {
    QDate date;
    Difference difference = Difference::None;
};

Expected expectedFirstRun(const QDate &start, const Rule &rule)
{
    const QDate plain = plainFirstRun(start, rule);
    Expected e{plain, Difference::None};
    switch (rule.pattern) {
    case Pattern::EveryNDays:
        break;
    case Pattern::Weekly:
        e.date = furtherMatches(plain, rule, rule.n - 1);
        if (e.date != plain)
            e.difference = Difference::WeeksMovedOn;
        break;
    case Pattern::MonthDay:
        e.date = furtherMatches(plain, rule, rule.n - 1);
        if (e.date != plain)
            e.difference = Difference::MonthsMovedOn;
        break;
    case Pattern::MonthWeekday: {
        const QDate startMonthMatch = firstMatchFrom(QDate(start.year(), start.month(), 1), rule);
        QDate run = furtherMatches(startMonthMatch, rule, rule.n - 1);
        if (run < start)
            run = furtherMatches(startMonthMatch, rule, rule.n);
        e.date = run;
        if (run != furtherMatches(plain, rule, rule.n - 1))
            e.difference = Difference::MonthsCountedFromStartMonth;
        else if (run != plain)
            e.difference = Difference::MonthsMovedOn;
        break;
    }
    }
    return e;
}

Variant descriptor(const Rule &rule)
{
    switch (rule.pattern) {
    case Pattern::EveryNDays:
        return Variant::array({Variant(0), Variant(rule.n)});
    case Pattern::Weekly:
        return Variant::array({Variant(1), Variant::array({Variant(rule.n), Variant(rule.weekday)})});
    case Pattern::MonthDay:
        return Variant::array(
            {Variant(2), Variant::array({Variant(0), Variant(rule.n), Variant(rule.day)})});
    case Pattern::MonthWeekday:
        // Texts of digits are read as integers as well.
        return Variant::array({Variant(2), Variant::array({Variant(1), Variant(std::to_string(rule.n)),
                                                           Variant(rule.ordinal), Variant(rule.weekday)})});
    }
    return {};
}

std::string describe(const QDate &start, const Rule &rule)
{
    const char *names[] = {"every-N-days", "weekly", "month-day", "month-weekday"};
    return ymd(start) + " " + names[int(rule.pattern)] + " N=" + std::to_string(rule.n)
        + " w=" + std::to_string(rule.weekday) + " d=" + std::to_string(rule.day)
        + " o=" + std::to_string(rule.ordinal);
}

std::vector<Rule> everyRule()
{
    std::vector<Rule> rules;
    for (int n = 1; n <= 12; ++n) {
        rules.push_back({Pattern::EveryNDays, n});
        for (int w = 0; w <= 6; ++w) {
            rules.push_back({Pattern::Weekly, n, w});
            for (int o = 0; o <= 4; ++o)
                rules.push_back({Pattern::MonthWeekday, n, w, 1, o});
        }
        for (int d = 1; d <= 31; ++d)
            rules.push_back({Pattern::MonthDay, n, 0, d});
    }
    return rules;
}

// Starts where the calendar is awkward: month ends, leap days, year ends, century years.
std::vector<QDate> awkwardStarts()
{
    return {QDate(2024, 2, 29), QDate(2023, 2, 28), QDate(2024, 1, 31), QDate(2024, 12, 31),
            QDate(2024, 1, 1),  QDate(2100, 2, 28), QDate(2000, 2, 29), QDate(1999, 12, 26),
            QDate(2024, 4, 30), QDate(2024, 3, 31), QDate(2023, 1, 29), QDate(2025, 6, 15)};
}

class FirstRunReference : public testing::Test {
protected:
    void check(const QDate &start, const Rule &rule)
    {
        const Expected e = expectedFirstRun(start, rule);
        const std::string actual = FirstRunDate(ymd(start), descriptor(rule));
        ASSERT_EQ(actual, ymd(e.date)) << describe(start, rule);
        ++checked;
        ++byDifference[e.difference];
        if (rule.n == 1) {
            ASSERT_EQ(e.difference, Difference::None) << describe(start, rule);
        }
    }

    int checked = 0;
    std::map<Difference, int> byDifference;
};

TEST_F(FirstRunReference, EveryRuleFromAwkwardStarts)
{
    const auto rules = everyRule();
    for (const QDate &start : awkwardStarts()) {
        for (const Rule &rule : rules)
            check(start, rule);
    }
    EXPECT_GT(byDifference[Difference::None], 0);
    EXPECT_GT(byDifference[Difference::WeeksMovedOn], 0);
    EXPECT_GT(byDifference[Difference::MonthsMovedOn], 0);
    EXPECT_GT(byDifference[Difference::MonthsCountedFromStartMonth], 0);
}

TEST_F(FirstRunReference, GeneratedStartsAndRules)
{
    std::mt19937 random(20240110);
    std::uniform_int_distribution<qint64> days(QDate(1980, 1, 1).toJulianDay(),
                                               QDate(2080, 12, 31).toJulianDay());
    const auto rules = everyRule();
    std::uniform_int_distribution<std::size_t> pick(0, rules.size() - 1);
    for (int i = 0; i < 4000; ++i) {
        const QDate start = QDate::fromJulianDay(days(random));
        check(start, rules[pick(random)]);
        // Every start also meets one rule of each pattern.
        check(start, Rule{Pattern::Weekly, 1 + i % 12, i % 7});
        check(start, Rule{Pattern::MonthDay, 1 + (i / 12) % 12, 1 + i % 31});
        check(start, Rule{Pattern::MonthWeekday, 1 + (i / 7) % 12, (i / 3) % 7, 1, i % 5});
    }
    EXPECT_EQ(checked, 16000);
}

} // namespace
