#include "PanelFixture.h"

#include "LibRTTI.h"

#include <QTest>

namespace {

using ::PrintTo;

using ktr::controls::types::dt_NoneCare;

// Published properties, read by name as schemes and form files reach them.
struct DefaultCase {
    std::string name;
    const char *property;
    QVariant expected;
};

class Defaults : public testing::TestWithParam<DefaultCase> {};

TEST_P(Defaults, NewPanelHasTheInitialValue)
{
    TSelectPanel panel;
    const QVariant value = panel.property(GetParam().property);
    ASSERT_TRUE(value.isValid()) << "no property " << GetParam().property;
    EXPECT_EQ(value, GetParam().expected) << value.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, Defaults,
    testing::Values(
        DefaultCase{"Style", "Style", QVariant::fromValue(sp_Range)},
        DefaultCase{"UserChoice", "UserChoice", true},
        DefaultCase{"HintWord", "HintWord", QStringLiteral("区间选择")},
        DefaultCase{"BeginWords", "BeginWords", QStringList{"起", "起"}},
        DefaultCase{"FinalWords", "FinalWords", QStringList{"止", "止"}},
        DefaultCase{"ChildHints", "ChildHints",
                    QStringList{"用户自定输入方式", "区间选择-起始信息", "区间选择-起始信息开窗",
                                "区间选择-截止信息", "区间选择-截止信息开窗", "多选-己选择的信息",
                                "多选-信息开窗", "多选-删除一笔信息", "多选-删除己选信息"}},
        DefaultCase{"ValueType", "ValueType", QVariant::fromValue(vt_String)},
        DefaultCase{"EditMask", "EditMask", QString()},
        DefaultCase{"DateType", "DateType", QVariant::fromValue(dt_NoneCare)},
        DefaultCase{"DateSign", "DateSign", QStringLiteral("/")},
        DefaultCase{"AutoChangeDateSite", "AutoChangeDateSite", true},
        DefaultCase{"UseDiscard", "UseDiscard", false},
        DefaultCase{"Discard", "Discard", QString()},
        DefaultCase{"CanOpenWin", "CanOpenWin", true},
        DefaultCase{"GlyphIndex", "GlyphIndex", 8},
        DefaultCase{"UseVertical", "UseVertical", false},
        DefaultCase{"OtherWidth", "OtherWidth", 200},
        DefaultCase{"OtherHeight", "OtherHeight", 105},
        DefaultCase{"CheckDuplicate", "CheckDuplicate", QVariant::fromValue(cd_None)},
        DefaultCase{"SortListBox", "SortListBox", false},
        DefaultCase{"ColumnsAutoSize", "ColumnsAutoSize", true},
        DefaultCase{"ShowColumnHeader", "ShowColumnHeader", false},
        DefaultCase{"HideSelection", "HideSelection", false},
        DefaultCase{"ColumnCaptions", "ColumnCaptions", QStringList()},
        DefaultCase{"Width", "Width", 353},
        DefaultCase{"Height", "Height", 45}),
    caseName<DefaultCase>);

TEST(SelectPanelEnums, AreWrittenAndReadByName)
{
    TSelectPanel panel;
    ASSERT_TRUE(panel.setProperty("ValueType", QStringLiteral("vt_Date")));
    ASSERT_TRUE(panel.setProperty("DateType", QStringLiteral("dt_YYMMDD")));
    ASSERT_TRUE(panel.setProperty("CheckDuplicate", QStringLiteral("cd_CaseInsensitive")));
    EXPECT_EQ(panel.ValueType(), vt_Date);
    EXPECT_EQ(panel.DateType(), ktr::controls::types::dt_YYMMDD);
    EXPECT_EQ(ktr::platform::enumName(panel.CheckDuplicate()), QStringLiteral("cd_CaseInsensitive"));
    // Stored as ordinals in declaration order.
    EXPECT_EQ(int(sp_UserChoice), 2);
    EXPECT_EQ(int(vt_OtherMask), 5);
    EXPECT_EQ(int(ktr::controls::types::dt_YYYMMDD), 5);
}

TEST_F(PanelTest, PropertyAccessByNameRunsTheSetters)
{
    EXPECT_TRUE(HasPropByName(panel, QStringLiteral("style")));
    EXPECT_EQ(GetOrdPropByName(panel, QStringLiteral("Style")), int(sp_Range));
    SetOrdPropByName(panel, QStringLiteral("STYLE"), int(sp_Discrete));
    EXPECT_EQ(panel->Style(), sp_Discrete);
    EXPECT_EQ(panel->size(), QSize(200, 105));
    SetStrPropByName(panel, QStringLiteral("HintWord"), QStringLiteral("範圍選擇"));
    EXPECT_EQ(panel->chkChoice->Caption(), QStringLiteral("範圍選擇"));
    SetMethodPropByName(panel, QStringLiteral("OnTypeClick"), MethodOf(&events, "TypeClick"));
    EXPECT_EQ(panel->OnTypeClick(), MethodOf(&events, "TypeClick"));
}

TEST(SelectPanelChildren, AreNamedOwnedAndPlaced)
{
    TSelectPanel panel;
    struct Child {
        QObject *control;
        const char *name;
        QWidget *parent;
    };
    const Child children[] = {
        {panel.chkChoice, "chkChoice", &panel}, {panel.pnlRange, "pnlRange", &panel},
        {panel.lblBegin, "lblBegin", panel.pnlRange}, {panel.edBegin, "edBegin", panel.pnlRange},
        {panel.btnBegin, "btnBegin", panel.pnlRange}, {panel.lblFinal, "lblFinal", panel.pnlRange},
        {panel.edFinal, "edFinal", panel.pnlRange}, {panel.btnFinal, "btnFinal", panel.pnlRange},
        {panel.pnlList, "pnlList", &panel}, {panel.btnList, "btnList", panel.pnlList},
        {panel.btnDelete, "btnDelete", panel.pnlList}, {panel.btnClear, "btnClear", panel.pnlList},
        {panel.ListBox, "ListBox", panel.pnlList}};
    for (const Child &child : children) {
        SCOPED_TRACE(child.name);
        EXPECT_EQ(child.control->objectName(), QLatin1String(child.name));
        EXPECT_EQ(ktr::platform::componentOf(child.control)->Owner(), &panel);
        EXPECT_EQ(static_cast<QWidget *>(child.control)->parentWidget(), child.parent);
        EXPECT_EQ(panel.findChild<QObject *>(QLatin1String(child.name)), child.control);
    }
    EXPECT_EQ(panel.ComponentCount(), 13);
    EXPECT_EQ(panel.edBegin->Height(), 24);
    EXPECT_EQ(panel.btnBegin->GlyphIndex(), 8);
    EXPECT_EQ(panel.btnDelete->GlyphIndex(), 47);
    EXPECT_EQ(panel.btnClear->GlyphIndex(), 4);
    EXPECT_FALSE(panel.btnList->AutoAlign());
    EXPECT_EQ(panel.ListBox->ViewStyle(), vsReport);
    EXPECT_TRUE(panel.ListBox->MultiSelect());
    EXPECT_TRUE(panel.ListBox->ReadOnly());
    // Hints reach the children only when ChildHints is assigned.
    EXPECT_TRUE(panel.edBegin->Hint().isEmpty());
}

// Size swaps between a horizontal range strip and a list box.
struct SwapCase {
    std::string name;
    bool useVertical;
    std::vector<TSelectStyle> styles; // assigned in turn
    std::vector<QSize> sizes;         // panel size after each
    QSize otherAtEnd;
};

class SizeSwap : public PanelTest, public testing::WithParamInterface<SwapCase> {};

TEST_P(SizeSwap, FollowsRangeAndListShapes)
{
    panel->SetOtherWidth(200);
    panel->SetOtherHeight(105);
    panel->SetUseVertical(GetParam().useVertical);
    for (std::size_t i = 0; i < GetParam().styles.size(); ++i) {
        panel->SetStyle(GetParam().styles[i]);
        EXPECT_EQ(panel->size(), GetParam().sizes[i]) << "after step " << i;
    }
    EXPECT_EQ(QSize(panel->OtherWidth(), panel->OtherHeight()), GetParam().otherAtEnd);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, SizeSwap,
    testing::Values(
        SwapCase{"RangeToDiscreteAndBack", false, {sp_Discrete, sp_Range},
                 {{200, 105}, {353, 45}}, {200, 105}},
        SwapCase{"DiscreteToUserChoiceKeepsSize", false, {sp_Discrete, sp_UserChoice, sp_Discrete},
                 {{200, 105}, {200, 105}, {200, 105}}, {353, 45}},
        SwapCase{"SameStyleAgainKeepsSize", false, {sp_Range, sp_Range}, {{353, 45}, {353, 45}},
                 {200, 105}},
        // A vertical range is turned from the strip into the other size once, when set.
        SwapCase{"VerticalNeverSwapsOnStyle", true, {sp_Discrete, sp_Range},
                 {{200, 105}, {200, 105}}, {353, 45}}),
    caseName<SwapCase>);

TEST_F(PanelTest, UseVerticalSwapsSizeInRangeStyle)
{
    panel->SetUseVertical(true);
    EXPECT_TRUE(panel->UseVertical());
    EXPECT_EQ(panel->size(), QSize(200, 105));
    EXPECT_EQ(QSize(panel->OtherWidth(), panel->OtherHeight()), QSize(353, 45));
    panel->SetUseVertical(false);
    EXPECT_EQ(panel->size(), QSize(353, 45));
}

TEST_F(PanelTest, UseVerticalIsIgnoredOutsideRangeStyle)
{
    for (TSelectStyle style : {sp_Discrete, sp_UserChoice}) {
        panel->SetStyle(style);
        const QSize before = panel->size();
        panel->SetUseVertical(true);
        EXPECT_FALSE(panel->UseVertical()) << styleName(style).toStdString();
        EXPECT_EQ(panel->size(), before);
    }
}

TEST_F(PanelTest, StyleChangingCanRefuse)
{
    panel->SetStyle(sp_Range);
    events.bindTo(panel);
    events.acceptStyle = false;
    const QRect areaBefore = panel->pnlRange->geometry();
    panel->SetStyle(sp_Discrete);
    EXPECT_EQ(panel->Style(), sp_Range);
    EXPECT_EQ(panel->size(), QSize(353, 45));
    EXPECT_TRUE(panel->pnlRange->Visible());
    EXPECT_FALSE(panel->pnlList->Visible());
    EXPECT_EQ(panel->pnlRange->geometry(), areaBefore);
    EXPECT_EQ(events.log, QStringList{"StyleChanging sp01 sp_Range->sp_Discrete"});
}

TEST_F(PanelTest, StyleChangingCanReplaceTheNewStyle)
{
    events.bindTo(panel);
    events.replaceStyle = sp_Discrete;
    panel->SetStyle(sp_UserChoice);
    EXPECT_EQ(panel->Style(), sp_Discrete);
    EXPECT_FALSE(panel->chkChoice->Visible());
    EXPECT_TRUE(panel->pnlList->Visible());
    EXPECT_EQ(events.log, (QStringList{"StyleChanging sp01 sp_Range->sp_UserChoice",
                                       "StyleChange sp01 sp_Range->sp_Discrete while Style=sp_Range"}));
}

// Which parts show for each style.
struct VisibilityCase {
    std::string name;
    TSelectStyle style;
    bool userChoice;
    bool choiceBox, rangeArea, listArea, rangeActive;
};

class Visibility : public PanelTest, public testing::WithParamInterface<VisibilityCase> {};

TEST_P(Visibility, FollowsStyleAndChoice)
{
    const VisibilityCase &c = GetParam();
    panel->SetStyle(sp_UserChoice);
    panel->SetUserChoice(c.userChoice);
    panel->SetStyle(c.style);
    EXPECT_EQ(panel->chkChoice->Visible(), c.choiceBox);
    EXPECT_EQ(panel->pnlRange->Visible(), c.rangeArea);
    EXPECT_EQ(panel->pnlList->Visible(), c.listArea);
    EXPECT_EQ(panel->IsRangeActive(), c.rangeActive);
    EXPECT_EQ(panel->pnlRange->isVisible(), c.rangeArea);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, Visibility,
    testing::Values(VisibilityCase{"Range", sp_Range, false, false, true, false, true},
                    VisibilityCase{"Discrete", sp_Discrete, true, false, false, true, false},
                    VisibilityCase{"UserChoiceRange", sp_UserChoice, true, true, true, false, true},
                    VisibilityCase{"UserChoiceList", sp_UserChoice, false, true, false, true, false}),
    caseName<VisibilityCase>);

TEST_F(PanelTest, UserChoiceWaitsForUserChoiceStyle)
{
    panel->SetUserChoice(false);
    EXPECT_TRUE(panel->UserChoice());
    panel->SetStyle(sp_UserChoice);
    EXPECT_TRUE(panel->chkChoice->Checked());
    EXPECT_TRUE(panel->IsRangeActive());

    events.bindTo(panel);
    panel->SetUserChoice(false);
    EXPECT_FALSE(panel->UserChoice());
    EXPECT_FALSE(panel->chkChoice->Checked());
    EXPECT_TRUE(panel->pnlList->Visible());
    EXPECT_EQ(events.log, QStringList{"TypeClick sp01 UserChoice=false"});

    // Leaving the style and coming back shows the box as it was left.
    panel->SetStyle(sp_Discrete);
    panel->SetUserChoice(true);
    panel->SetStyle(sp_UserChoice);
    EXPECT_FALSE(panel->chkChoice->Checked());
    EXPECT_FALSE(panel->UserChoice());
}

TEST_F(PanelTest, ClickOnChoiceBoxSwitchesTheMode)
{
    panel->SetBounds(10, 10, 163, 115);
    panel->SetStyle(sp_UserChoice);
    panel->edBegin->SetText(QStringLiteral("A01"));
    addRows(panel, {{"B01"}});
    events.bindTo(panel);

    QTest::mouseClick(panel->chkChoice, Qt::LeftButton, {}, QPoint(6, panel->chkChoice->height() / 2));
    EXPECT_FALSE(panel->UserChoice());
    EXPECT_TRUE(panel->pnlList->isVisible());
    EXPECT_FALSE(panel->pnlRange->isVisible());
    QTest::mouseClick(panel->chkChoice, Qt::LeftButton, {}, QPoint(6, panel->chkChoice->height() / 2));
    EXPECT_TRUE(panel->UserChoice());
    EXPECT_TRUE(panel->pnlRange->isVisible());
    EXPECT_EQ(events.log.filter("TypeClick"),
              (QStringList{"TypeClick sp01 UserChoice=false", "TypeClick sp01 UserChoice=true"}));
    // Both contents stay while the other mode shows.
    EXPECT_EQ(panel->edBegin->Text(), QStringLiteral("A01"));
    EXPECT_EQ(rowTexts(), QStringList{"B01"});
}

TEST_F(PanelTest, HintWordSizesTheChoiceBox)
{
    panel->SetHintWord(QStringLiteral("区间选择方式"));
    const QFontMetrics metrics(panel->chkChoice->font());
    EXPECT_EQ(panel->chkChoice->Caption(), QStringLiteral("区间选择方式"));
    EXPECT_EQ(panel->chkChoice->Width(), metrics.horizontalAdvance(QStringLiteral("区间选择方式")) + 24);
    EXPECT_EQ(panel->chkChoice->Height(), metrics.height() + 2);
}

struct WordsCase {
    std::string name;
    TSelectStyle style;
    QStringList assigned;
    QStringList storedBegin, storedFinal;
    QString beginLabel, finalLabel;
};

class Words : public PanelTest, public testing::WithParamInterface<WordsCase> {};

TEST_P(Words, KeepTwoEntriesAndLabelTheEdits)
{
    const WordsCase &c = GetParam();
    panel->SetStyle(c.style);
    panel->SetBeginWords(c.assigned);
    panel->SetFinalWords(c.assigned);
    EXPECT_EQ(panel->BeginWords(), c.storedBegin);
    EXPECT_EQ(panel->FinalWords(), c.storedFinal);
    EXPECT_EQ(panel->lblBegin->Caption(), c.beginLabel);
    EXPECT_EQ(panel->lblFinal->Caption(), c.finalLabel);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, Words,
    testing::Values(
        WordsCase{"ThreeEntriesKeepTwo", sp_Range, {"From", "Begin", "x"}, {"From", "Begin"},
                  {"From", "Begin"}, "From", "From"},
        WordsCase{"UserChoiceShowsSecond", sp_UserChoice, {"From", "Begin"}, {"From", "Begin"},
                  {"From", "Begin"}, "Begin", "Begin"},
        WordsCase{"OneEntryServesBoth", sp_UserChoice, {"From"}, {"From"}, {"From"}, "From", "From"},
        WordsCase{"EmptyListLeavesLabels", sp_Range, {}, {}, {}, "起", "止"}),
    caseName<WordsCase>);

TEST_F(PanelTest, ChildHintsReachTheChildrenInOrder)
{
    const QStringList hints{"h0", "h1", "h2", "h3", "h4", "h5", "h6", "h7", "h8"};
    panel->SetChildHints(hints);
    const QList<ktr::platform::ControlLink *> children{
        panel->chkChoice, panel->edBegin, panel->btnBegin, panel->edFinal, panel->btnFinal,
        panel->ListBox,   panel->btnList, panel->btnDelete, panel->btnClear};
    for (int i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->Hint(), hints[i]) << i;

    panel->SetChildHints({"only"});
    EXPECT_EQ(panel->chkChoice->Hint(), QStringLiteral("only"));
    EXPECT_EQ(panel->edBegin->Hint(), QStringLiteral("h1"));
}

TEST_F(PanelTest, GlyphIndexGoesToTheLookupButtons)
{
    panel->SetGlyphIndex(39);
    EXPECT_EQ(panel->GlyphIndex(), 39);
    for (TF2Button *button : {panel->btnBegin, panel->btnFinal, panel->btnList}) {
        EXPECT_EQ(button->GlyphIndex(), 39) << button->Name().toStdString();
        EXPECT_FALSE(button->Glyph().isNull());
    }
    EXPECT_EQ(panel->btnDelete->GlyphIndex(), 47);
}

TEST_F(PanelTest, CanOpenWinShowsOrHidesTheLookupButtons)
{
    panel->SetCanOpenWin(false);
    for (TF2Button *button : {panel->btnBegin, panel->btnFinal, panel->btnList})
        EXPECT_FALSE(button->Visible()) << button->Name().toStdString();
    EXPECT_TRUE(panel->btnDelete->Visible());
    panel->SetCanOpenWin(true);
    for (TF2Button *button : {panel->btnBegin, panel->btnFinal, panel->btnList})
        EXPECT_TRUE(button->Visible()) << button->Name().toStdString();
}

TEST_F(PanelTest, SetEnabledReachesEveryChild)
{
    panel->btnDelete->SetEnabled(false);
    panel->lblFinal->SetEnabled(false);
    panel->SetEnabled(false);
    const QList<QWidget *> children = panel->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (ktr::platform::ControlLink *control = ktr::platform::controlOf(child)) {
            EXPECT_FALSE(control->Enabled()) << child->objectName().toStdString();
        }
    }
    panel->SetEnabled(true);
    EXPECT_TRUE(panel->Enabled());
    for (QWidget *child : children) {
        if (ktr::platform::ControlLink *control = ktr::platform::controlOf(child)) {
            EXPECT_TRUE(control->Enabled()) << child->objectName().toStdString();
        }
    }
}

