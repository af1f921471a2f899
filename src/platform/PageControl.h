#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QTabWidget>

class QPainter;

class TTabSheet;

// Pages with tabs. The user changes the page (tab click, arrow keys on the tabs,
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageUp/PageDown) only after OnChanging allowed it
// (void h(QObject *Sender, bool *AllowChange)), and OnChange follows. SelectNextPage does
// the same from code; setting ActivePage or ActivePageIndex raises neither, as in the
// framework.
class KTRPLATFORM_EXPORT TPageControl : public QTabWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(int ActivePageIndex READ ActivePageIndex WRITE SetActivePageIndex)
    Q_PROPERTY(int PageCount READ PageCount)
    Q_PROPERTY(int TabIndex READ TabIndex)
    Q_PROPERTY(TMethod OnChange READ OnChange WRITE SetOnChange)
    Q_PROPERTY(TMethod OnChanging READ OnChanging WRITE SetOnChanging)
public:
    explicit TPageControl(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TPageControl() override;

    int PageCount() const { return int(m_pages.size()); }
    TTabSheet *Pages(int index) const;
    TTabSheet *ActivePage() const;
    void SetActivePage(TTabSheet *page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // Index of the active page among the pages whose tab is visible; -1 when none.
    int TabIndex() const;
    // The page shown by the tab with that index, counting only visible tabs.
    TTabSheet *PageForTab(int tabIndex) const;

    // The page after (or before) current, wrapping around; with checkTabVisible only
    // pages whose tab is visible count. nullptr when there is none.
    TTabSheet *FindNextPage(TTabSheet *current, bool goForward, bool checkTabVisible) const;
    // Moves to that page when OnChanging allows it, then raises OnChange.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

    TMethod OnChanging() const { return m_onChanging; }
    void SetOnChanging(const TMethod &m) { m_onChanging = m; }
    // Asks OnChanging; true when the page may change.
    virtual bool CanChange();
    // A change of page asked for by the user: OnChanging, the change, OnChange.
    bool ChangeActivePageByUser(TTabSheet *page);

    // With OwnerDraw the tabs are painted by DrawTab instead of the style.
    bool OwnerDraw() const { return m_ownerDraw; }
    void SetOwnerDraw(bool value);
    // Paints the tab with index tabIndex (counting visible tabs only) into rect; active is
    // the tab of the active page. The default paints the caption centred.
    virtual void DrawTab(QPainter &painter, int tabIndex, const QRect &rect, bool active);

    void insertPage(TTabSheet *page);
    void removePage(TTabSheet *page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class TTabSheet;
    void paintTabs();

    QList<TTabSheet *> m_pages;
    TMethod m_onChanging;
    bool m_ownerDraw = false;
};

// One page of a TPageControl; it joins the page control when it becomes its parent or
// its PageControl is set.
class KTRPLATFORM_EXPORT TTabSheet : public QWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)
    Q_PROPERTY(int TabIndex READ TabIndex)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
public:
    explicit TTabSheet(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TTabSheet() override;

    TPageControl *PageControl() const { return m_pageControl; }
    void SetPageControl(TPageControl *pageControl);
    QWidget *Parent() const override;
    void SetParent(QWidget *parent) override;
    // A page is visible when it is the active page of its page control.
    bool Visible() const override;

    QString GetText() const override { return m_caption; }
    void SetText(const QString &text) override;
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);
    int PageIndex() const;
    void SetPageIndex(int index);
    int TabIndex() const;
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index) { m_imageIndex = index; }

private:
    friend class TPageControl;
    TPageControl *m_pageControl = nullptr;
    QString m_caption;
    bool m_tabVisible = true;
    int m_imageIndex = -1;
};
