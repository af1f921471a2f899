#include "F2Button.h"

#include "OwnerForm.h"

#include <Dialogs.h>

#include <algorithm>

TF2Button::TF2Button(QObject *owner, QWidget *parent) : TGSpeedButton(owner, parent)
{
    SetFlat(true);
    SetGlyphIndex(8);
}

TF2Button::~TF2Button() = default;

QString TF2Button::duplicateBindingText()
{
    return QStringLiteral("不能同时有两个 F2Button 指到同一个 Edit.");
}

void TF2Button::SetF2Control(QWidget *control)
{
    if (!control) {
        m_f2Control = nullptr;
        return;
    }
    if (const ktr::platform::ComponentLink *parent = ktr::platform::componentOf(Parent())) {
        for (int i = 0; i < parent->ComponentCount(); ++i) {
            auto *other = qobject_cast<TF2Button *>(parent->Components(i));
            if (!other || other->F2Control() != control)
                continue;
            if (other != this)
                MessageDlg(duplicateBindingText(), mtError, mbOK);
            return;
        }
    }
    m_f2Control = control;
    align();
}

void TF2Button::SetAutoAlign(bool value)
{
    m_autoAlign = value;
    align();
}

void TF2Button::SetGap(int value)
{
    value = std::clamp(value, 0, 255);
    if (value == m_gap)
        return;
    m_gap = value;
    align();
}

void TF2Button::align()
{
    const ktr::platform::ControlLink *control = ktr::platform::controlOf(m_f2Control);
    if (!control || !m_autoAlign)
        return;
    const int side = control->Height();
    SetBounds(control->Left() + control->Width() + m_gap, control->Top(), side, side);
}

void TF2Button::Click()
{
    QPointer<TF2Button> self = this;
    TGSpeedButton::Click();
    if (!self)
        return;
    QWidget *target = m_f2Control;
    ktr::platform::ControlLink *control = ktr::platform::controlOf(target);
    if (!control || !control->Enabled())
        return;
    if (control->CanFocus())
        control->SetFocus();
    if (control->Focused())
        ktr::controls::requestLookup(target);
}