struct FocusCase {
    std::string name;
    TSelectStyle style;
    bool userChoice;
    const char *focused; // name of the control that ends with the focus
};

class SetFocus : public PanelTest, public testing::WithParamInterface<FocusCase> {};

TEST_P(SetFocus, EndsOnPanelOrList)
{
    panel->SetStyle(sp_UserChoice);
    panel->SetUserChoice(GetParam().userChoice);
    panel->SetStyle(GetParam().style);
    panel->SetFocus();
    QWidget *active = form.ActiveControl();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->objectName(), QLatin1String(GetParam().focused));
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, SetFocus,
    testing::Values(FocusCase{"Range", sp_Range, true, "sp01"},
                    FocusCase{"UserChoiceRange", sp_UserChoice, true, "sp01"},
                    FocusCase{"UserChoiceList", sp_UserChoice, false, "ListBox"},
                    FocusCase{"Discrete", sp_Discrete, true, "ListBox"}),
    caseName<FocusCase>);

// Loading from a form description: the panels of the job form.
struct LoadCase {
    std::string name;
    QVariantMap description;
    QSize size;
    TSelectStyle style;
    bool userChoice;
    bool rangeShown;
    QSize other;
};

class Loading : public PanelTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(Loading, AppliesPropertiesWithoutSizeSwap)
{
    const LoadCase &c = GetParam();
    auto *loaded = new TSelectPanel(&form, &form);
    const QStringList notApplied = loaded->LoadProperties(c.description);
    EXPECT_EQ(notApplied, QStringList{"Pattern"});
    EXPECT_FALSE(loaded->Loading());
    EXPECT_EQ(loaded->size(), c.size);
    EXPECT_EQ(loaded->Style(), c.style);
    EXPECT_EQ(loaded->UserChoice(), c.userChoice);
    EXPECT_EQ(loaded->chkChoice->Checked(), c.userChoice);
    EXPECT_EQ(loaded->pnlRange->isVisible(), c.rangeShown);
    EXPECT_EQ(QSize(loaded->OtherWidth(), loaded->OtherHeight()), c.other);
    EXPECT_EQ(loaded->edBegin->Hint(), QStringLiteral("[F2]公司信息查询"));
}

