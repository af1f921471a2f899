#include "ListView.h"

#include <QHeaderView>

#include <algorithm>

// Columns.

QString TListColumn::Caption() const
{
    return m_caption;
}

void TListColumn::SetCaption(const QString &caption)
{
    m_caption = caption;
    m_view->syncColumns();
}

int TListColumn::Width() const
{
    return m_width;
}

void TListColumn::SetWidth(int width)
{
    m_width = std::max(0, width);
    m_view->syncColumns();
}

void TListColumn::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    m_view->syncColumns();
}

TListColumn *TListColumns::Add()
{
    m_columns.push_back(std::unique_ptr<TListColumn>(new TListColumn(m_view, Count())));
    m_view->syncColumns();
    return m_columns.back().get();
}

TListColumn *TListColumns::Items(int index) const
{
    return index >= 0 && index < Count() ? m_columns[std::size_t(index)].get() : nullptr;
}

void TListColumns::Clear()
{
    m_columns.clear();
    m_view->syncColumns();
}

void TListColumns::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_columns.erase(m_columns.begin() + index);
    for (int i = 0; i < Count(); ++i)
        m_columns[std::size_t(i)]->m_index = i;
    m_view->syncColumns();
}

// Sub-items.

int TSubItems::Add(const QString &text)
{
    QStringList texts = m_texts;
    texts.append(text);
    Assign(texts);
    return Count() - 1;
}

void TSubItems::Insert(int index, const QString &text)
{
    QStringList texts = m_texts;
    texts.insert(std::clamp(index, 0, Count()), text);
    Assign(texts);
}

void TSubItems::SetStrings(int index, const QString &text)
{
    if (index < 0 || index >= Count())
        return;
    QStringList texts = m_texts;
    texts[index] = text;
    Assign(texts);
}

void TSubItems::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    QStringList texts = m_texts;
    texts.removeAt(index);
    Assign(texts);
}

void TSubItems::Clear()
{
    Assign({});
}

void TSubItems::Assign(const QStringList &texts)
{
    if (texts == m_texts || !m_item->m_view->CanChangeItem(m_item, ctText))
        return;
    m_texts = texts;
    m_item->show();
    m_item->m_view->ItemChange(m_item, ctText);
}

// Items.

TListItem::TListItem(TListView *view, QTreeWidgetItem *row) : m_view(view), m_row(row)
{
}

TListItem::~TListItem() = default;

void TListItem::show()
{
    const bool syncing = std::exchange(m_view->m_syncing, true);
    const int columns = std::max<int>(int(m_subItems.m_texts.size()) + 1, m_row->columnCount());
    m_row->setText(0, m_caption);
    for (int i = 1; i < columns; ++i)
        m_row->setText(i, m_subItems.m_texts.value(i - 1));
    m_view->m_syncing = syncing;
}

void TListItem::SetCaption(const QString &caption)
{
    if (caption == m_caption || !m_view->CanChangeItem(this, ctText))
        return;
    m_caption = caption;
    show();
    m_view->ItemChange(this, ctText);
    if (m_view->m_sortType == stText || m_view->m_sortType == stBoth)
        m_view->AlphaSort();
}

bool TListItem::Selected() const
{
    return m_row->isSelected();
}

void TListItem::SetSelected(bool selected)
{
    m_row->setSelected(selected);
}

bool TListItem::Focused() const
{
    return m_view->currentItem() == m_row;
}

void TListItem::SetFocused(bool focused)
{
    if (focused)
        m_view->setCurrentItem(m_row, 0, QItemSelectionModel::NoUpdate);
}

int TListItem::Index() const
{
    return m_view->m_items.IndexOf(this);
}

void TListItem::Delete()
{
    m_view->m_items.Delete(Index());
}

void TListItem::MakeVisible()
{
    m_view->scrollToItem(m_row);
}

TListItem *TListItems::Add()
{
    return Insert(Count());
}

TListItem *TListItems::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto *row = new QTreeWidgetItem;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_view->m_readOnly)
        flags |= Qt::ItemIsEditable;
    row->setFlags(flags);
    const bool syncing = std::exchange(m_view->m_syncing, true);
    m_view->insertTopLevelItem(index, row); // the tree owns the row
    m_view->m_syncing = syncing;
    auto item = std::unique_ptr<TListItem>(new TListItem(m_view, row));
    TListItem *result = item.get();
    m_view->m_rows.insert(m_view->m_rows.begin() + index, std::move(item));
    return result;
}

int TListItems::Count() const
{
    return int(m_view->m_rows.size());
}

TListItem *TListItems::Item(int index) const
{
    return index >= 0 && index < Count() ? m_view->m_rows[std::size_t(index)].get() : nullptr;
}

