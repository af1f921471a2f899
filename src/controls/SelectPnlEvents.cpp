#include "SelectPnl.h"

#include "OwnerForm.h"

#include <Form.h>
#include <Messages.h>

// The panel presents its children as one control: their events raise the panel's own.

namespace {

// The value fields keep themselves as sender of their clicks and mouse events.
bool keepsSender(const TSelectPanel &panel, const QObject *child)
{
    return child == panel.edBegin || child == panel.edFinal || child == panel.ListBox;
}

} // namespace

void TSelectPanel::bindChildEvents()
{
    using ktr::platform::ControlLink;
    const TMethod click = MethodOf(this, "childClick");
    const TMethod dblClick = MethodOf(this, "childDblClick");
    const TMethod mouseDown = MethodOf(this, "childMouseDown");
    const TMethod mouseUp = MethodOf(this, "childMouseUp");
    const TMethod keyDown = MethodOf(this, "childKeyDown");
    const TMethod keyUp = MethodOf(this, "childKeyUp");
    const TMethod keyPress = MethodOf(this, "childKeyPress");

    for (ControlLink *child : std::initializer_list<ControlLink *>{
             pnlRange, pnlList, lblBegin, lblFinal, edBegin, edFinal, ListBox}) {
        child->SetOnClick(click);
        child->SetOnDblClick(dblClick);
    }
    for (ControlLink *child : std::initializer_list<ControlLink *>{
             chkChoice, pnlRange, pnlList, lblBegin, lblFinal, edBegin, edFinal, ListBox,
             btnBegin, btnFinal, btnList, btnDelete, btnClear}) {
        child->SetOnMouseDown(mouseDown);
        child->SetOnMouseUp(mouseUp);
    }
    for (ControlLink *child :
         std::initializer_list<ControlLink *>{chkChoice, edBegin, edFinal, ListBox}) {
        child->SetOnKeyDown(keyDown);
        child->SetOnKeyUp(keyUp);
        child->SetOnKeyPress(keyPress);
    }
    chkChoice->SetOnDblClick(dblClick);
    chkChoice->SetOnClick(MethodOf(this, "chkChoiceClick"));

    const TMethod lookup = MethodOf(this, "lookupButtonClick");
    for (TF2Button *button : {btnBegin, btnFinal, btnList})
        button->SetOnClick(lookup);
    btnDelete->SetOnClick(MethodOf(this, "btnDeleteClick"));
    btnClear->SetOnClick(MethodOf(this, "btnClearClick"));

    ListBox->SetNotifiedPanel(this);
}

// Clicks and mouse buttons.

void TSelectPanel::childClick(QObject *Sender)
{
    CallNotify(OnClick(), keepsSender(*this, Sender) ? Sender : this);
}

void TSelectPanel::childDblClick(QObject *Sender)
{
    CallNotify(OnDblClick(), keepsSender(*this, Sender) ? Sender : this);
}

namespace {

// The sender and position the panel reports for a mouse event of one of its children.
std::pair<QObject *, QPoint> mouseSource(TSelectPanel &panel, QObject *child, int x, int y)
{
    if (keepsSender(panel, child) || !child->isWidgetType())
        return {child, QPoint(x, y)};
    return {&panel, static_cast<QWidget *>(child)->mapTo(&panel, QPoint(x, y))};
}

} // namespace

void TSelectPanel::childMouseDown(QObject *Sender, TMouseButton Button, int Shift, int X, int Y)
{
    const auto [sender, at] = mouseSource(*this, Sender, X, Y);
    CallMouse(OnMouseDown(), sender, Button, Shift, at.x(), at.y());
}

void TSelectPanel::childMouseUp(QObject *Sender, TMouseButton Button, int Shift, int X, int Y)
{
    const auto [sender, at] = mouseSource(*this, Sender, X, Y);
    CallMouse(OnMouseUp(), sender, Button, Shift, at.x(), at.y());
}

// Keys keep the child as sender.

void TSelectPanel::childKeyDown(QObject *Sender, quint16 *Key, int Shift)
{
    CallKey(OnKeyDown(), Sender, Key, Shift);
}

void TSelectPanel::childKeyUp(QObject *Sender, quint16 *Key, int Shift)
{
    CallKey(OnKeyUp(), Sender, Key, Shift);
}

void TSelectPanel::childKeyPress(QObject *Sender, QChar *Key)
{
    CallKeyPress(OnKeyPress(), Sender, Key);
}

// The list's notifications.

bool TSelectPanel::ListensToItems() const
{
    return m_onItemSelect.assigned() || m_onItemChange.assigned() || m_onItemChanging.assigned();
}

void TSelectPanel::raiseItemSelect(TListItem *item, bool selected)
{
    if (!m_onItemSelect.assigned())
        return;
    QObject *sender = ListBox;
    int index = item ? item->Index() : -1;
    ktr::platform::invokeHandler(m_onItemSelect, {"QObject*", "TListItem*", "int", "bool"},
                                 {&sender, &item, &index, &selected});
}

void TSelectPanel::raiseItemChange(TListItem *item, TItemChange change)
{
    QObject *sender = ListBox;
    ktr::platform::invokeHandler(m_onItemChange, {"QObject*", "TListItem*", "TItemChange"},
                                 {&sender, &item, &change});
}

void TSelectPanel::raiseItemChanging(TListItem *item, TItemChange change, bool &allow)
{
    QObject *sender = ListBox;
    bool *allowPtr = &allow;
    ktr::platform::invokeHandler(m_onItemChanging,
                                 {"QObject*", "TListItem*", "TItemChange", "bool*"},
                                 {&sender, &item, &change, &allowPtr});
}

// The buttons.

// The form owning the panel opens the lookup of the field and fills it before
// OnOpenWinClick is raised.
void TSelectPanel::lookupButtonClick(QObject *Sender)
{
    QWidget *target = Sender == btnBegin ? static_cast<QWidget *>(edBegin)
        : Sender == btnFinal             ? static_cast<QWidget *>(edFinal)
                                         : static_cast<QWidget *>(ListBox);
    ktr::platform::controlOf(target)->SetFocus();
    if (TForm *form = ktr::controls::ownerFormOf(this))
        SendMessage(form, WM_OPENWIN, 0, ktr::platform::paramOf(target));
    QObject *panel = this;
    QObject *field = target;
    ktr::platform::invokeHandler(m_onOpenWinClick, {"QObject*", "QObject*"}, {&panel, &field});
}

void TSelectPanel::btnDeleteClick(QObject *Sender)
{
    bool accept = true;
    bool *acceptPtr = &accept;
    ktr::platform::invokeHandler(m_onDeleteClick, {"QObject*", "bool*"}, {&Sender, &acceptPtr});
    if (!accept)
        return;
    for (int i = ListBox->Items().Count() - 1; i >= 0; --i) {
        if (ListBox->Items().Item(i)->Selected())
            ListBox->Items().Delete(i);
    }
}

void TSelectPanel::btnClearClick(QObject *Sender)
{
    ListBox->ClearRows();
    ListBox->SetFocus();
    CallNotify(m_onClearClick, Sender);
}
