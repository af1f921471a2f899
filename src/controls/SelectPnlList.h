#pragma once

#include "SelectPnlTypes.h"

#include "ListView.h"

#include <QCollator>
#include <QStringList>

#include <map>
#include <vector>

class TSelectPanel;

// The value list of a selection panel: a report-style list view whose rows are added
// with AddRow, which creates missing columns, pads every row to the same number of
// sub-items, removes adjacent duplicate captions and sizes the columns to their texts.
//
// Sorting: SortType stText or stBoth keeps the rows sorted by the row comparison
// (CompareRows) with the sort column and direction a column click chooses. The list does
// this itself and leaves the platform's own sort mode off, so that adding a row costs a
// binary search instead of a full sort.
//
// Row selection, change and changing notifications raise the list's own events and then
// those of the panel it serves (SetNotifiedPanel).
//
// AddRow keeps a summary of the rows (their common sub-item count and, per column, how
// many texts have each length) so that adding n rows costs near-linear time; a change made
// to the rows by other means marks the summary stale and the next AddRow rebuilds it.
class TQuilListView : public TListView {
    Q_OBJECT
    Q_PROPERTY(bool ColumnsAutoSize READ ColumnsAutoSize WRITE SetColumnsAutoSize)
    Q_PROPERTY(ktr::platform::types::TSortType SortType READ SortType WRITE SetSortType)
public:
    explicit TQuilListView(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TQuilListView() override;

    bool ColumnsAutoSize() const { return m_columnsAutoSize; }
    void SetColumnsAutoSize(bool value) { m_columnsAutoSize = value; }

    // Adds one row: values[0] is the caption, the others the sub-items in order. An empty
    // list adds nothing. False when nothing was added or an error stopped the steps; what
    // was added before the error stays.
    bool AddRow(const QStringList &values);
    void ClearRows();

    // The rows as caption followed by sub-items; assigning replaces them as given (no
    // padding, duplicate removal or column sizing).
    QList<QStringList> Rows() const;
    void SetRows(const QList<QStringList> &rows);

    TSortType SortType() const { return m_sortType; }
    void SetSortType(TSortType type);
    bool KeepsSorted() const { return m_sortType == stText || m_sortType == stBoth; }
    int SortColumn() const { return m_sortColumn; }
    bool SortDescending() const { return m_sortDescending; }
    // Sorts the rows by the row comparison (stable).
    void SortRows();
    // Negative when a goes before b: the sort column first, then the tie-breaking columns,
    // each compared without case in the locale's order; negated when descending.
    int CompareRows(const TListItem *a, const TListItem *b) const;

    TCheckDuplicate CheckDuplicate() const { return m_checkDuplicate; }
    void SetCheckDuplicate(TCheckDuplicate mode);
    // Deletes, from the last row up, every row whose caption equals the caption of the row
    // above it (exactly, or upper-cased, as CheckDuplicate says).
    void RemoveDuplicates();

    // Length of a text as the columns are sized: one per ASCII character, two per other
    // character (a Chinese character takes two bytes in the double-byte code pages).
    static int CodePageLength(const QString &text);

    void SetNotifiedPanel(TSelectPanel *panel) { m_panel = panel; }

    bool CanChangeItem(TListItem *item, TItemChange change) override;
    void ItemChange(TListItem *item, TItemChange change) override;

protected:
    void SelectItem(TListItem *item, bool selected) override;
    void ColumnClick(TListColumn *column) override;
    void Delete(TListItem *item) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // How many texts of one column have each length.
    class ColumnLengths {
    public:
        void add(int length, int count = 1);
        void remove(int length);
        int longest() const { return m_counts.empty() ? 0 : m_counts.rbegin()->first; }

    private:
        std::map<int, int> m_counts;
    };

    class QuietCells;

    // What AddRow knows of the rows while nothing else changed them.
    struct RowSummary {
        bool current = true;
        int rows = 0;
        int subItems = 0; // every row holds exactly this many sub-items
        std::vector<ColumnLengths> lengths; // index 0: captions, k: sub-item k - 1
        bool duplicateFree = true;          // no adjacent duplicates under CheckDuplicate
    };

    int compareTexts(const QString &captionA, const QStringList &subItemsA,
                     const QString &captionB, const QStringList &subItemsB) const;
    bool sameCaption(const QString &a, const QString &b) const;
    void ensureColumns(int count);
    int insertPosition(const QString &caption, const QStringList &subItems) const;
    TListItem *insertRow(int position, const QString &caption, const QStringList &subItems);
    void addToSummary(TListItem *added, int given);
    void noteChangeFromHandler();
    void rebuildSummary();
    void removeDuplicatesAround(int row);
    void sizeColumns();
    int charWidth();
    void addLengths(const TListItem *item);
    void removeLengths(const TListItem *item);

    bool m_columnsAutoSize = true;
    TSortType m_sortType = stNone;
    int m_sortColumn = 0;
    bool m_sortDescending = false;
    TCheckDuplicate m_checkDuplicate = cd_None;
    QCollator m_collator;
    RowSummary m_summary;
    bool m_adding = false; // inside AddRow or SetRows: changes are the list's own
    int m_charWidth = -1;  // of "W" in the list's font; -1 until measured
    int m_handlerDepth = 0;       // item handlers running
    unsigned m_foreignChanges = 0; // row changes made while a handler ran
    TSelectPanel *m_panel = nullptr;
};
