#include "EditLabel.h"

#include <Label.h>

namespace ktr::controls::detail {

EditLabel::EditLabel(QWidget *edit) : m_edit(edit)
{
    m_label = new TLabel(edit); // owned by the edit as a component
    m_label->SetName(QStringLiteral("EditLabel"));
    m_label->SetCaption(QString());
    m_label->SetFocusControl(edit);
    if (const ktr::platform::ControlLink *control = ktr::platform::controlOf(edit)) {
        m_label->SetVisible(control->Visible());
        m_label->SetParent(control->Parent());
    }
}

QString EditLabel::caption() const
{
    return m_label ? m_label->Caption() : QString();
}

void EditLabel::setCaption(const QString &caption)
{
    if (!m_label)
        return;
    m_label->SetCaption(caption);
    place();
}

void EditLabel::setPosition(TLabelPosition position)
{
    m_position = position;
    place();
}

void EditLabel::setSpacing(int spacing)
{
    if (spacing < 0)
        return;
    m_spacing = spacing;
    place();
}

void EditLabel::place()
{
    const ktr::platform::ControlLink *edit = ktr::platform::controlOf(m_edit);
    if (!m_label || !edit)
        return;
    const QRect e = edit->BoundsRect();
    const int w = m_label->Width();
    const int h = m_label->Height();
    QPoint at;
    switch (m_position) {
    case lpAbove: at = {e.left(), e.top() - h - m_spacing}; break;
    case lpBelow: at = {e.left(), e.top() + e.height() + m_spacing}; break;
    case lpLeft: at = {e.left() - w - m_spacing, e.top() + (e.height() - h) / 2}; break;
    case lpRight: at = {e.left() + e.width() + m_spacing, e.top() + (e.height() - h) / 2}; break;
    }
    m_label->SetBounds(at.x(), at.y(), w, h);
}

void EditLabel::followParent(QWidget *parent)
{
    if (m_label)
        m_label->SetParent(parent);
}

void EditLabel::followEnabled(bool enabled)
{
    if (m_label)
        m_label->SetEnabled(enabled);
}

void EditLabel::followVisible(bool visible)
{
    if (m_label)
        m_label->SetVisible(visible);
}

} // namespace ktr::controls::detail
