#include "DisabledGlyph.h"

#include <gtest/gtest.h>

using ktr::GlyphColours;

namespace {

const QRgb kTransparent = qRgb(255, 0, 255);
const GlyphColours kColours{QColor(200, 200, 200), QColor(255, 255, 255), QColor(100, 100, 100)};

// A 7x7 glyph on the transparent colour with a 5x5 block of `fill` in its middle.
QImage blockGlyph(QRgb fill)
{
    QImage g(7, 7, QImage::Format_RGB888);
    g.fill(QColor::fromRgb(kTransparent));
    for (int y = 1; y <= 5; ++y)
        for (int x = 1; x <= 5; ++x)
            g.setPixel(x, y, fill);
    return g;
}

TEST(DisabledGlyph, AllTransparentGivesAPlainFace)
{
    QImage g(6, 4, QImage::Format_RGB888);
    g.fill(QColor::fromRgb(kTransparent));
    const QImage d = ktr::makeDisabledImage(g, kColours);
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x)
            ASSERT_EQ(d.pixel(x, y), kColours.face.rgb()) << x << "," << y;
}

// Dark pixels (sum below 384) are part of the shape everywhere; light ones only on the
// outline next to the transparent colour.
TEST(DisabledGlyph, DarknessThresholdAndOutline)
{
    struct Case {
        const char *name;
        QRgb fill;
        bool centreMarked;
    } cases[] = {{"sum 383 is dark", qRgb(128, 128, 127), true},
                 {"sum 384 is light", qRgb(128, 128, 128), false},
                 {"black", qRgb(0, 0, 0), true},
                 {"white", qRgb(255, 255, 255), false}};
    for (const Case &c : cases) {
        const QImage d = ktr::makeDisabledImage(blockGlyph(c.fill), kColours);
        EXPECT_EQ(d.pixel(3, 3) == kColours.shadow.rgb(), c.centreMarked) << c.name;
        EXPECT_EQ(d.pixel(1, 1), kColours.shadow.rgb()) << c.name << ": outline pixel";
        // Below-right of the shape's last row the highlight edge shows.
        EXPECT_EQ(d.pixel(6, 6), kColours.highlight.rgb()) << c.name;
        EXPECT_EQ(d.pixel(0, 0), kColours.face.rgb()) << c.name;
    }
}

TEST(DisabledGlyph, DoubledGlyphKeepsTheOriginalOnTheLeft)
{
    const QImage g = blockGlyph(qRgb(10, 20, 30));
    const QImage doubled = ktr::makeDoubledGlyph(g, kColours);
    ASSERT_EQ(doubled.size(), QSize(14, 7));
    EXPECT_EQ(doubled.copy(0, 0, 7, 7), g);
    EXPECT_EQ(doubled.copy(7, 0, 7, 7), ktr::makeDisabledImage(g, kColours));
    EXPECT_TRUE(ktr::makeDoubledGlyph(QImage()).isNull());
}

} // namespace
