#pragma once

class QWidget;
class TForm;

namespace ktr::controls {

// The form a lookup request for `control` goes to: the nearest form among its owners,
// else the form it is shown on; nullptr when there is none.
TForm *ownerFormOf(const QWidget *control);

// Asks that form to open the lookup window of `control` (WM_OPENWIN, LParam = control),
// synchronously. Nothing happens without a form.
void requestLookup(QWidget *control);

} // namespace ktr::controls
