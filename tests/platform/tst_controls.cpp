#include "TestSupport.h"

#include <QHeaderView>
#include <QMenu>
#include <QTabBar>
#include <QTest>

namespace {

// Published names the forms, schemes and language packages address.
struct PublishedCase {
    std::string name;
    std::function<QObject *()> make;
    QStringList properties;
};

class Published : public testing::TestWithParam<PublishedCase> {};

TEST_P(Published, PropertiesExistUnderTheirNames)
{
    std::unique_ptr<QObject> object(GetParam().make());
    for (const QString &property : GetParam().properties)
        EXPECT_GE(object->metaObject()->indexOfProperty(property.toLatin1()), 0) << property.toStdString();
}

const QStringList kCommon{"Name", "Tag", "Left", "Top", "Width", "Height", "Align", "Visible",
                          "Enabled", "Color", "Font", "Hint", "ShowHint", "OnClick"};

INSTANTIATE_TEST_SUITE_P(
    Classes, Published,
    testing::Values(
        PublishedCase{"Label", [] { return new TLabel; }, kCommon + QStringList{"Caption", "AutoSize", "Alignment", "Layout", "FocusControl"}},
        PublishedCase{"Edit", [] { return new TEdit; }, kCommon + QStringList{"Text", "ReadOnly", "MaxLength", "ImeName", "TabOrder", "TabStop", "OnEnter", "OnExit", "OnChange", "OnKeyDown", "OnKeyPress"}},
        PublishedCase{"MaskEdit", [] { return new TMaskEdit; }, QStringList{"EditMask", "Text", "ImeName", "OnExit"}},
        PublishedCase{"SpinEdit", [] { return new TSpinEdit; }, QStringList{"Value", "MinValue", "MaxValue", "Increment", "Text", "ImeName", "OnChange"}},
        PublishedCase{"ComboBox", [] { return new TComboBox; }, QStringList{"Items", "ItemIndex", "Text", "Style", "ImeName", "OnChange"}},
        PublishedCase{"Memo", [] { return new TMemo; }, QStringList{"Lines", "Text", "WantReturns", "ImeName", "OnChange"}},
        PublishedCase{"CheckBox", [] { return new TCheckBox; }, QStringList{"Caption", "Checked", "State", "AllowGrayed", "Alignment"}},
        PublishedCase{"RadioButton", [] { return new TRadioButton; }, QStringList{"Caption", "Checked"}},
        PublishedCase{"Panel", [] { return new TPanel; }, QStringList{"Caption", "BevelOuter", "Alignment", "OnEnter", "OnExit"}},
        PublishedCase{"GroupBox", [] { return new TGroupBox; }, QStringList{"Caption", "OnExit"}},
        PublishedCase{"PageControl", [] { return new TPageControl; }, QStringList{"ActivePageIndex", "OnChange", "OnChanging"}},
        PublishedCase{"BitBtn", [] { return new TBitBtn; }, QStringList{"Caption", "Kind", "ModalResult", "Cancel", "Default", "Glyph", "NumGlyphs"}},
        PublishedCase{"SpeedButton", [] { return new TSpeedButton; }, QStringList{"Caption", "Glyph", "NumGlyphs", "Flat", "GroupIndex", "Down"}},
        PublishedCase{"Form", [] { return new TForm; }, QStringList{"Caption", "ModalResult", "KeyPreview", "WindowState", "OnCreate", "OnShow", "OnHide", "OnClose", "OnDestroy", "OnKeyDown", "OnKeyPress", "OnActivate", "OnResize"}}),
    caseName<PublishedCase>);

TEST(Controls, EnumerationsAreWrittenByName)
{
    TPanel panel;
    ASSERT_TRUE(panel.setProperty("Align", QVariant::fromValue(alClient)));
    EXPECT_EQ(panel.Align(), alClient);
    EXPECT_EQ(ktr::platform::enumName(panel.Align()), QStringLiteral("alClient"));
    EXPECT_EQ(ktr::platform::enumValue<TAlign>(QStringLiteral("ALTOP")), alTop);
    EXPECT_FALSE(ktr::platform::enumValue<TAlign>(QStringLiteral("alMiddle")).has_value());
    const QMetaProperty property =
        panel.metaObject()->property(panel.metaObject()->indexOfProperty("BevelOuter"));
    EXPECT_STREQ(property.enumerator().valueToKey(bvRaised), "bvRaised");
}

struct AlignCase {
    std::string name;
    std::vector<std::pair<TAlign, QRect>> children; // alignment, bounds before
    std::vector<QRect> expected;
    QRect lastAfterWidening; // the last child once the container is 300 wide
};

class Alignment : public testing::TestWithParam<AlignCase> {};

TEST_P(Alignment, ContainerLaysOutAlignedChildren)
{
    TForm form;
    auto *panel = new TPanel(&form, &form);
    panel->SetBevelOuter(bvNone);
    panel->SetBounds(0, 0, 200, 100);
    std::vector<TPanel *> children;
    for (const auto &[align, bounds] : GetParam().children) {
        auto *child = new TPanel(&form, panel);
        child->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        child->SetAlign(align);
        children.push_back(child);
    }
    for (std::size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->BoundsRect(), GetParam().expected[i]) << i;
    panel->SetBounds(0, 0, 300, 100);
    EXPECT_EQ(children.back()->BoundsRect(), GetParam().lastAfterWidening);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Alignment,
    testing::Values(
        AlignCase{"TopBottomClient",
                  {{alTop, QRect(0, 0, 10, 20)}, {alBottom, QRect(0, 0, 10, 30)}, {alClient, QRect(5, 5, 5, 5)}},
                  {QRect(0, 0, 200, 20), QRect(0, 70, 200, 30), QRect(0, 20, 200, 50)},
                  QRect(0, 20, 300, 50)},
        AlignCase{"LeftRightClient",
                  {{alLeft, QRect(0, 0, 40, 10)}, {alRight, QRect(0, 0, 20, 10)}, {alClient, QRect(0, 0, 1, 1)}},
                  {QRect(0, 0, 40, 100), QRect(180, 0, 20, 100), QRect(40, 0, 140, 100)},
                  QRect(40, 0, 240, 100)},
        AlignCase{"TopsStackInOrder",
                  {{alTop, QRect(0, 50, 10, 10)}, {alTop, QRect(0, 0, 10, 15)}, {alNone, QRect(7, 8, 9, 10)}},
                  {QRect(0, 0, 200, 10), QRect(0, 10, 200, 15), QRect(7, 8, 9, 10)},
                  QRect(7, 8, 9, 10)},
        AlignCase{"TopThenLeftThenClient",
                  {{alTop, QRect(0, 0, 1, 25)}, {alLeft, QRect(0, 0, 60, 1)}, {alClient, QRect(0, 0, 1, 1)}},
                  {QRect(0, 0, 200, 25), QRect(0, 25, 60, 75), QRect(60, 25, 140, 75)},
                  QRect(60, 25, 240, 75)}),
    caseName<AlignCase>);

TEST(Controls, HiddenAlignedChildGivesUpItsSpace)
{
    TPanel panel;
    panel.SetBevelOuter(bvNone);
    panel.SetBounds(0, 0, 200, 100);
    auto *top = new TPanel(&panel, &panel);
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto *client = new TPanel(&panel, &panel);
    client->SetAlign(alClient);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 30, 200, 70));
    top->SetVisible(false);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 0, 200, 100));
    EXPECT_FALSE(top->Visible());
}

