#include "ToolBar.h"

#include "ImageList.h"
#include "Menus.h"

#include <QChildEvent>

#include <algorithm>

TToolBar::TToolBar(QObject *owner, QWidget *parent) : QWidget(parent), ControlLink(this, owner)
{
    resize(150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar() = default;

void TToolBar::SetButtonWidth(int width)
{
    m_buttonWidth = std::max(1, width);
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int height)
{
    m_buttonHeight = std::max(1, height);
    ArrangeButtons();
}

void TToolBar::SetFlat(bool flat)
{
    m_flat = flat;
    ArrangeButtons();
}

void TToolBar::SetShowCaptions(bool value)
{
    m_showCaptions = value;
    ArrangeButtons();
}

QObject *TToolBar::Images() const
{
    return m_images;
}

void TToolBar::SetImages(QObject *images)
{
    m_images = images;
    ArrangeButtons();
}

TImageList *TToolBar::imageList() const
{
    return qobject_cast<TImageList *>(m_images.data());
}

int TToolBar::ButtonCount() const
{
    return int(findChildren<TToolButton *>(Qt::FindDirectChildrenOnly).size());
}

TToolButton *TToolBar::Buttons(int index) const
{
    QList<TToolButton *> buttons = findChildren<TToolButton *>(Qt::FindDirectChildrenOnly);
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](TToolButton *a, TToolButton *b) { return a->x() < b->x(); });
    return buttons.value(index);
}

void TToolBar::ArrangeButtons()
{
    if (m_arranging)
        return;
    m_arranging = true;
    QList<TToolButton *> buttons = findChildren<TToolButton *>(Qt::FindDirectChildrenOnly);
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](TToolButton *a, TToolButton *b) { return a->x() < b->x(); });
    int x = 0;
    for (TToolButton *button : buttons) {
        button->updateLook();
        if (!button->Visible())
            continue;
        const bool gap = button->Style() == tbsSeparator || button->Style() == tbsDivider;
        int width = gap ? 8 : m_buttonWidth;
        if (button->Style() == tbsDropDown)
            width += 13;
        button->setGeometry(x, 0, width, m_buttonHeight);
        x += width;
    }
    m_arranging = false;
}

void TToolBar::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
        ArrangeButtons();
}

void TToolBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ArrangeButtons();
}

TToolButton::TToolButton(QObject *owner, QWidget *parent)
    : QToolButton(parent), ControlLink(this, owner)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] { Click(); });
    if (parent)
        move(10000, 0); // a new button goes after the existing ones
    if (TToolBar *bar = ToolBar())
        bar->ArrangeButtons();
    else if (parent)
        adjustSize(); // elsewhere than on a tool bar it is as large as Qt makes an empty button
}

TToolButton::~TToolButton() = default;

void TToolButton::SetText(const QString &text)
{
    m_caption = text;
    updateLook();
}

void TToolButton::SetParent(QWidget *parent)
{
    if (qobject_cast<TToolBar *>(parent))
        move(10000, 0);
    ControlLink::SetParent(parent);
    if (TToolBar *bar = ToolBar())
        bar->ArrangeButtons();
}

void TToolButton::SetStyle(TToolButtonStyle style)
{
    m_style = style;
    setCheckable(style == tbsCheck);
    updateLook();
    if (TToolBar *bar = ToolBar())
        bar->ArrangeButtons();
}

QObject *TToolButton::DropdownMenu() const
{
    return m_dropdownMenu.data();
}

void TToolButton::SetDropdownMenu(QObject *menu)
{
    m_dropdownMenu = qobject_cast<TPopupMenu *>(menu);
    updateLook();
}

void TToolButton::SetImageIndex(int index)
{
    m_imageIndex = index;
    updateLook();
}

void TToolButton::SetDown(bool down)
{
    m_down = down;
    setCheckable(m_style == tbsCheck || down);
    setChecked(down);
}

void TToolButton::Click()
{
    if (m_style == tbsCheck)
        m_down = isChecked();
    ControlLink::Click();
}

void TToolButton::updateLook()
{
    TToolBar *bar = ToolBar();
    TImageList *images = bar ? bar->imageList() : nullptr;
    const QPixmap picture = images ? images->GetBitmap(m_imageIndex) : QPixmap();
    // The bar refreshes every button whenever it arranges them; an icon is made again
    // only for another picture (or when someone else replaced it), the rest is cheap.
    if (picture.cacheKey() != m_shownPictureKey || icon().cacheKey() != m_shownIconKey) {
        setIcon(picture.isNull() ? QIcon() : QIcon(picture));
        m_shownPictureKey = picture.cacheKey();
        m_shownIconKey = icon().cacheKey();
    }
    if (images)
        setIconSize(QSize(images->Width(), images->Height()));
    const bool hasIcon = !picture.isNull();
    const bool showCaption = !bar || bar->ShowCaptions() || !hasIcon;
    setText(showCaption ? m_caption : QString());
    setToolButtonStyle(!hasIcon ? Qt::ToolButtonTextOnly
                       : showCaption ? Qt::ToolButtonTextUnderIcon
                                     : Qt::ToolButtonIconOnly);
    setAutoRaise(bar && bar->Flat());
    const bool gap = m_style == tbsSeparator || m_style == tbsDivider;
    setEnabled(!gap && Enabled());
    setMenu(m_style == tbsDropDown && m_dropdownMenu ? m_dropdownMenu->menu() : nullptr);
    setPopupMode(m_style == tbsDropDown ? QToolButton::MenuButtonPopup
                                        : QToolButton::DelayedPopup);
}
