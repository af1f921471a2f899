#include "SelectPnlList.h"

#include "SelectPnl.h"

#include <QEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Marks the list's own changes for as long as it lives.
class OwnChanges {
public:
    explicit OwnChanges(bool &flag) : m_flag(flag), m_before(std::exchange(flag, true)) {}
    ~OwnChanges() { m_flag = m_before; }
    OwnChanges(const OwnChanges &) = delete;
    OwnChanges &operator=(const OwnChanges &) = delete;

private:
    bool &m_flag;
    bool m_before;
};

// Counts the item handlers running.
class HandlerCall {
public:
    explicit HandlerCall(int &depth) : m_depth(depth) { ++m_depth; }
    ~HandlerCall() { --m_depth; }
    HandlerCall(const HandlerCall &) = delete;
    HandlerCall &operator=(const HandlerCall &) = delete;

private:
    int &m_depth;
};

} // namespace

// Texts written into the rows while a row is being added. The view lays every row out
// afresh after an insertion, so the model's change notification for each cell is only
// cost (it is most of the cost of a row) and is held back meanwhile. Only while no handler
// of the list's or the panel's item events can run in between: a handler might insert rows,
// which the view must hear of.
class TQuilListView::QuietCells {
public:
    explicit QuietCells(TQuilListView &list)
    {
        const bool handlers = list.OnChange().assigned() || list.OnChanging().assigned()
            || (list.m_panel && list.m_panel->ListensToItems());
        if (!handlers)
            m_blocker.emplace(list.model());
    }

private:
    std::optional<QSignalBlocker> m_blocker;
};

void TQuilListView::ColumnLengths::add(int length, int count)
{
    if (count > 0)
        m_counts[length] += count;
}

void TQuilListView::ColumnLengths::remove(int length)
{
    const auto it = m_counts.find(length);
    if (it == m_counts.end())
        return;
    if (--it->second == 0)
        m_counts.erase(it);
}

TQuilListView::TQuilListView(QObject *owner, QWidget *parent) : TListView(owner, parent)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

TQuilListView::~TQuilListView() = default;

int TQuilListView::CodePageLength(const QString &text)
{
    int length = 0;
    for (const QChar c : text)
        length += c.unicode() < 0x80 ? 1 : 2;
    return length;
}

// Rows.

bool TQuilListView::AddRow(const QStringList &values)
{
    if (values.isEmpty())
        return false;
    const OwnChanges own(m_adding);
    const unsigned foreignBefore = m_foreignChanges;
    try {
        bool summaryCurrent = m_summary.current && m_summary.rows == Items().Count();
        if (summaryCurrent && m_summary.rows == 0)
            m_summary = RowSummary{};
        ensureColumns(int(values.size()));

        const QString caption = values.front();
        QStringList subItems = values.mid(1);
        const int given = int(subItems.size());
        int position = -1;
        if (summaryCurrent) {
            // Every row already holds m_summary.subItems sub-items; only the new row and,
            // when it is longer, the padding of the others need work.
            const int common = std::max(m_summary.subItems, given);
            while (subItems.size() < common)
                subItems.append(QString());
            position = insertPosition(caption, subItems);
            TListItem *item = insertRow(position, caption, subItems);
            // An item handler may have changed the rows meanwhile.
            summaryCurrent = m_foreignChanges == foreignBefore && Items().Item(position) == item
                && Items().Count() == m_summary.rows + 1;
            if (summaryCurrent) {
                addToSummary(item, given);
                addLengths(item);
                summaryCurrent = m_summary.current && m_foreignChanges == foreignBefore;
            }
        } else {
            insertRow(insertPosition(caption, subItems), caption, subItems);
        }
        if (!summaryCurrent) {
            // Take every step over all the rows; a handler may have left them unsorted.
            if (KeepsSorted() && m_foreignChanges != foreignBefore)
                SortRows();
            rebuildSummary();
            RemoveDuplicates();
        } else if (m_checkDuplicate != cd_None) {
            if (m_summary.duplicateFree)
                removeDuplicatesAround(position);
            else
                RemoveDuplicates();
        }
        m_summary.duplicateFree = true;
        if (m_foreignChanges != foreignBefore || m_summary.rows != Items().Count()) {
            m_summary.current = false;
            m_summary.duplicateFree = false;
        }
        if (m_columnsAutoSize)
            sizeColumns();
        return true;
    } catch (...) {
        // Reported by the result; what was added before stays.
        m_summary.current = false;
        return false;
    }
}

void TQuilListView::ClearRows()
{
    {
        const OwnChanges own(m_adding);
        Items().Clear();
    }
    m_summary = RowSummary{};
}

QList<QStringList> TQuilListView::Rows() const
{
    QList<QStringList> rows;
    rows.reserve(Items().Count());
    for (int i = 0; i < Items().Count(); ++i) {
        const TListItem *item = Items().Item(i);
        rows.append(QStringList{item->Caption()} + item->SubItems().toStringList());
    }
    return rows;
}

