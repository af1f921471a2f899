#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QStringList>
#include <QTreeWidget>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class TListView;
class TListItem;

// One column of a report-style list view.
class KTRPLATFORM_EXPORT TListColumn {
public:
    QString Caption() const;
    void SetCaption(const QString &caption);
    int Width() const;
    void SetWidth(int width);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    int Index() const { return m_index; }

private:
    friend class TListColumns;
    TListColumn(TListView *view, int index) : m_view(view), m_index(index) {}
    TListView *m_view;
    int m_index;
    QString m_caption;
    int m_width = 50;
    TAlignment m_alignment = taLeftJustify;
};

class KTRPLATFORM_EXPORT TListColumns {
public:
    TListColumn *Add();
    int Count() const { return int(m_columns.size()); }
    TListColumn *Items(int index) const;
    TListColumn *operator[](int index) const { return Items(index); }
    void Clear();
    void Delete(int index);

private:
    friend class TListView;
    explicit TListColumns(TListView *view) : m_view(view) {}
    TListView *m_view;
    std::vector<std::unique_ptr<TListColumn>> m_columns;
};

// The texts of an item's further columns; every change shows at once.
class KTRPLATFORM_EXPORT TSubItems {
public:
    int Add(const QString &text);
    void Insert(int index, const QString &text);
    int Count() const { return int(m_texts.size()); }
    QString Strings(int index) const { return m_texts.value(index); }
    QString operator[](int index) const { return Strings(index); }
    void SetStrings(int index, const QString &text);
    void Delete(int index);
    void Clear();
    QStringList toStringList() const { return m_texts; }
    void Assign(const QStringList &texts);

private:
    friend class TListItem;
    explicit TSubItems(TListItem *item) : m_item(item) {}
    TListItem *m_item;
    QStringList m_texts;
};

// One row: a caption (column 0) and sub-items (columns 1 ...). Owned by its list view.
class KTRPLATFORM_EXPORT TListItem {
public:
    ~TListItem();
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    TSubItems &SubItems() { return m_subItems; }
    const TSubItems &SubItems() const { return m_subItems; }
    QVariant Data() const { return m_data; }
    void SetData(const QVariant &data) { m_data = data; }
    bool Selected() const;
    void SetSelected(bool selected);
    bool Focused() const;
    void SetFocused(bool focused);
    int Index() const;
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index) { m_imageIndex = index; }
    TListView *ListView() const { return m_view; }
    void Delete();
    void MakeVisible();

private:
    friend class TListView;
    friend class TListItems;
    friend class TSubItems;
    TListItem(TListView *view, QTreeWidgetItem *row);
    void show();

    TListView *m_view;
    QTreeWidgetItem *m_row;
    QString m_caption;
    TSubItems m_subItems{this};
    QVariant m_data;
    int m_imageIndex = -1;
};

class KTRPLATFORM_EXPORT TListItems {
public:
    TListItem *Add();
    TListItem *Insert(int index);
    int Count() const;
    TListItem *Item(int index) const;
    TListItem *operator[](int index) const { return Item(index); }
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem *item) const;
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListView;
    explicit TListItems(TListView *view) : m_view(view) {}
    TListView *m_view;
};

// A list view shown in report style: columns with captions and widths, rows with a caption
// and sub-items. Events besides the control's: OnColumnClick
// (void h(QObject *Sender, TListColumn *Column)), OnSelectItem
// (void h(QObject *Sender, TListItem *Item, bool Selected)), OnEdited after an in-place edit
// of a caption (void h(QObject *Sender, TListItem *Item, QString *S)), OnCompare for
// AlphaSort (void h(QObject *Sender, TListItem *Item1, TListItem *Item2, int Data,
// int *Compare)), OnDeletion (void h(QObject *Sender, TListItem *Item)), OnChanging before
// an item's texts change (void h(QObject *Sender, TListItem *Item, TItemChange Change,
// bool *AllowChange); refusing keeps the old texts) and OnChange after its texts or its
// selection changed (void h(QObject *Sender, TListItem *Item, TItemChange Change)).
class KTRPLATFORM_EXPORT TListView : public QTreeWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(ktr::platform::types::TViewStyle ViewStyle READ ViewStyle WRITE SetViewStyle)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    Q_PROPERTY(bool RowSelect READ RowSelect WRITE SetRowSelect)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool ShowColumnHeaders READ ShowColumnHeaders WRITE SetShowColumnHeaders)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(bool GridLines READ GridLines WRITE SetGridLines)
    Q_PROPERTY(ktr::platform::types::TSortType SortType READ SortType WRITE SetSortType)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int SelCount READ SelCount)
    Q_PROPERTY(TMethod OnColumnClick READ OnColumnClick WRITE SetOnColumnClick)
    Q_PROPERTY(TMethod OnSelectItem READ OnSelectItem WRITE SetOnSelectItem)
    Q_PROPERTY(TMethod OnEdited READ OnEdited WRITE SetOnEdited)
    Q_PROPERTY(TMethod OnCompare READ OnCompare WRITE SetOnCompare)
    Q_PROPERTY(TMethod OnDeletion READ OnDeletion WRITE SetOnDeletion)
    Q_PROPERTY(TMethod OnChange READ OnChange WRITE SetOnChange)
    Q_PROPERTY(TMethod OnChanging READ OnChanging WRITE SetOnChanging)
