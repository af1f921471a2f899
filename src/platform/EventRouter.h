#pragma once

#include <QObject>

class QKeyEvent;
class QMouseEvent;

namespace ktr::platform {
class ControlLink;

namespace detail {

// One application-wide event filter that turns Qt events into the framework's events:
// focus moves (FocusTracking), keys (the form's key preview, the control's key events,
// the form's dialog keys), mouse clicks, resizing and alignment, hints and pop-up menus.
//
// A key event is handled where it is first delivered, then sent on through Qt's normal
// dispatch (with its propagation to the parents) marked as handled, so that no parent
// control raises its key events a second time.
class EventRouter : public QObject {
public:
    static void ensureInstalled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EventRouter(QObject *parent);
    bool routeKey(QWidget *receiver, QKeyEvent *event);
    void routeMouse(QWidget *receiver, QMouseEvent *event);
};

} // namespace detail
} // namespace ktr::platform
