#include "DataSource.h"
#include "GSpdBtn.h"
#include "KtrEdit.h"
#include "LookupForm.h"

#include <QTest>

namespace {

// The three labelled edits behave alike as far as their label goes.
struct EditKind {
    const char *name;
    std::function<QWidget *(QObject *owner, QWidget *parent)> make;
};

const EditKind kKinds[] = {
    {"TKtEdit", [](QObject *o, QWidget *p) -> QWidget * { return new TKtEdit(o, p); }},
    {"TKtDBEdit", [](QObject *o, QWidget *p) -> QWidget * { return new TKtDBEdit(o, p); }},
    {"TKtBtnDBEdit", [](QObject *o, QWidget *p) -> QWidget * { return new TKtBtnDBEdit(o, p); }},
};

TLabel *labelOf(QWidget *edit)
{
    return qobject_cast<TLabel *>(
        ktr::platform::componentOf(edit)->FindComponent(QStringLiteral("EditLabel")));
}

ktr::platform::ControlLink *link(QWidget *widget)
{
    return ktr::platform::controlOf(widget);
}

TEST(LabelledEdit, OwnsAnEmptyLabelThatFocusesIt)
{
    for (const EditKind &kind : kKinds) {
        TForm form;
        QWidget *edit = kind.make(&form, &form);
        TLabel *label = labelOf(edit);
        ASSERT_NE(label, nullptr) << kind.name;
        EXPECT_EQ(label->Name(), QStringLiteral("EditLabel")) << kind.name;
        EXPECT_EQ(label->Owner(), edit) << kind.name;
        EXPECT_EQ(label->Caption(), QString()) << kind.name;
        EXPECT_EQ(label->FocusControl(), edit) << kind.name;
        EXPECT_EQ(label->Parent(), &form) << kind.name;
        EXPECT_EQ(edit->property("Caption").toString(), QString()) << kind.name;
        EXPECT_EQ(edit->property("LabelPosition").value<TLabelPosition>(), lpLeft) << kind.name;
        EXPECT_EQ(edit->property("LabelSpacing").toInt(), 4) << kind.name;
    }
}

struct PlaceCase {
    std::string name;
    TLabelPosition position;
    int spacing;
    QRect edit;
    QPoint expected; // of a 26 x 13 label
};

class LabelPlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(LabelPlace, OnItsSideWithoutClamping)
{
    for (const EditKind &kind : kKinds) {
        TForm form;
        QWidget *edit = kind.make(&form, &form);
        TLabel *label = labelOf(edit);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 26, 13);
        ASSERT_TRUE(edit->setProperty("LabelPosition", QVariant::fromValue(GetParam().position)));
        edit->setProperty("LabelSpacing", GetParam().spacing);
        const QRect e = GetParam().edit;
        link(edit)->SetBounds(e.x(), e.y(), e.width(), e.height());
        EXPECT_EQ(label->BoundsRect(), QRect(GetParam().expected, QSize(26, 13))) << kind.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sides, LabelPlace,
    testing::Values(PlaceCase{"leftDefaults", lpLeft, 4, {42, 4, 45, 21}, {12, 8}},
                    PlaceCase{"leftPastTheEdge", lpLeft, 4, {10, 4, 45, 21}, {-20, 8}},
                    PlaceCase{"above", lpAbove, 4, {42, 4, 45, 21}, {42, -13}},
                    PlaceCase{"below", lpBelow, 4, {42, 4, 45, 21}, {42, 29}},
                    PlaceCase{"right", lpRight, 4, {42, 4, 45, 21}, {91, 8}},
                    PlaceCase{"rightNoSpacing", lpRight, 0, {42, 4, 45, 21}, {87, 8}},
                    PlaceCase{"leftOddHeights", lpLeft, 4, {42, 4, 45, 22}, {12, 8}}),
    caseName<PlaceCase>);

TEST(LabelledEdit, LabelMovesWhenTheEditsOwnSettingsChange)
{
    TForm form;
    auto *edit = new TKtEdit(&form, &form);
    edit->SetBounds(100, 40, 60, 21);
    TLabel *label = edit->EditLabel();
    edit->SetCaption(QStringLiteral("每隔小时"));
    const int width = label->Width();
    EXPECT_GT(width, 20);
    EXPECT_EQ(label->Left(), 100 - width - 4) << "a new caption takes its new width along";

    edit->SetLabelSpacing(-1);
    EXPECT_EQ(edit->LabelSpacing(), 4) << "negative spacing is ignored";
    EXPECT_EQ(label->Left(), 100 - width - 4);
    edit->SetLabelSpacing(10);
    EXPECT_EQ(label->Left(), 100 - width - 10);
    edit->SetLabelPosition(lpAbove);
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(100, 40 - label->Height() - 10));
    edit->SetLeft(7);
    EXPECT_EQ(label->Left(), 7) << "moving the edit";
}

TEST(LabelledEdit, LabelFollowsParentEnabledAndVisible)
{
    for (const EditKind &kind : kKinds) {
        TForm form;
        auto *panel = new TPanel(&form, &form);
        QWidget *edit = kind.make(&form, &form);
        TLabel *label = labelOf(edit);
        link(edit)->SetParent(panel);
        EXPECT_EQ(label->Parent(), panel) << kind.name;
        link(edit)->SetEnabled(false);
        EXPECT_FALSE(label->Enabled()) << kind.name;
        link(edit)->SetEnabled(true);
        EXPECT_TRUE(label->Enabled()) << kind.name;
        link(edit)->SetVisible(false);
        EXPECT_FALSE(label->Visible()) << kind.name;
        link(edit)->SetVisible(true);
        EXPECT_TRUE(label->Visible()) << kind.name;
    }
}