struct ShowWithParentCase {
    std::string name;
    bool parentShownFirst; // the control is made on a form already showing
    bool hiddenByCode;     // Hide() before the form shows
};

class ShowWithParent : public testing::TestWithParam<ShowWithParentCase> {};

// A control shows with its parent unless hidden by code, and at the size it was given: Qt
// sizes a child it shows by its contents unless the child was shown explicitly.
TEST_P(ShowWithParent, ControlShowsWithItsParentAtItsOwnSize)
{
    TForm form;
    form.resize(400, 300);
    if (GetParam().parentShownFirst)
        form.show();
    auto *box = new TWinControl(&form, &form);
    auto *inner = new TEdit(&form, box);
    inner->SetBounds(150, 80, 121, 21); // outside the box's default size
    const QSize size = box->size();
    if (GetParam().hiddenByCode)
        box->Hide();
    form.show();
    const bool shown = !GetParam().hiddenByCode;
    EXPECT_EQ(box->Visible(), shown);
    EXPECT_EQ(box->isVisible(), shown);
    EXPECT_EQ(inner->isVisible(), shown);
    EXPECT_EQ(box->size(), size);
}

INSTANTIATE_TEST_SUITE_P(
    Parents, ShowWithParent,
    testing::Values(ShowWithParentCase{"MadeOnHiddenParent", false, false},
                    ShowWithParentCase{"MadeOnShowingParent", true, false},
                    ShowWithParentCase{"HiddenOnHiddenParent", false, true},
                    ShowWithParentCase{"HiddenOnShowingParent", true, true}),
    caseName<ShowWithParentCase>);