void TListItems::Delete(int index)
{
    TListItem *item = Item(index);
    if (!item)
        return;
    m_view->Delete(item);
    m_view->m_lastSelection.removeAll(item);
    auto owned = std::move(m_view->m_rows[std::size_t(index)]);
    m_view->m_rows.erase(m_view->m_rows.begin() + index);
    const bool syncing = std::exchange(m_view->m_syncing, true);
    delete owned->m_row;
    m_view->m_syncing = syncing;
}

void TListItems::Clear()
{
    while (Count() > 0)
        Delete(Count() - 1);
}

int TListItems::IndexOf(const TListItem *item) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_view->m_rows[std::size_t(i)].get() == item)
            return i;
    }
    return -1;
}

void TListItems::BeginUpdate()
{
    m_view->setUpdatesEnabled(false);
}

void TListItems::EndUpdate()
{
    m_view->setUpdatesEnabled(true);
}

// The view.

TListView::TListView(QObject *owner, QWidget *parent) : QTreeWidget(parent), ControlLink(this, owner)
{
    initColor(clWindow);
    SetTabStop(true);
    resize(121, 97);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    syncColumns();
    applySelectionLook();
    connect(header(), &QHeaderView::sectionClicked, this,
            [this](int section) { ColumnClick(m_columns.Items(section)); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, &TListView::selectionChanged);
    connect(this, &QTreeWidget::itemChanged, this, &TListView::captionEdited);
}

TListView::~TListView()
{
    // Rows belong to the tree; the items only refer to them.
    m_rows.clear();
}

TListItem *TListView::itemOfRow(const QTreeWidgetItem *row) const
{
    for (const auto &item : m_rows) {
        if (item->m_row == row)
            return item.get();
    }
    return nullptr;
}

TListItem *TListView::Selected() const
{
    for (const auto &item : m_rows) {
        if (item->m_row->isSelected())
            return item.get();
    }
    return nullptr;
}

void TListView::SetSelected(TListItem *item)
{
    clearSelection();
    if (item) {
        item->m_row->setSelected(true);
        setCurrentItem(item->m_row, 0, QItemSelectionModel::NoUpdate);
    }
}

TListItem *TListView::ItemFocused() const
{
    return itemOfRow(currentItem());
}

int TListView::ItemIndex() const
{
    TListItem *item = Selected();
    return item ? item->Index() : -1;
}

void TListView::SetItemIndex(int index)
{
    SetSelected(m_items.Item(index));
}

int TListView::SelCount() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(),
                             [](const auto &item) { return item->m_row->isSelected(); }));
}

TListItem *TListView::GetNextSelected(TListItem *after) const
{
    int start = after ? after->Index() + 1 : 0;
    for (int i = std::max(0, start); i < m_items.Count(); ++i) {
        if (m_rows[std::size_t(i)]->m_row->isSelected())
            return m_rows[std::size_t(i)].get();
    }
    return nullptr;
}

void TListView::Clear()
{
    m_items.Clear();
}

bool TListView::MultiSelect() const
{
    return selectionMode() == QAbstractItemView::ExtendedSelection;
}

void TListView::SetMultiSelect(bool value)
{
    setSelectionMode(value ? QAbstractItemView::ExtendedSelection
                           : QAbstractItemView::SingleSelection);
}

void TListView::SetRowSelect(bool value)
{
    m_rowSelect = value;
    setAllColumnsShowFocus(value);
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

void TListView::SetReadOnly(bool value)
{
    m_readOnly = value;
    for (const auto &item : m_rows) {
        Qt::ItemFlags flags = item->m_row->flags();
        flags.setFlag(Qt::ItemIsEditable, !value);
        const bool syncing = std::exchange(m_syncing, true);
        item->m_row->setFlags(flags);
        m_syncing = syncing;
    }
}

void TListView::SetHideSelection(bool value)
{
    m_hideSelection = value;
    applySelectionLook();
}

void TListView::applySelectionLook()
{
    QPalette look = palette();
    if (m_hideSelection) {
        look.setColor(QPalette::Inactive, QPalette::Highlight,
                      look.color(QPalette::Inactive, QPalette::Base));
        look.setColor(QPalette::Inactive, QPalette::HighlightedText,
                      look.color(QPalette::Inactive, QPalette::Text));
    } else {
        look.setColor(QPalette::Inactive, QPalette::Highlight,
                      look.color(QPalette::Active, QPalette::Highlight));
        look.setColor(QPalette::Inactive, QPalette::HighlightedText,
                      look.color(QPalette::Active, QPalette::HighlightedText));
    }
    setPalette(look);
}

void TListView::SetSortType(TSortType type)
{
    m_sortType = type;
    if (type == stText || type == stBoth)
        AlphaSort();
}

void TListView::AlphaSort()
{
    if (m_onCompare.assigned()) {
        CustomSort([this](const TListItem *a, const TListItem *b) {
            int compare = 0;
            auto *first = const_cast<TListItem *>(a);
            auto *second = const_cast<TListItem *>(b);
            int data = 0;
            int *result = &compare;
            QObject *sender = this;
            ktr::platform::invokeHandler(m_onCompare,
                                         {"QObject*", "TListItem*", "TListItem*", "int", "int*"},
                                         {&sender, &first, &second, &data, &result});
            return compare;
        });
        return;
    }
    CustomSort([](const TListItem *a, const TListItem *b) {
        return QString::localeAwareCompare(a->Caption().toCaseFolded(),
                                           b->Caption().toCaseFolded());
    });
}

void TListView::CustomSort(const std::function<int(const TListItem *, const TListItem *)> &compare)
{
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&compare](const auto &a, const auto &b) { return compare(a.get(), b.get()) < 0; });
    reorderRows();
}

