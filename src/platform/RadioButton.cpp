#include "RadioButton.h"

TRadioButton::TRadioButton(QObject *owner, QWidget *parent)
    : QRadioButton(parent), ControlLink(this, owner)
{
    resize(113, 17);
    SetTabStop(true);
    // Exclusivity is the framework's: among radio buttons of one parent, and a button
    // may be unchecked by code.
    setAutoExclusive(false);
}

TRadioButton::~TRadioButton() = default;

void TRadioButton::SetChecked(bool checked)
{
    if (checked == isChecked())
        return;
    setChecked(checked);
    if (!checked)
        return;
    if (parentWidget()) {
        for (TRadioButton *other :
             parentWidget()->findChildren<TRadioButton *>(Qt::FindDirectChildrenOnly)) {
            if (other != this && other->isChecked() && IsExclusivePeer(other))
                other->SetChecked(false);
        }
    }
    Click();
}

void TRadioButton::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

bool TRadioButton::IsExclusivePeer(const TRadioButton *) const
{
    return true;
}

void TRadioButton::nextCheckState()
{
    SetChecked(true);
}
