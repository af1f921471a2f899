#include "TestSupport.h"

#include <QTest>

namespace {

TEST(Method, MethodOfFindsSlotsByNameAndComparesByCodeAndReceiver)
{
    Recorder first;
    Recorder second;
    const TMethod click = MethodOf(&first, "Click");
    ASSERT_TRUE(click.assigned());
    EXPECT_EQ(click.Data, &first);
    EXPECT_EQ(click, MethodOf(&first, "Click"));
    EXPECT_NE(click, MethodOf(&second, "Click"));
    EXPECT_NE(click, MethodOf(&first, "Enter"));
    EXPECT_FALSE(MethodOf(&first, "NoSuchSlot").assigned());
    EXPECT_FALSE(MethodOf(nullptr, "Click").assigned());
    EXPECT_FALSE(TMethod{}.assigned());
}

TEST(Method, HandlerWithOtherParametersIsNotCalled)
{
    Recorder recorder;
    QObject sender;
    EXPECT_FALSE(CallNotify(recorder.handler("WrongSignature"), &sender));
    EXPECT_FALSE(CallNotify(TMethod{}, &sender));
    EXPECT_TRUE(recorder.log.isEmpty());
}

// Every event property reads, writes and compares by name like a field of the control.
struct EventPropertyCase {
    std::string name;
    std::function<QObject *(QObject *owner)> make;
    const char *property;
};

class EventProperty : public testing::TestWithParam<EventPropertyCase> {};

TEST_P(EventProperty, ReadsBackWhatWasWrittenAndEmptiesAgain)
{
    TComponent owner;
    Recorder recorder;
    QObject *control = GetParam().make(&owner);
    const char *name = GetParam().property;
    ASSERT_TRUE(control->property(name).isValid()) << name;
    EXPECT_FALSE(control->property(name).value<TMethod>().assigned());

    const TMethod handler = recorder.handler("Click");
    ASSERT_TRUE(control->setProperty(name, QVariant::fromValue(handler)));
    EXPECT_EQ(control->property(name).value<TMethod>(), handler);
    control->setProperty(name, QVariant::fromValue(TMethod{}));
    EXPECT_FALSE(control->property(name).value<TMethod>().assigned());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, EventProperty,
    testing::Values(
        EventPropertyCase{"EditOnEnter", [](QObject *o) { return new TEdit(o); }, "OnEnter"},
        EventPropertyCase{"EditOnExit", [](QObject *o) { return new TEdit(o); }, "OnExit"},
        EventPropertyCase{"EditOnChange", [](QObject *o) { return new TEdit(o); }, "OnChange"},
        EventPropertyCase{"MaskEditOnKeyDown", [](QObject *o) { return new TMaskEdit(o); }, "OnKeyDown"},
        EventPropertyCase{"BitBtnOnClick", [](QObject *o) { return new TBitBtn(o); }, "OnClick"},
        EventPropertyCase{"SpeedButtonOnClick", [](QObject *o) { return new TSpeedButton(o); }, "OnClick"},
        EventPropertyCase{"CheckBoxOnClick", [](QObject *o) { return new TCheckBox(o); }, "OnClick"},
        EventPropertyCase{"PanelOnExit", [](QObject *o) { return new TPanel(o); }, "OnExit"},
        EventPropertyCase{"PageControlOnChanging", [](QObject *o) { return new TPageControl(o); }, "OnChanging"},
        EventPropertyCase{"ListViewOnColumnClick", [](QObject *o) { return new TListView(o); }, "OnColumnClick"},
        EventPropertyCase{"FormOnShow", [](QObject *o) { return new TForm(o); }, "OnShow"},
        EventPropertyCase{"FormOnDestroy", [](QObject *o) { return new TForm(o); }, "OnDestroy"},
        EventPropertyCase{"MenuItemOnClick", [](QObject *o) { return new TMenuItem(o); }, "OnClick"}),
    caseName<EventPropertyCase>);

// A handler put in through the property is called exactly like one assigned in code.
TEST(Events, HandlerSetThroughPropertyFiresOnUserClick)
{
    TForm form;
    Recorder recorder;
    auto *button = new TButton(&form, &form);
    button->SetName(QStringLiteral("btnOk"));
    button->setProperty("OnClick", QVariant::fromValue(recorder.handler("Click")));
    showActive(&form);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(recorder.log, QStringList{"btnOk.Click"});
}

TEST(Events, ClickOnLabelAndPanelRaisesOnlyTheClickedControlsEvent)
{
    TForm form;
    Recorder recorder;
    auto *panel = new TPanel(&form, &form);
    panel->SetName(QStringLiteral("pnl"));
    panel->SetBounds(0, 0, 200, 100);
    auto *label = new TLabel(&form, panel);
    label->SetName(QStringLiteral("lbl"));
    label->SetCaption(QStringLiteral("caption"));
    panel->SetOnClick(recorder.handler("Click"));
    label->SetOnClick(recorder.handler("Click"));
    showActive(&form);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(150, 80));
    EXPECT_EQ(recorder.log, (QStringList{"lbl.Click", "pnl.Click"}));
}

