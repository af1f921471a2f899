#include "Form.h"

#include "Buttons.h"
#include "FocusTracking.h"
#include "ModalHook.h"
#include "PlatformLog.h"
#include "VirtualKeys.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

TForm::TForm(QObject *owner) : QWidget(nullptr, Qt::Window), ControlLink(this, owner)
{
    SetVisible(false);
    applyWindowFlags();
    resize(400, 300);
}

TForm::~TForm()
{
    if (m_modalLoop)
        m_modalLoop->quit();
    if (!m_destroyed) {
        m_destroyed = true;
        DoDestroy();
    }
}

QString TForm::GetText() const
{
    return windowTitle();
}

void TForm::SetText(const QString &text)
{
    setWindowTitle(text);
}

void TForm::SetModalResult(int result)
{
    m_modalResult = result;
    if (m_modalLoop && result != mrNone)
        m_modalLoop->quit();
}

TWindowState TForm::WindowState() const
{
    if (!isVisible())
        return m_windowState;
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized)
        return wsMinimized;
    if (state & Qt::WindowMaximized)
        return wsMaximized;
    return wsNormal;
}

void TForm::SetWindowState(TWindowState state)
{
    m_windowState = state;
    Qt::WindowStates qtState = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == wsMinimized)
        qtState |= Qt::WindowMinimized;
    else if (state == wsMaximized)
        qtState |= Qt::WindowMaximized;
    setWindowState(qtState);
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style;
    applyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    m_borderIcons = icons;
    applyWindowFlags();
}