public:
    explicit TListView(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TListView() override;

    TListColumns &Columns() { return m_columns; }
    TListItems &Items() { return m_items; }
    const TListItems &Items() const { return m_items; }
    TListItem *Selected() const;
    void SetSelected(TListItem *item);
    TListItem *ItemFocused() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    int SelCount() const;
    // The selected item after `after` (nullptr: from the start), in row order.
    TListItem *GetNextSelected(TListItem *after) const;
    void Clear();

    TViewStyle ViewStyle() const { return m_viewStyle; }
    void SetViewStyle(TViewStyle style) { m_viewStyle = style; }
    bool MultiSelect() const;
    void SetMultiSelect(bool value);
    bool RowSelect() const { return m_rowSelect; }
    void SetRowSelect(bool value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);
    bool ShowColumnHeaders() const { return !isHeaderHidden(); }
    void SetShowColumnHeaders(bool value) { setHeaderHidden(!value); }
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool value);
    bool GridLines() const { return m_gridLines; }
    void SetGridLines(bool value) { m_gridLines = value; }
    TSortType SortType() const { return m_sortType; }
    void SetSortType(TSortType type);

    // Sorts by OnCompare when assigned, else by caption (case-insensitive, locale-aware).
    void AlphaSort();
    // Sorts with compare (negative: first before second); stable.
    void CustomSort(const std::function<int(const TListItem *, const TListItem *)> &compare);
    // The text width of a string in the list's font (for column sizing).
    int StringWidth(const QString &text) const;

    TMethod OnColumnClick() const { return m_onColumnClick; }
    void SetOnColumnClick(const TMethod &m) { m_onColumnClick = m; }
    TMethod OnSelectItem() const { return m_onSelectItem; }
    void SetOnSelectItem(const TMethod &m) { m_onSelectItem = m; }
    TMethod OnEdited() const { return m_onEdited; }
    void SetOnEdited(const TMethod &m) { m_onEdited = m; }
    TMethod OnCompare() const { return m_onCompare; }
    void SetOnCompare(const TMethod &m) { m_onCompare = m; }
    TMethod OnDeletion() const { return m_onDeletion; }
    void SetOnDeletion(const TMethod &m) { m_onDeletion = m; }
    TMethod OnChanging() const { return m_onChanging; }
    void SetOnChanging(const TMethod &m) { m_onChanging = m; }

    // Item notifications (OnChanging / OnChange above).
    virtual bool CanChangeItem(TListItem *item, TItemChange change);
    virtual void ItemChange(TListItem *item, TItemChange change);

    TListItem *itemOfRow(const QTreeWidgetItem *row) const;

protected:
    virtual void ColumnClick(TListColumn *column);
    virtual void SelectItem(TListItem *item, bool selected);
    virtual void Edited(TListItem *item, QString &text);
    virtual void Delete(TListItem *item);
    // In-place editing always edits the caption (column 0).
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumn;
    friend class TListColumns;
    void syncColumns();
    void applySelectionLook();
    void reorderRows();
    void selectionChanged();
    void captionEdited(QTreeWidgetItem *row, int column);

    TListColumns m_columns{this};
    TListItems m_items{this};
    std::vector<std::unique_ptr<TListItem>> m_rows; // in row order
    TViewStyle m_viewStyle = vsIcon;
    bool m_rowSelect = false;
    bool m_readOnly = false;
    bool m_hideSelection = true;
    bool m_gridLines = false;
    TSortType m_sortType = stNone;
    bool m_syncing = false;
    QList<TListItem *> m_lastSelection;
    TMethod m_onColumnClick, m_onSelectItem, m_onEdited, m_onCompare, m_onDeletion, m_onChanging;
};
