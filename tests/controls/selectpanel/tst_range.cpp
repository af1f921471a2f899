#include "PanelFixture.h"

#include <QTest>

namespace {

using ::PrintTo;

using namespace ktr::controls::types;

const QString dateMask = QStringLiteral("9999/99/99;1; ");

// What leaving the panel makes of the two range ends.
struct OrderCase {
    std::string name;
    TValueType valueType;
    TDateType dateType;
    QString mask;
    QString begin, end;
    QString orderedBegin, orderedEnd;
    bool useDiscard = false;
    bool autoChangeDateSite = true;
};

class OrderOnExit : public PanelTest, public testing::WithParamInterface<OrderCase> {};

TEST_P(OrderOnExit, TrimsAndOrdersTheEnds)
{
    const OrderCase &c = GetParam();
    panel->SetValueType(c.valueType);
    panel->SetDateType(c.dateType);
    panel->SetEditMask(c.mask);
    panel->SetUseDiscard(c.useDiscard);
    panel->SetDiscard(QStringLiteral("*"));
    panel->SetAutoChangeDateSite(c.autoChangeDateSite);
    panel->edBegin->SetText(c.begin);
    panel->edFinal->SetText(c.end);
    events.bindTo(panel);

    enterAndLeave(panel->edFinal);

    EXPECT_EQ(panel->edBegin->Text(), c.orderedBegin);
    EXPECT_EQ(panel->edFinal->Text(), c.orderedEnd);
    // The panel's OnExit comes after the ordering.
    EXPECT_EQ(events.log.filter("Exit"),
              QStringList{QStringLiteral("Exit sp01 [%1|%2]").arg(c.orderedBegin, c.orderedEnd)});
}

const QString blankDate = QStringLiteral("    /  /  ");

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, OrderOnExit,
    testing::Values(
        OrderCase{"StringComparesBytes", vt_String, dt_NoneCare, "", "9", "10", "10", "9"},
        OrderCase{"NumberComparesValues", vt_Number, dt_NoneCare, "", "9", "10", "9", "10"},
        OrderCase{"NumberSwapsGreaterBegin", vt_Number, dt_NoneCare, "", "10", "9", "9", "10"},
        OrderCase{"NumberTextReadsAsZero", vt_Number, dt_NoneCare, "", "5", "x", "x", "5"},
        OrderCase{"StringIsCaseSensitive", vt_String, dt_NoneCare, "", "b", "B", "B", "b"},
        OrderCase{"BlanksAreTrimmed", vt_String, dt_NoneCare, "", "  b ", "\ta", "a", "b"},
        OrderCase{"FullWidthSpaceIsNoBlank", vt_String, dt_NoneCare, "", "\u3000b", "a", "a", "\u3000b"},
        OrderCase{"EmptyEndStays", vt_String, dt_NoneCare, "", "b", " ", "b", ""},
        OrderCase{"TimeComparesText", vt_Time, dt_NoneCare, "", "12:30", "09:15", "09:15", "12:30"},
        OrderCase{"OtherMaskNeverSwaps", vt_OtherMask, dt_NoneCare, "", "b", "a", "b", "a"},
        OrderCase{"BlankEndStopsStrings", vt_String, dt_NoneCare, dateMask, "2004/12/01", "",
                  "2004/12/01", blankDate},
        OrderCase{"BlankEndStopsDates", vt_Date, dt_YYYYMMDD, dateMask, "2004/12/01", "",
                  "2004/12/01", blankDate},
        OrderCase{"BlankEndStillOrdersNumbers", vt_Number, dt_NoneCare, "999;1; ", "5", "",
                  "   ", "5  "},
        OrderCase{"DiscardEndStops", vt_String, dt_NoneCare, "", "z", " * ", "z", "*", true},
        OrderCase{"DiscardOnlyWhenUsed", vt_String, dt_NoneCare, "", "z", " * ", "*", "z", false},
        OrderCase{"DiscardDoesNotStopNumbers", vt_Number, dt_NoneCare, "", "7", "*", "*", "7", true},
        OrderCase{"YearMonthBeginReadsFirstDay", vt_Date, dt_YYYYMMDD, "", "2004/12", "2004/03/15",
                  "2004/03/15", "2004/12"},
        OrderCase{"YearMonthEqualsFirstDay", vt_Date, dt_YYYYMMDD, "", "2004/03", "2004/03/01",
                  "2004/03", "2004/03/01"},
        OrderCase{"RepublicYearsCountFrom1911", vt_Date, dt_YYMMDD, "", "93/02/29", "93/02/28",
                  "93/02/28", "93/02/29"},
        OrderCase{"ThreeDigitRepublicYears", vt_Date, dt_YYYMMDD, "", "100/01/02", "99/12/31",
                  "99/12/31", "100/01/02"},
        OrderCase{"MonthFirstYearMonth", vt_Date, dt_MMDDYYYY, "", "12/2004", "03/15/2004",
                  "03/15/2004", "12/2004"},
        OrderCase{"DayFirstYearMonth", vt_Date, dt_DDMMYYYY, "", "12/2004", "15/03/2004",
                  "15/03/2004", "12/2004"},
        OrderCase{"DayFirstFullDates", vt_Date, dt_DDMMYYYY, "", "02/01/2004", "31/12/2003",
                  "31/12/2003", "02/01/2004"},
        OrderCase{"NoDateBeginIsNeverLater", vt_Date, dt_YYYYMMDD, "", "abc/1/1", "2004/01/01",
                  "abc/1/1", "2004/01/01"},
        OrderCase{"ValidBeginIsLaterThanNoDate", vt_Date, dt_YYYYMMDD, "", "2004/01/01",
                  "2004/13/01", "2004/13/01", "2004/01/01"},
        OrderCase{"ThreeSeparatorsIsNoDate", vt_Date, dt_YYYYMMDD, "", "2004/01/01/1", "2003/01/01",
                  "2004/01/01/1", "2003/01/01"},
        OrderCase{"DateWithoutTypeComparesText", vt_Date, dt_NoneCare, "", "2004/9/1", "2004/10/1",
                  "2004/10/1", "2004/9/1"},
        OrderCase{"DatesStayWhenNotOrdered", vt_Date, dt_YYYYMMDD, "", " 2004/12/01 ", "2004/01/01",
                  "2004/12/01", "2004/01/01", false, false},
        OrderCase{"FloatComparesNumbers", vt_Float, dt_NoneCare, "", "10.25", "2.5", "2.5", "10.25"},
        OrderCase{"FloatKeepsFractionDigits", vt_Float, dt_NoneCare, "", "1.05", "1.5", "1.05", "1.5"},
        OrderCase{"FloatWithoutPoint", vt_Float, dt_NoneCare, "", "3", "2.5", "2.5", "3"},
        OrderCase{"MaskWithBangKeepsBlanks", vt_String, dt_NoneCare, "!", " b ", " a", " a", " b "}),
    caseName<OrderCase>);

