#pragma once

#include "Colors.h"
#include "Component.h"
#include "Method.h"
#include "Types.h"
#include "ktrplatform_global.h"

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace ktr::platform {

namespace detail {
class EventRouter;
}

// The control part of every visual component (mixed into a QWidget of the matching Qt
// class): bounds in logical pixels relative to the parent, alignment inside the parent,
// visibility and enabled state as the framework keeps them, colour, font, hint, tab order,
// focus, and the common events. Setters are virtual where descendants hook them.
//
// Visible is the control's own flag: a control on a hidden parent is still Visible, and a
// control becomes visible on screen when it has a parent and all parents are showing.
//
// Events: OnEnter/OnExit are raised by the focus tracking (see FocusTracking.h) through
// DoEnter/DoExit; OnKeyDown/OnKeyPress/OnKeyUp by the key dispatch (the form's key
// preview first, then the control); OnClick by Click(), which buttons call from their
// Qt click and other controls from a left mouse click.
class KTRPLATFORM_EXPORT ControlLink : public ComponentLink {
public:
    ~ControlLink() override;

    QWidget *widget() const { return m_widget; }

    // Display parent (the Qt parent widget). A control without parent is not shown.
    virtual QWidget *Parent() const;
    virtual void SetParent(QWidget *parent);
    // Child controls in the order they became children (also those Qt keeps in inner
    // widgets, such as the pages of a page control).
    int ControlCount() const;
    QWidget *Controls(int index) const;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    virtual void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int value);
    void SetClientHeight(int value);

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    // Lays the aligned child controls out in the client area (top, bottom, left, right,
    // client), as containers do when resized or when a child's alignment, size or
    // visibility changes.
    void AlignControls();

    virtual bool Visible() const;
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Showing() const;

    bool Enabled() const;
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return m_color; }
    virtual void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool value);

    QFont Font() const;
    virtual void SetFont(const QFont &font);
    bool ParentFont() const;
    void SetParentFont(bool value);
    // Character set number of the font (134 GB2312, 136 BIG5, 0 ANSI, 1 default); kept for
    // the forms, Qt chooses glyphs by Unicode.
    int FontCharset() const { return m_fontCharset; }
    void SetFontCharset(int charset) { m_fontCharset = charset; }

    QString Hint() const { return m_hint; }
    virtual void SetHint(const QString &hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool value);
    // ShowHint, or the parent's when ParentShowHint is set.
    bool EffectiveShowHint() const;

    // Position among the sibling controls that take the focus (-1 without parent);
    // setting it moves the control in that list, as Tab and SelectNext walk it.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return m_tabStop; }
    virtual void SetTabStop(bool value);

    // Focus. SetFocus does nothing (and logs) when the control cannot take the focus; the
    // enter and exit events run before it returns, also while the window is not active.
    virtual void SetFocus();
    bool Focused() const;
    virtual bool CanFocus() const;
    // Graphic controls (labels, speed buttons) never take the focus.
    virtual bool IsWinControl() const { return true; }
    // The windowed controls inside this one in tab order, each followed by its own.
    QList<QWidget *> GetTabOrderList() const;
    // The control after (or before) current in this container's tab order list that can
    // take the focus (and has TabStop when checkTabStop), wrapping around; nullptr if none.
    QWidget *FindNextControl(QWidget *current, bool goForward, bool checkTabStop) const;
    // Focuses the control FindNextControl finds.
    void SelectNext(QWidget *current, bool goForward, bool checkTabStop);

    // Caption and Text are one value, as in the framework; each class says where it lives.
    QString Caption() const { return GetText(); }
    void SetCaption(const QString &caption) { SetText(caption); }
    QString Text() const { return GetText(); }
    virtual QString GetText() const;
    virtual void SetText(const QString &text);

    QObject *PopupMenu() const;
    void SetPopupMenu(QObject *menu);

    void BringToFront();
    void SendToBack();
    void Repaint();
    void Invalidate();
    std::intptr_t Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam);

    // Events.
    TMethod OnClick() const { return m_onClick; }
    void SetOnClick(const TMethod &m) { m_onClick = m; }
    TMethod OnDblClick() const { return m_onDblClick; }
    void SetOnDblClick(const TMethod &m) { m_onDblClick = m; }
    TMethod OnEnter() const { return m_onEnter; }
    void SetOnEnter(const TMethod &m) { m_onEnter = m; }
    TMethod OnExit() const { return m_onExit; }
    void SetOnExit(const TMethod &m) { m_onExit = m; }
    TMethod OnChange() const { return m_onChange; }
    void SetOnChange(const TMethod &m) { m_onChange = m; }
    TMethod OnKeyDown() const { return m_onKeyDown; }
    void SetOnKeyDown(const TMethod &m) { m_onKeyDown = m; }
    TMethod OnKeyPress() const { return m_onKeyPress; }
    void SetOnKeyPress(const TMethod &m) { m_onKeyPress = m; }
    TMethod OnKeyUp() const { return m_onKeyUp; }
    void SetOnKeyUp(const TMethod &m) { m_onKeyUp = m; }
    TMethod OnMouseDown() const { return m_onMouseDown; }
    void SetOnMouseDown(const TMethod &m) { m_onMouseDown = m; }
    TMethod OnMouseUp() const { return m_onMouseUp; }
    void SetOnMouseUp(const TMethod &m) { m_onMouseUp = m; }
    TMethod OnResize() const { return m_onResize; }
    void SetOnResize(const TMethod &m) { m_onResize = m; }

    // Event raisers; descendants override them to act before or after the handler.
    virtual void Click();
    virtual void DblClick();
    virtual void DoEnter();
    virtual void DoExit();
    virtual void Change();
    virtual void KeyDown(quint16 &key, TShiftState shift);
    virtual void KeyPress(QChar &key);
    virtual void KeyUp(quint16 &key, TShiftState shift);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();

    // While set, Click() raises nothing (state changes made by code that must stay quiet).
    bool ClicksDisabled() const { return m_clicksDisabled; }
    void SetClicksDisabled(bool value) { m_clicksDisabled = value; }

    // Keys the control handles itself instead of the form (Tab in a memo that wants tabs,
    // Return in one that wants returns); the form's dialog keys leave them alone.
    virtual bool WantsKey(quint16 virtualKey) const;

    // A plain left click of the mouse raises Click(); buttons click from their Qt signal.
    virtual bool ClicksOnMouseUp() const { return true; }
    // The client area aligned children fill, in the control's coordinates.
    virtual QRect AlignClientRect() const;
    // The palette role Color paints.
    virtual QPalette::ColorRole ColorRole() const { return QPalette::Window; }