void TForm::applyWindowFlags()
{
    const bool wasVisible = isVisible();
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (m_borderStyle == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint;
        if (m_borderStyle == bsToolWindow || m_borderStyle == bsSizeToolWin)
            flags |= Qt::Tool;
        if (m_borderIcons.testFlag(biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (m_borderIcons.testFlag(biMinimize) && m_borderStyle != bsDialog)
            flags |= Qt::WindowMinimizeButtonHint;
        if (m_borderIcons.testFlag(biMaximize) && m_borderStyle != bsDialog)
            flags |= Qt::WindowMaximizeButtonHint;
        if (m_borderIcons.testFlag(biHelp))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    if (flags == windowFlags())
        return;
    setWindowFlags(flags);
    if (wasVisible)
        QWidget::setVisible(true);
}

QWidget *TForm::ActiveControl() const
{
    return ktr::platform::activeControlOf(this);
}

void TForm::SetActiveControl(QWidget *control)
{
    if (ktr::platform::ControlLink *link = ktr::platform::controlOf(control))
        link->SetFocus();
}

std::intptr_t TForm::Handle()
{
    return static_cast<std::intptr_t>(winId());
}

void TForm::SetVisible(bool visible)
{
    if (visible && !m_created)
        AfterConstruction();
    ControlLink::SetVisible(visible);
}

int TForm::ShowModal()
{
    QPointer<TForm> guard = this;
    m_modalResult = mrNone;
    ++m_modalLevel;
    const Qt::WindowModality modality = windowModality();
    if (!isVisible())
        setWindowModality(Qt::ApplicationModal);
    SetVisible(true);

    int result = mrNone;
    ktr::platform::ModalRequest request;
    request.kind = ktr::platform::ModalRequest::Kind::Form;
    request.window = this;
    if (const std::optional<int> answer = ktr::platform::askModalHook(request)) {
        result = *answer;
        if (guard) {
            m_modalResult = result;
            closeModal();
            m_modalResult = result; // the hook's answer stands even if closing was refused
        }
    } else {
        QEventLoop loop;
        m_modalLoop = &loop;
        while (guard) {
            if (m_modalResult != mrNone) {
                closeModal();
                if (!guard || m_modalResult != mrNone)
                    break;
            }
            if (!isVisible()) {
                m_modalResult = mrCancel;
                break;
            }
            loop.exec(QEventLoop::DialogExec);
        }
        if (guard)
            m_modalLoop = nullptr;
        result = guard ? m_modalResult : mrCancel;
    }
    if (!guard)
        return result;
    --m_modalLevel;
    if (isVisible())
        SetVisible(false);
    setWindowModality(modality);
    return result;
}

void TForm::closeModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        m_modalResult = mrNone;
    else if (action == caFree)
        Release();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    CallCloseQuery(m_onCloseQuery, this, &canClose);
    return canClose;
}

void TForm::Close()
{
    if (m_modalLevel > 0) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    switch (action) {
    case caHide:
        SetVisible(false);
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    case caNone:
        break;
    }
}

void TForm::Release()
{
    ktr::platform::postAction(this, [this] { ktr::platform::Free(this); });
}

void TForm::AfterConstruction()
{
    if (m_created)
        return;
    m_created = true;
    DoCreate();
}

void TForm::BeforeDestruction()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    DoDestroy();
}

void TForm::DefaultHandler(TMessage &message)
{
    if (message.Msg == WM_CLOSE)
        Close();
}

void TForm::DoCreate() { CallNotify(m_onCreate, this); }
void TForm::DoShow() { CallNotify(m_onShow, this); }
void TForm::DoHide() { CallNotify(m_onHide, this); }
void TForm::DoDestroy() { CallNotify(m_onDestroy, this); }
void TForm::Activate() { CallNotify(m_onActivate, this); }
void TForm::Deactivate() { CallNotify(m_onDeactivate, this); }

void TForm::DoClose(TCloseAction &action)
{
    CallClose(m_onClose, this, &action);
}

bool TForm::DialogKey(quint16 key, TShiftState shift, ktr::platform::ControlLink *focused)
{
    if (!isVisible() || (m_modalLevel > 0 && m_modalResult != mrNone))
        return false;
    if (focused && focused->WantsKey(key))
        return false;
    if (key == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
        SelectNext(focused ? focused->widget() : nullptr, !(shift & ssShift), true);
        return true;
    }
    if (shift != 0)
        return false;
    if (key == VK_ESCAPE) {
        if (TButton *button = findDialogButton(true)) {
            button->Click();
            return true;
        }
    } else if (key == VK_RETURN) {
        if (focused && qobject_cast<QAbstractButton *>(focused->widget()))
            return false;
        if (TButton *button = findDialogButton(false)) {
            button->Click();
            return true;
        }
    }
    return false;
}

TButton *TForm::findDialogButton(bool cancel) const
{
    const QList<TButton *> buttons = findChildren<TButton *>();
    for (TButton *button : buttons) {
        if ((cancel ? button->Cancel() : button->Default()) && button->isVisible()
            && button->isEnabled() && button->window() == this)
            return button;
    }
    return nullptr;
}

bool TForm::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DeferredDelete:
        // deleteLater() frees through Free as well, so that OnDestroy runs first.
        ktr::platform::Free(this);
        return true;
    case QEvent::WindowActivate:
        Activate();
        break;
    case QEvent::WindowDeactivate:
        Deactivate();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_created)
        AfterConstruction(); // shown with QWidget::show() before its creation step
    if (!m_positioned && (m_position == poScreenCenter || m_position == poDesktopCenter
                          || m_position == poMainFormCenter || m_position == poOwnerFormCenter)) {
        m_positioned = true;
        if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    DoShow();
}

void TForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_modalLoop)
        m_modalLoop->quit();
    if (!event->spontaneous() && !Destroying())
        DoHide();
}

void TForm::closeEvent(QCloseEvent *event)
{
    // A close from the window system (the title bar's close button) takes the form's own
    // close path, which hides or frees the form as its close action says.
    event->ignore();
    if (!m_closingNatively) {
        m_closingNatively = true;
        Close();
        m_closingNatively = false;
    }
}

namespace ktr::platform {

TForm *GetParentForm(const QWidget *control)
{
    return control ? qobject_cast<TForm *>(control->window()) : nullptr;
}

} // namespace ktr::platform
