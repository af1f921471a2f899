#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QPointer>
#include <QWidget>

// A bar between aligned controls; dragging it resizes the control aligned before it on
// the same side (the control whose edge touches the splitter), keeping MinSize.
class KTRPLATFORM_EXPORT TSplitter : public QWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_CONTROL_PROPERTIES
    Q_PROPERTY(int MinSize READ MinSize WRITE SetMinSize)
    Q_PROPERTY(TMethod OnMoved READ OnMoved WRITE SetOnMoved)
public:
    explicit TSplitter(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TSplitter() override;

    bool IsWinControl() const override { return false; }
    int MinSize() const { return m_minSize; }
    void SetMinSize(int size) { m_minSize = std::max(0, size); }
    TMethod OnMoved() const { return m_onMoved; }
    void SetOnMoved(const TMethod &m) { m_onMoved = m; }

    // The control the splitter resizes, or nullptr.
    QWidget *ResizeControl() const;
    // Moves the splitter by delta pixels (positive: right or down), as a drag does.
    void MoveBy(int delta);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool horizontal() const { return Align() == alLeft || Align() == alRight; }
    int m_minSize = 30;
    int m_dragStart = -1;
    TMethod m_onMoved;
};