protected:
    ControlLink(QWidget *self, QObject *owner);

    // The system colour this class starts with (clBtnFace; edits use clWindow).
    void initColor(TColor color);
    virtual void applyColor();

private:
    friend class detail::EventRouter;
    void applyTabStop();
    void appendToTabOrder();
    void showWithParent();
    bool hasAlignedChild() const;
    void afterParentChanged();

    QWidget *m_widget;
    TAlign m_align = alNone;
    bool m_visible = true;
    TColor m_color = clBtnFace;
    bool m_colorSet = false;
    bool m_parentColor = false;
    int m_fontCharset = 1;
    QString m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    int m_tabOrder = -1;
    bool m_tabStop = false;
    bool m_clicksDisabled = false;
    bool m_aligning = false;
    QObject *m_popupMenu = nullptr;

    TMethod m_onClick, m_onDblClick, m_onEnter, m_onExit, m_onChange, m_onKeyDown,
        m_onKeyPress, m_onKeyUp, m_onMouseDown, m_onMouseUp, m_onResize;
};

// The control part of a QObject; nullptr for objects that are no control.
KTRPLATFORM_EXPORT ControlLink *controlOf(const QObject *object);
// The nearest control at or above widget (a Qt-internal child maps to its control).
KTRPLATFORM_EXPORT ControlLink *enclosingControl(const QWidget *widget);

} // namespace ktr::platform

// Published properties of every control, for the Q_OBJECT section of control classes.
// moc expands these macros; each class adds Caption or Text and its own properties.
#define KTR_CONTROL_PROPERTIES                                                              \
    Q_PROPERTY(QString Name READ Name WRITE SetName)                                        \
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)                                               \
    Q_PROPERTY(int Left READ Left WRITE SetLeft)                                            \
    Q_PROPERTY(int Top READ Top WRITE SetTop)                                               \
    Q_PROPERTY(int Width READ Width WRITE SetWidth)                                         \
    Q_PROPERTY(int Height READ Height WRITE SetHeight)                                      \
    Q_PROPERTY(ktr::platform::types::TAlign Align READ Align WRITE SetAlign)                \
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)                                  \
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)                                  \
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)                                      \
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)                      \
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)                                          \
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)                         \
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)                                        \
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)                               \
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)             \
    Q_PROPERTY(QObject *PopupMenu READ PopupMenu WRITE SetPopupMenu)                        \
    Q_PROPERTY(TMethod OnClick READ OnClick WRITE SetOnClick)                               \
    Q_PROPERTY(TMethod OnDblClick READ OnDblClick WRITE SetOnDblClick)                      \
    Q_PROPERTY(TMethod OnMouseDown READ OnMouseDown WRITE SetOnMouseDown)                   \
    Q_PROPERTY(TMethod OnMouseUp READ OnMouseUp WRITE SetOnMouseUp)

// Published properties of controls that take the focus.
#define KTR_WINCONTROL_PROPERTIES                                                           \
    KTR_CONTROL_PROPERTIES                                                                  \
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)                                \
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)                                  \
    Q_PROPERTY(TMethod OnEnter READ OnEnter WRITE SetOnEnter)                               \
    Q_PROPERTY(TMethod OnExit READ OnExit WRITE SetOnExit)                                  \
    Q_PROPERTY(TMethod OnKeyDown READ OnKeyDown WRITE SetOnKeyDown)                         \
    Q_PROPERTY(TMethod OnKeyPress READ OnKeyPress WRITE SetOnKeyPress)                      \
    Q_PROPERTY(TMethod OnKeyUp READ OnKeyUp WRITE SetOnKeyUp)

// Controls whose text is edited by the user also carry a do-nothing input-method name.
#define KTR_IME_PROPERTY Q_PROPERTY(QString ImeName READ ImeName WRITE SetImeName)

// A graphic control: no window of its own in the framework, never focused.
class KTRPLATFORM_EXPORT TControl : public QWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit TControl(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TControl() override;
    bool IsWinControl() const override { return false; }
    QString GetText() const override { return m_text; }
    void SetText(const QString &text) override;

private:
    QString m_text;
};

// A windowed control that holds other controls; the base of composite controls.
class KTRPLATFORM_EXPORT TWinControl : public QWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit TWinControl(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TWinControl() override;
    QString GetText() const override { return m_text; }
    void SetText(const QString &text) override;

private:
    QString m_text;
};

// A windowed control that paints itself (override paintEvent).
class KTRPLATFORM_EXPORT TCustomControl : public TWinControl {
    Q_OBJECT
public:
    explicit TCustomControl(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TCustomControl() override;
};
