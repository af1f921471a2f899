#include <KtGlyphs.h>

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace {

// Glyph numbers the forms and controls show, with the number of cells in their strips.
struct GlyphCase {
    std::string name;
    int number;
    int cells;
};

class GlyphPictures : public testing::TestWithParam<GlyphCase> {};

TEST_P(GlyphPictures, LoadAsStripsOfSquareCellsOnTheTransparentColour)
{
    QImage picture;
    ASSERT_TRUE(LoadBmp(&picture, GetParam().number));
    ASSERT_FALSE(picture.isNull());
    EXPECT_FALSE(picture.hasAlphaChannel());
    EXPECT_EQ(picture.height(), 16);
    EXPECT_EQ(picture.width(), 16 * GetParam().cells);
    EXPECT_EQ(picture.width() % picture.height(), 0);

    // Every cell shows a shape: pixels other than the transparent (bottom-left) colour.
    const QRgb transparent = picture.pixel(0, picture.height() - 1);
    for (int cell = 0; cell < GetParam().cells; ++cell) {
        int shape = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = cell * 16; x < (cell + 1) * 16; ++x)
                shape += picture.pixel(x, y) != transparent ? 1 : 0;
        EXPECT_GT(shape, 20) << "cell " << cell;
        EXPECT_LT(shape, 16 * 16) << "cell " << cell;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, GlyphPictures,
    testing::Values(GlyphCase{"ok", 1, 1}, GlyphCase{"cancel", 2, 1},
                    GlyphCase{"submitAndClose", 3, 1}, GlyphCase{"clear", 4, 2},
                    GlyphCase{"submitAndStay", 5, 1}, GlyphCase{"dropDown", 6, 1},
                    GlyphCase{"lookup", 8, 1}, GlyphCase{"dateQuickPick", 9, 1},
                    GlyphCase{"commonPhrases", 11, 1}, GlyphCase{"queryDirectly", 12, 1},
                    GlyphCase{"designReport", 13, 1}, GlyphCase{"webReport", 14, 1},
                    GlyphCase{"periodic", 15, 1}, GlyphCase{"saveScheme", 21, 1},
                    GlyphCase{"openScheme", 22, 1}, GlyphCase{"deleteScheme", 23, 1},
                    GlyphCase{"viewStyle", 24, 1}, GlyphCase{"scheme", 25, 1},
                    GlyphCase{"users", 39, 1}, GlyphCase{"notification", 40, 1},
                    GlyphCase{"deleteRows", 47, 1}, GlyphCase{"department", 78, 1},
                    GlyphCase{"footerAndSignOff", 81, 1}),
    [](const testing::TestParamInfo<GlyphCase> &info) { return info.param.name; });

TEST(GlyphLibrary, HighestNumberIsTheLastPicture)
{
    EXPECT_EQ(GetMaxBmpID(), 81);
    QImage picture;
    EXPECT_TRUE(LoadBmp(&picture, GetMaxBmpID()));
    EXPECT_FALSE(LoadBmp(&picture, GetMaxBmpID() + 1));
}

TEST(GlyphLibrary, TheClearGlyphCarriesItsOwnDisabledCell)
{
    QImage picture;
    ASSERT_TRUE(LoadBmp(&picture, 4));
    EXPECT_NE(picture.copy(0, 0, 16, 16), picture.copy(16, 0, 16, 16));
}

TEST(GlyphLibrary, NumbersWithoutPictureLeaveTheBitmapAlone)
{
    struct Case {
        const char *name;
        int number;
    };
    const Case cases[] = {{"zero", 0}, {"negative", -8}, {"gap between pictures", 7},
                          {"beyond the highest", 82}, {"far beyond", 100000}};
    for (const Case &c : cases) {
        QImage bitmap(5, 5, QImage::Format_RGB32);
        bitmap.fill(Qt::red);
        const QImage before = bitmap;
        EXPECT_FALSE(LoadBmp(&bitmap, c.number)) << c.name;
        EXPECT_EQ(bitmap, before) << c.name;
    }
}

TEST(GlyphLibrary, NoBitmapIsRefused)
{
    EXPECT_FALSE(LoadBmp(nullptr, 8));
}

} // namespace
