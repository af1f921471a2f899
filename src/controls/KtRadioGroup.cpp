#include "KtRadioGroup.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPointer>

#include <algorithm>

// ---- TKtGroupButton ----

TKtGroupButton::TKtGroupButton(TKtRadioGroup *group, int index)
    : TKtRadioButton(group, nullptr), m_group(group), m_index(index)
{
    SetVisible(false);
    SetParentShowHint(false);
    SetEnabled(group->Enabled());
    SetParent(group);
}

TKtGroupButton::~TKtGroupButton() = default;

void TKtGroupButton::Click()
{
    if (m_inClick)
        return;
    m_inClick = true;
    QPointer<TKtGroupButton> self = this;
    TKtRadioButton::Click();
    if (self)
        m_group->buttonClicked(this);
    if (self)
        m_inClick = false;
}

void TKtGroupButton::KeyDown(quint16 &key, TShiftState shift)
{
    TKtRadioButton::KeyDown(key, shift);
    if (key)
        m_group->KeyDown(key, shift);
}

void TKtGroupButton::KeyPress(QChar &key)
{
    TKtRadioButton::KeyPress(key);
    if (!key.isNull())
        m_group->KeyPress(key);
}

void TKtGroupButton::KeyUp(quint16 &key, TShiftState shift)
{
    TKtRadioButton::KeyUp(key, shift);
    if (key)
        m_group->KeyUp(key, shift);
}

// ---- TKtRadioGroup ----

TKtRadioGroup::TKtRadioGroup(QObject *owner, QWidget *parent) : TGroupBox(owner, parent)
{
    resize(185, 105);
}

TKtRadioGroup::~TKtRadioGroup() = default;

TKtGroupButton *TKtRadioGroup::Buttons(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

void TKtRadioGroup::SetItems(const QStringList &items)
{
    m_items = items;
    m_itemIndex = std::min(m_itemIndex, int(m_items.size()) - 1);
    updateButtons();
}

void TKtRadioGroup::SetItemIndex(int index)
{
    index = std::clamp(index, -1, int(m_buttons.size()) - 1);
    if (index == m_itemIndex)
        return;
    if (TKtGroupButton *old = Buttons(m_itemIndex))
        old->SetChecked(false);
    m_itemIndex = index;
    if (TKtGroupButton *now = Buttons(m_itemIndex))
        now->SetChecked(true);
}

void TKtRadioGroup::SetColumns(int columns)
{
    columns = std::clamp(columns, 1, 16);
    if (columns == m_columns)
        return;
    m_columns = columns;
    arrangeButtons();
}

void TKtRadioGroup::SetEnabled(bool enabled)
{
    TGroupBox::SetEnabled(enabled);
    for (TKtGroupButton *button : std::as_const(m_buttons))
        button->SetEnabled(enabled);
}

void TKtRadioGroup::Resize()
{
    arrangeButtons();
    TGroupBox::Resize();
}

void TKtRadioGroup::changeEvent(QEvent *event)
{
    TGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
        arrangeButtons();
}

void TKtRadioGroup::buttonClicked(TKtGroupButton *button)
{
    if (m_updating)
        return;
    m_itemIndex = button->Index();
    Click();
}

void TKtRadioGroup::updateButtons()
{
    while (m_buttons.size() < m_items.size())
        m_buttons.append(new TKtGroupButton(this, int(m_buttons.size())));
    while (m_buttons.size() > m_items.size())
        ktr::platform::Free(m_buttons.takeLast());
    m_updating = true;
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->SetCaption(m_items[i]);
        m_buttons[i]->SetChecked(i == m_itemIndex);
    }
    m_updating = false;
    arrangeButtons();
}

void TKtRadioGroup::arrangeButtons()
{
    const int count = int(m_buttons.size());
    if (count == 0)
        return;
    const int textHeight = QFontMetrics(font()).height();
    const int perColumn = (count + m_columns - 1) / m_columns;
    const int buttonWidth = (Width() - 10) / m_columns;
    const int h = Height() - textHeight - 5;
    const int buttonHeight = h / perColumn;
    const int topMargin = (h % perColumn) / 2 + textHeight + 1;
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    for (int i = 0; i < count; ++i) {
        int left = (i / perColumn) * buttonWidth + 8;
        if (mirrored)
            left = Width() - left - buttonWidth;
        m_buttons[i]->SetBounds(left, (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                buttonHeight);
        m_buttons[i]->SetVisible(true);
    }
}
