#include "DBLabel.h"

#include "DataFieldLabel.h"

#include <Dialogs.h>

#include <algorithm>

TDBLabel::TDBLabel(QObject *owner, QWidget *parent) : TLabel(owner, parent)
{
    SetCaption(QStringLiteral("挂靠标签"));
}

TDBLabel::~TDBLabel() = default;

QString TDBLabel::duplicateBindingText()
{
    return QStringLiteral("不能同时有两个 DBLabel 指到同一个 Control.");
}

void TDBLabel::SetFocusControl(QWidget *control)
{
    if (!control) {
        m_focusControl = nullptr;
        TLabel::SetFocusControl(nullptr);
        return;
    }
    if (const ktr::platform::ComponentLink *parent = ktr::platform::componentOf(Parent())) {
        for (int i = 0; i < parent->ComponentCount(); ++i) {
            auto *other = qobject_cast<TDBLabel *>(parent->Components(i));
            if (!other || other->FocusControl() != control)
                continue;
            if (other != this)
                MessageDlg(duplicateBindingText(), mtError, mbOK);
            return;
        }
    }
    m_focusControl = control;
    TLabel::SetFocusControl(control);
    refresh();
}

void TDBLabel::SetAutoAlign(bool value)
{
    m_autoAlign = value;
    refresh();
}

void TDBLabel::SetAutoCaption(bool value)
{
    m_autoCaption = value;
    refresh();
}

void TDBLabel::SetGap(int value)
{
    value = std::clamp(value, 0, 255);
    if (value == m_gap)
        return;
    m_gap = value;
    refresh();
}

void TDBLabel::SetPos(TPos pos)
{
    if (pos == m_pos)
        return;
    m_pos = pos;
    refresh();
}

void TDBLabel::refresh()
{
    takeFieldCaption();
    placeBesideControl();
}

void TDBLabel::takeFieldCaption()
{
    if (!m_autoCaption || !m_focusControl)
        return;
    if (const std::optional<QString> caption = ktr::controls::dataFieldLabelOf(m_focusControl))
        SetCaption(*caption);
}

void TDBLabel::placeBesideControl()
{
    const ktr::platform::ControlLink *control = ktr::platform::controlOf(m_focusControl);
    if (!m_autoAlign || !control)
        return;
    const QRect f = control->BoundsRect();
    // Beside the control: the same top when as high as it, else centred on it.
    const int centredTop = Height() == f.height()
        ? f.top()
        : std::max(0, f.top() + f.height() / 2 - Height() / 2);
    int left = Left();
    int top = Top();
    switch (m_pos) {
    case psTop:
        left = f.left();
        top = std::max(0, f.top() - Height() - m_gap);
        break;
    case psLeft:
        left = std::max(0, f.left() - Width() - m_gap);
        top = centredTop;
        break;
    case psRight:
        left = std::max(0, f.left() + f.width() + m_gap);
        top = centredTop;
        break;
    case psBottom:
        left = f.left();
        top = std::max(0, f.top() + f.height() + m_gap);
        break;
    }
    SetBounds(left, top, Width(), Height());
}
