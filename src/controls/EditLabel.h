#pragma once

#include "Placement.h"

#include <Label.h>

#include <QPointer>
#include <QString>

class QWidget;

namespace ktr::controls::detail {

// The caption label a labelled edit owns: a plain label named "EditLabel", owned by the
// edit, focusing it, kept on one side of it and following its parent, enabled and visible
// states. When someone else frees the label the edit forgets it: the caption reads empty
// and the operations do nothing.
class EditLabel {
public:
    explicit EditLabel(QWidget *edit);

    TLabel *label() const { return m_label; }
    QString caption() const;
    void setCaption(const QString &caption);
    TLabelPosition position() const { return m_position; }
    void setPosition(TLabelPosition position);
    int spacing() const { return m_spacing; }
    // Negative spacing is ignored.
    void setSpacing(int spacing);

    // Moves the label (keeping its size) to its side of the edit.
    void place();
    void followParent(QWidget *parent);
    void followEnabled(bool enabled);
    void followVisible(bool visible);

private:
    QWidget *m_edit;
    QPointer<TLabel> m_label;
    TLabelPosition m_position = lpLeft;
    int m_spacing = 4;
};

} // namespace ktr::controls::detail
