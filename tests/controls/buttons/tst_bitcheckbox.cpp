#include "BtChkBox.h"
#include "LookupForm.h"

#include <QPainter>
#include <QTest>

namespace {

TEST(BitCheckBox, StartsUncheckedWithTheModulePictures)
{
    TBitCheckBox box;
    EXPECT_EQ(box.size(), QSize(97, 17));
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_FALSE(box.Checked());
    EXPECT_FALSE(box.AllowGrayed());
    EXPECT_EQ(box.Alignment(), taRightJustify);
    EXPECT_TRUE(box.TabStop());
    EXPECT_TRUE(box.Ctl3D());
    for (const QPixmap &picture : {box.CheckedGlyph(), box.UncheckedGlyph(), box.GrayedGlyph()})
        EXPECT_EQ(picture.size(), QSize(19, 14));
    EXPECT_NE(box.CheckedGlyph().toImage(), box.UncheckedGlyph().toImage());
    EXPECT_NE(box.GrayedGlyph().toImage(), box.CheckedGlyph().toImage());
    EXPECT_EQ(box.CheckedNumGlyphs(), 1);
    EXPECT_EQ(box.UncheckedNumGlyphs(), 1);
    EXPECT_EQ(box.GrayedNumGlyphs(), 1);
}

struct ClickCase {
    std::string name;
    bool allowGrayed;
    std::vector<TCheckBoxState> afterEachClick;
};

class BitCheckBoxClicks : public testing::TestWithParam<ClickCase> {};

TEST_P(BitCheckBoxClicks, ToggleRaiseClickAndFocus)
{
    Recorder recorder;
    TForm form;
    auto *other = new TEdit(&form, &form);
    auto *box = new TBitCheckBox(&form, &form);
    box->SetName(QStringLiteral("chkNotify"));
    box->SetBounds(10, 162, 120, 17);
    box->SetCaption(QStringLiteral("完成后通知"));
    box->SetAllowGrayed(GetParam().allowGrayed);
    box->SetOnClick(recorder.handler("Click"));
    showActive(&form);
    other->SetFocus();
    int clicks = 0;
    for (TCheckBoxState expected : GetParam().afterEachClick) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 8));
        ++clicks;
        EXPECT_EQ(box->State(), expected) << "after click " << clicks;
        EXPECT_EQ(box->Checked(), expected == cbChecked) << "after click " << clicks;
    }
    EXPECT_EQ(recorder.log.size(), clicks);
    EXPECT_EQ(recorder.log.value(0), QStringLiteral("chkNotify.Click"));
    EXPECT_TRUE(box->Focused());
}