struct RadioCase {
    std::string name;
    bool byClick;
};

class RadioExclusive : public testing::TestWithParam<RadioCase> {};

TEST_P(RadioExclusive, CheckingOneUnchecksTheOthersOfTheSameParent)
{
    TForm form;
    Recorder recorder;
    auto *panel = new TPanel(&form, &form);
    auto *other = new TPanel(&form, &form);
    auto make = [&](QWidget *parent, const char *name) {
        auto *radio = new TRadioButton(&form, parent);
        radio->SetName(QString::fromLatin1(name));
        radio->SetOnClick(recorder.handler("Click"));
        return radio;
    };
    TRadioButton *a = make(panel, "rdoA");
    TRadioButton *b = make(panel, "rdoB");
    TRadioButton *elsewhere = make(other, "rdoC");
    elsewhere->SetChecked(true);
    a->SetChecked(true);
    recorder.log.clear();
    showActive(&form);
    if (GetParam().byClick)
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
    else
        b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_EQ(recorder.log, QStringList{"rdoB.Click"});
    if (GetParam().byClick) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
        EXPECT_TRUE(b->Checked()); // a click never unchecks
    } else {
        b->SetChecked(false);
        EXPECT_FALSE(b->Checked()); // code may
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, RadioExclusive,
                         testing::Values(RadioCase{"ByClick", true}, RadioCase{"ByCode", false}),
                         caseName<RadioCase>);

struct CheckCycleCase {
    std::string name;
    bool allowGrayed;
    std::vector<TCheckBoxState> states; // after each click
};

class CheckBoxCycle : public testing::TestWithParam<CheckCycleCase> {};

