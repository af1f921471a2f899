#pragma once

#include "KtRadioButton.h"

#include <GroupBox.h>

#include <QList>
#include <QStringList>

class TKtRadioGroup;

// A button of a TKtRadioGroup: its click (on becoming checked) sets the group's ItemIndex
// and raises the group's OnClick; its keys go to the group as well.
class TKtGroupButton : public TKtRadioButton {
    Q_OBJECT
public:
    TKtGroupButton(TKtRadioGroup *group, int index);
    ~TKtGroupButton() override;

    int Index() const { return m_index; }

    void Click() override;
    void KeyDown(quint16 &key, TShiftState shift) override;
    void KeyPress(QChar &key) override;
    void KeyUp(quint16 &key, TShiftState shift) override;

private:
    TKtRadioGroup *m_group;
    int m_index;
    bool m_inClick = false;
};

// A group box of TKtGroupButtons, one per entry of Items, in Columns columns. With m the
// text height of the group's font and n buttons:
//   per column = (n + Columns - 1) div Columns;  width = (Width - 10) div Columns
//   h = Height - m - 5;  height = h div per column;  top margin = (h mod per column) div 2 + m + 1
//   button i: left = (i div per column) * width + 8 (mirrored right to left),
//             top = (i mod per column) * height + top margin
// Rearranged after a change of Items, Columns, size or font.
class TKtRadioGroup : public TGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
public:
    explicit TKtRadioGroup(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TKtRadioGroup() override;

    QStringList Items() const { return m_items; }
    void SetItems(const QStringList &items);
    // -1 for none; limited to -1..count - 1. Checking the button raises OnClick.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    // 1..16.
    int Columns() const { return m_columns; }
    void SetColumns(int columns);

    int ButtonCount() const { return int(m_buttons.size()); }
    TKtGroupButton *Buttons(int index) const;

    void SetEnabled(bool enabled) override;
    void Resize() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    friend class TKtGroupButton;
    void buttonClicked(TKtGroupButton *button);
    void updateButtons();
    void arrangeButtons();

    QStringList m_items;
    QList<TKtGroupButton *> m_buttons;
    int m_itemIndex = -1;
    int m_columns = 1;
    bool m_updating = false;
};