void TQuilListView::SetRows(const QList<QStringList> &rows)
{
    {
        const OwnChanges own(m_adding);
        Items().Clear();
        for (const QStringList &row : rows)
            insertRow(Items().Count(), row.value(0), row.mid(1));
    }
    m_summary.current = false;
    if (KeepsSorted())
        SortRows();
}

TListItem *TQuilListView::insertRow(int position, const QString &caption,
                                    const QStringList &subItems)
{
    TListItem *item = Items().Insert(position);
    const QuietCells quiet(*this);
    item->SetCaption(caption);
    item->SubItems().Assign(subItems);
    return item;
}

void TQuilListView::ensureColumns(int count)
{
    while (Columns().Count() < count) {
        TListColumn *column = Columns().Add();
        column->SetCaption(QStringLiteral("Data%1").arg(Columns().Count()));
    }
}

int TQuilListView::insertPosition(const QString &caption, const QStringList &subItems) const
{
    if (!KeepsSorted())
        return Items().Count();
    // After every row that compares equal, as a stable sort would place a row added last.
    int low = 0;
    int high = Items().Count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const TListItem *row = Items().Item(middle);
        if (compareTexts(caption, subItems, row->Caption(), row->SubItems().toStringList()) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// The summary after a row with `given` sub-items went in (already padded to the common
// count); when it is longer than the others, they are padded now.
void TQuilListView::addToSummary(TListItem *added, int given)
{
    const int before = m_summary.subItems;
    ++m_summary.rows;
    if (given > before) {
        const QuietCells quiet(*this);
        for (int i = 0; i < Items().Count(); ++i) {
            TListItem *row = Items().Item(i);
            if (row == added)
                continue;
            QStringList padded = row->SubItems().toStringList();
            while (padded.size() < given)
                padded.append(QString());
            row->SubItems().Assign(padded);
        }
        m_summary.subItems = given;
        m_summary.lengths.resize(std::size_t(given) + 1);
        for (int k = before + 1; k <= given; ++k)
            m_summary.lengths[std::size_t(k)].add(0, m_summary.rows - 1);
    }
    // A handler that refused a change leaves rows the summary does not describe.
    if (added->SubItems().Count() != m_summary.subItems)
        m_summary.current = false;
}

void TQuilListView::rebuildSummary()
{
    RowSummary summary;
    summary.rows = Items().Count();
    for (int i = 0; i < Items().Count(); ++i)
        summary.subItems = std::max(summary.subItems, Items().Item(i)->SubItems().Count());
    const QuietCells quiet(*this);
    for (int i = 0; i < Items().Count(); ++i) {
        TListItem *row = Items().Item(i);
        if (row->SubItems().Count() < summary.subItems) {
            QStringList padded = row->SubItems().toStringList();
            while (padded.size() < summary.subItems)
                padded.append(QString());
            row->SubItems().Assign(padded);
        }
    }
    m_summary = std::move(summary);
    m_summary.lengths.resize(std::size_t(m_summary.subItems) + 1);
    for (int i = 0; i < Items().Count(); ++i)
        addLengths(Items().Item(i));
    m_summary.duplicateFree = false;
}

void TQuilListView::addLengths(const TListItem *item)
{
    const QStringList subItems = item->SubItems().toStringList();
    if (m_summary.lengths.size() < std::size_t(subItems.size()) + 1)
        m_summary.lengths.resize(std::size_t(subItems.size()) + 1);
    m_summary.lengths[0].add(CodePageLength(item->Caption()));
    for (qsizetype k = 0; k < subItems.size(); ++k)
        m_summary.lengths[std::size_t(k) + 1].add(CodePageLength(subItems[k]));
}

void TQuilListView::removeLengths(const TListItem *item)
{
    const QStringList subItems = item->SubItems().toStringList();
    if (!m_summary.lengths.empty())
        m_summary.lengths[0].remove(CodePageLength(item->Caption()));
    for (qsizetype k = 0; k < subItems.size(); ++k) {
        if (std::size_t(k) + 1 < m_summary.lengths.size())
            m_summary.lengths[std::size_t(k) + 1].remove(CodePageLength(subItems[k]));
    }
}

// Column k is as wide as w times the longest of its caption and its texts in the rows,
// w being the width of "W" in the list's font.
void TQuilListView::sizeColumns()
{
    const int w = charWidth();
    for (int k = 0; k < Columns().Count(); ++k) {
        TListColumn *column = Columns().Items(k);
        int longest = CodePageLength(column->Caption());
        if (std::size_t(k) < m_summary.lengths.size())
            longest = std::max(longest, m_summary.lengths[std::size_t(k)].longest());
        if (column->Width() != w * longest)
            column->SetWidth(w * longest);
    }
}

int TQuilListView::charWidth()
{
    if (m_charWidth < 0)
        m_charWidth = StringWidth(QStringLiteral("W"));
    return m_charWidth;
}

void TQuilListView::changeEvent(QEvent *event)
{
    TListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_charWidth = -1;
}

// Duplicates.

void TQuilListView::SetCheckDuplicate(TCheckDuplicate mode)
{
    if (mode != m_checkDuplicate)
        m_summary.duplicateFree = false;
    m_checkDuplicate = mode;
}

bool TQuilListView::sameCaption(const QString &a, const QString &b) const
{
    if (m_checkDuplicate == cd_CheckCase)
        return a == b;
    const QLocale locale;
    return locale.toUpper(a) == locale.toUpper(b);
}

void TQuilListView::RemoveDuplicates()
{
    if (m_checkDuplicate == cd_None)
        return;
    const OwnChanges own(m_adding);
    for (int i = Items().Count() - 1; i >= 1; --i) {
        if (sameCaption(Items().Item(i)->Caption(), Items().Item(i - 1)->Caption()))
            Items().Delete(i);
    }
    m_summary.duplicateFree = true;
}

// The list had no adjacent duplicates before the row at `row` came in, so only its two
// neighbours can equal it; they are tested in the order of the full pass (from the bottom).
void TQuilListView::removeDuplicatesAround(int row)
{
    if (row + 1 < Items().Count()
        && sameCaption(Items().Item(row + 1)->Caption(), Items().Item(row)->Caption()))
        Items().Delete(row + 1);
    if (row >= 1 && sameCaption(Items().Item(row)->Caption(), Items().Item(row - 1)->Caption()))
        Items().Delete(row);
}

// Sorting.

void TQuilListView::SetSortType(TSortType type)
{
    m_sortType = type;
    if (KeepsSorted())
        SortRows();
}

void TQuilListView::SortRows()
{
    CustomSort([this](const TListItem *a, const TListItem *b) { return CompareRows(a, b); });
}

int TQuilListView::CompareRows(const TListItem *a, const TListItem *b) const
{
    return compareTexts(a->Caption(), a->SubItems().toStringList(), b->Caption(),
                        b->SubItems().toStringList());
}

// The sort column s first; ties are broken by the caption and column 1: s = 0: caption,
// column 1; s = 1: column 1, caption; s >= 2: column s, caption, column 1.
int TQuilListView::compareTexts(const QString &captionA, const QStringList &subItemsA,
                                const QString &captionB, const QStringList &subItemsB) const
{
    const int s = m_sortColumn;
    int column = s;
    int result = 0;
    for (;;) {
        const QString textA = column == 0 ? captionA : subItemsA.value(column - 1);
        const QString textB = column == 0 ? captionB : subItemsB.value(column - 1);
        result = m_collator.compare(textA, textB);
        if (result != 0)
            break;
        if (s != 1 && column == 0)
            column = 1;
        else if (s > 0 && column == s)
            column = 0;
        else
            break;
    }
    return m_sortDescending ? -result : result;
}

void TQuilListView::ColumnClick(TListColumn *column)
{
    if (column) {
        if (column->Index() == m_sortColumn) {
            m_sortDescending = !m_sortDescending;
        } else {
            m_sortColumn = column->Index();
            m_sortDescending = false;
        }
        SortRows();
    }
    TListView::ColumnClick(column);
}

// Notifications.

// Changes of the rows made by item handlers are never the list's own, even inside AddRow.
void TQuilListView::noteChangeFromHandler()
{
    if (m_handlerDepth > 0)
        ++m_foreignChanges;
}

bool TQuilListView::CanChangeItem(TListItem *item, TItemChange change)
{
    const HandlerCall call(m_handlerDepth);
    bool allow = TListView::CanChangeItem(item, change);
    if (m_panel)
        m_panel->raiseItemChanging(item, change, allow);
    return allow;
}

void TQuilListView::SelectItem(TListItem *item, bool selected)
{
    const HandlerCall call(m_handlerDepth);
    TListView::SelectItem(item, selected);
    if (m_panel)
        m_panel->raiseItemSelect(item, selected);
}

void TQuilListView::ItemChange(TListItem *item, TItemChange change)
{
    noteChangeFromHandler();
    {
        const HandlerCall call(m_handlerDepth);
        TListView::ItemChange(item, change);
        if (m_panel)
            m_panel->raiseItemChange(item, change);
    }
    if (change != ctText || m_adding)
        return;
    m_summary.current = false;
    if (KeepsSorted())
        SortRows();
}

void TQuilListView::Delete(TListItem *item)
{
    noteChangeFromHandler();
    {
        const HandlerCall call(m_handlerDepth);
        TListView::Delete(item);
    }
    if (m_summary.current && m_summary.rows == Items().Count()) {
        removeLengths(item);
        --m_summary.rows;
    } else {
        m_summary.current = false;
    }
    if (!m_adding)
        m_summary.duplicateFree = false;
}

// A press first takes the focus; it goes on only when the list really has it then (an
// exit check elsewhere may have kept the focus where it was).
void TQuilListView::mousePressEvent(QMouseEvent *event)
{
    if (!Focused())
        SetFocus();
    if (!Focused())
        return;
    TListView::mousePressEvent(event);
}