TEST_P(CheckBoxCycle, ClicksStepThroughTheStates)
{
    TForm form;
    Recorder recorder;
    auto *box = new TCheckBox(&form, &form);
    box->SetName(QStringLiteral("chk"));
    box->SetAllowGrayed(GetParam().allowGrayed);
    box->SetOnClick(recorder.handler("Click"));
    showActive(&form);
    for (TCheckBoxState expected : GetParam().states) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        EXPECT_EQ(box->State(), expected);
        EXPECT_EQ(box->Checked(), expected == cbChecked);
    }
    EXPECT_EQ(recorder.log.size(), qsizetype(GetParam().states.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cycles, CheckBoxCycle,
    testing::Values(CheckCycleCase{"WithGrayed", true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
                    CheckCycleCase{"WithoutGrayed", false, {cbChecked, cbUnchecked, cbChecked}}),
    caseName<CheckCycleCase>);

TEST(Controls, CheckBoxChangedByCodeRaisesOnClickUnlessClicksDisabled)
{
    Recorder recorder;
    TCheckBox box;
    box.SetName(QStringLiteral("chk"));
    box.SetOnClick(recorder.handler("Click"));
    box.SetChecked(true);
    box.SetChecked(true); // no change, no click
    box.SetClicksDisabled(true);
    box.SetChecked(false);
    EXPECT_EQ(recorder.log, QStringList{"chk.Click"});
}

class PageControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        pages = new TPageControl(&form, &form);
        pages->SetName(QStringLiteral("pg"));
        pages->SetBounds(0, 0, 300, 200);
        for (const char *name : {"ts1", "ts2", "ts3"}) {
            auto *sheet = new TTabSheet(&form, pages);
            sheet->SetName(QString::fromLatin1(name));
            sheet->SetCaption(QString::fromLatin1(name));
            sheets.push_back(sheet);
        }
        pages->SetOnChange(recorder.handler("Change"));
        pages->SetOnChanging(recorder.handler("Changing"));
        showActive(&form);
    }
    void clickTab(int index)
    {
        QTabBar *bar = pages->findChild<QTabBar *>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    TForm form;
    TPageControl *pages = nullptr;
    std::vector<TTabSheet *> sheets;
    Recorder recorder;
};

TEST_F(PageControlTest, TabClickAsksOnChangingThenChanges)
{
    clickTab(2);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(recorder.log, (QStringList{"pg.Changing", "pg.Change"}));
}

TEST_F(PageControlTest, RefusedChangeKeepsThePage)
{
    recorder.allowChange = false;
    clickTab(1);
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(recorder.log, (QStringList{"pg.Changing", "pg.Changing"}));
}

TEST_F(PageControlTest, SelectNextPageWrapsAndSkipsHiddenTabs)
{
    sheets[1]->SetTabVisible(false);
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    pages->SelectNextPage(true);
    EXPECT_EQ(pages->ActivePage(), sheets[0]); // wraps around
    pages->SelectNextPage(false);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(pages->TabIndex(), 1);
    EXPECT_EQ(pages->PageForTab(1), sheets[2]);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    EXPECT_EQ(sheets[1]->TabIndex(), -1);
}

TEST_F(PageControlTest, CtrlTabInsideAPageMovesToTheNextPage)
{
    auto *edit = new TEdit(&form, sheets[0]);
    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(recorder.log, (QStringList{"pg.Changing", "pg.Change"}));
}

TEST_F(PageControlTest, TabWalksTheControlsOfTheActivePageOnly)
{
    auto *first = new TEdit(&form, sheets[0]);
    auto *second = new TEdit(&form, sheets[0]);
    new TEdit(&form, sheets[1]); // on a page that is not shown
    auto *after = new TEdit(&form, &form);
    EXPECT_EQ(pages->ControlCount(), 3);
    EXPECT_EQ(pages->Controls(1), sheets[1]);
    EXPECT_EQ(sheets[0]->ControlCount(), 2);
    first->SetFocus();
    const QWidget *expected[] = {second, after, pages, first};
    for (const QWidget *next : expected) {
        QTest::keyClick(form.ActiveControl(), Qt::Key_Tab);
        EXPECT_EQ(form.ActiveControl(), next);
    }
}

TEST_F(PageControlTest, SettingActivePageByCodeRaisesNothing)
{
    pages->SetActivePageIndex(2);
    pages->SetActivePage(sheets[1]);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(recorder.log.isEmpty());
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->Pages(2), sheets[2]);
    EXPECT_EQ(sheets[2]->Parent(), pages);
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_TRUE(sheets[1]->Visible());
}

