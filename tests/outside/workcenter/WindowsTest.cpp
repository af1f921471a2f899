#include "WorkCenterFixture.h"

#include <ModalHook.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <functional>

using ktr::ObjectRef;
using ktr::Variant;
using ktr::platform::ModalHookScope;
using ktr::platform::ModalRequest;

namespace {

// Cases of the tables below print as their names.
template <typename Case>
    requires requires(const Case &c) { c.name; }
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

Variant w(const char *text)
{
    return Variant::wideText(text);
}

// Answers the next modal window with what `act` does to it; records the window's title.
class WindowAnswer {
public:
    explicit WindowAnswer(std::function<int(QDialog &)> act)
        : m_scope([this, act](const ModalRequest &request) -> std::optional<int> {
              auto *dialog = qobject_cast<QDialog *>(request.window);
              if (!dialog)
                  return std::nullopt;
              ++m_windows;
              m_title = dialog->windowTitle();
              return act(*dialog);
          })
    {
    }
    int windows() const { return m_windows; }
    QString title() const { return m_title; }

private:
    int m_windows = 0;
    QString m_title;
    ModalHookScope m_scope;
};

Variant lookupRequest(const char *table, const char *key, const Variant &extra, bool multi,
                      const char *currentText = "", const char *baseLimited = "")
{
    std::vector<Variant> r(19);
    r[0] = w(table);
    r[1] = w(key);
    r[2] = extra;
    r[3] = Variant(multi);
    r[4] = w(currentText);
    r[5] = w("QaTest60");
    r[6] = w("QaTest60");
    r[7] = Variant(std::int32_t{0});
    r[8] = Variant(std::int32_t{1});
    r[9] = Variant(false);
    r[10] = Variant(std::int32_t{1});
    r[11] = r[12] = r[13] = w("");
    r[14] = w(baseLimited);
    r[15] = r[16] = Variant(true);
    r[18] = w("796");
    return Variant::array(std::move(r));
}

QTableWidget &rowsOf(QDialog &dialog)
{
    return *dialog.findChild<QTableWidget *>(QStringLiteral("grdRows"));
}

int visibleRows(QTableWidget &table)
{
    int n = 0;
    for (int r = 0; r < table.rowCount(); ++r)
        n += table.isRowHidden(r) ? 0 : 1;
    return n;
}

int rowWithCode(QTableWidget &table, const QString &code)
{
    for (int r = 0; r < table.rowCount(); ++r)
        if (table.item(r, 0)->text() == code)
            return r;
    return -1;
}

class LookupWindow : public WorkCenterFixture {
protected:
    Variant getData(const Variant &request) const { return service("Com_F2Window").call("F2GetData", {request}); }
};

TEST_F(LookupWindow, SingleSelectionAnswersOneRowOfAllColumns)
{
    int shown = 0;
    WindowAnswer answer([&](QDialog &dialog) {
        QTableWidget &table = rowsOf(dialog);
        shown = visibleRows(table);
        table.selectRow(rowWithCode(table, QStringLiteral("A02")));
        return int(QDialog::Accepted);
    });
    const Variant rows = getData(lookupRequest("CMSME", "01", Variant::array({w("QaTest60")}), false));
    EXPECT_EQ(answer.title(), QStringLiteral("部门信息查询"));
    EXPECT_EQ(shown, 8);
    ASSERT_TRUE(rows.isArray());
    ASSERT_EQ(rows.elementCount(), 1);
    EXPECT_EQ(rows.at(0).at(0).toString(), "A02");
    EXPECT_EQ(rows.at(0).at(1).toString(), "人力资源部");
    EXPECT_EQ(rows.at(0).at(2).toString(), "QaTest60");
    EXPECT_EQ(rows.at(0).elementCount(), 4);
}

TEST_F(LookupWindow, FilterNarrowsTheRowsAndMultipleSelectionAnswersThemInOrder)
{
    int afterFilter = 0;
    WindowAnswer answer([&](QDialog &dialog) {
        auto *filter = dialog.findChild<QLineEdit *>(QStringLiteral("edFilter"));
        filter->setText(QStringLiteral("公积金")); // QTest types ASCII keys only
        QTableWidget &table = rowsOf(dialog);
        afterFilter = visibleRows(table);
        table.selectAll();
        return int(QDialog::Accepted);
    });
    const Variant rows = getData(lookupRequest("PALNC", "01", Variant::array({w("")}), true));
    EXPECT_EQ(afterFilter, 2);
    ASSERT_EQ(rows.elementCount(), 2) << "hidden rows are not chosen";
    EXPECT_EQ(rows.at(0).at(0).toString(), "06");
    EXPECT_EQ(rows.at(1).at(0).toString(), "07");
}

TEST_F(LookupWindow, TypedFilterIgnoresCase)
{
    int afterFilter = 0;
    WindowAnswer answer([&](QDialog &dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("edFilter")), QStringLiteral("kh"));
        afterFilter = visibleRows(rowsOf(dialog));
        return int(QDialog::Rejected);
    });
    getData(lookupRequest("TAXMA", "01", Variant::array({w("")}), false));
    EXPECT_EQ(afterFilter, 2);
}

