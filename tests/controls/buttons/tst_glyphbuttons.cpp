#include "F2Button.h"
#include "GSpdBtn.h"
#include "GlyphLibrary.h"
#include "LookupForm.h"

#include <KtGlyphs.h>

#include <QTest>

#include <stdexcept>

namespace {

using ktr::controls::GlyphLibrary;
using ktr::controls::GlyphLibraryScope;

// ---- TGSpeedButton: glyph numbers against the real library ----

struct GlyphIndexCase {
    std::string name;
    std::vector<int> indexes; // assigned in this order to a new button
    QString caption;
    bool picture;
    int cells;
};

class GlyphIndex : public testing::TestWithParam<GlyphIndexCase> {};

TEST_P(GlyphIndex, PictureOrNumberAsCaption)
{
    AnsweredMessages messages;
    TGSpeedButton button;
    for (int index : GetParam().indexes)
        button.SetGlyphIndex(index);
    const int last = GetParam().indexes.empty() ? 0 : GetParam().indexes.back();
    EXPECT_EQ(button.GlyphIndex(), last);
    EXPECT_EQ(button.Caption(), GetParam().caption);
    EXPECT_EQ(!button.Glyph().isNull(), GetParam().picture);
    if (GetParam().picture) {
        EXPECT_EQ(button.NumGlyphs(), GetParam().cells);
    }
    EXPECT_TRUE(messages.texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Library, GlyphIndex,
    testing::Values(
        GlyphIndexCase{"newButton", {}, "", false, 1},
        GlyphIndexCase{"zeroOnNewButtonChangesNothing", {0}, "", false, 1},
        GlyphIndexCase{"fiveThenZero", {5, 0}, "0", false, 1},
        GlyphIndexCase{"lookup", {8}, "", true, 1},
        GlyphIndexCase{"clearHasTwoCells", {4}, "", true, 2},
        GlyphIndexCase{"highest", {81}, "", true, 1},
        GlyphIndexCase{"beyondHighest", {82}, "82", false, 1},
        GlyphIndexCase{"numberWithoutPicture", {7}, "7", false, 1},
        GlyphIndexCase{"pictureThenNumberWithout", {8, 7}, "7", false, 1},
        GlyphIndexCase{"negative", {-3}, "-3", false, 1},
        GlyphIndexCase{"pictureAfterMissingOne", {7, 9}, "", true, 1}),
    caseName<GlyphIndexCase>);

// ---- TGSpeedButton: cell counts and failures, with pictures of chosen sizes ----

GlyphLibrary pictureOfSize(QSize size)
{
    return {[] { return 100; },
            [size](QImage &bitmap, int) {
                bitmap = QImage(size, QImage::Format_RGB32);
                bitmap.fill(Qt::darkBlue);
                return true;
            }};
}

TEST(GlyphCells, CountIsWidthDividedByHeight)
{
    struct Case {
        const char *name;
        QSize size;
        int cells;
    };
    const Case cases[] = {{"two cells", {46, 23}, 2}, {"one cell", {23, 23}, 1},
                          {"three cells", {69, 23}, 3}, {"wider than one cell", {30, 23}, 1}};
    for (const Case &c : cases) {
        GlyphLibraryScope library(pictureOfSize(c.size));
        TGSpeedButton button;
        button.SetGlyphIndex(12);
        EXPECT_EQ(button.NumGlyphs(), c.cells) << c.name;
        EXPECT_EQ(button.Glyph().size(), c.size) << c.name;
        EXPECT_EQ(button.Caption(), QString()) << c.name;
    }
}

TEST(GlyphErrors, AreShownAsTheReadErrorAndNeverRaised)
{
    struct Case {
        const char *name;
        GlyphLibrary library;
    };
    const Case cases[] = {
        {"loading raises", {nullptr, [](QImage &, int) -> bool { throw std::runtime_error("bad file"); }}},
        {"highest number raises", {[]() -> int { throw std::runtime_error("no library"); }, nullptr}},
        {"empty picture reported as loaded", {[] { return 100; }, [](QImage &bitmap, int) {
             bitmap = QImage();
             return true;
         }}},
    };
    for (const Case &c : cases) {
        GlyphLibraryScope library(c.library);
        AnsweredMessages messages;
        TGSpeedButton button;
        EXPECT_NO_THROW(button.SetGlyphIndex(9)) << c.name;
        ASSERT_EQ(messages.messages().size(), 1) << c.name;
        EXPECT_EQ(messages.messages()[0].text, QStringLiteral("读取 BMP 发生错误")) << c.name;
        EXPECT_EQ(messages.messages()[0].type, mtError) << c.name;
        EXPECT_EQ(messages.messages()[0].buttons, TMsgDlgButtons(mbOK)) << c.name;
        EXPECT_EQ(button.GlyphIndex(), 9) << c.name;
        EXPECT_EQ(button.Caption(), QStringLiteral("9")) << c.name;
    }
}

TEST(GlyphButton, PublishesItsNumbers)
{
    TGSpeedButton button;
    ASSERT_TRUE(button.setProperty("GlyphIndex", 39));
    ASSERT_TRUE(button.setProperty("HintIndex", 7));
    EXPECT_EQ(button.GlyphIndex(), 39);
    EXPECT_EQ(button.HintIndex(), 7);
    EXPECT_FALSE(button.property("Glyph").value<QPixmap>().isNull());
}

// ---- TF2Button ----

TEST(F2Button, StartsFlatWithTheLookupGlyph)
{
    TF2Button button;
    EXPECT_TRUE(button.Flat());
    EXPECT_EQ(button.GlyphIndex(), 8);
    EXPECT_EQ(button.Caption(), QString());
    EXPECT_FALSE(button.Glyph().isNull());
    EXPECT_TRUE(button.AutoAlign());
    EXPECT_EQ(button.Gap(), 2);
    EXPECT_EQ(button.F2Control(), nullptr);
}

struct AlignCase {
    std::string name;
    QRect control;
    bool autoAlign;
    int gap;
    QRect expected; // the button starts at 5, 5, 23, 22
};

class F2Align : public testing::TestWithParam<AlignCase> {};

TEST_P(F2Align, SquareBesideTheControl)
{
    TForm form;
    auto *edit = new TEdit(&form, &form);
    const QRect c = GetParam().control;
    edit->SetBounds(c.x(), c.y(), c.width(), c.height());
    auto *button = new TF2Button(&form, &form);
    button->SetBounds(5, 5, 23, 22);
    button->SetAutoAlign(GetParam().autoAlign);
    button->SetGap(GetParam().gap);
    button->SetF2Control(edit);
    EXPECT_EQ(button->BoundsRect(), GetParam().expected);
    EXPECT_EQ(button->F2Control(), edit);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, F2Align,
    testing::Values(AlignCase{"dateOfChange", {121, 135, 79, 21}, true, 2, {202, 135, 21, 21}},
                    AlignCase{"remark", {95, 166, 183, 21}, true, 2, {280, 166, 21, 21}},
                    AlignCase{"gapZeroIsFlush", {10, 10, 100, 24}, true, 0, {110, 10, 24, 24}},
                    AlignCase{"wideGap", {10, 10, 100, 24}, true, 255, {365, 10, 24, 24}},
                    AlignCase{"autoAlignOffStaysPut", {121, 135, 79, 21}, false, 2, {5, 5, 23, 22}}),
    caseName<AlignCase>);

TEST(F2Button, FollowsOnlyWhenItsOwnPropertiesAreSet)
{
    TForm form;
    auto *edit = new TEdit(&form, &form);
    edit->SetBounds(10, 10, 100, 21);
    auto *button = new TF2Button(&form, &form);
    button->SetF2Control(edit);
    ASSERT_EQ(button->BoundsRect(), QRect(112, 10, 21, 21));

    edit->SetBounds(10, 50, 60, 24);
    EXPECT_EQ(button->BoundsRect(), QRect(112, 10, 21, 21)) << "moving the control";
    button->SetGap(2);
    EXPECT_EQ(button->BoundsRect(), QRect(112, 10, 21, 21)) << "the same gap again";
    button->SetGap(3);
    EXPECT_EQ(button->BoundsRect(), QRect(73, 50, 24, 24)) << "a new gap";

    button->SetAutoAlign(false);
    edit->SetBounds(0, 0, 40, 30);
    button->SetAutoAlign(true);
    EXPECT_EQ(button->BoundsRect(), QRect(43, 0, 30, 30)) << "AutoAlign switched on";
}

TEST(F2Button, GapIsAByte)
{
    TF2Button button;
    button.SetGap(300);
    EXPECT_EQ(button.Gap(), 255);
    button.SetGap(-4);
    EXPECT_EQ(button.Gap(), 0);
}

TEST(F2Button, SecondButtonOnTheSameControlIsRefused)
{
    AnsweredMessages messages;
    TForm form;
    auto *panel = new TPanel(&form, &form);
    auto *edit = new TEdit(&form, panel);
    edit->SetBounds(10, 10, 80, 21);
    auto *first = new TF2Button(panel, panel);
    auto *second = new TF2Button(panel, panel);
    second->SetBounds(0, 40, 23, 22);

    first->SetF2Control(edit);
    ASSERT_TRUE(messages.texts().isEmpty());
    second->SetF2Control(edit);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("不能同时有两个 F2Button 指到同一个 Edit.")});
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages()[0].type, mtError);
    EXPECT_EQ(messages.messages()[0].buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(second->F2Control(), nullptr);
    EXPECT_EQ(second->BoundsRect(), QRect(0, 40, 23, 22));
    EXPECT_EQ(first->F2Control(), edit);

    first->SetF2Control(edit);
    EXPECT_EQ(messages.texts().size(), 1) << "rebinding to the same control is silent";
    EXPECT_EQ(first->F2Control(), edit);

    first->SetF2Control(nullptr);
    second->SetF2Control(edit);
    EXPECT_EQ(second->F2Control(), edit) << "free again after the first let go";
}