TEST(Controls, ListViewRowsColumnsSelectionAndSorting)
{
    TForm form;
    Recorder recorder;
    auto *list = new TListView(&form, &form);
    list->SetName(QStringLiteral("lst"));
    list->SetViewStyle(vsReport);
    list->SetMultiSelect(true);
    list->SetReadOnly(true);
    list->SetShowColumnHeaders(true);
    list->SetBounds(0, 0, 300, 200);
    list->Columns().Add()->SetCaption(QStringLiteral("Code"));
    list->Columns().Add()->SetCaption(QStringLiteral("Name"));
    list->Columns().Items(1)->SetWidth(120);
    for (const auto &[caption, sub] : {std::pair{"b", "two"}, {"C", "three"}, {"a", "one"}}) {
        TListItem *item = list->Items().Add();
        item->SetCaption(QString::fromLatin1(caption));
        item->SubItems().Add(QString::fromLatin1(sub));
    }
    EXPECT_EQ(list->Items().Count(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("three"));
    EXPECT_EQ(list->header()->sectionSize(1), 120);

    list->AlphaSort();
    QStringList order;
    for (int i = 0; i < list->Items().Count(); ++i)
        order.append(list->Items()[i]->Caption() + list->Items()[i]->SubItems()[0]);
    EXPECT_EQ(order, (QStringList{"aone", "btwo", "Cthree"}));

    list->CustomSort([](const TListItem *x, const TListItem *y) {
        return QString::compare(y->SubItems()[0], x->SubItems()[0]);
    });
    EXPECT_EQ(list->Items()[0]->Caption(), QStringLiteral("b"));

    list->Items()[0]->SetSelected(true);
    list->Items()[2]->SetSelected(true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(list->Selected(), list->Items()[0]);
    EXPECT_EQ(list->GetNextSelected(list->Items()[0]), list->Items()[2]);

    list->SetOnColumnClick(MethodOf(&recorder, "Click")); // wrong parameters: not called
    showActive(&form);
    QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                      QPoint(list->header()->sectionPosition(1) + 5, 5));
    EXPECT_TRUE(recorder.log.isEmpty());

    list->Items().Delete(1);
    EXPECT_EQ(list->Items().Count(), 2);
    EXPECT_EQ(list->topLevelItemCount(), 2);
    list->Clear();
    EXPECT_EQ(list->Items().Count(), 0);
    EXPECT_EQ(list->Selected(), nullptr);
}

TEST(Controls, ListViewAsksBeforeItemTextsChange)
{
    Recorder recorder;
    TListView list;
    list.SetName(QStringLiteral("lst"));
    TListItem *item = list.Items().Add();
    item->SetCaption(QStringLiteral("A"));
    list.SetOnChanging(recorder.handler("ItemChanging"));
    list.SetOnChange(recorder.handler("ItemChange"));
    item->SubItems().Add(QStringLiteral("x"));
    recorder.allowChange = false;
    item->SetCaption(QStringLiteral("B"));
    EXPECT_EQ(item->Caption(), QStringLiteral("A"));
    EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("A"));
    recorder.allowChange = true;
    item->SetSelected(true);
    EXPECT_EQ(recorder.log, (QStringList{"lst.Changing A ctText", "lst.Change A ctText",
                                         "lst.Changing A ctText", "lst.Change A ctState"}));
}

// Records the tabs it is asked to paint.
class DrawnPages : public TPageControl {
public:
    using TPageControl::TPageControl;
    QStringList drawn;
    void DrawTab(QPainter &painter, int tabIndex, const QRect &rect, bool active) override
    {
        drawn.append(QStringLiteral("%1:%2%3").arg(tabIndex).arg(PageForTab(tabIndex)->Caption(),
                                                   active ? QStringLiteral("*") : QString()));
        TPageControl::DrawTab(painter, tabIndex, rect, active);
    }
};

