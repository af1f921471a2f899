#include "PanelFixture.h"

#include <QTest>

#include <functional>

namespace {

using ::PrintTo;

// Lookup buttons: the form opens the lookup for the field, then OnOpenWinClick follows.
struct LookupCase {
    std::string name;
    TSelectStyle style;
    std::function<QWidget *(TSelectPanel *)> button;
    std::function<QWidget *(TSelectPanel *)> target;
    QString openWinLine;
};

class LookupButton : public PanelTest, public testing::WithParamInterface<LookupCase> {};

TEST_P(LookupButton, AsksTheFormThenRaisesOpenWinClick)
{
    const LookupCase &c = GetParam();
    panel->SetBounds(10, 10, 163, 115);
    panel->SetStyle(c.style);
    other->SetFocus();
    events.bindTo(panel);
    QTest::mouseClick(c.button(panel), Qt::LeftButton);
    ASSERT_EQ(lookupTargets.size(), 1);
    EXPECT_EQ(lookupTargets.front(), c.target(panel));
    EXPECT_EQ(form.ActiveControl(), c.target(panel));
    // The lookup had filled the field when the event came.
    EXPECT_EQ(events.log.filter("OpenWinClick"), QStringList{c.openWinLine});
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, LookupButton,
    testing::Values(
        LookupCase{"Begin", sp_Range, [](TSelectPanel *p) { return p->btnBegin; },
                   [](TSelectPanel *p) { return p->edBegin; }, "OpenWinClick sp01/edBegin C001"},
        LookupCase{"Final", sp_Range, [](TSelectPanel *p) { return p->btnFinal; },
                   [](TSelectPanel *p) { return p->edFinal; }, "OpenWinClick sp01/edFinal C001"},
        LookupCase{"List", sp_Discrete, [](TSelectPanel *p) { return p->btnList; },
                   [](TSelectPanel *p) { return p->ListBox; }, "OpenWinClick sp01/ListBox 1 rows"}),
    caseName<LookupCase>);

TEST_F(PanelTest, LookupGoesToTheOwningForm)
{
    // Shown on a panel of another form's page, owned by the job form.
    TForm host;
    auto *page = new TPanel(&host, &host);
    auto *owned = new TSelectPanel(&form, page);
    owned->SetName(QStringLiteral("sp02"));
    showActive(&host);
    QTest::mouseClick(owned->btnBegin, Qt::LeftButton);
    ASSERT_EQ(lookupTargets.size(), 1);
    EXPECT_EQ(lookupTargets.front(), owned->edBegin);
}

// Clicks and mouse buttons on the children: the value fields stay the sender, the other
// parts report the panel and positions in its coordinates.
struct SenderCase {
    std::string name;
    TSelectStyle style;
    std::function<QWidget *(TSelectPanel *)> child;
    std::function<QWidget *(TSelectPanel *)> clickOn; // the child itself or its inner widget
    const char *sender;
    bool clicks; // buttons click for their own action
};

class SenderRule : public PanelTest, public testing::WithParamInterface<SenderCase> {};

TEST_P(SenderRule, ForwardsWithTheRightSenderAndPosition)
{
    const SenderCase &c = GetParam();
    panel->SetBounds(10, 10, 353, 115);
    panel->SetStyle(c.style);
    events.bindTo(panel);
    QWidget *target = c.clickOn(panel);
    const QPoint at(3, 4);
    QTest::mouseClick(target, Qt::LeftButton, {}, at);

    QWidget *child = c.child(panel);
    const bool keeps = QLatin1String(c.sender) != QLatin1String("sp01");
    const QPoint reported = target->mapTo(keeps ? child : static_cast<QWidget *>(panel), at);
    QStringList expected{QStringLiteral("MouseDown %1 %2,%3").arg(c.sender).arg(reported.x()).arg(reported.y()),
                         QStringLiteral("MouseUp %1 %2,%3").arg(c.sender).arg(reported.x()).arg(reported.y())};
    if (c.clicks)
        expected.append(QStringLiteral("Click %1").arg(c.sender));
    EXPECT_EQ(events.log.filter(QRegularExpression("^(Mouse|Click)")), expected);
}

QWidget *itself(QWidget *w) { return w; }

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, SenderRule,
    testing::Values(
        SenderCase{"BeginEdit", sp_Range, [](TSelectPanel *p) { return itself(p->edBegin); },
                   [](TSelectPanel *p) { return itself(p->edBegin); }, "edBegin", true},
        SenderCase{"FinalEdit", sp_Range, [](TSelectPanel *p) { return itself(p->edFinal); },
                   [](TSelectPanel *p) { return itself(p->edFinal); }, "edFinal", true},
        SenderCase{"List", sp_Discrete, [](TSelectPanel *p) { return itself(p->ListBox); },
                   [](TSelectPanel *p) { return p->ListBox->viewport(); }, "ListBox", true},
        SenderCase{"BeginLabel", sp_Range, [](TSelectPanel *p) { return itself(p->lblBegin); },
                   [](TSelectPanel *p) { return itself(p->lblBegin); }, "sp01", true},
        SenderCase{"RangeArea", sp_Range, [](TSelectPanel *p) { return itself(p->pnlRange); },
                   [](TSelectPanel *p) { return itself(p->pnlRange); }, "sp01", true},
        SenderCase{"ListArea", sp_Discrete, [](TSelectPanel *p) { return itself(p->pnlList); },
                   [](TSelectPanel *p) {
                       // Below the button column, where the area itself shows.
                       return itself(p->pnlList);
                   },
                   "sp01", true},
        SenderCase{"DeleteButton", sp_Discrete, [](TSelectPanel *p) { return itself(p->btnDelete); },
                   [](TSelectPanel *p) { return itself(p->btnDelete); }, "sp01", false},
        SenderCase{"ChoiceBox", sp_UserChoice, [](TSelectPanel *p) { return itself(p->chkChoice); },
                   [](TSelectPanel *p) { return itself(p->chkChoice); }, "sp01", false}),
    caseName<SenderCase>);

