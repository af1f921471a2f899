#include "CodePage.h"
#include "LibStrs.h"
#include "SharedTestSupport.h"

#include <gtest/gtest.h>

#include <array>

using ktr::Variant;
using ktr::test::ScopedEnv;

namespace {

struct EncodeCase {
    const char *name;
    const char *utf8;
    int codePage;
    const char *bytes;
};

const EncodeCase kEncodeCases[] = {
    {"gb_chinese", "中文", 936, "\xD6\xD0\xCE\xC4"},
    {"gb_ascii", "abc 123", 936, "abc 123"},
    {"gb18030_keeps_rare_character", "\xF0\x9F\x98\x80", 936, "\x94\x39\xFC\x36"},
    {"big5_traditional", "中文", 950, "\xA4\xA4\xA4\xE5"},
    {"big5_lacks_simplified", "我们", 950, "\xA7\xDA?"},
    {"cp437_accent", "é", 437, "\x82"},
    {"cp437_chinese_each_character", "a中文b", 437, "a??b"},
    {"empty", "", 950, ""},
};

class EncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, WritesBytesOfTheCodePage)
{
    const auto &c = GetParam();
    EXPECT_EQ(WideToCodePage(c.utf8, c.codePage), std::string(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(Cases, EncodeTest, testing::ValuesIn(kEncodeCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct DecodeCase {
    const char *name;
    std::string bytes;
    int codePage;
    const char *utf8;
};

const DecodeCase kDecodeCases[] = {
    {"gb_chinese", "\xD6\xD0\xCE\xC4", 936, "中文"},
    {"big5_chinese", "\xA4\xA4\xA4\xE5", 950, "中文"},
    {"cp437_accent", "\x82", 437, "é"},
    {"big5_invalid_byte", "a\xFF" "b", 950, "a?b"},
    {"gb_cut_off_lead_byte", "a\xD6", 936, "a?"},
    {"embedded_zero_byte", std::string("a\0b", 3), 936, "a\0b"},
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ReadsBytesOfTheCodePage)
{
    const auto &c = GetParam();
    const std::string expected = c.name == std::string("embedded_zero_byte") ? std::string("a\0b", 3)
                                                                             : std::string(c.utf8);
    EXPECT_EQ(CodePageToWide(c.bytes, c.codePage), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DecodeTest, testing::ValuesIn(kDecodeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CodePage, InvalidUtf8IsAnError)
{
    try {
        ktr::utf8ToCodePage("a\xFF", 936);
        FAIL() << "no CodePageError";
    } catch (const ktr::CodePageError &error) {
        EXPECT_STREQ(error.what(), "text is not valid UTF-8");
    }
}

TEST(CodePage, UnknownCodePageFallsBackToTheMachine)
{
    ScopedEnv lcAll("LC_ALL", QByteArray("zh_TW.UTF-8"));
    EXPECT_EQ(WideToCodePage("中文", 99999), "\xA4\xA4\xA4\xE5");
    EXPECT_EQ(CodePageToWide("\xA4\xA4", -5), "中");
    EXPECT_EQ(ktr::iconvCharset(99999), "");
    EXPECT_THROW(ktr::utf8ToCodePage("x", 99999), ktr::CodePageError);
}

struct LocaleCase {
    const char *name;
    const char *lcAll;
    const char *lcCtype;
    const char *lang;
    int expected;
};

const LocaleCase kLocaleCases[] = {
    {"mainland", "zh_CN.UTF-8", nullptr, nullptr, 936},
    {"singapore", "zh_SG", nullptr, nullptr, 936},
    {"taiwan", "zh_TW.Big5", nullptr, nullptr, 950},
    {"hong_kong", "zh_HK.UTF-8@stroke", nullptr, nullptr, 950},
    {"english", "en_US.UTF-8", nullptr, nullptr, 437},
    {"c_locale", "C.UTF-8", nullptr, nullptr, 437},
    {"plain_chinese_without_territory", "zh", nullptr, nullptr, 437},
    {"ctype_when_no_lc_all", nullptr, "zh_CN.GB18030", "en_US.UTF-8", 936},
    {"lang_last", nullptr, nullptr, "zh_TW.UTF-8", 950},
    {"lc_all_wins", "de_DE.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8", 437},
    {"nothing_set", nullptr, nullptr, nullptr, 437},
};

class MachineCodePageTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(MachineCodePageTest, FollowsTheLocale)
{
    const auto &c = GetParam();
    auto value = [](const char *v) { return v ? std::optional<QByteArray>(v) : std::nullopt; };
    ScopedEnv lcAll("LC_ALL", value(c.lcAll));
    ScopedEnv lcCtype("LC_CTYPE", value(c.lcCtype));
    ScopedEnv lang("LANG", value(c.lang));
    EXPECT_EQ(ktr::machineCodePage(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MachineCodePageTest, testing::ValuesIn(kLocaleCases),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- Variants --------------------------------------------------------------------------

TEST(VarFromCodePage, ScalarTextsBecomeWideText)
{
    EXPECT_EQ(VarFromCodePage(Variant::byteText("中文"), 936), Variant::wideText("中文"));
    EXPECT_EQ(VarFromCodePage(Variant::wideText("中文"), 936), Variant::wideText("中文"));
    EXPECT_EQ(VarFromCodePage(Variant::byteText("我们"), 950), Variant::wideText("我?"));
}

TEST(VarToCodePage, ScalarTextsBecomeByteText)
{
    EXPECT_EQ(VarToCodePage(Variant::wideText("中文"), 936), Variant::byteText("中文"));
    EXPECT_EQ(VarToCodePage(Variant::byteText("中文"), 437), Variant::byteText("??"));
}

TEST(VarCodePage, BlankAndOtherScalarsPassUnchanged)
{
    for (const Variant &v : {Variant(), Variant::null(), Variant(5), Variant(2.5), Variant(true)}) {
        EXPECT_EQ(VarFromCodePage(v, 950), v) << v.debugString();
        EXPECT_EQ(VarToCodePage(v, 950), v) << v.debugString();
    }
}

TEST(VarFromCodePage, OneDimensionalArraysAtAnyDepth)
{
    const Variant input = Variant::array({
        Variant::wideText("我们"),
        Variant::byteText("我们"), // byte texts inside arrays are left alone
        Variant(3),
        Variant::array({Variant::wideText("们"), Variant::array({Variant::wideText("x们")})}),
    });
    const Variant expected = Variant::array({
        Variant::wideText("我?"),
        Variant::byteText("我们"),
        Variant(3),
        Variant::array({Variant::wideText("?"), Variant::array({Variant::wideText("x?")})}),
    });
    EXPECT_EQ(VarFromCodePage(input, 950), expected);
}

TEST(VarToCodePage, WideElementsBecomeByteText)
{
    const Variant input = Variant::array({Variant::wideText("中"), Variant::array({Variant::wideText("文")})});
    const Variant expected = Variant::array({Variant::byteText("中"), Variant::array({Variant::byteText("文")})});
    EXPECT_EQ(VarToCodePage(input, 936), expected);
}

TEST(VarCodePage, TwoDimensionalCellsButNotNestedArrays)
{
    Variant grid = Variant::array2(0, 1, 0, 1);
    grid.at(0, 0) = Variant::wideText("们");
    grid.at(0, 1) = Variant::array({Variant::wideText("们")});
    grid.at(1, 0) = Variant(1);
    grid.at(1, 1) = Variant::byteText("们");
    Variant expected = grid;
    expected.at(0, 0) = Variant::wideText("?");
    EXPECT_EQ(VarFromCodePage(grid, 950), expected);
    expected.at(0, 0) = Variant::byteText("?");
    EXPECT_EQ(VarToCodePage(grid, 950), expected);
}

TEST(VarCodePage, ThreeDimensionalArraysPassUnchanged)
{
    const std::array<ktr::ArrayBound, 3> bounds{{{0, 1}, {0, 1}, {0, 2}}};
    Variant cube = Variant::arrayOf(bounds);
    cube.mutableElements()[0] = Variant::wideText("们");
    EXPECT_EQ(VarFromCodePage(cube, 950), cube);
    EXPECT_EQ(VarToCodePage(cube, 950), cube);
}

TEST(VarCodePage, RequestRoundTripThroughGbLosesNoCharacter)
{
    // Before a request the array is read from 936, afterwards written back to it.
    const Variant params = Variant::array({Variant::wideText("员工福利基金基数 ①"), Variant::array({Variant::wideText("𠀀")})});
    const Variant sent = VarFromCodePage(params, 936);
    EXPECT_EQ(sent, params);
    const Variant back = Variant::array({Variant::byteText("员工福利基金基数 ①"), Variant::array({Variant::byteText("𠀀")})});
    EXPECT_EQ(VarToCodePage(sent, 936), back);
}

class VarCodePageFailure : public testing::Test {
protected:
    ktr::test::ScratchRegistry registry;
    void SetUp() override { registry.setKeelhaven("ClientPath=" + registry.root().toUtf8() + "/\n"); }

    std::string logText() const
    {
        const QDir logDir(registry.root() + QStringLiteral("/Log"));
        const QStringList files = logDir.entryList({QStringLiteral("Alert_libstrs_*.log")}, QDir::Files);
        if (files.size() != 1)
            return "files: " + files.join(QLatin1Char(',')).toStdString();
        return ktr::test::readFile(logDir.filePath(files.front())).toStdString();
    }
};

TEST_F(VarCodePageFailure, ToCodePageLogsAndReturnsInput)
{
    const Variant input = Variant::array({Variant::wideText("ok"), Variant::wideText("bad\xFF")});
    EXPECT_EQ(VarToCodePage(input, 936), input);
    const std::string log = logText();
    EXPECT_TRUE(log.ends_with("] LINE[2735] text is not valid UTF-8\n")) << log;
}

TEST_F(VarCodePageFailure, FromCodePageLogsAndReturnsInput)
{
    const Variant input = Variant::byteText("bad\xC0\x80");
    EXPECT_EQ(VarFromCodePage(input, 950), input);
    const std::string log = logText();
    EXPECT_TRUE(log.ends_with("] LINE[115] text is not valid UTF-8\n")) << log;
}

} // namespace