TEST(Controls, OwnerDrawnTabsCountOnlyVisibleTabs)
{
    TForm form;
    auto *pages = new DrawnPages(&form, &form);
    for (const char *caption : {"A", "B", "C"}) {
        auto *sheet = new TTabSheet(&form, pages);
        sheet->SetCaption(QString::fromLatin1(caption));
    }
    pages->Pages(0)->SetTabVisible(false);
    pages->SetActivePageIndex(2);
    pages->SetOwnerDraw(true);
    form.Show();
    pages->findChild<QTabBar *>()->grab();
    EXPECT_EQ(pages->drawn, (QStringList{"0:B", "1:C*"}));
}

// A page control on ours and Qt's own tab widget on plain, with the same tabs and geometry.
std::pair<TPageControl *, QTabWidget *> addPagesPair(QWidget &ours, QWidget &plain,
                                                     const QStringList &captions, const QRect &geometry)
{
    auto *pages = new TPageControl(nullptr, &ours);
    auto *tabs = new QTabWidget(&plain);
    for (const QString &caption : captions) {
        (new TTabSheet(nullptr, pages))->SetCaption(caption);
        tabs->addTab(new QWidget, caption);
    }
    pages->setGeometry(geometry);
    tabs->setGeometry(geometry);
    return {pages, tabs};
}

// The page control paints its pane frame directly the first time, into a kept picture the
// second, from the picture after: all three paints must give the plain widget's pixels.
void expectPlainLookOnEveryPaint(QWidget &ours, QWidget &plain, const char *what)
{
    const QImage expected = plain.grab().toImage();
    for (int paint = 1; paint <= 3; ++paint) {
        const QImage actual = ours.grab().toImage();
        ASSERT_EQ(actual.size(), expected.size()) << what;
        int differing = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                differing += actual.pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differing, 0) << what << ", paint " << paint;
    }
}

// The pane frame looks like Qt's own tab widget in the same state, also after the look changes.
TEST(Controls, PaneFrameLooksLikeThePlainTabWidget)
{
    QWidget ours;
    QWidget plain;
    const auto [pages, tabs] = addPagesPair(ours, plain, {"A", "Second"}, QRect(5, 5, 280, 190));
    struct Step {
        const char *name;
        std::function<void(QWidget *)> apply;
    } steps[] = {
        {"as made", [](QWidget *) {}},
        {"taller", [](QWidget *w) { w->resize(320, 260); }},
        {"another palette", [](QWidget *w) {
             QPalette palette = w->palette();
             palette.setColor(QPalette::Button, QColor(200, 120, 40));
             palette.setColor(QPalette::Window, QColor(30, 60, 90));
             w->setPalette(palette);
         }},
        {"disabled", [](QWidget *w) { w->setEnabled(false); }},
        {"tabs below", [](QWidget *w) { static_cast<QTabWidget *>(w)->setTabPosition(QTabWidget::South); }},
    };
    ours.resize(400, 300);
    plain.resize(400, 300);
    ours.show();
    plain.show();
    for (const Step &step : steps) {
        step.apply(pages);
        step.apply(tabs);
        expectPlainLookOnEveryPaint(ours, plain, step.name);
    }
}

// Style sheet rules are the widget's own: two page controls alike in all else, with panes
// of other colours, keep their own looks.
TEST(Controls, PaneFramesFollowTheirStyleSheetRules)
{
    QWidget ours;
    QWidget plain;
    const QString rules = QStringLiteral("#red::pane { border: 2px solid red; }"
                                         " #blue::pane { border: 2px solid blue; }");
    ours.setStyleSheet(rules);
    plain.setStyleSheet(rules);
    int left = 0;
    for (const char *name : {"red", "blue"}) {
        const auto [pages, tabs] = addPagesPair(ours, plain, {"A"}, QRect(left, 0, 150, 120));
        pages->setObjectName(QString::fromLatin1(name));
        tabs->setObjectName(QString::fromLatin1(name));
        left += 160;
    }
    ours.resize(320, 130);
    plain.resize(320, 130);
    ours.show();
    plain.show();
    expectPlainLookOnEveryPaint(ours, plain, "style sheet rules");
}

