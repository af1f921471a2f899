#include "Variant.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using ktr::ArrayBound;
using ktr::Variant;
using ktr::VariantError;
using ktr::VarType;

namespace {

struct ConversionCase {
    const char *name;
    Variant value;
    VarType type;
    std::string text;
    double number;
    bool truth;
};

class VariantConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(VariantConversion, ConvertsAsAutomationDoes)
{
    const ConversionCase &c = GetParam();
    EXPECT_EQ(c.value.type(), c.type);
    EXPECT_EQ(c.value.toString(), c.text);
    EXPECT_DOUBLE_EQ(c.value.toDouble(), c.number);
    EXPECT_EQ(c.value.toBool(), c.truth);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, VariantConversion,
    testing::Values(ConversionCase{"empty", Variant(), VarType::Empty, "", 0, false},
                    ConversionCase{"boolTrue", Variant(true), VarType::Bool, "True", -1, true},
                    ConversionCase{"int16", Variant(std::int16_t(-7)), VarType::Int16, "-7", -7, true},
                    ConversionCase{"int32", Variant(123456), VarType::Int32, "123456", 123456, true},
                    ConversionCase{"double", Variant(2.5), VarType::Double, "2.5", 2.5, true},
                    ConversionCase{"date", Variant::date(45000.5), VarType::Date, "45000.5", 45000.5, true},
                    ConversionCase{"wideText", Variant("  42 "), VarType::WideText, "  42 ", 42, true},
                    ConversionCase{"byteText", Variant::byteText("0"), VarType::ByteText, "0", 0, false},
                    ConversionCase{"exponentText", Variant("1e2"), VarType::WideText, "1e2", 100, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Variant, IsSixteenBytesAndMovesWithoutCopy)
{
    static_assert(sizeof(Variant) == 16);
    Variant a("福利基数");
    Variant b(std::move(a));
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(b.toString(), "福利基数");
}

TEST(Variant, RefusesImpossibleConversionsWithAMessage)
{
    EXPECT_THROW(Variant("abc").toInt(), VariantError);
    EXPECT_THROW(Variant::null().toString(), VariantError);
    EXPECT_THROW(Variant::array({1}).toDouble(), VariantError);
    try {
        Variant::null().toInt();
        FAIL();
    } catch (const VariantError &e) {
        EXPECT_NE(std::string(e.what()).find("Null"), std::string::npos);
    }
}

TEST(Variant, IntegerConversionRoundsHalfToEven)
{
    EXPECT_EQ(Variant(2.5).toInt(), 2);
    EXPECT_EQ(Variant(3.5).toInt(), 4);
    EXPECT_EQ(Variant("-1.5").toInt(), -2);
    EXPECT_THROW(Variant(1e12).toInt(), VariantError);
}

TEST(VariantArray, KeepsExplicitBoundsPerDimension)
{
    Variant grid = Variant::array2(0, 1, 3, 5); // 2 rows, columns 3..5
    EXPECT_EQ(grid.dimensions(), 2);
    EXPECT_EQ(grid.lowerBound(2), 3);
    EXPECT_EQ(grid.upperBound(2), 5);
    grid.at(1, 4) = Variant("x");
    EXPECT_EQ(grid.at(1, 4).toString(), "x");
    EXPECT_TRUE(grid.at(0, 3).isEmpty());
    EXPECT_THROW(grid.at(1, 2), VariantError);
    EXPECT_THROW(grid.at(2, 3), VariantError);
    EXPECT_THROW(grid.at(1), VariantError);
    EXPECT_THROW(grid.upperBound(3), VariantError);

    Variant one = Variant::array1(1, 9);
    EXPECT_EQ(one.elementCount(), 9);
    EXPECT_THROW(one.at(0), VariantError);
    one.redim(12);
    EXPECT_EQ(one.upperBound(), 12);
}

TEST(VariantArray, CopiesBehaveAsValues)
{
    Variant inner = Variant::array({1, 2});
    Variant outer = Variant::array({inner, "t"});
    Variant copy = outer;
    copy.at(0).at(1) = Variant(99);
    EXPECT_EQ(outer.at(0).at(1).toInt(), 2);
    EXPECT_EQ(copy.at(0).at(1).toInt(), 99);
    EXPECT_EQ(inner.at(1).toInt(), 2);
    EXPECT_NE(outer, copy);
    copy.at(0).at(1) = Variant(2);
    EXPECT_EQ(outer, copy);
}

TEST(VariantArray, EqualityDistinguishesTagsAndBounds)
{
    EXPECT_NE(Variant("a"), Variant::byteText("a"));
    EXPECT_NE(Variant(1), Variant(std::int16_t(1)));
    EXPECT_NE(Variant::array({1}, 0), Variant::array({1}, 1));
    EXPECT_EQ(Variant::null(), Variant::null());
    EXPECT_NE(Variant::null(), Variant());
}

// Values of every block size, made on one thread, outlive it on another. The first thread's
// recycled blocks are handed back when it ends; if any still-used block went with them, the
// allocations that follow would overwrite it.
TEST(Variant, ValuesOutliveTheThreadThatMadeThem)
{
    auto textOf = [](std::size_t length, int seed) {
        std::string text(length, ' ');
        for (std::size_t i = 0; i < length; ++i)
            text[i] = static_cast<char>('a' + (seed + i) % 26);
        return text;
    };
    const std::size_t lengths[] = {0, 1, 15, 16, 100, 230, 240, 300, 5000};
    std::vector<Variant> made;
    std::thread maker([&] {
        std::vector<Variant> scratch; // freed here, so this thread's lists hold blocks at its end
        for (int round = 0; round < 2; ++round)
            for (std::size_t length : lengths) {
                std::vector<Variant> &into = round == 0 ? scratch : made;
                into.push_back(Variant(textOf(length, round)));
                into.push_back(Variant::array({Variant(textOf(length, round)), Variant(round)}, 3));
            }
        scratch.clear();
    });
    maker.join();
    std::vector<Variant> after;
    for (int i = 0; i < 2000; ++i)
        after.push_back(Variant::array({Variant(textOf(std::size_t(i % 300), 7))}));
    ASSERT_EQ(made.size(), std::size(lengths) * 2);
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
        EXPECT_EQ(made[2 * i].toString(), textOf(lengths[i], 1)) << lengths[i];
        EXPECT_EQ(made[2 * i + 1].at(3).toString(), textOf(lengths[i], 1)) << lengths[i];
        EXPECT_EQ(made[2 * i + 1].at(4).toInt(), 1);
    }
    std::thread releaser([moved = std::move(made)]() mutable { moved.clear(); });
    releaser.join();
    EXPECT_EQ(after.back().at(0).toString(), textOf(1999 % 300, 7));
}

} // namespace