INSTANTIATE_TEST_SUITE_P(
    Cycles, BitCheckBoxClicks,
    testing::Values(ClickCase{"withGrayed", true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
                    ClickCase{"withoutGrayed", false, {cbChecked, cbUnchecked, cbChecked, cbUnchecked}}),
    caseName<ClickCase>);

TEST(BitCheckBox, SpaceActsAsAClick)
{
    Recorder recorder;
    TForm form;
    auto *box = new TBitCheckBox(&form, &form);
    box->SetName(QStringLiteral("chkView"));
    box->SetOnClick(recorder.handler("Click"));
    showActive(&form);
    box->SetFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(recorder.log, QStringList{QStringLiteral("chkView.Click")});
}

TEST(BitCheckBox, AcceleratorFocusesAndTogglesWithoutClick)
{
    Recorder recorder;
    TForm form;
    auto *other = new TEdit(&form, &form);
    auto *box = new TBitCheckBox(&form, &form);
    box->SetCaption(QStringLiteral("生成报表(&R)"));
    box->SetOnClick(recorder.handler("Click"));
    showActive(&form);
    other->SetFocus();
    QTest::keyClick(&form, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(box->Focused());
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(recorder.log.isEmpty());
}

TEST(BitCheckBox, CodeChangesRaiseNoClick)
{
    Recorder recorder;
    TBitCheckBox box;
    box.SetOnClick(recorder.handler("Click"));
    box.SetChecked(true);
    EXPECT_EQ(box.State(), cbChecked);
    box.SetState(cbGrayed);
    EXPECT_FALSE(box.Checked());
    ASSERT_TRUE(box.setProperty("State", QVariant::fromValue(cbUnchecked)));
    box.Toggle();
    EXPECT_EQ(box.State(), cbChecked);
    EXPECT_TRUE(recorder.log.isEmpty());
}

// A picture of `cells` 14 x 14 cells (plus `extra` columns) on a fuchsia ground, cell k
// holding a block of colours[k].
QPixmap cellsPicture(int width, int height, const QList<QColor> &colours)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    const int cellWidth = colours.isEmpty() ? width : width / int(colours.size());
    for (int k = 0; k < colours.size(); ++k)
        painter.fillRect(k * cellWidth + 3, 3, cellWidth - 6, height - 6, colours[k]);
    painter.end();
    return QPixmap::fromImage(image);
}

struct CellCase {
    std::string name;
    QSize picture;
    int before;
    int expected;
};

class BitCheckBoxCells : public testing::TestWithParam<CellCase> {};

TEST_P(BitCheckBoxCells, CountFromWholeMultiplesOfTheHeight)
{
    TBitCheckBox box;
    box.SetCheckedNumGlyphs(GetParam().before);
    box.SetCheckedGlyph(cellsPicture(GetParam().picture.width(), GetParam().picture.height(), {}));
    EXPECT_EQ(box.CheckedNumGlyphs(), GetParam().expected);
    EXPECT_EQ(box.CheckedGlyph().size(), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BitCheckBoxCells,
    testing::Values(CellCase{"twoSquareCells", {28, 14}, 1, 2},
                    CellCase{"oneSquareCell", {14, 14}, 2, 1},
                    CellCase{"threeCellsLimitedToTwo", {42, 14}, 1, 2},
                    CellCase{"moduleSizeKeepsOne", {19, 14}, 1, 1},
                    CellCase{"moduleSizeKeepsTwo", {19, 14}, 2, 2},
                    CellCase{"twiceTheModuleWidthKeeps", {38, 14}, 1, 1}),
    caseName<CellCase>);

TEST(BitCheckBox, CellCountsAreLimited)
{
    struct Case {
        const char *name;
        int value;
        int expected;
    };
    const Case cases[] = {{"five", 5, 2}, {"zero", 0, 1}, {"negative", -3, 1}, {"two", 2, 2}};
    for (const Case &c : cases) {
        TBitCheckBox box;
        box.SetCheckedNumGlyphs(c.value);
        box.SetUncheckedNumGlyphs(c.value);
        box.SetGrayedNumGlyphs(c.value);
        EXPECT_EQ(box.CheckedNumGlyphs(), c.expected) << c.name;
        EXPECT_EQ(box.UncheckedNumGlyphs(), c.expected) << c.name;
        EXPECT_EQ(box.GrayedNumGlyphs(), c.expected) << c.name;
    }
}

TEST(BitCheckBox, NoPicturePutsTheModulePictureBack)
{
    TBitCheckBox box;
    const QImage module = box.GrayedGlyph().toImage();
    box.SetGrayedGlyph(cellsPicture(28, 14, {Qt::red, Qt::blue}));
    ASSERT_EQ(box.GrayedNumGlyphs(), 2);
    box.SetGrayedGlyph(QPixmap());
    EXPECT_EQ(box.GrayedGlyph().toImage(), module);
    EXPECT_EQ(box.GrayedNumGlyphs(), 2) << "the module picture is no multiple; the count stays";
}

// ---- painting ----

struct PaintCase {
    std::string name;
    TAlignment alignment;
    bool enabled;
    QColor expected; // in the middle of the picture cell
};

class BitCheckBoxPaint : public testing::TestWithParam<PaintCase> {};

TEST_P(BitCheckBoxPaint, CellBySideAndEnabledState)
{
    TForm form;
    auto *box = new TBitCheckBox(&form, &form);
    box->SetBounds(0, 0, 120, 20);
    box->SetColor(clWhite);
    box->SetAlignment(GetParam().alignment);
    box->SetCheckedGlyph(cellsPicture(28, 14, {Qt::red, Qt::blue}));
    box->SetChecked(true);
    box->SetEnabled(GetParam().enabled);
    form.show();
    const QImage image = box->grab().toImage();
    const int cellLeft = GetParam().alignment == taRightJustify ? 0 : 120 - 14;
    EXPECT_EQ(image.pixelColor(cellLeft + 7, 10), GetParam().expected);
    EXPECT_EQ(image.pixelColor(cellLeft + 1, 10), QColor(Qt::white)) << "transparent colour left out";
    EXPECT_EQ(image.pixelColor(GetParam().alignment == taRightJustify ? 113 : 6, 10), QColor(Qt::white))
        << "nothing on the other side";
}

INSTANTIATE_TEST_SUITE_P(
    Cells, BitCheckBoxPaint,
    testing::Values(PaintCase{"rightJustifyEnabled", taRightJustify, true, Qt::red},
                    PaintCase{"rightJustifyDisabled", taRightJustify, false, Qt::blue},
                    PaintCase{"leftJustifyEnabled", taLeftJustify, true, Qt::red},
                    PaintCase{"leftJustifyDisabled", taLeftJustify, false, Qt::blue}),
    caseName<PaintCase>);

// Columns holding something other than the background colour.
QList<int> inkedColumns(const QImage &image, const QColor &background)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != background) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

TEST(BitCheckBox, CaptionStartsBesideTheCell)
{
    struct Case {
        const char *name;
        TAlignment alignment;
        int firstColumn; // leftmost column the caption may use
    };
    const Case cases[] = {{"right justify", taRightJustify, 14 + 4}, {"left justify", taLeftJustify, 1}};
    for (const Case &c : cases) {
        TForm form;
        auto *box = new TBitCheckBox(&form, &form);
        box->SetBounds(0, 0, 160, 20);
        box->SetColor(clWhite);
        box->SetAlignment(c.alignment);
        box->SetUncheckedGlyph(cellsPicture(14, 14, {}));
        box->SetCaption(QStringLiteral("更新公积金基数"));
        form.show();
        const QImage image = box->grab().toImage();
        const QRect caption = box->CaptionRect();
        EXPECT_EQ(caption.left(), c.firstColumn) << c.name;
        EXPECT_EQ(caption.height(), QFontMetrics(box->Font()).height() + 3) << c.name;
        const QList<int> ink = inkedColumns(image.copy(c.alignment == taRightJustify ? 14 : 0, 0, 146, 20),
                                            Qt::white);
        ASSERT_FALSE(ink.isEmpty()) << c.name;
        const int firstInk = ink.front() + (c.alignment == taRightJustify ? 14 : 0);
        EXPECT_GE(firstInk, c.firstColumn) << c.name;
        EXPECT_LE(firstInk, c.firstColumn + 2) << c.name;
    }
}

TEST(BitCheckBox, FocusRectangleAroundTheCaption)
{
    TForm form;
    auto *other = new TEdit(&form, &form);
    auto *box = new TBitCheckBox(&form, &form);
    box->SetBounds(10, 10, 120, 20);
    box->SetCaption(QStringLiteral("直接打印"));
    showActive(&form);
    other->SetFocus();
    const QImage unfocused = box->grab().toImage();
    box->SetFocus();
    const QImage focused = box->grab().toImage();
    const QRect frame = box->CaptionRect().adjusted(-1, -1, 1, 1).intersected(box->rect());
    bool changed = false;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixel(x, y) == unfocused.pixel(x, y))
                continue;
            changed = true;
            EXPECT_TRUE(frame.contains(x, y) && !frame.adjusted(1, 1, -1, -1).contains(x, y))
                << x << "," << y;
        }
    }
    EXPECT_TRUE(changed);
}

TEST(BitCheckBox, DisabledCaptionIsGreyWithAHighlightShadow)
{
    struct Case {
        const char *name;
        bool ctl3D;
        bool highlight;
    };
    const Case cases[] = {{"3D look", true, true}, {"flat look", false, false}};
    for (const Case &c : cases) {
        TForm form;
        auto *box = new TBitCheckBox(&form, &form);
        box->SetBounds(0, 0, 160, 20);
        box->SetColor(clBlack);
        box->SetCaption(QStringLiteral("直接打印"));
        box->SetCtl3D(c.ctl3D);
        box->SetEnabled(false);
        form.show();
        const QImage image = box->grab().toImage().copy(box->CaptionRect().adjusted(0, 0, 2, 2));
        const QRgb grey = ktr::platform::toQColor(clGrayText).rgb();
        const QRgb light = ktr::platform::toQColor(clBtnHighlight).rgb();
        bool hasGrey = false;
        bool hasLight = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                hasGrey = hasGrey || image.pixel(x, y) == grey;
                hasLight = hasLight || image.pixel(x, y) == light;
            }
        }
        EXPECT_TRUE(hasGrey) << c.name;
        EXPECT_EQ(hasLight, c.highlight) << c.name;
    }
}

} // namespace