TEST(Controls, FontsBySizeAndStyle)
{
    QFont font = ktr::platform::makeFont(QStringLiteral("Tahoma"), -13);
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_EQ(ktr::platform::fontHeight(font), -13);
    ktr::platform::setFontStyles(font, fsBold | fsUnderline);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(ktr::platform::fontStyles(font), fsBold | fsUnderline);
    TEdit edit;
    edit.SetFont(font);
    edit.SetFontCharset(134);
    EXPECT_FALSE(edit.ParentFont());
    EXPECT_EQ(edit.Font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(edit.FontCharset(), 134);
    edit.SetParentFont(true);
    EXPECT_TRUE(edit.ParentFont());
}

TEST(Controls, SpeedButtonsOfAGroupGoDownInTurn)
{
    TPanel panel;
    auto *first = new TSpeedButton(&panel, &panel);
    auto *second = new TSpeedButton(&panel, &panel);
    auto *loose = new TSpeedButton(&panel, &panel);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    first->Click();
    EXPECT_TRUE(first->Down());
    second->Click();
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(second->Down());
    loose->Click();
    EXPECT_FALSE(loose->Down());
    EXPECT_FALSE(loose->CanFocus());
}

TEST(Controls, GlyphStripGivesTheCellCount)
{
    TBitBtn button;
    QPixmap strip(36, 18);
    strip.fill(Qt::red);
    button.SetGlyph(strip);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(ktr::platform::glyphCell(strip, 2, 1).size(), QSize(18, 18));
    button.SetNumGlyphs(1);
    EXPECT_EQ(button.NumGlyphs(), 1);
}

TEST(Controls, SpinComboMemoAndGridKeepTheirValues)
{
    TSpinEdit spin;
    spin.SetMinValue(1);
    spin.SetMaxValue(31);
    spin.SetValue(40);
    EXPECT_EQ(spin.Value(), 31);
    spin.SetText(QStringLiteral("12"));
    EXPECT_EQ(spin.Value(), 12);
    EXPECT_EQ(spin.Text(), QStringLiteral("12"));

    TComboBox combo;
    combo.SetStyle(csDropDownList);
    combo.SetItems({"Day", "Week", "Month"});
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Text(), QStringLiteral("Month"));
    combo.SetText(QStringLiteral("week"));
    EXPECT_EQ(combo.ItemIndex(), 1);

    TMemo memo;
    memo.SetLines({"first", "second", "third"});
    EXPECT_EQ(memo.Lines(), (QStringList{"first", "second", "third"}));
    memo.SetCaretPos(QPoint(2, 1));
    EXPECT_EQ(memo.CaretPos(), QPoint(2, 1));
    EXPECT_TRUE(memo.WantsKey(VK_RETURN));
    memo.SetWantReturns(false);
    EXPECT_FALSE(memo.WantsKey(VK_RETURN));

    TStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetCells(2, 3, QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(1, 1), QString());
    EXPECT_EQ(grid.Row(), 1); // the first non-fixed cell
    EXPECT_EQ(grid.Col(), 1);
}

TEST(Controls, PopupMenuItemsAndToolButtonDropDown)
{
    TForm form;
    Recorder recorder;
    auto *menu = new TPopupMenu(&form);
    auto *open = new TMenuItem(&form);
    open->SetName(QStringLiteral("miOpen"));
    open->SetCaption(QStringLiteral("Open"));
    open->SetOnClick(recorder.handler("Click"));
    menu->Items()->Add(open);
    auto *bar = new TToolBar(&form, &form);
    auto *button = new TToolButton(&form, bar);
    auto *dropDown = new TToolButton(&form, bar);
    dropDown->SetStyle(tbsDropDown);
    dropDown->SetDropdownMenu(menu);
    EXPECT_EQ(dropDown->menu(), menu->menu());
    EXPECT_EQ(bar->Buttons(0), button);
    EXPECT_EQ(bar->Buttons(1), dropDown);
    EXPECT_GT(dropDown->Left(), button->Left());
    menu->menu()->actions().front()->trigger();
    EXPECT_EQ(recorder.log, QStringList{"miOpen.Click"});
    EXPECT_EQ(bar->Align(), alTop);
}

