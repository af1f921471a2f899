#pragma once

#include "Component.h"
#include "Method.h"
#include "ktrplatform_global.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <memory>

class TMenuItem;

// One command of a menu; items hold further items as a submenu. Click() (or choosing it
// in the menu) raises OnClick with the item as Sender. A caption of "-" is a separator.
class KTRPLATFORM_EXPORT TMenuItem : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(TMethod OnClick READ OnClick WRITE SetOnClick)
public:
    explicit TMenuItem(QObject *owner = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return m_action->text(); }
    void SetCaption(const QString &caption);
    QString Hint() const { return m_action->statusTip(); }
    void SetHint(const QString &hint) { m_action->setStatusTip(hint); }
    bool Enabled() const { return m_action->isEnabled(); }
    void SetEnabled(bool value) { m_action->setEnabled(value); }
    bool Visible() const { return m_action->isVisible(); }
    void SetVisible(bool value) { m_action->setVisible(value); }
    bool Checked() const { return m_action->isChecked(); }
    void SetChecked(bool value);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index) { m_imageIndex = index; }
    TMethod OnClick() const { return m_onClick; }
    void SetOnClick(const TMethod &m) { m_onClick = m; }

    // Sub-items, in order. Add/Insert take the item in (it stays owned by its owner).
    int Count() const { return int(m_items.size()); }
    TMenuItem *Items(int index) const;
    void Add(TMenuItem *item);
    void Insert(int index, TMenuItem *item);
    void Remove(TMenuItem *item);
    void Clear();
    TMenuItem *Parent() const { return m_parent; }
    int MenuIndex() const;

    virtual void Click();
    QAction *action() const { return m_action.get(); }
    // The submenu built from the sub-items.
    QMenu *menu();

private:
    void rebuild();

    std::unique_ptr<QAction> m_action;
    std::unique_ptr<QMenu> m_menu;
    QList<QPointer<TMenuItem>> m_items;
    TMenuItem *m_parent = nullptr;
    int m_imageIndex = -1;
    TMethod m_onClick;
};

// A menu shown at a point (Popup) or by a control whose PopupMenu it is. Items() is its
// invisible root item. PopupComponent is the control it was last shown for.
class KTRPLATFORM_EXPORT TPopupMenu : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE SetAutoPopup)
    Q_PROPERTY(TMethod OnPopup READ OnPopup WRITE SetOnPopup)
public:
    explicit TPopupMenu(QObject *owner = nullptr);
    ~TPopupMenu() override;

    TMenuItem *Items() const { return m_items; }
    bool AutoPopup() const { return m_autoPopup; }
    void SetAutoPopup(bool value) { m_autoPopup = value; }
    TMethod OnPopup() const { return m_onPopup; }
    void SetOnPopup(const TMethod &m) { m_onPopup = m; }
    QObject *PopupComponent() const { return m_popupComponent; }
    void SetPopupComponent(QObject *component) { m_popupComponent = component; }

    // Shows the menu at a screen position (it stays open while the caller goes on).
    virtual void Popup(int x, int y);
    QMenu *menu() const { return m_items->menu(); }

private:
    TMenuItem *m_items; // owned as a component
    bool m_autoPopup = true;
    QPointer<QObject> m_popupComponent;
    TMethod m_onPopup;
};
