#include "ExtPage.h"

#include <Colors.h>
#include <Method.h>

#include <QPainter>
#include <QTabBar>

TExtPageControl::TExtPageControl(QObject *owner, QWidget *parent) : TPageControl(owner, parent)
{
    SetOwnerDraw(true);
}

TExtPageControl::~TExtPageControl() = default;

void TExtPageControl::SetOnDrawTab(const TMethod &handler)
{
    m_onDrawTab = handler;
    tabBar()->update();
}

void TExtPageControl::DrawTab(QPainter &painter, int tabIndex, const QRect &rect, bool active)
{
    if (!m_onDrawTab.assigned()) {
        drawDefaultTab(painter, tabIndex, rect, active);
        return;
    }
    m_canvas = &painter;
    QObject *control = this;
    QRect tabRect = rect;
    ktr::platform::invokeHandler(m_onDrawTab, {"QObject*", "int", "QRect", "bool"},
                                 {&control, &tabIndex, &tabRect, &active});
    m_canvas = nullptr;
}

void TExtPageControl::drawDefaultTab(QPainter &painter, int tabIndex, QRect rect, bool active)
{
    using ktr::platform::toQColor;
    painter.save();
    QFont font = Font();
    font.setBold(active);
    painter.setFont(font);
    if (active)
        rect.adjust(2, 2, -2, -2);
    painter.fillRect(rect, toQColor(active ? clActiveCaption : clInactiveCaption));
    if (!active)
        rect.setTop(rect.top() + 2);
    painter.setPen(toQColor(active ? clCaptionText : clInactiveCaptionText));
    if (const TTabSheet *page = PageForTab(tabIndex))
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                         page->Caption());
    painter.restore();
}