TEST(F2Button, ForgetsAControlThatIsFreed)
{
    TForm form;
    auto *edit = new TEdit(&form, &form);
    auto *button = new TF2Button(&form, &form);
    button->SetF2Control(edit);
    ktr::platform::Free(edit);
    EXPECT_EQ(button->F2Control(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton); // nothing to ask for, nothing to crash on
}

// A click as the user makes it: the button's own handler first, then the lookup request.
struct ClickCase {
    std::string name;
    bool bound;
    bool enabled;
    bool visible;
    QStringList expected;
};

class F2Click : public testing::TestWithParam<ClickCase> {};

TEST_P(F2Click, AsksTheFormForTheLookupOfItsControl)
{
    Recorder recorder;
    LookupForm form(&recorder.log);
    auto *other = new TEdit(&form, &form);
    other->SetName(QStringLiteral("edOther"));
    auto *edit = new TEdit(&form, &form);
    edit->SetName(QStringLiteral("me07"));
    edit->SetBounds(121, 135, 79, 21);
    edit->SetEnabled(GetParam().enabled);
    edit->SetVisible(GetParam().visible);
    auto *button = new TF2Button(&form, &form);
    button->SetName(QStringLiteral("F2Button1"));
    button->SetBounds(202, 135, 21, 21);
    if (GetParam().bound)
        button->SetF2Control(edit);
    button->SetOnClick(recorder.handler("Click"));
    showActive(&form);
    other->SetFocus();

    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(recorder.log, GetParam().expected);
    if (!GetParam().expected.contains(QStringLiteral("lookup me07")))
        return;
    EXPECT_EQ(form.focusedAtRequest, edit);
    ASSERT_EQ(form.requests.size(), 1);
    EXPECT_EQ(form.requests[0], edit);
}

INSTANTIATE_TEST_SUITE_P(
    States, F2Click,
    testing::Values(
        ClickCase{"enabledControl", true, true, true, {"F2Button1.Click", "lookup me07"}},
        ClickCase{"disabledControl", true, false, true, {"F2Button1.Click"}},
        ClickCase{"hiddenControl", true, true, false, {"F2Button1.Click"}},
        ClickCase{"noControl", false, true, true, {"F2Button1.Click"}}),
    caseName<ClickCase>);

TEST(F2Button, RequestGoesToTheFormOwningTheControl)
{
    QStringList log;
    LookupForm owner(&log);
    LookupForm shownOn(nullptr);
    auto *edit = new TEdit(&owner, &shownOn);
    edit->SetName(QStringLiteral("edPrintDate"));
    auto *button = new TF2Button(&shownOn, &shownOn);
    button->SetF2Control(edit);
    showActive(&shownOn);

    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(log, QStringList{QStringLiteral("lookup edPrintDate")});
    EXPECT_TRUE(shownOn.requests.isEmpty());
}

} // namespace