TEST(LabelledEdit, ForgetsALabelFreedBySomeoneElse)
{
    for (const EditKind &kind : kKinds) {
        TForm form;
        QWidget *edit = kind.make(&form, &form);
        edit->setProperty("Caption", QStringLiteral("编号"));
        ktr::platform::Free(labelOf(edit));
        EXPECT_EQ(ktr::platform::componentOf(edit)->FindComponent(QStringLiteral("EditLabel")), nullptr) << kind.name;
        EXPECT_EQ(edit->property("Caption").toString(), QString()) << kind.name;
        edit->setProperty("Caption", QStringLiteral("again"));
        edit->setProperty("LabelPosition", QVariant::fromValue(lpBelow));
        link(edit)->SetBounds(1, 2, 30, 21);
        link(edit)->SetEnabled(false);
        EXPECT_EQ(edit->property("Caption").toString(), QString()) << kind.name;
    }
}

// ---- TKtBtnDBEdit's button ----

TEST(ButtonEdit, OwnsAFlatLookupButtonBesideIt)
{
    TForm form;
    auto *edit = new TKtBtnDBEdit(&form, &form);
    edit->SetBounds(100, 30, 80, 21);
    TGSpeedButton *button = edit->F2Button();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), QStringLiteral("F2Button"));
    EXPECT_EQ(button->Owner(), edit);
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->GlyphIndex(), 8);
    EXPECT_FALSE(button->Glyph().isNull());
    EXPECT_EQ(edit->ButtonSpacing(), 2);
    EXPECT_EQ(edit->GlyphIndex(), 8);
    EXPECT_EQ(button->BoundsRect(), QRect(182, 30, 21, 21));

    edit->SetButtonSpacing(6);
    EXPECT_EQ(button->BoundsRect(), QRect(186, 30, 21, 21));
    edit->SetBounds(10, 5, 50, 25);
    EXPECT_EQ(button->BoundsRect(), QRect(66, 5, 25, 25));

    edit->SetGlyphIndex(39);
    EXPECT_EQ(button->GlyphIndex(), 39);
    edit->SetButtonHint(QStringLiteral("签核信息查询"));
    EXPECT_EQ(button->Hint(), QStringLiteral("签核信息查询"));
    EXPECT_EQ(edit->ButtonHint(), QStringLiteral("签核信息查询"));
}

TEST(ButtonEdit, ButtonFollowsParentEnabledAndVisible)
{
    TForm form;
    auto *panel = new TPanel(&form, &form);
    auto *edit = new TKtBtnDBEdit(&form, &form);
    TGSpeedButton *button = edit->F2Button();
    EXPECT_EQ(button->Parent(), &form);
    edit->SetParent(panel);
    EXPECT_EQ(button->Parent(), panel);
    edit->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    edit->SetVisible(false);
    EXPECT_FALSE(button->Visible());
}

TEST(ButtonEdit, ForgetsAButtonFreedBySomeoneElse)
{
    TForm form;
    auto *edit = new TKtBtnDBEdit(&form, &form);
    ktr::platform::Free(edit->F2Button());
    EXPECT_EQ(edit->F2Button(), nullptr);
    edit->SetBounds(0, 0, 50, 21);
    edit->SetGlyphIndex(9);
    edit->SetButtonHint(QStringLiteral("x"));
    EXPECT_EQ(edit->ButtonHint(), QString());
    EXPECT_EQ(edit->GlyphIndex(), 9);
}

class Dialogs : public QObject {
    Q_OBJECT
public:
    QStringList *log = nullptr;
public slots:
    void Dialog(QObject *Sender) { log->append(QStringLiteral("dialog ") + Sender->objectName()); }
};

struct ButtonClickCase {
    std::string name;
    bool onDialog;
    QStringList expected;
    bool editFocused;
};

class ButtonEditClick : public testing::TestWithParam<ButtonClickCase> {};

TEST_P(ButtonEditClick, DialogHandlerOrLookupRequest)
{
    QStringList log;
    LookupForm form(&log);
    Dialogs dialogs;
    dialogs.log = &log;
    auto *other = new TEdit(&form, &form);
    auto *edit = new TKtBtnDBEdit(&form, &form);
    edit->SetName(QStringLiteral("edNoteID"));
    edit->SetBounds(53, 12, 65, 21);
    if (GetParam().onDialog)
        edit->SetOnDialog(MethodOf(&dialogs, "Dialog"));
    showActive(&form);
    other->SetFocus();

    QTest::mouseClick(edit->F2Button(), Qt::LeftButton);

    EXPECT_EQ(log, GetParam().expected);
    EXPECT_EQ(edit->Focused(), GetParam().editFocused);
    if (GetParam().editFocused) {
        EXPECT_EQ(form.focusedAtRequest, edit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, ButtonEditClick,
    testing::Values(ButtonClickCase{"lookup", false, {"lookup edNoteID"}, true},
                    ButtonClickCase{"dialogInstead", true, {"dialog edNoteID"}, false}),
    caseName<ButtonClickCase>);

TEST(ButtonEdit, DisabledEditTakesItsButtonAlong)
{
    QStringList log;
    LookupForm form(&log);
    auto *edit = new TKtBtnDBEdit(&form, &form);
    edit->SetEnabled(false);
    showActive(&form);
    QTest::mouseClick(edit->F2Button(), Qt::LeftButton);
    EXPECT_TRUE(log.isEmpty());
}

} // namespace

#include "tst_ktredit.moc"
