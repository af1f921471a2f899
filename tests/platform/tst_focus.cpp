#include "TestSupport.h"

#include <QTest>

namespace {

// A form with two containers of two edits each, one of them nested, and a lone edit:
//   pnlA { edA1, edA2 }, pnlB { grpB { edB1 }, edB2 }, edC
// every control records its enter and exit.
class FocusForm : public testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm;
        form->SetName(QStringLiteral("frm"));
        auto *pnlA = add(new TPanel(form, form), "pnlA");
        edits["edA1"] = add(new TEdit(form, pnlA), "edA1");
        edits["edA2"] = add(new TEdit(form, pnlA), "edA2");
        auto *pnlB = add(new TPanel(form, form), "pnlB");
        auto *grpB = add(new TGroupBox(form, pnlB), "grpB");
        edits["edB1"] = add(new TEdit(form, grpB), "edB1");
        edits["edB2"] = add(new TEdit(form, pnlB), "edB2");
        edits["edC"] = add(new TEdit(form, form), "edC");
        showActive(form);
    }
    void TearDown() override { ktr::platform::Free(form); }

    template <typename T>
    T *add(T *control, const char *name)
    {
        control->SetName(QString::fromLatin1(name));
        control->SetOnEnter(recorder.handler("Enter"));
        control->SetOnExit(recorder.handler("Exit"));
        return control;
    }

    TForm *form = nullptr;
    Recorder recorder;
    std::map<std::string, TEdit *> edits;
};

struct MoveCase {
    std::string name;
    const char *from;
    const char *to;
    QStringList log;
};

class FocusMove : public FocusForm, public testing::WithParamInterface<MoveCase> {};

TEST_P(FocusMove, ExitsInnermostFirstThenEntersOutermostFirst)
{
    const MoveCase &c = GetParam();
    edits[c.from]->SetFocus();
    recorder.log.clear();
    edits[c.to]->SetFocus();
    EXPECT_EQ(recorder.log, c.log);
    EXPECT_TRUE(edits[c.to]->Focused());
    EXPECT_FALSE(edits[c.from]->Focused());
    EXPECT_EQ(form->ActiveControl(), edits[c.to]);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, FocusMove,
    testing::Values(
        MoveCase{"WithinOnePanel", "edA1", "edA2", {"edA1.Exit", "edA2.Enter"}},
        MoveCase{"LeavingAPanel", "edA1", "edC", {"edA1.Exit", "pnlA.Exit", "edC.Enter"}},
        MoveCase{"EnteringAPanel", "edC", "edA2", {"edC.Exit", "pnlA.Enter", "edA2.Enter"}},
        MoveCase{"PanelToPanel", "edA2", "edB2",
                 {"edA2.Exit", "pnlA.Exit", "pnlB.Enter", "edB2.Enter"}},
        MoveCase{"IntoNestedContainer", "edA1", "edB1",
                 {"edA1.Exit", "pnlA.Exit", "pnlB.Enter", "grpB.Enter", "edB1.Enter"}},
        MoveCase{"OutOfNestedContainer", "edB1", "edC",
                 {"edB1.Exit", "grpB.Exit", "pnlB.Exit", "edC.Enter"}},
        MoveCase{"NestedToSibling", "edB1", "edB2", {"edB1.Exit", "grpB.Exit", "edB2.Enter"}}),
    caseName<MoveCase>);

TEST_F(FocusForm, TabAndShiftTabFollowTabOrderAcrossContainers)
{
    edits["edA1"]->SetFocus();
    const char *forward[] = {"edA2", "edB1", "edB2", "edC", "edA1"};
    for (const char *expected : forward) {
        QTest::keyClick(form->ActiveControl(), Qt::Key_Tab);
        EXPECT_EQ(form->ActiveControl(), edits[expected]) << expected;
    }
    QTest::keyClick(form->ActiveControl(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(form->ActiveControl(), edits["edC"]);
}

TEST_F(FocusForm, TabOrderCanBeChangedAndSkipsDisabledControls)
{
    edits["edA2"]->SetTabOrder(0);
    EXPECT_EQ(edits["edA2"]->TabOrder(), 0);
    EXPECT_EQ(edits["edA1"]->TabOrder(), 1);
    edits["edB1"]->SetEnabled(false);
    edits["edA2"]->SetFocus();
    QTest::keyClick(edits["edA2"], Qt::Key_Tab);
    EXPECT_EQ(form->ActiveControl(), edits["edA1"]);
    QTest::keyClick(edits["edA1"], Qt::Key_Tab);
    EXPECT_EQ(form->ActiveControl(), edits["edB2"]);
}

TEST_F(FocusForm, ExitHandlerThatRefocusesEndsTheMove)
{
    // A validating exit handler puts the focus back on the control being left: the move
    // to edC stops there, pnlA is not left and nothing is entered.
    edits["edA1"]->SetFocus();
    recorder.log.clear();
    recorder.focusOnExit = edits["edA1"];
    edits["edC"]->SetFocus();
    EXPECT_EQ(recorder.log, QStringList{"edA1.Exit"});
    EXPECT_EQ(form->ActiveControl(), edits["edA1"]);
    recorder.log.clear();
    edits["edA2"]->SetFocus();
    EXPECT_EQ(recorder.log, (QStringList{"edA1.Exit", "edA2.Enter"}));
}

TEST_F(FocusForm, FocusMovesWhileTheWindowIsInactiveStillRaiseEvents)
{
    edits["edA2"]->SetFocus();
    auto *other = new TForm;
    showActive(other);
    recorder.log.clear();
    edits["edC"]->SetFocus();
    edits["edA1"]->SetFocus();
    EXPECT_EQ(recorder.log, (QStringList{"edA2.Exit", "pnlA.Exit", "edC.Enter", "edC.Exit",
                                         "pnlA.Enter", "edA1.Enter"}));
    recorder.log.clear();
    showActive(form); // the focus comes back to edA1: nothing new
    EXPECT_TRUE(recorder.log.isEmpty()) << recorder.log.join(QLatin1Char(' ')).toStdString();
    ktr::platform::Free(other);
}

TEST_F(FocusForm, CannotFocusHiddenOrDisabledControls)
{
    edits["edC"]->SetFocus();
    recorder.log.clear();
    edits["edA1"]->SetVisible(false);
    edits["edA2"]->SetEnabled(false);
    EXPECT_FALSE(edits["edA1"]->CanFocus());
    EXPECT_FALSE(edits["edA2"]->CanFocus());
    edits["edA1"]->SetFocus();
    edits["edA2"]->SetFocus();
    EXPECT_TRUE(recorder.log.isEmpty());
    EXPECT_TRUE(edits["edC"]->Focused());
}

} // namespace
