#include "FocusTracking.h"

#include "Control.h"

#include <QHash>
#include <QPointer>

namespace ktr::platform {
namespace {

struct WindowFocus {
    QPointer<QWidget> focused; // the control the focus goes to
    QPointer<QWidget> active;  // innermost control whose enter has run
};

QHash<const QWidget *, WindowFocus> &windows()
{
    static QHash<const QWidget *, WindowFocus> table;
    return table;
}

WindowFocus &stateOf(QWidget *window)
{
    auto &table = windows();
    auto it = table.find(window);
    if (it == table.end()) {
        it = table.insert(window, {});
        QObject::connect(window, &QObject::destroyed, [window] { windows().remove(window); });
    }
    return *it;
}

// The control above control inside window, or nullptr at the window.
QWidget *parentControl(QWidget *control, QWidget *window)
{
    for (QWidget *w = control->parentWidget(); w && w != window; w = w->parentWidget()) {
        if (controlOf(w))
            return w;
    }
    return nullptr;
}

bool containsOrIs(QWidget *container, QWidget *control)
{
    return container == control || (control && container->isAncestorOf(control));
}

// The control on the way from `from` (nullptr: the window) down to target.
QWidget *nextTowards(QWidget *from, QWidget *target, QWidget *window)
{
    QWidget *step = target;
    for (QWidget *up = parentControl(step, window); up != from; up = parentControl(up, window)) {
        if (!up)
            return step; // from is not above target; enter from the top
        step = up;
    }
    return step;
}

int &transitions()
{
    static int count = 0;
    return count;
}

void transition(QWidget *window, QWidget *target)
{
    ++transitions();
    // The table may grow while handlers run, so entries are looked up afresh each time.
    QPointer<QWidget> wanted = target;
    stateOf(window).focused = target;
    auto stillWanted = [&] {
        return stateOf(window).focused == wanted && (wanted || !target);
    };

    while (stateOf(window).active && !containsOrIs(stateOf(window).active, target)) {
        QPointer<QWidget> leaving = stateOf(window).active;
        if (ControlLink *control = controlOf(leaving))
            control->DoExit();
        if (!stillWanted())
            return;
        stateOf(window).active = leaving ? parentControl(leaving, window) : nullptr;
    }
    while (target && stateOf(window).active != target) {
        QPointer<QWidget> entering = nextTowards(stateOf(window).active, target, window);
        stateOf(window).active = entering;
        if (ControlLink *control = controlOf(entering))
            control->DoEnter();
        if (!stillWanted() || !entering)
            return;
    }
}

} // namespace

QWidget *activeControlOf(const QWidget *window)
{
    const auto it = windows().constFind(window);
    return it == windows().constEnd() ? nullptr : it->focused.data();
}

namespace detail {

void focusControl(ControlLink *control)
{
    QPointer<QWidget> widget = control->widget();
    QWidget *window = widget->window();
    const int before = transitions();
    widget->setFocus(Qt::OtherFocusReason);
    // Qt moves the focus at once only in the active window; elsewhere the steps run here.
    if (widget && transitions() == before && activeControlOf(window) != widget)
        transition(window, widget);
}

void focusMovedTo(QWidget *widget)
{
    if (!widget)
        return;
    QWidget *window = widget->window();
    ControlLink *control = enclosingControl(widget);
    QWidget *target = control && control->widget() != window ? control->widget() : nullptr;
    if (activeControlOf(window) == target)
        return;
    transition(window, target);
}

} // namespace detail
} // namespace ktr::platform
