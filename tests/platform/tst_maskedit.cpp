#include "TestSupport.h"

#include <QTest>

namespace {

struct MaskCase {
    std::string name;
    QString mask;
    QString setText;   // put in with SetText first (null: nothing)
    QString typed;     // then typed into the emptied field (null: nothing)
    QString text;      // Text afterwards
    QString editText;  // what the field shows
};

class MaskEdit : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskEdit, TextFollowsTheMask)
{
    const MaskCase &c = GetParam();
    TForm form;
    auto *edit = new TMaskEdit(&form, &form);
    edit->SetEditMask(c.mask);
    showActive(&form);
    if (!c.setText.isNull())
        edit->SetText(c.setText);
    if (!c.typed.isNull()) {
        edit->SetFocus();
        edit->setCursorPosition(0);
        QTest::keyClicks(edit, c.typed);
    }
    EXPECT_EQ(edit->Text(), c.text);
    EXPECT_EQ(edit->EditText(), c.editText);
    EXPECT_EQ(edit->property("Text").toString(), c.text);
}

const QString kDate = QStringLiteral("9999/99/99;1; ");

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskEdit,
    testing::Values(
        MaskCase{"EmptyShowsLiteralsAndBlanks", kDate, {}, {}, "    /  /  ", "    /  /  "},
        MaskCase{"TypedDigitsSkipLiterals", kDate, {}, "20240115", "2024/01/15", "2024/01/15"},
        MaskCase{"TypedSeparatorIsSkipped", kDate, {}, "2024/0115", "2024/01/15", "2024/01/15"},
        MaskCase{"TypedLettersAreRefused", kDate, {}, "20x24", "2024/  /  ", "2024/  /  "},
        MaskCase{"SetDigitsFillPositions", kDate, "20240115", {}, "2024/01/15", "2024/01/15"},
        MaskCase{"SetTextWithLiterals", kDate, "2024/01/15", {}, "2024/01/15", "2024/01/15"},
        MaskCase{"SetPartialText", kDate, "2024", {}, "2024/  /  ", "2024/  /  "},
        MaskCase{"MonthFirstDate", "99/99/9999;1; ", "05032024", {}, "05/03/2024", "05/03/2024"},
        MaskCase{"WithoutSavedLiterals", "9999/99/99;0; ", "20240115", {}, "20240115", "2024/01/15"},
        MaskCase{"EmptyWithoutSavedLiterals", "9999/99/99;0; ", {}, {}, "", "    /  /  "},
        MaskCase{"UnderscoreBlank", "9999/99;1;_", "2024", {}, "2024/__", "2024/__"},
        MaskCase{"EscapedLiteral", "\\A-99;1; ", "12", {}, "A-12", "A-12"},
        MaskCase{"NoMask", "", "free text", {}, "free text", "free text"}),
    caseName<MaskCase>);

struct MaskChangeCase {
    std::string name;
    QString from;
    QString text;
    QString to;
    QString after;
};

class MaskChange : public testing::TestWithParam<MaskChangeCase> {};

TEST_P(MaskChange, KeepsWhatFits)
{
    const MaskChangeCase &c = GetParam();
    TMaskEdit edit;
    edit.SetEditMask(c.from);
    edit.SetText(c.text);
    edit.SetEditMask(c.to);
    EXPECT_EQ(edit.Text(), c.after);
    EXPECT_EQ(edit.EditMask(), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskChange,
    testing::Values(
        MaskChangeCase{"DateToYearMonth", "9999/99/99;1; ", "2024/01/15", "9999/99;1; ", "2024/01"},
        MaskChangeCase{"YearMonthToDate", "9999/99;1; ", "2024/01", "9999/99/99;1; ", "2024/01/  "},
        MaskChangeCase{"MaskRemoved", "9999/99/99;1; ", "2024/01/15", "", "2024/01/15"},
        MaskChangeCase{"MaskAddedToPlainText", "", "20240115", "9999/99/99;1; ", "2024/01/15"},
        MaskChangeCase{"BlankStaysBlank", "9999/99/99;1; ", "", "99/99/9999;1; ", "  /  /    "},
        // The blank text of a field: switch to ;0, clear, switch back to ;1.
        MaskChangeCase{"BlankTemplateThroughSaveLiterals", "9999/99/99;0; ", "", "9999/99/99;1; ",
                       "    /  /  "}),
    caseName<MaskChangeCase>);

TEST(MaskEditParts, ParsesTheThreeFields)
{
    const ktr::platform::EditMaskParts parts = ktr::platform::parseEditMask(QStringLiteral("!99:99;0;*"));
    EXPECT_EQ(parts.mask, QStringLiteral("!99:99"));
    EXPECT_FALSE(parts.saveLiterals);
    EXPECT_EQ(parts.blank, QLatin1Char('*'));
    EXPECT_EQ(parts.inputPositions, (QList<bool>{true, true, false, true, true}));
    const ktr::platform::EditMaskParts plain = ktr::platform::parseEditMask(QStringLiteral("000"));
    EXPECT_TRUE(plain.saveLiterals);
    EXPECT_EQ(plain.blank, QLatin1Char('_'));
}

} // namespace