void TListView::reorderRows()
{
    const bool syncing = std::exchange(m_syncing, true);
    const QSignalBlocker blocker(this);
    QList<QTreeWidgetItem *> selected = selectedItems();
    QTreeWidgetItem *current = currentItem();
    while (topLevelItemCount() > 0)
        takeTopLevelItem(0);
    for (const auto &item : m_rows)
        addTopLevelItem(item->m_row);
    for (QTreeWidgetItem *row : selected)
        row->setSelected(true);
    if (current)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    m_syncing = syncing;
}

int TListView::StringWidth(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text);
}

void TListView::syncColumns()
{
    const int count = std::max(1, m_columns.Count());
    setColumnCount(count);
    QStringList captions;
    for (int i = 0; i < m_columns.Count(); ++i)
        captions.append(m_columns.Items(i)->Caption());
    if (captions.isEmpty())
        captions.append(QString());
    setHeaderLabels(captions);
    for (int i = 0; i < m_columns.Count(); ++i) {
        const TListColumn *column = m_columns.Items(i);
        header()->resizeSection(i, column->Width());
        const Qt::Alignment alignment = column->Alignment() == taCenter ? Qt::AlignHCenter
            : column->Alignment() == taRightJustify                      ? Qt::AlignRight
                                                                         : Qt::AlignLeft;
        headerItem()->setTextAlignment(i, alignment | Qt::AlignVCenter);
    }
    for (const auto &item : m_rows)
        item->show();
}

void TListView::selectionChanged()
{
    if (m_syncing)
        return;
    QList<TListItem *> now;
    for (const auto &item : m_rows) {
        if (item->m_row->isSelected())
            now.append(item.get());
    }
    const QList<TListItem *> before = std::exchange(m_lastSelection, now);
    for (TListItem *item : before) {
        if (!now.contains(item)) {
            SelectItem(item, false);
            ItemChange(item, ctState);
        }
    }
    for (TListItem *item : now) {
        if (!before.contains(item)) {
            SelectItem(item, true);
            ItemChange(item, ctState);
        }
    }
}

void TListView::captionEdited(QTreeWidgetItem *row, int column)
{
    if (m_syncing || column != 0)
        return;
    TListItem *item = itemOfRow(row);
    if (!item)
        return;
    QString text = row->text(0);
    Edited(item, text);
    item->SetCaption(text);
    item->show(); // a refused change shows the old caption again
}

bool TListView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (m_readOnly)
        return false;
    return QTreeWidget::edit(index.siblingAtColumn(0), trigger, event);
}

void TListView::ColumnClick(TListColumn *column)
{
    QObject *sender = this;
    ktr::platform::invokeHandler(m_onColumnClick, {"QObject*", "TListColumn*"}, {&sender, &column});
}

void TListView::SelectItem(TListItem *item, bool selected)
{
    QObject *sender = this;
    ktr::platform::invokeHandler(m_onSelectItem, {"QObject*", "TListItem*", "bool"},
                                 {&sender, &item, &selected});
}

void TListView::Edited(TListItem *item, QString &text)
{
    QObject *sender = this;
    QString *textPtr = &text;
    ktr::platform::invokeHandler(m_onEdited, {"QObject*", "TListItem*", "QString*"},
                                 {&sender, &item, &textPtr});
}

void TListView::Delete(TListItem *item)
{
    QObject *sender = this;
    ktr::platform::invokeHandler(m_onDeletion, {"QObject*", "TListItem*"}, {&sender, &item});
}

bool TListView::CanChangeItem(TListItem *item, TItemChange change)
{
    bool allow = true;
    QObject *sender = this;
    bool *allowPtr = &allow;
    ktr::platform::invokeHandler(m_onChanging, {"QObject*", "TListItem*", "TItemChange", "bool*"},
                                 {&sender, &item, &change, &allowPtr});
    return allow;
}

void TListView::ItemChange(TListItem *item, TItemChange change)
{
    QObject *sender = this;
    TMethod handler = OnChange();
    ktr::platform::invokeHandler(handler, {"QObject*", "TListItem*", "TItemChange"},
                                 {&sender, &item, &change});
}
