#include "PanelFixture.h"

#include <QCollator>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <stdexcept>

namespace {

using ::PrintTo;

QStringList columnCaptions(const TSelectPanel *panel)
{
    return panel->ColumnCaptions();
}

QList<int> columnWidths(TQuilListView *list)
{
    QList<int> widths;
    for (int i = 0; i < list->Columns().Count(); ++i)
        widths.append(list->Columns().Items(i)->Width());
    return widths;
}

TEST(CodePageLength, CountsWideCharactersTwice)
{
    struct Case {
        QString text;
        int length;
    };
    const Case cases[] = {{"", 0}, {"abc", 3}, {"公司", 4}, {"A公司1", 6}, {"Ｗ", 2}};
    for (const Case &c : cases)
        EXPECT_EQ(TQuilListView::CodePageLength(c.text), c.length) << c.text.toStdString();
}

// Rows added one after another: columns, padding and the rows as they end up.
struct AddCase {
    std::string name;
    QList<QStringList> added;
    QStringList rows;
    QStringList columns;
};

class AddRow : public PanelTest, public testing::WithParamInterface<AddCase> {};

TEST_P(AddRow, CreatesColumnsAndPadsRows)
{
    panel->SetStyle(sp_Discrete);
    addRows(panel, GetParam().added);
    EXPECT_EQ(rowTexts(), GetParam().rows);
    EXPECT_EQ(columnCaptions(panel), GetParam().columns);
    for (int i = 0; i < panel->ListBox->Items().Count(); ++i)
        EXPECT_EQ(panel->ListBox->Items().Item(i)->SubItems().Count(), GetParam().columns.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, AddRow,
    testing::Values(
        AddCase{"ThreeValuesMakeThreeColumns", {{"C01", "总公司", "Taipei"}}, {"C01/总公司/Taipei"},
                {"Data1", "Data2", "Data3"}},
        AddCase{"ShorterRowIsPadded", {{"C01", "a", "b"}, {"C02"}}, {"C01/a/b", "C02//"},
                {"Data1", "Data2", "Data3"}},
        AddCase{"LongerRowPadsEarlierRows", {{"C01"}, {"C02", "x"}, {"C03", "y", "z"}},
                {"C01//", "C02/x/", "C03/y/z"}, {"Data1", "Data2", "Data3"}},
        AddCase{"OneValueOneColumn", {{"C01"}, {"C02"}}, {"C01", "C02"}, {"Data1"}},
        AddCase{"EmptyTextsAreValues", {{"", ""}}, {"/"}, {"Data1", "Data2"}}),
    caseName<AddCase>);

TEST_F(PanelTest, AddRowOfNothingFails)
{
    EXPECT_FALSE(panel->ListBox->AddRow({}));
    EXPECT_EQ(panel->ListBox->Items().Count(), 0);
    EXPECT_EQ(panel->ListBox->Columns().Count(), 0);
}

struct WidthCase {
    std::string name;
    QList<QStringList> added;
    QList<int> lengths; // of the longest text per column, in code-page length
};

class AutoSize : public PanelTest, public testing::WithParamInterface<WidthCase> {};

TEST_P(AutoSize, ColumnsFitTheirLongestText)
{
    addRows(panel, GetParam().added);
    const int w = panel->ListBox->StringWidth(QStringLiteral("W"));
    QList<int> expected;
    for (int length : GetParam().lengths)
        expected.append(w * length);
    EXPECT_EQ(columnWidths(panel->ListBox), expected);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, AutoSize,
    testing::Values(
        // "Data1" (5) is longer than the short captions.
        WidthCase{"CaptionOfColumnCounts", {{"C1", "x"}}, {5, 5}},
        WidthCase{"ChineseCountsTwice", {{"C01", "总公司财务部"}}, {5, 12}},
        WidthCase{"LongestRowWins", {{"C0000001", "a"}, {"C1", "abcdefg"}}, {8, 7}},
        WidthCase{"PaddedCellsCountZero", {{"C1"}, {"C2", "ab"}}, {5, 5}}),
    caseName<WidthCase>);

TEST_F(PanelTest, AutoSizeOffLeavesWidths)
{
    panel->SetColumnsAutoSize(false);
    addRows(panel, {{"C0000000000001", "总公司财务部"}});
    EXPECT_EQ(columnWidths(panel->ListBox), (QList<int>{50, 50}));
}

TEST_F(PanelTest, WidthsShrinkWhenTheLongestRowGoes)
{
    panel->SetCheckDuplicate(cd_CheckCase);
    addRows(panel, {{"a", "xxxxxxxxxxxx"}, {"b", "y"}});
    // The new row sorts in before its equal neighbour, which goes with its long text.
    addRows(panel, {{"a"}});
    const int w = panel->ListBox->StringWidth(QStringLiteral("W"));
    EXPECT_EQ(rowTexts(), (QStringList{"a/", "b/y"}));
    EXPECT_EQ(columnWidths(panel->ListBox), (QList<int>{5 * w, 5 * w}));
}

// Duplicate removal after each added row.
struct DuplicateCase {
    std::string name;
    TCheckDuplicate mode;
    QList<QStringList> added;
    QStringList rows;
};

class Duplicates : public PanelTest, public testing::WithParamInterface<DuplicateCase> {};

TEST_P(Duplicates, AdjacentEqualCaptionsGo)
{
    panel->SetStyle(sp_Discrete);
    panel->SetCheckDuplicate(GetParam().mode);
    EXPECT_EQ(panel->SortListBox(), GetParam().mode != cd_None);
    addRows(panel, GetParam().added);
    EXPECT_EQ(rowTexts(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, Duplicates,
    testing::Values(
        DuplicateCase{"CaseInsensitiveRemovesLater", cd_CaseInsensitive, {{"abc"}, {"b"}, {"ABC"}},
                      {"abc", "b"}},
        DuplicateCase{"CheckCaseKeepsBoth", cd_CheckCase, {{"abc"}, {"b"}, {"ABC"}},
                      {"abc", "ABC", "b"}},
        DuplicateCase{"OnlyCaptionsCompared", cd_CheckCase, {{"C01", "x"}, {"C01", "y"}},
                      {"C01/x"}},
        DuplicateCase{"NoneKeepsEverything", cd_None, {{"b"}, {"a"}, {"b"}}, {"b", "a", "b"}},
        DuplicateCase{"ChineseCaptions", cd_CaseInsensitive, {{"公司"}, {"公司", "二"}, {"部门"}},
                      {"公司/", "部门/"}}),
    caseName<DuplicateCase>);

TEST_F(PanelTest, CheckDuplicateRemovesAtOnceOnlyWhenTheListIsActive)
{
    panel->SetItems({{"a"}, {"A"}, {"b"}});
    panel->SetCheckDuplicate(cd_CaseInsensitive); // range style: list not active
    EXPECT_EQ(rowTexts(), (QStringList{"a", "A", "b"}));
    panel->SetStyle(sp_Discrete);
    panel->SetCheckDuplicate(cd_CaseInsensitive);
    EXPECT_EQ(rowTexts(), (QStringList{"a", "b"}));
}

TEST_F(PanelTest, SortListBoxSortsAndKeepsSorted)
{
    addRows(panel, {{"c"}, {"A"}, {"b"}});
    panel->SetSortListBox(true);
    EXPECT_EQ(panel->ListBox->SortType(), stText);
    EXPECT_EQ(rowTexts(), (QStringList{"A", "b", "c"}));
    addRows(panel, {{"B", "2"}, {"a", "9"}});
    EXPECT_EQ(rowTexts(), (QStringList{"A/", "a/9", "b/", "B/2", "c/"}));
    // A caption set by other code re-sorts too.
    panel->ListBox->Items().Item(0)->SetCaption(QStringLiteral("d"));
    EXPECT_EQ(rowTexts(), (QStringList{"a/9", "b/", "B/2", "c/", "d/"}));
    panel->SetSortListBox(false);
    EXPECT_EQ(panel->ListBox->SortType(), stNone);
    addRows(panel, {{"0"}});
    EXPECT_EQ(rowTexts().last(), QStringLiteral("0/"));
}

// Header clicks: the clicked column sorts, a second click turns the direction.
struct ColumnClickCase {
    std::string name;
    std::vector<int> clicks;
    QStringList rows;
};

class ColumnClick : public PanelTest, public testing::WithParamInterface<ColumnClickCase> {};

TEST_P(ColumnClick, SortsByTheClickedColumn)
{
    panel->SetStyle(sp_Discrete);
    panel->SetBounds(10, 10, 420, 220);
    panel->SetShowColumnHeader(true);
    addRows(panel, {{"b", "1", "x"}, {"a", "2", "y"}, {"c", "1", "x"}, {"a", "1", "y"}, {"B", "0", "x"}});
    QHeaderView *header = panel->ListBox->header();
    for (int column : GetParam().clicks) {
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(rowTexts(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, ColumnClick,
    testing::Values(
        ColumnClickCase{"CaptionAgainTurnsDescending", {0},
                        {"c/1/x", "b/1/x", "B/0/x", "a/2/y", "a/1/y"}},
        ColumnClickCase{"FirstColumnThenCaption", {1},
                        {"B/0/x", "a/1/y", "b/1/x", "c/1/x", "a/2/y"}},
        ColumnClickCase{"SecondColumnThenCaptionThenFirst", {2},
                        {"B/0/x", "b/1/x", "c/1/x", "a/1/y", "a/2/y"}},
        ColumnClickCase{"SecondColumnTwiceDescending", {2, 2},
                        {"a/2/y", "a/1/y", "c/1/x", "b/1/x", "B/0/x"}}),
    caseName<ColumnClickCase>);

TEST_F(PanelTest, DeleteButtonRemovesEverySelectedRow)
{
    panel->SetStyle(sp_Discrete);
    panel->SetBounds(10, 10, 300, 160);
    addRows(panel, {{"r0"}, {"r1"}, {"r2"}, {"r3"}});
    events.bindTo(panel);
    QWidget *viewport = panel->ListBox->viewport();
    for (int row : {0, 2, 3}) {
        const QRect rect = panel->ListBox->visualItemRect(panel->ListBox->topLevelItem(row));
        QTest::mouseClick(viewport, Qt::LeftButton, row == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          rect.center());
    }
    ASSERT_EQ(panel->ListBox->SelCount(), 3);

    events.acceptDelete = false;
    QTest::mouseClick(panel->btnDelete, Qt::LeftButton);
    EXPECT_EQ(rowTexts(), (QStringList{"r0", "r1", "r2", "r3"}));
    events.acceptDelete = true;
    QTest::mouseClick(panel->btnDelete, Qt::LeftButton);
    EXPECT_EQ(rowTexts(), QStringList{"r1"});
    EXPECT_EQ(events.log.filter("DeleteClick"),
              (QStringList{"DeleteClick btnDelete", "DeleteClick btnDelete"}));
    EXPECT_EQ(events.log.filter("ItemSelect").first(), QStringLiteral("ItemSelect ListBox r0 0 selected"));
}

TEST_F(PanelTest, ClearButtonEmptiesTheListAndFocusesIt)
{
    panel->SetStyle(sp_Discrete);
    addRows(panel, {{"r0", "a"}, {"r1", "b"}});
    other->SetFocus();
    events.bindTo(panel);
    QTest::mouseClick(panel->btnClear, Qt::LeftButton);
    EXPECT_EQ(panel->ListBox->Items().Count(), 0);
    EXPECT_EQ(form.ActiveControl(), panel->ListBox);
    EXPECT_EQ(events.log.filter("ClearClick"), QStringList{"ClearClick btnClear"});
    // A fresh start: one value, one sub-item no longer needed.
    addRows(panel, {{"r2"}});
    EXPECT_EQ(rowTexts(), QStringList{"r2"});
}

// A handler raising during AddRow: the failure is reported, what was added stays.
class Raiser : public QObject {
    Q_OBJECT
public:
    QString failOn;
public slots:
    void ItemChange(QObject *, TListItem *Item, TItemChange)
    {
        if (!failOn.isEmpty() && Item->Caption() == failOn) {
            failOn.clear();
            throw std::runtime_error("handler failed");
        }
    }
};

TEST_F(PanelTest, AddRowReportsAFailingHandler)
{
    Raiser raiser;
    raiser.failOn = QStringLiteral("bad");
    panel->SetOnItemChange(MethodOf(&raiser, "ItemChange"));
    EXPECT_TRUE(panel->ListBox->AddRow({"good", "1"}));
    EXPECT_FALSE(panel->ListBox->AddRow({"bad", "2", "3"}));
    EXPECT_EQ(panel->ListBox->Columns().Count(), 3);
    EXPECT_EQ(panel->ListBox->Items().Item(0)->Caption(), QStringLiteral("good"));
    EXPECT_EQ(panel->ListBox->Items().Count(), 2);
    // The list recovers: the next row pads every row to the longest again.
    EXPECT_TRUE(panel->ListBox->AddRow({"next"}));
    EXPECT_EQ(rowTexts(), (QStringList{"good/1", "bad/", "next/"}));
}

// A handler that adds a row of its own while a row is being added.
class Echo : public QObject {
    Q_OBJECT
public:
    TSelectPanel *panel = nullptr;
public slots:
    void ItemChange(QObject *, TListItem *Item, TItemChange Change)
    {
        if (Change == ctText && Item->Caption() == QLatin1String("x")
            && Item->SubItems().Count() == 0)
            panel->ListBox->AddRow({"echo"});
    }
};

TEST_F(PanelTest, RowsAddedByAHandlerMeanwhileArePaddedToo)
{
    Echo echo;
    echo.panel = panel;
    addRows(panel, {{"a", "1"}});
    panel->SetOnItemChange(MethodOf(&echo, "ItemChange"));
    addRows(panel, {{"x", "1"}});
    EXPECT_EQ(rowTexts(), (QStringList{"a/1", "x/1", "echo/"}));
    addRows(panel, {{"b", "2", "3"}});
    EXPECT_EQ(rowTexts(), (QStringList{"a/1/", "x/1/", "echo//", "b/2/3"}));
}

TEST_F(PanelTest, ItemsColumnsAndCaptionsAreProperties)
{
    panel->setProperty("Items", QVariant::fromValue(QList<QStringList>{{"a", "1"}, {"b"}}));
    EXPECT_EQ(rowTexts(), (QStringList{"a/1", "b"}));
    panel->setProperty("Columns", QVariantList{QVariantMap{{"Caption", "代码"}, {"Width", 40}},
                                               QVariantMap{{"Caption", "名称"}, {"Width", 90}}});
    EXPECT_EQ(columnCaptions(panel), (QStringList{"代码", "名称"}));
    EXPECT_EQ(columnWidths(panel->ListBox), (QList<int>{40, 90}));
    EXPECT_EQ(panel->property("Columns").toList().at(1).toMap().value("Width").toInt(), 90);

    panel->SetColumnCaptions({"Code", "一个很长的名称"});
    EXPECT_EQ(columnCaptions(panel), (QStringList{"Code", "一个很长的名称"}));
    const QList<int> widths = columnWidths(panel->ListBox);
    EXPECT_GE(widths[0], panel->ListBox->StringWidth("Code"));
    EXPECT_GE(widths[1], panel->ListBox->StringWidth("一个很长的名称"));
}

// The rows AddRow leaves must be those of adding each row to the whole list step by step:
// append (sorted in when the list keeps sorted), pad every row, remove duplicates over the
// whole list, size every column over every row. Deletions and caption changes made by other
// code come in between.
class ReferenceList {
public:
    bool sorted = false;
    TCheckDuplicate duplicates = cd_None;
    QStringList columns;
    QList<QStringList> rows;
    QList<int> widths;

    ReferenceList() { m_collator.setCaseSensitivity(Qt::CaseInsensitive); }

    void add(const QStringList &values, int w)
    {
        while (columns.size() < values.size())
            columns.append(QStringLiteral("Data%1").arg(columns.size() + 1));
        rows.append(values);
        sort();
        qsizetype most = 0;
        for (const QStringList &row : rows)
            most = std::max(most, row.size());
        for (QStringList &row : rows)
            while (row.size() < most)
                row.append(QString());
        if (duplicates != cd_None) {
            for (qsizetype i = rows.size() - 1; i >= 1; --i) {
                if (same(rows[i][0], rows[i - 1][0]))
                    rows.removeAt(i);
            }
        }
        widths.clear();
        for (qsizetype k = 0; k < columns.size(); ++k) {
            int longest = TQuilListView::CodePageLength(columns[k]);
            for (const QStringList &row : rows)
                longest = std::max(longest, TQuilListView::CodePageLength(row.value(k)));
            widths.append(w * longest);
        }
    }

    void sort()
    {
        if (!sorted)
            return;
        std::stable_sort(rows.begin(), rows.end(), [this](const QStringList &a, const QStringList &b) {
            const int byCaption = m_collator.compare(a[0], b[0]);
            return byCaption != 0 ? byCaption < 0 : m_collator.compare(a.value(1), b.value(1)) < 0;
        });
    }

private:
    bool same(const QString &a, const QString &b) const
    {
        return duplicates == cd_CheckCase ? a == b : a.toUpper() == b.toUpper();
    }
    QCollator m_collator;
};

struct ReferenceCase {
    std::string name;
    bool sorted;
    TCheckDuplicate duplicates;
    quint32 seed;
};

class AgainstReference : public PanelTest, public testing::WithParamInterface<ReferenceCase> {};

TEST_P(AgainstReference, RandomChangesGiveTheSameRows)
{
    const ReferenceCase &c = GetParam();
    panel->SetStyle(sp_Discrete);
    panel->SetCheckDuplicate(c.duplicates);
    panel->SetSortListBox(c.sorted);
    ReferenceList reference;
    reference.sorted = c.sorted;
    reference.duplicates = c.duplicates;
    const int w = panel->ListBox->StringWidth(QStringLiteral("W"));
    const QStringList pool{"a", "A", "b", "B", "abc", "ABC", "公司", "部门", "", "x1", "Zz", "c"};
    QRandomGenerator random(c.seed);
    auto pick = [&] { return pool[int(random.bounded(pool.size()))]; };
    TQuilListView *list = panel->ListBox;

    for (int step = 0; step < 400; ++step) {
        const quint32 op = random.bounded(100);
        QString what;
        if (op < 70 || reference.rows.isEmpty()) {
            QStringList values;
            const int count = 1 + int(random.bounded(op % 7 == 0 ? 5 : 3));
            for (int i = 0; i < count; ++i)
                values.append(pick());
            what = "add " + values.join('/');
            ASSERT_TRUE(list->AddRow(values));
            reference.add(values, w);
        } else if (op < 85) {
            const int row = int(random.bounded(reference.rows.size()));
            what = "delete " + QString::number(row);
            list->Items().Delete(row);
            reference.rows.removeAt(row);
        } else if (op < 97) {
            const int row = int(random.bounded(reference.rows.size()));
            const QString caption = pick();
            what = "caption " + QString::number(row) + " " + caption;
            if (caption != reference.rows[row][0]) {
                list->Items().Item(row)->SetCaption(caption);
                reference.rows[row][0] = caption;
                reference.sort();
            }
        } else {
            what = "clear";
            panel->ListBox->ClearRows();
            reference.rows.clear();
        }
        ASSERT_EQ(panel->Items(), reference.rows) << "step " << step << ": " << what.toStdString();
        ASSERT_EQ(columnCaptions(panel), reference.columns) << "step " << step;
        if (!reference.widths.isEmpty()) {
            ASSERT_EQ(columnWidths(list), reference.widths)
                << "step " << step << ": " << what.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, AgainstReference,
    testing::Values(ReferenceCase{"Unsorted", false, cd_None, 1},
                    ReferenceCase{"SortedCaseInsensitive", true, cd_CaseInsensitive, 2},
                    ReferenceCase{"SortedCheckCase", true, cd_CheckCase, 3},
                    ReferenceCase{"UnsortedCheckCase", false, cd_CheckCase, 4},
                    ReferenceCase{"SortedWithoutDuplicateCheck", true, cd_None, 5}),
    caseName<ReferenceCase>);

} // namespace

#include "tst_list.moc"