TEST_F(PanelTest, DoubleClicksFollowTheSenderRule)
{
    panel->SetStyle(sp_Range);
    events.bindTo(panel);
    QTest::mouseDClick(panel->lblFinal, Qt::LeftButton);
    QTest::mouseDClick(panel->edFinal, Qt::LeftButton);
    EXPECT_EQ(events.log.filter("DblClick"), (QStringList{"DblClick sp01", "DblClick edFinal"}));
}

struct KeyCase {
    std::string name;
    TSelectStyle style;
    std::function<ktr::platform::ControlLink *(TSelectPanel *)> child;
    const char *sender;
};

class KeyForwarding : public PanelTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyForwarding, KeepsTheChildAsSender)
{
    const KeyCase &c = GetParam();
    panel->SetStyle(c.style);
    ktr::platform::ControlLink *child = c.child(panel);
    child->SetFocus();
    events.bindTo(panel);
    QTest::keyClick(child->widget(), Qt::Key_A);
    EXPECT_EQ(events.log.filter("Key"),
              (QStringList{QStringLiteral("KeyDown %1 65").arg(c.sender),
                           QStringLiteral("KeyPress %1 a").arg(c.sender)}));
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, KeyForwarding,
    testing::Values(KeyCase{"BeginEdit", sp_Range, [](TSelectPanel *p) { return p->edBegin; }, "edBegin"},
                    KeyCase{"FinalEdit", sp_Range, [](TSelectPanel *p) { return p->edFinal; }, "edFinal"},
                    KeyCase{"List", sp_Discrete, [](TSelectPanel *p) { return p->ListBox; }, "ListBox"},
                    KeyCase{"ChoiceBox", sp_UserChoice, [](TSelectPanel *p) { return p->chkChoice; },
                            "chkChoice"}),
    caseName<KeyCase>);

TEST_F(PanelTest, ListNotificationsRaiseThePanelsItemEvents)
{
    panel->SetStyle(sp_Discrete);
    events.bindTo(panel);
    addRows(panel, {{"r0", "a"}});
    panel->ListBox->SetItemIndex(0);
    EXPECT_EQ(events.log, (QStringList{"ItemChange ListBox r0 ctText", "ItemChange ListBox r0 ctText",
                                       "ItemSelect ListBox r0 0 selected",
                                       "ItemChange ListBox r0 ctState"}));
}

// An exit check that keeps the focus in its edit while the edit's value is refused.
class FocusKeeper : public QObject {
    Q_OBJECT
public:
    bool refuse = true;
public slots:
    void Exit(QObject *Sender)
    {
        if (refuse)
            ktr::platform::controlOf(Sender)->SetFocus();
    }
};

TEST_F(PanelTest, ListTakesTheFocusBeforeAPressCounts)
{
    panel->SetStyle(sp_Discrete);
    panel->SetBounds(10, 10, 300, 160);
    addRows(panel, {{"r0"}, {"r1"}});
    FocusKeeper keeper;
    other->SetOnExit(MethodOf(&keeper, "Exit"));
    other->SetFocus();
    const QRect rect = panel->ListBox->visualItemRect(panel->ListBox->topLevelItem(1));
    QTest::mouseClick(panel->ListBox->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(form.ActiveControl(), other);
    EXPECT_EQ(panel->ListBox->SelCount(), 0);
    // Once the edit lets go, the press selects.
    keeper.refuse = false;
    QTest::mouseClick(panel->ListBox->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(form.ActiveControl(), panel->ListBox);
    EXPECT_TRUE(panel->ListBox->Items().Item(1)->Selected());
}

} // namespace

#include "tst_events.moc"
