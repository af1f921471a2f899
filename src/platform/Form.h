#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QPointer>
#include <QWidget>

class QEventLoop;
class TButton;

// A top-level window with the framework's life cycle.
//
// Creation: create forms with ktr::platform::createComponent<TMyForm>(owner); it runs
// AfterConstruction after the most derived constructor, which calls DoCreate (OnCreate).
// Descendants put their creation step in an override of DoCreate that calls the inherited
// one first. A form created with plain new gets DoCreate when it is first shown.
//
// Destruction: Free(form), an owner, Release() or a close with caFree run DoDestroy
// (OnDestroy) first, while the form and all it owns are intact, then delete it. A plain
// delete still raises OnDestroy, but only from ~TForm, after the descendants' destructors.
//
// Showing: Show/Hide (OnShow/OnHide), ShowModal (through the modal hook, ModalHook.h),
// Close (OnCloseQuery, OnClose with the close action), Release (a deferred free: safe
// inside the form's own handlers; delivered by the event loop or ProcessMessages()).
//
// Keys: with KeyPreview the form's OnKeyDown/OnKeyPress/OnKeyUp see a key before the
// focused control (Sender is the form). Then the dialog keys: Tab/Shift+Tab move the focus
// in tab order, Esc clicks the Cancel button and Return the Default button, unless the key
// was consumed (set to 0) or the form closed.
//
// Messages: WM_CLOSE closes the form; other messages go to handlers registered with
// AddMessageHandler or to an override of WndProc.
class KTRPLATFORM_EXPORT TForm : public QWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_PROPERTY(ktr::platform::types::TWindowState WindowState READ WindowState WRITE SetWindowState)
    Q_PROPERTY(ktr::platform::types::TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(ktr::platform::types::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(ktr::platform::types::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(QWidget *ActiveControl READ ActiveControl WRITE SetActiveControl)
    Q_PROPERTY(TMethod OnCreate READ OnCreate WRITE SetOnCreate)
    Q_PROPERTY(TMethod OnShow READ OnShow WRITE SetOnShow)
    Q_PROPERTY(TMethod OnHide READ OnHide WRITE SetOnHide)
    Q_PROPERTY(TMethod OnClose READ OnClose WRITE SetOnClose)
    Q_PROPERTY(TMethod OnCloseQuery READ OnCloseQuery WRITE SetOnCloseQuery)
    Q_PROPERTY(TMethod OnDestroy READ OnDestroy WRITE SetOnDestroy)
    Q_PROPERTY(TMethod OnActivate READ OnActivate WRITE SetOnActivate)
    Q_PROPERTY(TMethod OnDeactivate READ OnDeactivate WRITE SetOnDeactivate)
    Q_PROPERTY(TMethod OnResize READ OnResize WRITE SetOnResize)
public:
    explicit TForm(QObject *owner = nullptr);
    ~TForm() override;

    QString GetText() const override;
    void SetText(const QString &text) override;

    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool value) { m_keyPreview = value; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);

    // The control that has (or last had) the focus in this form; setting it focuses it.
    QWidget *ActiveControl() const;
    void SetActiveControl(QWidget *control);

    // The window id, created on demand.
    std::intptr_t Handle();

    // Runs the form modally and returns its modal result (see the class comment).
    virtual int ShowModal();
    bool Modal() const { return m_modalLevel > 0; }
    void SetVisible(bool visible) override;
    void Close();
    bool CloseQuery();
    void Release();

    TMethod OnCreate() const { return m_onCreate; }
    void SetOnCreate(const TMethod &m) { m_onCreate = m; }
    TMethod OnShow() const { return m_onShow; }
    void SetOnShow(const TMethod &m) { m_onShow = m; }
    TMethod OnHide() const { return m_onHide; }
    void SetOnHide(const TMethod &m) { m_onHide = m; }
    TMethod OnClose() const { return m_onClose; }
    void SetOnClose(const TMethod &m) { m_onClose = m; }
    TMethod OnCloseQuery() const { return m_onCloseQuery; }
    void SetOnCloseQuery(const TMethod &m) { m_onCloseQuery = m; }
    TMethod OnDestroy() const { return m_onDestroy; }
    void SetOnDestroy(const TMethod &m) { m_onDestroy = m; }
    TMethod OnActivate() const { return m_onActivate; }
    void SetOnActivate(const TMethod &m) { m_onActivate = m; }
    TMethod OnDeactivate() const { return m_onDeactivate; }
    void SetOnDeactivate(const TMethod &m) { m_onDeactivate = m; }

    void AfterConstruction() override;
    void BeforeDestruction() override;
    void DefaultHandler(TMessage &message) override;

    // Form-level handling of a key the focused control left alone; true when used.
    virtual bool DialogKey(quint16 key, TShiftState shift, ktr::platform::ControlLink *focused);

protected:
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction &action);
    virtual void DoDestroy();
    virtual void Activate();
    virtual void Deactivate();

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void closeModal();
    void applyWindowFlags();
    TButton *findDialogButton(bool cancel) const;

    int m_modalResult = mrNone;
    int m_modalLevel = 0;
    QEventLoop *m_modalLoop = nullptr;
    bool m_keyPreview = false;
    bool m_created = false;
    bool m_destroyed = false;
    bool m_positioned = false;
    bool m_closingNatively = false;
    TWindowState m_windowState = wsNormal;
    TPosition m_position = poDesigned;
    TFormBorderStyle m_borderStyle = bsSizeable;
    TBorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    TMethod m_onCreate, m_onShow, m_onHide, m_onClose, m_onCloseQuery, m_onDestroy,
        m_onActivate, m_onDeactivate;
};

namespace ktr::platform {
// The form a control is on (its window when that is a TForm), or nullptr.
KTRPLATFORM_EXPORT TForm *GetParentForm(const QWidget *control);
} // namespace ktr::platform
