#pragma once

#include "ktrplatform_global.h"

#include <QWidget>

namespace ktr::platform {

class ControlLink;

// Focus as the forms see it. Each window keeps the control that has (or last had) the
// focus in it. When the focus moves inside a window, synchronously and in this order:
// OnExit of the old control, OnExit of every container control the focus leaves
// entirely (innermost first), OnEnter of every container newly entered (outermost
// first), OnEnter of the new control. A handler that moves the focus elsewhere ends the
// remaining steps (the new move runs its own). Focus leaving the window, or coming back to
// the same control, raises nothing. The window itself takes no part.
KTRPLATFORM_EXPORT QWidget *activeControlOf(const QWidget *window);

namespace detail {
// Gives control the focus: the Qt focus, and the enter/exit steps even while its window
// is not active (they then do not repeat when the window becomes active).
void focusControl(ControlLink *control);
// Qt reports that the focus went to widget.
void focusMovedTo(QWidget *widget);
} // namespace detail

} // namespace ktr::platform
