#include "Splitter.h"

#include <QMouseEvent>

TSplitter::TSplitter(QObject *owner, QWidget *parent) : QWidget(parent), ControlLink(this, owner)
{
    resize(3, 100);
    SetAlign(alLeft);
}

TSplitter::~TSplitter() = default;

QWidget *TSplitter::ResizeControl() const
{
    if (!parentWidget())
        return nullptr;
    const QRect me = geometry();
    for (QObject *child : parentWidget()->children()) {
        ktr::platform::ControlLink *control = ktr::platform::controlOf(child);
        if (!control || control == this || control->Align() != Align() || !control->Visible())
            continue;
        const QRect r = control->BoundsRect();
        const bool touches = (Align() == alLeft && r.right() + 1 == me.left())
            || (Align() == alRight && r.left() == me.right() + 1)
            || (Align() == alTop && r.bottom() + 1 == me.top())
            || (Align() == alBottom && r.top() == me.bottom() + 1);
        if (touches)
            return control->widget();
    }
    return nullptr;
}

void TSplitter::MoveBy(int delta)
{
    QWidget *target = ResizeControl();
    ktr::platform::ControlLink *control = ktr::platform::controlOf(target);
    if (!control || delta == 0)
        return;
    const bool grows = Align() == alLeft || Align() == alTop;
    const int size = horizontal() ? control->Width() : control->Height();
    const int newSize = std::max(m_minSize, size + (grows ? delta : -delta));
    if (horizontal())
        control->SetWidth(newSize);
    else
        control->SetHeight(newSize);
    CallNotify(m_onMoved, this);
}

void TSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStart = horizontal() ? int(event->globalPosition().x()) : int(event->globalPosition().y());
    QWidget::mousePressEvent(event);
}

void TSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragStart >= 0) {
        const int now = horizontal() ? int(event->globalPosition().x()) : int(event->globalPosition().y());
        MoveBy(now - m_dragStart);
        m_dragStart = now;
    }
    QWidget::mouseMoveEvent(event);
}

void TSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragStart = -1;
    QWidget::mouseReleaseEvent(event);
}