// A picture of one colour whose bottom-left pixel, the transparent colour, is white.
QPixmap tilePicture(const QColor &colour)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(colour);
    picture.setPixelColor(0, 15, Qt::white);
    return QPixmap::fromImage(picture);
}

QColor iconCentre(const QToolButton *button)
{
    return button->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
}

// The bar refreshes its buttons from the image list: a changed picture, or an icon someone
// else replaced, is shown again from the list.
TEST(Controls, ToolButtonIconFollowsTheImageList)
{
    TForm form;
    auto *images = new TImageList(&form);
    images->SetWidth(16);
    images->SetHeight(16);
    images->Add(tilePicture(Qt::red));
    auto *bar = new TToolBar(&form, &form);
    bar->SetImages(images);
    auto *button = new TToolButton(&form, bar);
    button->SetImageIndex(0);
    EXPECT_EQ(iconCentre(button), QColor(Qt::red));
    images->Clear();
    images->Add(tilePicture(Qt::blue));
    bar->ArrangeButtons();
    EXPECT_EQ(iconCentre(button), QColor(Qt::blue));
    button->setIcon(QIcon());
    bar->ArrangeButtons();
    EXPECT_EQ(iconCentre(button), QColor(Qt::blue));
    images->Clear();
    bar->ArrangeButtons();
    EXPECT_TRUE(button->icon().isNull());
}

TEST(Controls, SplitterResizesTheControlBeforeIt)
{
    TPanel panel;
    panel.SetBevelOuter(bvNone);
    panel.SetBounds(0, 0, 300, 100);
    auto *left = new TPanel(&panel, &panel);
    left->SetWidth(100);
    left->SetAlign(alLeft);
    auto *splitter = new TSplitter(&panel, &panel);
    splitter->SetLeft(150);
    splitter->SetAlign(alLeft);
    auto *rest = new TPanel(&panel, &panel);
    rest->SetAlign(alClient);
    EXPECT_EQ(splitter->Left(), 100);
    splitter->MoveBy(20);
    EXPECT_EQ(left->Width(), 120);
    EXPECT_EQ(splitter->Left(), 120);
    EXPECT_EQ(rest->Left(), 123);
    splitter->MoveBy(-200);
    EXPECT_EQ(left->Width(), splitter->MinSize());
}

TEST(Controls, ImageListKeepsPicturesOfItsSize)
{
    TImageList images;
    images.SetWidth(18);
    images.SetHeight(18);
    QPixmap strip(54, 18);
    strip.fill(Qt::blue);
    EXPECT_EQ(images.AddStrip(strip), 0);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.GetBitmap(2).size(), QSize(18, 18));
    EXPECT_TRUE(images.GetBitmap(3).isNull());
}

TEST(Controls, ColoursAreBgrIntegersOrSystemColours)
{
    EXPECT_EQ(ktr::platform::toQColor(0xAFFFFF), QColor(0xFF, 0xFF, 0xAF));
    EXPECT_EQ(ktr::platform::toQColor(clRed), QColor(Qt::red));
    EXPECT_EQ(ktr::platform::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_LT(clBtnFace, 0);
    EXPECT_EQ(ktr::platform::paletteRoleOf(clWindow), QPalette::Base);
    EXPECT_EQ(ktr::platform::toQColor(clBtnFace), QApplication::palette().color(QPalette::Button));

    TEdit edit;
    EXPECT_EQ(edit.Color(), clWindow);
    edit.SetColor(0xAFFFFF);
    EXPECT_EQ(edit.property("Color").toInt(), 0xAFFFFF);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xAF));
}

} // namespace
