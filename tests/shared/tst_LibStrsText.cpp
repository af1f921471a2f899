#include "LibStrs.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <string>

using ktr::Variant;

namespace {

struct ExtractCase {
    const char *name;
    const char *text;
    const char *separator;
    int n;
    const char *expected;
};

const ExtractCase kExtractCases[] = {
    {"third_of_three", "a#b#c", "#", 3, "c"},
    {"past_the_last", "a#b#c", "#", 4, ""},
    {"first_without_separator", "abc", "#", 1, "abc"},
    {"second_without_separator", "abc", "#", 2, ""},
    {"empty_text", "", "#", 1, ""},
    {"empty_middle_field", "a##c", "#", 2, ""},
    {"trailing_separator_gives_empty_last", "a#b#", "#", 3, ""},
    {"multi_character_separator", "one<>two<>three", "<>", 2, "two"},
    {"case_sensitive_separator", "aXbxc", "x", 1, "aXb"},
    {"zero_field", "a#b", "#", 0, ""},
    {"rule_separator", "1\x03" "2\x03" "Y", "\x03", 3, "Y"},
    {"empty_separator_is_never_found", "a#b", "", 1, "a#b"},
};

class ExtractFieldTest : public testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractFieldTest, GivesTheField)
{
    const auto &c = GetParam();
    EXPECT_EQ(ExtractField(c.text, c.separator, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtractFieldTest, testing::ValuesIn(kExtractCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct CountCase {
    const char *name;
    const char *text;
    const char *separator;
    int expected;
};

const CountCase kCountCases[] = {
    {"empty", "", ",", 0},
    {"trailing_separator", "a,b,", ",", 3},
    {"no_separator", "abc", ",", 1},
    {"only_separators", ",,", ",", 3},
    {"longer_separator_counted_whole", "a<>b<>c", "<>", 3},
    {"empty_separator", "abc", "", 1},
};

class CountFieldsTest : public testing::TestWithParam<CountCase> {};

TEST_P(CountFieldsTest, CountsFields)
{
    const auto &c = GetParam();
    EXPECT_EQ(CountFields(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CountFieldsTest, testing::ValuesIn(kCountCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CutToken, ConsumesTheTextFromTheFront)
{
    std::string text = "2024/03/05";
    EXPECT_EQ(CutToken(text, "/"), "2024");
    EXPECT_EQ(text, "03/05");
    EXPECT_EQ(CutToken(text, "/"), "03");
    EXPECT_EQ(CutToken(text, "/"), "05");
    EXPECT_EQ(text, "");
    EXPECT_EQ(CutToken(text, "/"), "");
}

TEST(CutToken, MultiCharacterSeparator)
{
    std::string text = "a;;b;;c";
    EXPECT_EQ(CutToken(text, ";;"), "a");
    EXPECT_EQ(text, "b;;c");
}

struct ReplaceCase {
    const char *name;
    const char *text;
    const char *pattern;
    const char *replacement;
    bool trim;
    const char *expected;
};

const ReplaceCase kReplaceCases[] = {
    {"search_restarts_from_start", "aabb", "ab", "", false, ""},
    {"line_breaks_removed_and_trimmed", " a\r\nb\r\n ", "\r\n", "", true, "ab"},
    {"no_trim_keeps_blanks", " a-b ", "-", "", false, " ab "},
    {"trim_removes_control_characters", "\x01\tx-y\x02", "-", "", true, "xy"},
    {"equal_ignoring_case_leaves_text", " aXa ", "x", "X", true, " aXa "},
    {"case_sensitive_search", "aXbx", "x", "", false, "aXb"},
    {"replacement_inserted", "1/2/3", "/", "-", false, "1-2-3"},
    {"replacement_containing_pattern_once_each", "a.b", ".", "..", false, "a..b"},
    {"empty_pattern_changes_nothing", "abc", "", "x", false, "abc"},
    {"nested_removal", "xxyy", "xy", "", false, ""},
};

class ReplaceAllTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllTest, Replaces)
{
    const auto &c = GetParam();
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement, c.trim), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllTest, testing::ValuesIn(kReplaceCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ReplaceAll, LargeTextOfSeparatorsFinishes)
{
    const std::string text(200000, ',');
    EXPECT_EQ(ReplaceAll(text + "x", ",", "", true), "x");
}

TEST(ButtonCaptionText, MapsEveryStandardButtonExactly)
{
    const std::pair<const char *, const char *> captions[] = {
        {"Yes", "是(&Y)"},       {"No", "否(&N)"},         {"OK", "确定"},
        {"Cancel", "取消"},      {"Abort", "中断(&A)"},    {"Retry", "重试(&R)"},
        {"Ignore", "忽略(&I)"},  {"All", "全部(&A)"},      {"NoToAll", "全否(&o)"},
        {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
    };
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(ButtonCaptionText(name), caption) << name;
    EXPECT_EQ(ButtonCaptionText("ok"), "ok");
    EXPECT_EQ(ButtonCaptionText("Close"), "Close");
}

struct FloatCase {
    const char *name;
    const char *text;
    double expected;
};

const FloatCase kFloatCases[] = {
    {"integer", "12", 12},       {"decimal", "1.5", 1.5},     {"blanks", " 2.25 ", 2.25},
    {"negative", "-3", -3},      {"exponent", "1e2", 100},    {"empty", "", -1},
    {"letters", "12h", -1},      {"infinity", "inf", -1},     {"nan", "nan", -1},
    {"comma", "1,5", -1},        {"hexadecimal", "0x10", -1},
};

class StrToFloatDefaultTest : public testing::TestWithParam<FloatCase> {};

TEST_P(StrToFloatDefaultTest, ParsesWholeTextOrGivesDefault)
{
    const auto &c = GetParam();
    EXPECT_DOUBLE_EQ(StrToFloatDefault(c.text, -1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToFloatDefaultTest, testing::ValuesIn(kFloatCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(IsLocalHost, OnlyTheExactLoopbackAddress)
{
    EXPECT_TRUE(IsLocalHost("127.0.0.1"));
    EXPECT_FALSE(IsLocalHost(" 127.0.0.1"));
    EXPECT_FALSE(IsLocalHost("localhost"));
    EXPECT_FALSE(IsLocalHost("127.0.0.2"));
}

TEST(Variants, IfThenVarAndVarIsBlank)
{
    EXPECT_EQ(IfThenVar(true, Variant(1), Variant("b")), Variant(1));
    EXPECT_EQ(IfThenVar(false, Variant(1), Variant("b")), Variant("b"));
    EXPECT_TRUE(VarIsBlank(Variant()));
    EXPECT_TRUE(VarIsBlank(Variant::null()));
    EXPECT_FALSE(VarIsBlank(Variant("")));
    EXPECT_FALSE(VarIsBlank(Variant(0)));
}

TEST(PackParamText, PacksCountAndElements)
{
    const Variant a = Variant::array({Variant(2), Variant("x"), Variant(7), Variant("ignored")});
    EXPECT_EQ(PackParamText("R", a), "R\x03" "2\x03" "x\x03" "7\x03");
    EXPECT_EQ(PackParamText("", Variant::array({Variant(0)})), "\x03" "0\x03");
}

TEST(PackParamText, CountBeyondTheArrayRaisesVariantError)
{
    const Variant a = Variant::array({Variant(3), Variant("x")});
    EXPECT_THROW(PackParamText("R", a), ktr::VariantError);
}

TEST(GetLongTempPath, EndsInSeparator)
{
    const std::string path = GetLongTempPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), '/');
}

struct IntCase {
    const char *name;
    const char *text;
    std::optional<int> expected;
};

const IntCase kIntCases[] = {
    {"plain", "42", 42},
    {"leading_blanks", "  7", 7},
    {"signed", "-12", -12},
    {"plus", "+3", 3},
    {"trailing_blank", "7 ", std::nullopt},
    {"empty", "", std::nullopt},
    {"sign_only", "-", std::nullopt},
    {"letters", "1a", std::nullopt},
    {"largest", "2147483647", 2147483647},
    {"smallest", "-2147483648", -2147483647 - 1},
    {"too_large", "2147483648", std::nullopt},
    {"very_long", "99999999999999999999999", std::nullopt},
};

class StrToIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntTest, ReadsDecimalIntegers)
{
    const auto &c = GetParam();
    EXPECT_EQ(ktr::tryStrToInt(c.text), c.expected);
    if (!c.expected) {
        try {
            ktr::strToInt(c.text);
            FAIL() << "no ConvertError";
        } catch (const ktr::ConvertError &error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + std::string(c.text) + "' is not a valid integer value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntTest, testing::ValuesIn(kIntCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
