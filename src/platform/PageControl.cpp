#include "PageControl.h"

#include "TabFrameCache.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTabBar>

TPageControl::TPageControl(QObject *owner, QWidget *parent)
    : QTabWidget(parent), ControlLink(this, owner)
{
    resize(289, 193);
    SetTabStop(true);
    // The filter takes the tab bar's clicks, keys and, with OwnerDraw, its painting.
    tabBar()->installEventFilter(this);
}

void TPageControl::paintTabs()
{
    QTabBar *bar = tabBar();
    QPainter painter(bar);
    int tabIndex = 0;
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        DrawTab(painter, tabIndex++, bar->tabRect(i), i == bar->currentIndex());
    }
}

void TPageControl::SetOwnerDraw(bool value)
{
    m_ownerDraw = value;
    tabBar()->update();
}

void TPageControl::DrawTab(QPainter &painter, int tabIndex, const QRect &rect, bool active)
{
    const TTabSheet *page = PageForTab(tabIndex);
    if (!page)
        return;
    painter.fillRect(rect, palette().color(active ? QPalette::Highlight : QPalette::Button));
    painter.setPen(palette().color(active ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, page->Caption());
}

TPageControl::~TPageControl()
{
    for (TTabSheet *page : std::as_const(m_pages))
        page->m_pageControl = nullptr;
    m_pages.clear();
}

TTabSheet *TPageControl::Pages(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

TTabSheet *TPageControl::ActivePage() const
{
    return Pages(currentIndex());
}

void TPageControl::SetActivePage(TTabSheet *page)
{
    const int index = int(m_pages.indexOf(page));
    if (index >= 0)
        setCurrentIndex(index);
}

int TPageControl::ActivePageIndex() const
{
    return ActivePage() ? currentIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < m_pages.size())
        setCurrentIndex(index);
}

int TPageControl::TabIndex() const
{
    TTabSheet *active = ActivePage();
    if (!active || !active->TabVisible())
        return -1;
    int tab = 0;
    for (TTabSheet *page : m_pages) {
        if (page == active)
            return tab;
        tab += page->TabVisible() ? 1 : 0;
    }
    return -1;
}

TTabSheet *TPageControl::PageForTab(int tabIndex) const
{
    int tab = 0;
    for (TTabSheet *page : m_pages) {
        if (!page->TabVisible())
            continue;
        if (tab++ == tabIndex)
            return page;
    }
    return nullptr;
}

TTabSheet *TPageControl::FindNextPage(TTabSheet *current, bool goForward,
                                      bool checkTabVisible) const
{
    const qsizetype count = m_pages.size();
    if (count == 0)
        return nullptr;
    qsizetype start = m_pages.indexOf(current);
    if (start < 0)
        start = goForward ? count - 1 : 0;
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype i = ((goForward ? start + step : start - step) % count + count) % count;
        if (!checkTabVisible || m_pages[i]->TabVisible())
            return m_pages[i];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible)
{
    TTabSheet *page = FindNextPage(ActivePage(), goForward, checkTabVisible);
    if (page && page != ActivePage())
        ChangeActivePageByUser(page);
}

bool TPageControl::CanChange()
{
    bool allow = true;
    CallChanging(m_onChanging, this, &allow);
    return allow;
}

bool TPageControl::ChangeActivePageByUser(TTabSheet *page)
{
    if (!page || page == ActivePage() || !CanChange())
        return false;
    SetActivePage(page);
    Change();
    return true;
}

void TPageControl::insertPage(TTabSheet *page)
{
    if (!page || m_pages.contains(page))
        return;
    m_pages.append(page);
    page->m_pageControl = this;
    const int index = addTab(page, page->m_caption);
    setTabVisible(index, page->m_tabVisible);
}

void TPageControl::removePage(TTabSheet *page)
{
    const int index = int(m_pages.indexOf(page));
    if (index < 0)
        return;
    m_pages.removeAt(index);
    removeTab(index);
    page->m_pageControl = nullptr;
}

bool TPageControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != tabBar())
        return QTabWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const int index = tabBar()->tabAt(mouse->position().toPoint());
        if (index >= 0 && index != currentIndex())
            ChangeActivePageByUser(Pages(index));
        return index >= 0 && index != currentIndex();
    }
    case QEvent::MouseButtonRelease: {
        const int index = tabBar()->tabAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        return index != currentIndex();
    }
    case QEvent::Wheel:
        return true;
    case QEvent::Paint:
        if (!m_ownerDraw)
            return false;
        paintTabs();
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right
            || key == Qt::Key_Down) {
            SelectNextPage(key == Qt::Key_Right || key == Qt::Key_Down);
            return true;
        }
        return key == Qt::Key_Home || key == Qt::Key_End;
    }
    default:
        return false;
    }
}

void TPageControl::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (ctrl && (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_PageUp
                 || key == Qt::Key_PageDown)) {
        const bool back = key == Qt::Key_Backtab || key == Qt::Key_PageUp
            || (key == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier));
        SelectNextPage(!back);
        event->accept();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

void TPageControl::paintEvent(QPaintEvent *event)
{
    if (documentMode()) {
        QTabWidget::paintEvent(event);
        return;
    }
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    QPainter painter(this);
    ktr::platform::paintTabWidgetFrame(painter, option, this);
}

TTabSheet::TTabSheet(QObject *owner, QWidget *parent) : QWidget(nullptr), ControlLink(this, owner)
{
    if (parent)
        SetParent(parent);
}

TTabSheet::~TTabSheet()
{
    if (m_pageControl)
        m_pageControl->removePage(this);
}

void TTabSheet::SetPageControl(TPageControl *pageControl)
{
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->removePage(this);
    if (pageControl)
        pageControl->insertPage(this);
    else
        ControlLink::SetParent(nullptr);
}

QWidget *TTabSheet::Parent() const
{
    return m_pageControl ? m_pageControl : ControlLink::Parent();
}

void TTabSheet::SetParent(QWidget *parent)
{
    if (auto *pageControl = qobject_cast<TPageControl *>(parent))
        SetPageControl(pageControl);
    else {
        SetPageControl(nullptr);
        ControlLink::SetParent(parent);
    }
}

bool TTabSheet::Visible() const
{
    return m_pageControl ? m_pageControl->ActivePage() == this : ControlLink::Visible();
}

void TTabSheet::SetText(const QString &text)
{
    m_caption = text;
    if (m_pageControl)
        m_pageControl->setTabText(PageIndex(), text);
}

void TTabSheet::SetTabVisible(bool visible)
{
    m_tabVisible = visible;
    if (m_pageControl)
        m_pageControl->setTabVisible(PageIndex(), visible);
}

int TTabSheet::PageIndex() const
{
    return m_pageControl ? int(m_pageControl->m_pages.indexOf(const_cast<TTabSheet *>(this)))
                         : -1;
}

void TTabSheet::SetPageIndex(int index)
{
    if (!m_pageControl)
        return;
    const int from = PageIndex();
    index = std::clamp(index, 0, m_pageControl->PageCount() - 1);
    if (from == index)
        return;
    m_pageControl->m_pages.move(from, index);
    m_pageControl->tabBar()->moveTab(from, index);
}

int TTabSheet::TabIndex() const
{
    if (!m_pageControl || !m_tabVisible)
        return -1;
    int tab = 0;
    for (TTabSheet *page : m_pageControl->m_pages) {
        if (page == this)
            return tab;
        tab += page->TabVisible() ? 1 : 0;
    }
    return -1;
}