QVariantMap jobFormPanel(const QVariantMap &own)
{
    QVariantMap description{
        {"Left", 13}, {"Top", 7}, {"Width", 163}, {"Height", 115}, {"Caption", "选择公司"},
        {"BeginWords", QStringList{"起", "止"}}, {"FinalWords", QStringList{"止", "止"}},
        {"ColumnsAutoSize", true}, {"DateSign", "/"}, {"HintWord", "区间选择"},
        {"HideSelection", false}, {"OtherHeight", 45}, {"OtherWidth", 353},
        {"ShowColumnHeader", false}, {"UseDiscard", false}, {"Pattern", 1},
        {"ChildHints", QStringList{"用户自定输入方式", "[F2]公司信息查询", "公司信息查询",
                                   "[F2]公司信息查询", "公司信息查询", "[F2]公司信息查询",
                                   "公司信息查询", "多选-删除一笔信息", "多选-删除己选信息"}}};
    for (auto it = own.begin(); it != own.end(); ++it)
        description.insert(it.key(), it.value());
    return description;
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, Loading,
    testing::Values(
        LoadCase{"UserChoiceList",
                 jobFormPanel({{"Style", "sp_UserChoice"}, {"UserChoice", false}, {"GlyphIndex", 78}}),
                 {163, 115}, sp_UserChoice, false, false, {353, 45}},
        LoadCase{"UserChoiceRange",
                 jobFormPanel({{"style", "sp_UserChoice"}, {"userchoice", true}, {"SortListBox", true}}),
                 {163, 115}, sp_UserChoice, true, true, {353, 45}},
        LoadCase{"VerticalRange",
                 jobFormPanel({{"Style", "sp_Range"}, {"UseVertical", true}, {"ValueType", "vt_Date"},
                               {"CanOpenWin", false}, {"Width", 162}}),
                 {162, 115}, sp_Range, true, true, {353, 45}},
        LoadCase{"Discrete", jobFormPanel({{"Style", "sp_Discrete"}, {"UserChoice", true}}),
                 {163, 115}, sp_Discrete, true, false, {353, 45}}),
    caseName<LoadCase>);

} // namespace
