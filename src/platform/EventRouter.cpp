#include "EventRouter.h"

#include "Control.h"
#include "FocusTracking.h"
#include "Form.h"
#include "Menus.h"
#include "VirtualKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <deque>
#include <tuple>

namespace ktr::platform::detail {
namespace {

QList<QEvent *> &passThrough()
{
    static QList<QEvent *> events;
    return events;
}

// Mouse events reach parents as copies; they are recognised by what they carry.
using MouseSignature = std::tuple<int, int, quint64, int, int>;

std::deque<MouseSignature> &recentMouse()
{
    static std::deque<MouseSignature> recent;
    return recent;
}

MouseSignature signatureOf(const QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    return {int(event->type()), int(event->button()), event->timestamp(), global.x(), global.y()};
}

TMouseButton mouseButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

QPointer<QWidget> &pressedControl()
{
    static QPointer<QWidget> pressed;
    return pressed;
}

} // namespace

EventRouter::EventRouter(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this,
            [](QWidget *, QWidget *now) { focusMovedTo(now); });
}

void EventRouter::ensureInstalled()
{
    static QPointer<EventRouter> router;
    if (router || !qApp)
        return;
    router = new EventRouter(qApp);
    qApp->installEventFilter(router);
}

bool EventRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return routeKey(widget, static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        routeMouse(widget, static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::Resize:
        if (ControlLink *control = controlOf(widget)) {
            control->AlignControls();
            control->Resize();
        }
        return false;
    case QEvent::ParentChange:
        if (ControlLink *control = controlOf(widget)) {
            control->appendToTabOrder();
            if (control->Align() != alNone) {
                if (ControlLink *parent = controlOf(widget->parentWidget()))
                    parent->AlignControls();
            }
        }
        return false;
    case QEvent::ToolTip: {
        ControlLink *control = enclosingControl(widget);
        return control && !control->EffectiveShowHint();
    }
    case QEvent::ContextMenu: {
        ControlLink *control = controlOf(widget);
        auto *menu = control ? qobject_cast<TPopupMenu *>(control->PopupMenu()) : nullptr;
        if (!menu)
            return false;
        const QPoint at = static_cast<QContextMenuEvent *>(event)->globalPos();
        menu->SetPopupComponent(widget);
        menu->Popup(at.x(), at.y());
        return true;
    }
    default:
        return false;
    }
}

bool EventRouter::routeKey(QWidget *receiver, QKeyEvent *event)
{
    if (passThrough().contains(event))
        return false;
    ControlLink *control = enclosingControl(receiver);
    auto *form = qobject_cast<TForm *>(receiver->window());
    QPointer<TForm> formGuard = form;
    QPointer<QWidget> controlGuard = control ? control->widget() : nullptr;
    const bool preview = form && form->KeyPreview() && control != form;
    const TShiftState shift = shiftStateOf(event->modifiers());
    const quint16 vk = virtualKeyOf(event->key());
    auto consume = [event] {
        event->accept();
        return true;
    };

    if (event->type() == QEvent::KeyRelease) {
        quint16 key = vk;
        if (key && preview)
            form->KeyUp(key, shift);
        if (key && controlGuard)
            control->KeyUp(key, shift);
        if (vk && !key)
            return consume();
    } else {
        quint16 key = vk;
        if (key && preview)
            form->KeyDown(key, shift);
        if (key && controlGuard && (formGuard || !form))
            control->KeyDown(key, shift);
        if (vk && !key)
            return consume();

        const QString text = event->text();
        if (text.size() == 1 && controlGuard) {
            const QChar original = text.front();
            QChar ch = original;
            if (preview && formGuard)
                form->KeyPress(ch);
            if (!ch.isNull() && controlGuard)
                control->KeyPress(ch);
            if (ch.isNull())
                return consume();
            if (ch != original && controlGuard) {
                QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(ch),
                                  event->isAutoRepeat(), event->count());
                passThrough().append(&changed);
                QCoreApplication::sendEvent(receiver, &changed);
                passThrough().removeOne(&changed);
                return consume();
            }
        }
        if (formGuard && form->DialogKey(vk, shift, controlGuard ? control : nullptr))
            return consume();
    }

    // Let Qt deliver it as usual, with its propagation to the parents, exactly once.
    passThrough().append(event);
    QPointer<QWidget> receiverGuard = receiver;
    if (receiverGuard)
        QCoreApplication::sendEvent(receiver, event);
    passThrough().removeOne(event);
    return consume();
}

void EventRouter::routeMouse(QWidget *receiver, QMouseEvent *event)
{
    const MouseSignature signature = signatureOf(event);
    auto &recent = recentMouse();
    for (const MouseSignature &seen : recent) {
        if (seen == signature)
            return;
    }
    recent.push_back(signature);
    if (recent.size() > 32)
        recent.pop_front();

    ControlLink *control = enclosingControl(receiver);
    if (!control || !control->widget()->isEnabled())
        return;
    QWidget *target = control->widget();
    const QPoint at = target->mapFromGlobal(event->globalPosition().toPoint());
    const TShiftState shift = shiftStateOf(event->modifiers());
    const TMouseButton button = mouseButtonOf(event->button());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton)
            pressedControl() = target;
        control->MouseDown(button, shift, at.x(), at.y());
        break;
    case QEvent::MouseButtonRelease: {
        QPointer<QWidget> guard = target;
        control->MouseUp(button, shift, at.x(), at.y());
        if (guard && event->button() == Qt::LeftButton && pressedControl() == target
            && control->ClicksOnMouseUp() && target->rect().contains(at))
            control->Click();
        pressedControl() = nullptr;
        break;
    }
    case QEvent::MouseButtonDblClick:
        control->DblClick();
        break;
    default:
        break;
    }
}

} // namespace ktr::platform::detail