TEST(Events, EditRaisesOnChangeForTypingAndForCode)
{
    TForm form;
    Recorder recorder;
    auto *edit = new TEdit(&form, &form);
    edit->SetName(QStringLiteral("ed"));
    edit->SetOnChange(recorder.handler("Change"));
    showActive(&form);
    edit->SetFocus();
    QTest::keyClicks(edit, QStringLiteral("ab"));
    edit->SetText(QStringLiteral("xyz"));
    EXPECT_EQ(recorder.log, (QStringList{"ed.Change", "ed.Change", "ed.Change"}));
    EXPECT_EQ(edit->Text(), QStringLiteral("xyz"));
}

// Key events: the form's preview first, then the control; a key set to 0 is consumed.
struct KeyCase {
    std::string name;
    bool keyPreview;
    quint16 consume;    // key the recorder consumes in KeyDown
    char consumeChar;   // character the recorder consumes (or replaces) in KeyPress
    char replaceWith;   // 0: consume
    QStringList log;
    QString text;       // text of the edit afterwards
};

class KeyDispatch : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyDispatch, PreviewControlAndConsumption)
{
    const KeyCase &c = GetParam();
    TForm form;
    form.SetName(QStringLiteral("frm"));
    Recorder recorder;
    recorder.keyToConsume = c.consume;
    recorder.charToConsume = QLatin1Char(c.consumeChar);
    recorder.charToReplace = c.replaceWith ? QChar(QLatin1Char(c.replaceWith)) : QChar();
    form.SetKeyPreview(c.keyPreview);
    form.SetOnKeyDown(recorder.handler("KeyDown"));
    form.SetOnKeyPress(recorder.handler("KeyPress"));
    auto *edit = new TEdit(&form, &form);
    edit->SetName(QStringLiteral("ed"));
    edit->SetOnKeyDown(recorder.handler("KeyDown"));
    edit->SetOnKeyPress(recorder.handler("KeyPress"));
    showActive(&form);
    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(recorder.log, c.log);
    EXPECT_EQ(edit->Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyDispatch,
    testing::Values(
        KeyCase{"ControlOnly", false, 0, 0, 0, {"ed.KeyDown 65/0", "ed.KeyPress 97"}, "a"},
        KeyCase{"PreviewFirst", true, 0, 0, 0,
                {"frm.KeyDown 65/0", "ed.KeyDown 65/0", "frm.KeyPress 97", "ed.KeyPress 97"}, "a"},
        KeyCase{"PreviewConsumesKeyDown", true, 65, 0, 0, {"frm.KeyDown 65/0"}, ""},
        KeyCase{"PreviewConsumesKeyPress", true, 0, 'a', 0,
                {"frm.KeyDown 65/0", "ed.KeyDown 65/0", "frm.KeyPress 97"}, ""},
        KeyCase{"KeyPressReplacesCharacter", false, 0, 'a', 'b',
                {"ed.KeyDown 65/0", "ed.KeyPress 97"}, "b"}),
    caseName<KeyCase>);

TEST(Events, KeyOfAChildIsNotRaisedAgainOnItsContainer)
{
    TForm form;
    Recorder recorder;
    auto *panel = new TPanel(&form, &form);
    panel->SetName(QStringLiteral("pnl"));
    panel->SetOnKeyDown(recorder.handler("KeyDown"));
    auto *edit = new TEdit(&form, panel);
    edit->SetName(QStringLiteral("ed"));
    edit->SetOnKeyDown(recorder.handler("KeyDown"));
    showActive(&form);
    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_F2); // the edit ignores F2, Qt hands it to the panel
    EXPECT_EQ(recorder.log, QStringList{"ed.KeyDown 113/0"});
}

TEST(Events, VirtualKeysMapBothWays)
{
    struct Case {
        int qtKey;
        quint16 vk;
    } cases[] = {{Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Return, VK_RETURN}, {Qt::Key_F2, VK_F2},
                  {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_V, 'V'}, {Qt::Key_7, '7'},
                  {Qt::Key_Tab, VK_TAB}};
    for (const Case &c : cases) {
        EXPECT_EQ(ktr::platform::virtualKeyOf(c.qtKey), c.vk) << c.qtKey;
        EXPECT_EQ(ktr::platform::qtKeyOf(c.vk), c.qtKey) << c.vk;
    }
    EXPECT_EQ(ktr::platform::shiftStateOf(Qt::ControlModifier | Qt::AltModifier), ssCtrl | ssAlt);
}

} // namespace