TEST_F(LookupWindow, CurrentTextPreselectsItsRow)
{
    WindowAnswer answer([](QDialog &) { return int(QDialog::Accepted); });
    const Variant rows = getData(lookupRequest("TAXMA", "01", Variant::array({w("")}), false, "QaTest61"));
    ASSERT_EQ(rows.elementCount(), 1);
    EXPECT_EQ(rows.at(0).at(0).toString(), "QaTest61");
}

TEST_F(LookupWindow, CancelAnswersEmpty)
{
    WindowAnswer answer([](QDialog &dialog) {
        rowsOf(dialog).selectRow(0);
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(getData(lookupRequest("KTRMA", "04", Variant(), false)).isEmpty());
    EXPECT_EQ(answer.windows(), 1);
}

TEST_F(LookupWindow, BaseLimitedNarrowsTheCompanies)
{
    int shown = 0;
    WindowAnswer answer([&](QDialog &dialog) {
        shown = visibleRows(rowsOf(dialog));
        return int(QDialog::Rejected);
    });
    getData(lookupRequest("TAXMA", "01", Variant::array({w("")}), true, "", "TAXMA\x03" "2\x03QaTest60\x03KH02\x03"));
    EXPECT_EQ(shown, 2);
}

TEST_F(LookupWindow, UserLookupAnswersCodeNameMobileAndMail)
{
    WindowAnswer answer([](QDialog &dialog) {
        QTableWidget &table = rowsOf(dialog);
        table.selectRow(rowWithCode(table, QStringLiteral("801")));
        return int(QDialog::Accepted);
    });
    const Variant rows = getData(lookupRequest("KTRMA", "04", Variant(), false));
    ASSERT_EQ(rows.elementCount(), 1);
    EXPECT_EQ(rows.at(0).at(1).toString(), "李芳");
    EXPECT_EQ(rows.at(0).at(2).toString(), "13800000801");
    EXPECT_EQ(rows.at(0).at(3).toString(), "li.fang@example.com");
}

struct BadRequest {
    const char *name;
    Variant request;
    const char *expected;
};

class LookupRequestRefused : public LookupWindow, public ::testing::WithParamInterface<BadRequest> {};

TEST_P(LookupRequestRefused, WithoutOpeningAWindow)
{
    WindowAnswer answer([](QDialog &) { return int(QDialog::Rejected); });
    try {
        getData(GetParam().request);
        FAIL() << "accepted";
    } catch (const ktr::DispatchError &e) {
        EXPECT_STREQ(e.what(), GetParam().expected);
    }
    EXPECT_EQ(answer.windows(), 0);
}

const BadRequest kBadRequests[] = {
    {"NotAnArray", w("TAXMA"), "F2GetData needs the lookup request, an array of 19 elements"},
    {"TooShort", Variant::array({w("TAXMA"), w("01")}), "F2GetData needs the lookup request, an array of 19 elements"},
    {"UnknownTable", lookupRequest("XXXMA", "01", Variant(), false),
     "F2GetData: no lookup for table key XXXMA with query number 01"},
    {"CheckOnlyQuery", lookupRequest("ADMMB", "11", Variant(), false),
     "F2GetData: no lookup for table key ADMMB with query number 11"},
};

INSTANTIATE_TEST_SUITE_P(Cases, LookupRequestRefused, ::testing::ValuesIn(kBadRequests),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LookupWindow, PhrasePickerAnswersTheChosenPhraseOrEmpty)
{
    {
        QStringList offered;
        WindowAnswer answer([&](QDialog &dialog) {
            QTableWidget &table = rowsOf(dialog);
            for (int r = 0; r < table.rowCount(); ++r)
                offered << table.item(r, 0)->text();
            table.selectRow(int(offered.indexOf(QStringLiteral("七月份公积金基数调整"))));
            return int(QDialog::Accepted);
        });
        const Variant phrase =
            service("Com_F2Window").call("GetPhrase", {w("796"), w("QaTest60"), Variant(std::int32_t{0})});
        EXPECT_EQ(offered.size(), 6) << "the user's and everyone's";
        EXPECT_EQ(phrase.toString(), "七月份公积金基数调整");
    }
    WindowAnswer cancel([](QDialog &) { return int(QDialog::Rejected); });
    EXPECT_EQ(service("Com_F2Window").call("GetPhrase", {w("801"), w("QaTest60"), Variant(std::int32_t{0})}),
              w(""));
}

struct DayCase {
    const char *name;
    bool roc;
    const char *start;
    int pickYear;  // as the year box shows it; 0 keeps the start
    int pickMonth; // 1..12; 0 keeps the start
    const char *shownBefore;
    const char *answer;
};

class InputDay : public LookupWindow, public ::testing::WithParamInterface<DayCase> {};

TEST_P(InputDay, ShowsTheCalendarOfTheFlagAndAnswersAGregorianDate)
{
    const DayCase &c = GetParam();
    QString shown;
    WindowAnswer answer([&](QDialog &dialog) {
        shown = dialog.findChild<QLabel *>(QStringLiteral("lblDate"))->text();
        if (c.pickYear)
            dialog.findChild<QSpinBox *>(QStringLiteral("spnYear"))->setValue(c.pickYear);
        if (c.pickMonth)
            dialog.findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(c.pickMonth - 1);
        return int(QDialog::Accepted);
    });
    const Variant day = service("Com_F2Window").call("ShowInputDay", {Variant::array({Variant(c.roc), w(c.start), w("QaTest60")})});
    EXPECT_EQ(shown.toStdString(), c.shownBefore);
    EXPECT_EQ(day.toString(), c.answer);
}

const DayCase kDays[] = {
    {"Gregorian", false, "20240531", 0, 0, "2024/05/31", "20240531"},
    {"RocShowsYear113", true, "20240531", 0, 0, "113/05/31", "20240531"},
    {"RocYearEntered", true, "20240531", 112, 0, "113/05/31", "20230531"},
    {"MonthWithoutThe31st", false, "20240531", 0, 2, "2024/05/31", "20240229"},
};

INSTANTIATE_TEST_SUITE_P(Cases, InputDay, ::testing::ValuesIn(kDays),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LookupWindow, InputDayStartsTodayForAnUnreadableDateAndCancelAnswersEmpty)
{
    QDate shown;
    WindowAnswer answer([&](QDialog &dialog) {
        shown = dialog.findChild<QCalendarWidget *>(QStringLiteral("calDay"))->selectedDate();
        return int(QDialog::Rejected);
    });
    const Variant day = service("Com_F2Window").call("ShowInputDay", {Variant::array({Variant(false), w("2024/5/1"), w("")})});
    EXPECT_EQ(shown, QDate::currentDate());
    EXPECT_EQ(day, w(""));
}

TEST_F(LookupWindow, CallHelpShowsTheHelpTextOfTheNumberOrOfTheModule)
{
    QString body;
    QString title;
    WindowAnswer answer([&](QDialog &dialog) {
        title = dialog.findChild<QLabel *>(QStringLiteral("lblTitle"))->text();
        body = dialog.findChild<QTextBrowser *>(QStringLiteral("txtBody"))->toPlainText();
        return int(QDialog::Accepted);
    });
    m_manager.call("CallHelp", {Variant::array({w("PAL"), w("12050000")})});
    EXPECT_EQ(title, QStringLiteral("员工福利金明细表"));
    m_manager.call("CallHelp", {Variant::array({w("PAL"), w("19990000")})});
    EXPECT_EQ(title, QStringLiteral("人事薪资模块"));
    m_manager.call("CallHelp", {Variant::array({w("ZZZ"), w("1")})});
    EXPECT_EQ(title, QStringLiteral("ZZZ 1"));
    EXPECT_EQ(body, QStringLiteral("没有这一项的说明。"));
    EXPECT_EQ(answer.windows(), 3);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
