#include "KtRadioButton.h"
#include "KtRadioGroup.h"
#include "LookupForm.h"

#include <QTest>

namespace {

// ---- TKtRadioButton ----

struct RadioPanel {
    Recorder recorder;
    TForm form;
    TPanel *panel = nullptr;
    TKtRadioButton *realTime = nullptr;
    TKtRadioButton *queue = nullptr;
    TRadioButton *plain = nullptr;
    TKtRadioButton *elsewhere = nullptr;

    RadioPanel()
    {
        form.SetBounds(0, 0, 300, 200);
        panel = new TPanel(&form, &form);
        panel->SetBounds(0, 0, 250, 100);
        realTime = make(panel, "rdoRealTime", "实时生成信息", 12);
        queue = make(panel, "rdoQueue", "放入工作队列", 28);
        plain = new TRadioButton(&form, panel);
        plain->SetName(QStringLiteral("rdoPlain"));
        plain->SetBounds(5, 44, 113, 17);
        plain->SetChecked(true);
        auto *other = new TPanel(&form, &form);
        other->SetBounds(0, 110, 250, 60);
        elsewhere = make(other, "rdoElsewhere", "别处", 5);
        elsewhere->SetChecked(true);
        recorder.log.clear();
        showActive(&form);
    }

    TKtRadioButton *make(QWidget *parent, const char *name, const char *caption, int top)
    {
        auto *button = new TKtRadioButton(&form, parent);
        button->SetName(QString::fromLatin1(name));
        button->SetCaption(QString::fromUtf8(caption));
        button->SetBounds(5, top, 150, 17);
        button->SetOnClick(recorder.handler("Click"));
        return button;
    }
};

TEST(KtRadioButton, ChecksExclusivelyAmongItsOwnClassOnOneParent)
{
    RadioPanel p;
    QTest::mouseClick(p.realTime, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(p.realTime->Checked());
    QTest::mouseClick(p.queue, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(p.queue->Checked());
    EXPECT_FALSE(p.realTime->Checked());
    EXPECT_TRUE(p.plain->Checked()) << "a radio button of another class";
    EXPECT_TRUE(p.elsewhere->Checked()) << "a button on another parent";
    EXPECT_EQ(p.recorder.log, (QStringList{"rdoRealTime.Click", "rdoQueue.Click"}));
}

TEST(KtRadioButton, ClickingTheCheckedButtonRaisesNothing)
{
    RadioPanel p;
    p.queue->SetChecked(true);
    p.recorder.log.clear();
    QTest::mouseClick(p.queue, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(p.queue->Checked());
    EXPECT_TRUE(p.recorder.log.isEmpty());
}

TEST(KtRadioButton, TabStopGoesWithTheCheck)
{
    RadioPanel p;
    EXPECT_FALSE(p.realTime->TabStop());
    p.realTime->SetChecked(true);
    EXPECT_TRUE(p.realTime->TabStop());
    p.queue->SetChecked(true);
    EXPECT_FALSE(p.realTime->TabStop());
    EXPECT_TRUE(p.queue->TabStop());
}

TEST(KtRadioButton, CheckingByCodeClicksUnlessClicksAreDisabled)
{
    RadioPanel p;
    p.realTime->SetChecked(true);
    EXPECT_EQ(p.recorder.log, QStringList{QStringLiteral("rdoRealTime.Click")});
    p.queue->SetClicksDisabled(true);
    p.queue->SetChecked(true);
    EXPECT_TRUE(p.queue->Checked());
    EXPECT_FALSE(p.realTime->Checked());
    EXPECT_EQ(p.recorder.log.size(), 1);
    p.queue->SetChecked(false);
    EXPECT_FALSE(p.queue->Checked());
    EXPECT_EQ(p.recorder.log.size(), 1) << "unchecking raises nothing";
}

TEST(KtRadioButton, AcceleratorOnlyFocuses)
{
    RadioPanel p;
    p.queue->SetCaption(QStringLiteral("放入工作队列(&Q)"));
    p.realTime->SetFocus();
    QTest::keyClick(&p.form, Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(p.queue->Focused());
    EXPECT_FALSE(p.queue->Checked());
    EXPECT_TRUE(p.recorder.log.isEmpty());
}

// The caption starts at an offset that grows with the font size.
struct OffsetCase {
    std::string name;
    int points;     // 0: use pixels
    int pixels;
    int offset;
};

class KtRadioCaption : public testing::TestWithParam<OffsetCase> {};

TEST_P(KtRadioCaption, DrawnFromTheOffsetOfItsFontSize)
{
    TForm form;
    auto *button = new TKtRadioButton(&form, &form);
    QFont font = button->Font();
    if (GetParam().points > 0)
        font.setPointSize(GetParam().points);
    else
        font.setPixelSize(GetParam().pixels);
    button->SetFont(font);
    button->SetColor(clWhite);
    button->SetCaption(QStringLiteral("H"));
    button->SetBounds(0, 0, 300, 150);
    form.show();
    const QImage image = button->grab().toImage();
    const int x = GetParam().offset;
    int firstInk = -1;
    for (int column = x - 4; column < image.width() && firstInk < 0; ++column) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(column, y) != QColor(Qt::white)) {
                firstInk = column;
                break;
            }
        }
    }
    const int bearing = std::max(0, QFontMetrics(button->Font()).leftBearing(QLatin1Char('H')));
    EXPECT_GE(firstInk, x);
    EXPECT_NEAR(firstInk, x + bearing, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, KtRadioCaption,
    testing::Values(OffsetCase{"points8", 8, 0, 17}, OffsetCase{"points9", 9, 0, 19},
                    OffsetCase{"points15", 15, 0, 19}, OffsetCase{"points16", 16, 0, 20},
                    OffsetCase{"points17", 17, 0, 20}, OffsetCase{"points18", 18, 0, 21},
                    OffsetCase{"points24", 24, 0, 23}, OffsetCase{"points30", 30, 0, 25},
                    OffsetCase{"points36", 36, 0, 27}, OffsetCase{"points42", 42, 0, 29},
                    OffsetCase{"points44", 44, 0, 31}, OffsetCase{"points61", 61, 0, 39},
                    OffsetCase{"points81", 81, 0, 44},
                    OffsetCase{"formFont13Pixels", 0, 13, 19}, OffsetCase{"pixels10", 0, 10, 17}),
    caseName<OffsetCase>);

// ---- TKtRadioGroup ----

struct Group {
    Recorder recorder;
    TForm form;
    TKtRadioGroup *group = nullptr;

    explicit Group(const QStringList &items, int columns = 1, QSize size = {185, 105})
    {
        form.SetBounds(0, 0, 400, 300);
        group = new TKtRadioGroup(&form, &form);
        group->SetName(QStringLiteral("rgKind"));
        QFont font = group->Font();
        font.setPixelSize(12);
        group->SetFont(font);
        group->SetBounds(10, 10, size.width(), size.height());
        group->SetColumns(columns);
        group->SetItems(items);
        group->SetOnClick(recorder.handler("Click"));
        showActive(&form);
    }
};

struct ArrangeCase {
    std::string name;
    int items;
    int columns;
    QSize size;
    std::vector<QRect> expected; // m = text height of the 12-pixel font (14), asserted below
};

class KtRadioGroupArrange : public testing::TestWithParam<ArrangeCase> {};

TEST_P(KtRadioGroupArrange, ButtonsInColumns)
{
    QStringList items;
    for (int i = 0; i < GetParam().items; ++i)
        items << QStringLiteral("选项%1").arg(i);
    Group g(items, GetParam().columns, GetParam().size);
    ASSERT_EQ(QFontMetrics(g.group->Font()).height(), 14) << "the table assumes m = 14";
    ASSERT_EQ(g.group->ButtonCount(), int(GetParam().expected.size()));
    for (int i = 0; i < g.group->ButtonCount(); ++i) {
        EXPECT_EQ(g.group->Buttons(i)->BoundsRect(), GetParam().expected[i]) << "button " << i;
        EXPECT_TRUE(g.group->Buttons(i)->Visible()) << "button " << i;
        EXPECT_EQ(g.group->Buttons(i)->Caption(), items[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, KtRadioGroupArrange,
    testing::Values(
        // h = 105 - 14 - 5 = 86; 3 per column: height 28, margin (86 mod 3) div 2 + 15 = 16.
        ArrangeCase{"threeInOneColumn", 3, 1, {185, 105}, {{8, 16, 175, 28}, {8, 44, 175, 28}, {8, 72, 175, 28}}},
        // 2 per column: height 43, margin 0 + 15; width (185 - 10) div 2 = 87.
        ArrangeCase{"threeInTwoColumns", 3, 2, {185, 105}, {{8, 15, 87, 43}, {8, 58, 87, 43}, {95, 15, 87, 43}}},
        // h = 100 - 19 = 81; 4 per column: height 20, margin (81 mod 4) div 2 + 15 = 15.
        ArrangeCase{"fourInOneColumn", 4, 1, {150, 100}, {{8, 15, 140, 20}, {8, 35, 140, 20}, {8, 55, 140, 20}, {8, 75, 140, 20}}},
        // 1 per column: width 150 div 3 = 50, h = 60 - 19 = 41.
        ArrangeCase{"moreColumnsThanItems", 2, 3, {160, 60}, {{8, 15, 50, 41}, {58, 15, 50, 41}}}),
    caseName<ArrangeCase>);

TEST(KtRadioGroup, MirroredRightToLeft)
{
    Group g({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")}, 2);
    g.group->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(g.group->Buttons(0)->BoundsRect(), QRect(185 - 8 - 87, 15, 87, 43));
    EXPECT_EQ(g.group->Buttons(2)->BoundsRect(), QRect(185 - 95 - 87, 15, 87, 43));
}

TEST(KtRadioGroup, RearrangesOnResizeAndColumns)
{
    Group g({QStringLiteral("甲"), QStringLiteral("乙")});
    g.group->SetBounds(10, 10, 110, 78);
    // h = 78 - 19 = 59, 2 per column: height 29, margin (59 mod 2) div 2 + 15 = 15.
    EXPECT_EQ(g.group->Buttons(1)->BoundsRect(), QRect(8, 44, 100, 29));
    g.group->SetColumns(2);
    EXPECT_EQ(g.group->Buttons(1)->BoundsRect(), QRect(58, 15, 50, 59));
}

TEST(KtRadioGroup, ColumnsAreLimited)
{
    Group g({QStringLiteral("甲")});
    g.group->SetColumns(0);
    EXPECT_EQ(g.group->Columns(), 1);
    g.group->SetColumns(20);
    EXPECT_EQ(g.group->Columns(), 16);
}

TEST(KtRadioGroup, ClickOnAButtonSetsItemIndexAndClicksTheGroup)
{
    Group g({QStringLiteral("每天"), QStringLiteral("每周"), QStringLiteral("每月")});
    EXPECT_EQ(g.group->ItemIndex(), -1);
    QTest::mouseClick(g.group->Buttons(1), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_EQ(g.group->ItemIndex(), 1);
    QTest::mouseClick(g.group->Buttons(2), Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_EQ(g.group->ItemIndex(), 2);
    EXPECT_FALSE(g.group->Buttons(1)->Checked());
    EXPECT_EQ(g.recorder.log, (QStringList{"rgKind.Click", "rgKind.Click"}));
}

TEST(KtRadioGroup, ItemIndexFromCode)
{
    struct Case {
        const char *name;
        int set;
        int expected;
        int clicks;
    };
    const Case cases[] = {{"second", 1, 1, 1}, {"beyond the last", 10, 2, 1},
                          {"below none", -5, -1, 0}, {"none", -1, -1, 0}};
    for (const Case &c : cases) {
        Group g({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
        g.group->SetItemIndex(c.set);
        EXPECT_EQ(g.group->ItemIndex(), c.expected) << c.name;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(g.group->Buttons(i)->Checked(), i == c.expected) << c.name << " button " << i;
        EXPECT_EQ(g.recorder.log.size(), c.clicks) << c.name;
    }
}

TEST(KtRadioGroup, FewerItemsDropButtonsAndKeepTheIndexInRange)
{
    Group g({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    g.group->SetItemIndex(2);
    g.recorder.log.clear();
    g.group->SetItems({QStringLiteral("子"), QStringLiteral("丑")});
    EXPECT_EQ(g.group->ButtonCount(), 2);
    EXPECT_EQ(g.group->ItemIndex(), 1);
    EXPECT_TRUE(g.group->Buttons(1)->Checked());
    EXPECT_EQ(g.group->Buttons(1)->Caption(), QStringLiteral("丑"));
    EXPECT_TRUE(g.recorder.log.isEmpty()) << "rebuilding the buttons clicks nothing";
}

TEST(KtRadioGroup, ButtonsFollowTheGroup)
{
    Group g({QStringLiteral("甲"), QStringLiteral("乙")});
    TKtGroupButton *button = g.group->Buttons(0);
    EXPECT_FALSE(button->ParentShowHint());
    EXPECT_EQ(button->Owner(), g.group);
    g.group->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    g.group->SetEnabled(true);
    EXPECT_TRUE(button->Enabled());
}

TEST(KtRadioGroup, KeysOnAButtonReachTheGroup)
{
    Group g({QStringLiteral("甲"), QStringLiteral("乙")});
    g.group->SetOnKeyDown(g.recorder.handler("KeyDown"));
    g.group->Buttons(0)->SetFocus();
    QTest::keyClick(g.group->Buttons(0), Qt::Key_F2);
    ASSERT_EQ(g.recorder.log.size(), 1);
    EXPECT_TRUE(g.recorder.log[0].startsWith(QStringLiteral("rgKind.KeyDown 113/")));
}

} // namespace
