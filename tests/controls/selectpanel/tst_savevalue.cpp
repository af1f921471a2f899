#include "PanelFixture.h"

#include <stdexcept>

namespace {

using ::PrintTo;

// Control characters of the value text.
const QString F = QString(QChar(0x03)); // between fields
const QString C = QString(QChar(0x01)); // before each further column
const QString R = QString(QChar(0x04)); // after each row

struct GetCase {
    std::string name;
    TSelectStyle style;
    bool userChoice;
    QString begin, end;
    QList<QStringList> rows;
    QString expected;
};

class GetSaveValue : public PanelTest, public testing::WithParamInterface<GetCase> {};

TEST_P(GetSaveValue, WritesStyleAndValues)
{
    const GetCase &c = GetParam();
    panel->SetStyle(sp_UserChoice);
    panel->SetUserChoice(c.userChoice);
    panel->SetStyle(c.style);
    panel->edBegin->SetText(c.begin);
    panel->edFinal->SetText(c.end);
    addRows(panel, c.rows);
    EXPECT_EQ(panel->GetSaveValue(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, GetSaveValue,
    testing::Values(
        GetCase{"Range", sp_Range, true, "C01", "C09", {{"X"}}, "sp_Range" + F + "C01" + F + "C09"},
        GetCase{"RangeEmpty", sp_Range, true, "", "", {}, "sp_Range" + F + F},
        GetCase{"Discrete", sp_Discrete, true, "C01", "", {{"A", "x"}, {"B", "y"}},
                "sp_Discrete" + F + "A" + C + "x" + R + "B" + C + "y" + R},
        GetCase{"DiscreteEmptyColumn", sp_Discrete, true, "", "", {{"A", "x"}, {"B"}},
                "sp_Discrete" + F + "A" + C + "x" + R + "B" + C + R},
        GetCase{"DiscreteNoRows", sp_Discrete, true, "", "", {}, "sp_Discrete" + F},
        GetCase{"UserChoiceRange", sp_UserChoice, true, "公司A", "公司B", {{"X"}},
                "sp_UserChoice" + F + "True" + F + "公司A" + F + "公司B"},
        GetCase{"UserChoiceList", sp_UserChoice, false, "C01", "", {{"A", "x"}, {"B", "y"}},
                "sp_UserChoice" + F + "False" + F + "A" + C + "x" + R + "B" + C + "y" + R}),
    caseName<GetCase>);

TEST_F(PanelTest, MaskedTextsAreSavedAsShown)
{
    panel->SetEditMask(QStringLiteral("9999/99/99;1; "));
    panel->edBegin->SetText(QStringLiteral("2004/12/01"));
    EXPECT_EQ(panel->GetSaveValue(), "sp_Range" + F + "2004/12/01" + F + "    /  /  ");
}

// Applying a value text: Style stays, the edits or the list take the values.
struct SetCase {
    std::string name;
    TSelectStyle style;
    QString value;
    QString begin, end;
    QStringList rows;
    QStringList columns;
    bool userChoice;
};

class SetSaveValue : public PanelTest, public testing::WithParamInterface<SetCase> {};

TEST_P(SetSaveValue, FillsEditsOrList)
{
    const SetCase &c = GetParam();
    panel->SetStyle(c.style);
    panel->edBegin->SetText(QStringLiteral("old"));
    panel->edFinal->SetText(QStringLiteral("old"));
    addRows(panel, {{"old"}});
    panel->SetSaveValue(c.value);
    EXPECT_EQ(panel->Style(), c.style);
    EXPECT_EQ(panel->edBegin->Text(), c.begin);
    EXPECT_EQ(panel->edFinal->Text(), c.end);
    EXPECT_EQ(rowTexts(), c.rows);
    EXPECT_EQ(panel->ColumnCaptions(), c.columns);
    EXPECT_EQ(panel->UserChoice(), c.userChoice);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, SetSaveValue,
    testing::Values(
        SetCase{"RangeIntoRange", sp_Range, "sp_Range" + F + "C01" + F + "C09", "C01", "C09",
                {"old"}, {"Data1"}, true},
        SetCase{"RangeIntoHiddenEditsOfDiscrete", sp_Discrete, "sp_Range" + F + "C01" + F + "C09",
                "C01", "C09", {"old"}, {"Data1"}, true},
        SetCase{"MissingFieldsReadEmpty", sp_Range, "sp_Range", "", "", {"old"}, {"Data1"}, true},
        SetCase{"DiscreteRows", sp_Discrete, "sp_Discrete" + F + "A" + C + "x" + R + "B" + R,
                "old", "old", {"A/x", "B/"}, {"Data1", "Data2"}, true},
        SetCase{"DiscreteEmptyPiecesSkipped", sp_Discrete, "sp_Discrete" + F + R + "A" + R + R,
                "old", "old", {"A"}, {"Data1"}, true},
        SetCase{"DiscreteNoRowsClears", sp_Discrete, "sp_Discrete" + F, "old", "old", {}, {"Data1"}, true},
        SetCase{"UserChoiceRange", sp_UserChoice, "sp_UserChoice" + F + "True" + F + "a" + F + "b",
                "a", "b", {"old"}, {"Data1"}, true},
        SetCase{"UserChoiceList", sp_UserChoice,
                "sp_UserChoice" + F + "False" + F + "A" + C + "x" + R + "B" + C + "y" + R, "old",
                "old", {"A/x", "B/y"}, {"Data1", "Data2"}, false},
        SetCase{"UnknownKindChangesNothing", sp_Range, "sp_Other" + F + "a" + F + "b", "old", "old",
                {"old"}, {"Data1"}, true},
        SetCase{"KindIsCaseSensitive", sp_Range, "SP_RANGE" + F + "a" + F + "b", "old", "old",
                {"old"}, {"Data1"}, true}),
    caseName<SetCase>);

TEST_F(PanelTest, ListValueRoundTripsIntoAFreshPanel)
{
    panel->SetStyle(sp_UserChoice);
    panel->SetUserChoice(false);
    addRows(panel, {{"A", "x"}, {"B", "y"}});
    const QString value = panel->GetSaveValue();
    EXPECT_EQ(value, "sp_UserChoice" + F + "False" + F + "A" + C + "x" + R + "B" + C + "y" + R);

    auto *fresh = new TSelectPanel(&form, &form);
    fresh->SetStyle(sp_UserChoice);
    fresh->SetSaveValue(value);
    EXPECT_EQ(fresh->Items(), (QList<QStringList>{{"A", "x"}, {"B", "y"}}));
    EXPECT_EQ(fresh->ColumnCaptions(), (QStringList{"Data1", "Data2"}));
    EXPECT_FALSE(fresh->IsRangeActive());
    EXPECT_EQ(fresh->GetSaveValue(), value);
}

// A handler that refuses every row while set, by raising.
class RowRefuser : public QObject {
    Q_OBJECT
public slots:
    void ItemChange(QObject *, TListItem *, TItemChange) { throw std::runtime_error("refused"); }
};

TEST_F(PanelTest, UnusableDiscreteRowsRaiseTheParseError)
{
    RowRefuser refuser;
    panel->SetStyle(sp_Discrete);
    panel->SetOnItemChange(MethodOf(&refuser, "ItemChange"));
    try {
        panel->SetSaveValue("sp_Discrete" + F + "A" + R);
        FAIL() << "no error raised";
    } catch (const ktr::controls::SaveValueError &error) {
        EXPECT_STREQ(error.what(), "parse spSaveValue error");
    }
    // The same rows in a user-choice value are not reported.
    panel->SetStyle(sp_UserChoice);
    EXPECT_NO_THROW(panel->SetSaveValue("sp_UserChoice" + F + "False" + F + "A" + R));
}

} // namespace

#include "tst_savevalue.moc"
