#include "OwnerForm.h"

#include <Component.h>
#include <Form.h>
#include <Messages.h>

namespace ktr::controls {

TForm *ownerFormOf(const QWidget *control)
{
    if (!control)
        return nullptr;
    for (const ktr::platform::ComponentLink *component = ktr::platform::componentOf(control);
         component; component = ktr::platform::componentOf(component->Owner())) {
        if (auto *form = qobject_cast<TForm *>(component->Owner()))
            return form;
    }
    return ktr::platform::GetParentForm(control);
}

void requestLookup(QWidget *control)
{
    if (TForm *form = ownerFormOf(control))
        SendMessage(form, WM_OPENWIN, 0, ktr::platform::paramOf(control));
}

} // namespace ktr::controls
