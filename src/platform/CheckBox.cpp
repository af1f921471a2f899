#include "CheckBox.h"

TCheckBox::TCheckBox(QObject *owner, QWidget *parent) : QCheckBox(parent), ControlLink(this, owner)
{
    resize(97, 17);
    SetTabStop(true);
    connect(this, &QCheckBox::stateChanged, this, [this] { Click(); });
}

TCheckBox::~TCheckBox() = default;

TCheckBoxState TCheckBox::State() const
{
    switch (checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState state)
{
    if (state == cbGrayed)
        setTristate(true);
    setCheckState(state == cbChecked ? Qt::Checked
                  : state == cbGrayed ? Qt::PartiallyChecked
                                      : Qt::Unchecked);
}

void TCheckBox::SetAllowGrayed(bool value)
{
    m_allowGrayed = value;
    setTristate(value || State() == cbGrayed);
}

void TCheckBox::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::nextCheckState()
{
    switch (State()) {
    case cbUnchecked:
        SetState(m_allowGrayed ? cbGrayed : cbChecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    }
}
