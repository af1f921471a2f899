#pragma once

#include <PageControl.h>

// A page control with owner-drawn tabs: OnDrawTab paints them when assigned, otherwise the
// active tab is drawn bold in the active-caption colours, slightly inset, and the others
// in the inactive-caption colours. Tabs count only pages whose tab is visible.
//
// OnDrawTab: void h(QObject *Control, int TabIndex, QRect Rect, bool Active), painting on
// Canvas(), which is valid while the handler runs.
class TExtPageControl : public TPageControl {
    Q_OBJECT
    Q_PROPERTY(TMethod OnDrawTab READ OnDrawTab WRITE SetOnDrawTab)
public:
    explicit TExtPageControl(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TExtPageControl() override;

    TMethod OnDrawTab() const { return m_onDrawTab; }
    void SetOnDrawTab(const TMethod &handler);
    // The painter of the tab being drawn; nullptr outside tab drawing.
    QPainter *Canvas() const { return m_canvas; }

    void DrawTab(QPainter &painter, int tabIndex, const QRect &rect, bool active) override;

private:
    void drawDefaultTab(QPainter &painter, int tabIndex, QRect rect, bool active);

    TMethod m_onDrawTab;
    QPainter *m_canvas = nullptr;
};