TEST_F(PanelTest, TypedRangeIsOrderedWhenTabbingOut)
{
    panel->SetStyle(sp_Range);
    panel->SetValueType(vt_Number);
    panel->edBegin->SetFocus();
    QTest::keyClicks(panel->edBegin, QStringLiteral("120"));
    panel->edFinal->SetFocus();
    QTest::keyClicks(panel->edFinal, QStringLiteral(" 35 "));
    events.bindTo(panel);
    QTest::keyClick(panel->edFinal, Qt::Key_Tab);
    EXPECT_NE(form.ActiveControl(), panel->edFinal);
    EXPECT_EQ(panel->edBegin->Text(), QStringLiteral("35"));
    EXPECT_EQ(panel->edFinal->Text(), QStringLiteral("120"));
    EXPECT_EQ(events.log.filter("Exit"), QStringList{"Exit sp01 [35|120]"});
}

TEST_F(PanelTest, MovingInsideThePanelDoesNotOrder)
{
    panel->edBegin->SetText(QStringLiteral("b"));
    panel->edFinal->SetText(QStringLiteral("a"));
    panel->edBegin->SetFocus();
    panel->edFinal->SetFocus();
    EXPECT_EQ(panel->edBegin->Text(), QStringLiteral("b"));
}

// The edit mask goes to both edits; edBegin keeps its text without a change notification.
struct MaskCase {
    std::string name;
    QString mask;
    QString begin;
    QString blank;
    QString beginAfter;
};

class EditMask : public PanelTest, public testing::WithParamInterface<MaskCase> {};

TEST_P(EditMask, KeepsBeginAndRecordsTheBlankText)
{
    const MaskCase &c = GetParam();
    Recorder recorder;
    panel->edBegin->SetText(c.begin);
    panel->edBegin->SetOnChange(recorder.handler("Change"));
    panel->SetEditMask(c.mask);
    EXPECT_EQ(panel->EditMask(), c.mask);
    EXPECT_EQ(panel->edBegin->EditMask(), c.mask);
    EXPECT_EQ(panel->edFinal->EditMask(), c.mask);
    EXPECT_EQ(panel->BlankText(), c.blank);
    EXPECT_EQ(panel->edBegin->Text(), c.beginAfter);
    EXPECT_TRUE(recorder.log.isEmpty()) << recorder.log.join(", ").toStdString();
    EXPECT_FALSE(panel->edBegin->SuppressChange());
    // Change notifications work again afterwards.
    panel->edBegin->SetText(QStringLiteral("1999/01/01"));
    EXPECT_EQ(recorder.log, QStringList{"edBegin.Change"});
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, EditMask,
    testing::Values(MaskCase{"DateMaskShowsSeparators", dateMask, "2004/12/01", blankDate, "2004/12/01"},
                    MaskCase{"MaskWithoutLiteralsIsBlank", "9999/99/99;0; ", "2004/12/01", "", "20041201"},
                    MaskCase{"YearMonthMask", "9999/99;1;_", "", "____/__", "____/__"},
                    MaskCase{"NoMask", "", "abc", "", "abc"}),
    caseName<MaskCase>);

} // namespace
