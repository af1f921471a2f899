#include "Menus.h"

TMenuItem::TMenuItem(QObject *owner) : TComponent(owner), m_action(std::make_unique<QAction>())
{
    connect(m_action.get(), &QAction::triggered, this, [this] { Click(); });
}

TMenuItem::~TMenuItem()
{
    if (m_parent)
        m_parent->Remove(this);
    for (const QPointer<TMenuItem> &item : std::as_const(m_items)) {
        if (item)
            item->m_parent = nullptr;
    }
}

void TMenuItem::SetCaption(const QString &caption)
{
    m_action->setText(caption);
    m_action->setSeparator(caption == QLatin1String("-"));
}

void TMenuItem::SetChecked(bool value)
{
    m_action->setCheckable(value || m_action->isCheckable());
    m_action->setChecked(value);
}

TMenuItem *TMenuItem::Items(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].data() : nullptr;
}

void TMenuItem::Add(TMenuItem *item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (!item || item == this)
        return;
    if (item->m_parent)
        item->m_parent->Remove(item);
    item->m_parent = this;
    m_items.insert(std::clamp<qsizetype>(index, 0, m_items.size()), item);
    rebuild();
}

void TMenuItem::Remove(TMenuItem *item)
{
    if (m_items.removeAll(item) > 0) {
        item->m_parent = nullptr;
        rebuild();
    }
}

void TMenuItem::Clear()
{
    const auto items = m_items;
    for (const QPointer<TMenuItem> &item : items)
        ktr::platform::Free(item.data());
    m_items.clear();
    rebuild();
}

int TMenuItem::MenuIndex() const
{
    return m_parent ? int(m_parent->m_items.indexOf(const_cast<TMenuItem *>(this))) : -1;
}

void TMenuItem::Click()
{
    CallNotify(m_onClick, this);
}

QMenu *TMenuItem::menu()
{
    if (!m_menu)
        rebuild();
    return m_menu.get();
}

void TMenuItem::rebuild()
{
    if (!m_menu)
        m_menu = std::make_unique<QMenu>();
    m_menu->clear();
    for (const QPointer<TMenuItem> &item : std::as_const(m_items)) {
        if (!item)
            continue;
        if (item->Count() > 0)
            item->m_action->setMenu(item->menu());
        m_menu->addAction(item->m_action.get());
    }
    m_action->setMenu(m_items.isEmpty() ? nullptr : m_menu.get());
}

TPopupMenu::TPopupMenu(QObject *owner) : TComponent(owner), m_items(new TMenuItem(this))
{
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int x, int y)
{
    CallNotify(m_onPopup, this);
    menu()->popup(QPoint(x, y));
}
