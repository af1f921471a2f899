#include "Control.h"

#include "EventRouter.h"
#include "FocusTracking.h"
#include "PartLookup.h"
#include "PlatformLog.h"

#include <QApplication>

#include <algorithm>
#include <climits>
#include <vector>

namespace ktr::platform {
namespace {

// The controls right below widget: its control children, and the control children of
// Qt's own inner widgets (the page stack of a page control, a scroll area's viewport).
void collectControls(const QWidget *widget, QList<ControlLink *> &list)
{
    for (QObject *child : widget->children()) {
        if (!child->isWidgetType() || static_cast<QWidget *>(child)->isWindow())
            continue;
        if (ControlLink *control = controlOf(child))
            list.append(control);
        else
            collectControls(static_cast<QWidget *>(child), list);
    }
}

QList<ControlLink *> childControls(const QWidget *widget)
{
    QList<ControlLink *> list;
    if (widget)
        collectControls(widget, list);
    return list;
}

// The control a control's tab order is kept in: the nearest control above it.
QWidget *tabContainer(const QWidget *widget)
{
    for (QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (controlOf(w) || w->isWindow())
            return w;
    }
    return nullptr;
}

// Sibling controls that take the focus, in tab order (ties in child order).
QList<ControlLink *> tabSiblings(const QWidget *container)
{
    QList<ControlLink *> list;
    for (ControlLink *control : childControls(container)) {
        if (control->IsWinControl())
            list.append(control);
    }
    std::stable_sort(list.begin(), list.end(), [](ControlLink *a, ControlLink *b) {
        return a->TabOrder() < b->TabOrder();
    });
    return list;
}

QString shortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

} // namespace

ControlLink::ControlLink(QWidget *self, QObject *owner) : ComponentLink(self, owner), m_widget(self)
{
    detail::EventRouter::ensureInstalled();
    if (self->parentWidget()) {
        appendToTabOrder();
        showWithParent();
    }
}

void ControlLink::showWithParent()
{
    if (m_widget->parentWidget()->isVisible() || m_widget->isHidden()) {
        m_widget->setVisible(true);
        return;
    }
    // Qt shows a child of a hidden parent together with the parent already. Showing it now
    // would only polish it, and in vain: the control's class is not complete yet, so Qt
    // polishes it again when the parent is shown. What is kept is the mark of an explicit
    // show, which makes Qt show the control with its parent at the size it has then.
    m_widget->setAttribute(Qt::WA_WState_ExplicitShowHide);
}

ControlLink::~ControlLink()
{
    // Free the owned components while this widget is still a whole QWidget.
    destroyComponentPart();
}

QWidget *ControlLink::Parent() const
{
    return m_widget->isWindow() ? nullptr : m_widget->parentWidget();
}

void ControlLink::SetParent(QWidget *parent)
{
    if (parent == m_widget->parentWidget())
        return;
    const Qt::WindowFlags flags = m_widget->windowFlags();
    m_widget->setParent(parent, parent ? (flags & ~Qt::Window) : flags);
    afterParentChanged();
}

void ControlLink::afterParentChanged()
{
    if (!m_widget->parentWidget())
        return;
    appendToTabOrder();
    m_widget->setVisible(m_visible);
    if (ControlLink *parent = controlOf(m_widget->parentWidget()))
        parent->AlignControls();
}

int ControlLink::ControlCount() const
{
    return int(childControls(m_widget).size());
}

QWidget *ControlLink::Controls(int index) const
{
    const QList<ControlLink *> controls = childControls(m_widget);
    return index >= 0 && index < controls.size() ? controls[index]->widget() : nullptr;
}

int ControlLink::Left() const { return m_widget->x(); }
int ControlLink::Top() const { return m_widget->y(); }
int ControlLink::Width() const { return m_widget->width(); }
int ControlLink::Height() const { return m_widget->height(); }
void ControlLink::SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
void ControlLink::SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
void ControlLink::SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
void ControlLink::SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }

void ControlLink::SetBounds(int left, int top, int width, int height)
{
    const QSize oldSize = m_widget->size();
    m_widget->setGeometry(left, top, std::max(0, width), std::max(0, height));
    // A hidden widget gets its resize event only when shown; align its children now.
    if (m_widget->size() != oldSize)
        AlignControls();
    if (m_align != alNone) {
        if (ControlLink *parent = controlOf(m_widget->parentWidget()))
            parent->AlignControls();
    }
}

QRect ControlLink::BoundsRect() const
{
    return m_widget->geometry();
}

int ControlLink::ClientWidth() const { return m_widget->contentsRect().width(); }
int ControlLink::ClientHeight() const { return m_widget->contentsRect().height(); }

void ControlLink::SetClientWidth(int value)
{
    SetWidth(value + Width() - ClientWidth());
}

void ControlLink::SetClientHeight(int value)
{
    SetHeight(value + Height() - ClientHeight());
}

void ControlLink::SetAlign(TAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    if (ControlLink *parent = controlOf(m_widget->parentWidget()))
        parent->AlignControls();
}

QRect ControlLink::AlignClientRect() const
{
    return m_widget->contentsRect();
}

bool ControlLink::hasAlignedChild() const
{
    const QObjectList &children = m_widget->children();
    return std::any_of(children.begin(), children.end(), [](const QObject *child) {
        const ControlLink *control = controlOf(child);
        return control && control->m_align != alNone;
    });
}

void ControlLink::AlignControls()
{
    if (m_aligning || !hasAlignedChild())
        return;
    m_aligning = true;
    QRect area = AlignClientRect();
    // Each kind is looked up when its turn comes: placing a control may run handlers that
    // change the others.
    auto aligned = [this](TAlign kind) {
        std::vector<ControlLink *> list;
        for (QObject *child : m_widget->children()) {
            ControlLink *control = controlOf(child);
            if (control && control->m_align == kind && control->m_visible
                && !control->widget()->isWindow())
                list.push_back(control);
        }
        return list;
    };
    auto place = [](ControlLink *c, const QRect &r) {
        if (c->BoundsRect() != r)
            c->SetBounds(r.x(), r.y(), r.width(), r.height());
    };

    std::vector<ControlLink *> tops = aligned(alTop);
    std::stable_sort(tops.begin(), tops.end(),
                     [](ControlLink *a, ControlLink *b) { return a->Top() < b->Top(); });
    for (ControlLink *c : tops) {
        const int h = std::min(c->Height(), std::max(0, area.height()));
        place(c, QRect(area.left(), area.top(), area.width(), h));
        area.setTop(area.top() + h);
    }
    std::vector<ControlLink *> bottoms = aligned(alBottom);
    std::stable_sort(bottoms.begin(), bottoms.end(), [](ControlLink *a, ControlLink *b) {
        return a->Top() + a->Height() > b->Top() + b->Height();
    });
    for (ControlLink *c : bottoms) {
        const int h = std::min(c->Height(), std::max(0, area.height()));
        place(c, QRect(area.left(), area.bottom() + 1 - h, area.width(), h));
        area.setBottom(area.bottom() - h);
    }
    std::vector<ControlLink *> lefts = aligned(alLeft);
    std::stable_sort(lefts.begin(), lefts.end(),
                     [](ControlLink *a, ControlLink *b) { return a->Left() < b->Left(); });
    for (ControlLink *c : lefts) {
        const int w = std::min(c->Width(), std::max(0, area.width()));
        place(c, QRect(area.left(), area.top(), w, area.height()));
        area.setLeft(area.left() + w);
    }
    std::vector<ControlLink *> rights = aligned(alRight);
    std::stable_sort(rights.begin(), rights.end(), [](ControlLink *a, ControlLink *b) {
        return a->Left() + a->Width() > b->Left() + b->Width();
    });
    for (ControlLink *c : rights) {
        const int w = std::min(c->Width(), std::max(0, area.width()));
        place(c, QRect(area.right() + 1 - w, area.top(), w, area.height()));
        area.setRight(area.right() - w);
    }
    for (ControlLink *c : aligned(alClient))
        place(c, QRect(area.topLeft(), QSize(std::max(0, area.width()), std::max(0, area.height()))));
    m_aligning = false;
}

bool ControlLink::Visible() const
{
    return m_widget->isWindow() ? m_widget->isVisible() : m_visible;
}

void ControlLink::SetVisible(bool visible)
{
    if (m_widget->isWindow()) {
        m_visible = visible;
        m_widget->setVisible(visible);
        return;
    }
    if (visible == m_visible && m_widget->isHidden() == !visible)
        return;
    m_visible = visible;
    if (m_widget->parentWidget())
        m_widget->setVisible(visible);
    if (m_align != alNone) {
        if (ControlLink *parent = controlOf(m_widget->parentWidget()))
            parent->AlignControls();
    }
}

bool ControlLink::Showing() const
{
    return m_widget->isVisible();
}

bool ControlLink::Enabled() const
{
    return !m_widget->testAttribute(Qt::WA_ForceDisabled);
}

void ControlLink::SetEnabled(bool enabled)
{
    m_widget->setEnabled(enabled);
}

void ControlLink::initColor(TColor color)
{
    m_color = color;
}

void ControlLink::SetColor(TColor color)
{
    m_color = color;
    m_colorSet = true;
    m_parentColor = false;
    applyColor();
}

void ControlLink::applyColor()
{
    const QColor color = toQColor(m_color);
    if (!color.isValid())
        return;
    QPalette palette = m_widget->palette();
    palette.setColor(ColorRole(), color);
    m_widget->setPalette(palette);
    if (ColorRole() == QPalette::Window)
        m_widget->setAutoFillBackground(true);
}

void ControlLink::SetParentColor(bool value)
{
    m_parentColor = value;
    if (!value)
        return;
    if (ControlLink *parent = controlOf(m_widget->parentWidget())) {
        m_color = parent->Color();
        applyColor();
    }
}

QFont ControlLink::Font() const
{
    return m_widget->font();
}

void ControlLink::SetFont(const QFont &font)
{
    m_widget->setFont(font);
}

bool ControlLink::ParentFont() const
{
    return !m_widget->testAttribute(Qt::WA_SetFont);
}

void ControlLink::SetParentFont(bool value)
{
    if (value)
        m_widget->setFont(QFont());
    else
        m_widget->setFont(m_widget->font());
}

void ControlLink::SetHint(const QString &hint)
{
    m_hint = hint;
    m_widget->setToolTip(shortHint(hint));
}

void ControlLink::SetShowHint(bool value)
{
    m_showHint = value;
    m_parentShowHint = false;
}

void ControlLink::SetParentShowHint(bool value)
{
    m_parentShowHint = value;
}

bool ControlLink::EffectiveShowHint() const
{
    if (!m_parentShowHint)
        return m_showHint;
    if (ControlLink *parent = controlOf(m_widget->parentWidget()))
        return parent->EffectiveShowHint();
    return m_showHint;
}

int ControlLink::TabOrder() const
{
    if (!IsWinControl() || !Parent())
        return -1;
    return m_tabOrder;
}

void ControlLink::SetTabOrder(int order)
{
    if (!IsWinControl() || !Parent())
        return;
    QList<ControlLink *> list = tabSiblings(tabContainer(m_widget));
    list.removeOne(this);
    list.insert(std::clamp<qsizetype>(order, 0, list.size()), this);
    for (int i = 0; i < list.size(); ++i)
        list[i]->m_tabOrder = i;
}

void ControlLink::appendToTabOrder()
{
    m_tabOrder = INT_MAX;
    const QWidget *container = tabContainer(m_widget);
    if (!container)
        return;
    QList<ControlLink *> list = tabSiblings(container);
    for (int i = 0; i < list.size(); ++i)
        list[i]->m_tabOrder = i;
}

void ControlLink::SetTabStop(bool value)
{
    m_tabStop = value;
    applyTabStop();
}

void ControlLink::applyTabStop()
{
    if (m_tabStop)
        m_widget->setFocusPolicy(Qt::StrongFocus);
    else if (m_widget->focusPolicy() != Qt::NoFocus)
        m_widget->setFocusPolicy(Qt::ClickFocus);
}

QList<QWidget *> ControlLink::GetTabOrderList() const
{
    QList<QWidget *> result;
    for (ControlLink *child : tabSiblings(m_widget)) {
        result.append(child->widget());
        result.append(child->GetTabOrderList());
    }
    return result;
}

QWidget *ControlLink::FindNextControl(QWidget *current, bool goForward, bool checkTabStop) const
{
    const QList<QWidget *> list = GetTabOrderList();
    if (list.isEmpty())
        return nullptr;
    const qsizetype count = list.size();
    qsizetype start = list.indexOf(current);
    if (start < 0)
        start = goForward ? count - 1 : 0;
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype i = ((goForward ? start + step : start - step) % count + count) % count;
        ControlLink *candidate = controlOf(list[i]);
        if (list[i] == current)
            break;
        if (!candidate->CanFocus() || (checkTabStop && !candidate->TabStop()))
            continue;
        return list[i];
    }
    return nullptr;
}

void ControlLink::SelectNext(QWidget *current, bool goForward, bool checkTabStop)
{
    if (QWidget *next = FindNextControl(current, goForward, checkTabStop))
        controlOf(next)->SetFocus();
}

void ControlLink::SetFocus()
{
    if (!CanFocus()) {
        qCWarning(lcPlatform) << "cannot focus" << m_widget->metaObject()->className()
                              << Name() << ": disabled or invisible";
        return;
    }
    detail::focusControl(this);
}

bool ControlLink::Focused() const
{
    return activeControlOf(m_widget->window()) == m_widget;
}

bool ControlLink::CanFocus() const
{
    if (!IsWinControl())
        return false;
    const QWidget *w = m_widget;
    while (w) {
        const ControlLink *control = controlOf(w);
        if (w->isWindow())
            return !control || control->Enabled();
        if (control ? (!control->Visible() || !control->Enabled()) : w->isHidden())
            return false;
        w = w->parentWidget();
    }
    return true;
}

QString ControlLink::GetText() const
{
    return QString();
}

void ControlLink::SetText(const QString &)
{
}

bool ControlLink::WantsKey(quint16) const
{
    return false;
}

QObject *ControlLink::PopupMenu() const
{
    return m_popupMenu;
}

void ControlLink::SetPopupMenu(QObject *menu)
{
    m_popupMenu = menu;
}

void ControlLink::BringToFront() { m_widget->raise(); }
void ControlLink::SendToBack() { m_widget->lower(); }
void ControlLink::Repaint() { m_widget->repaint(); }
void ControlLink::Invalidate() { m_widget->update(); }

std::intptr_t ControlLink::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    return SendMessage(m_widget, msg, wParam, lParam);
}

void ControlLink::Click()
{
    if (!m_clicksDisabled)
        CallNotify(m_onClick, m_widget);
}

void ControlLink::DblClick() { CallNotify(m_onDblClick, m_widget); }
void ControlLink::DoEnter() { CallNotify(m_onEnter, m_widget); }
void ControlLink::DoExit() { CallNotify(m_onExit, m_widget); }
void ControlLink::Change() { CallNotify(m_onChange, m_widget); }
void ControlLink::Resize() { CallNotify(m_onResize, m_widget); }

void ControlLink::KeyDown(quint16 &key, TShiftState shift)
{
    CallKey(m_onKeyDown, m_widget, &key, shift);
}

void ControlLink::KeyPress(QChar &key)
{
    CallKeyPress(m_onKeyPress, m_widget, &key);
}

void ControlLink::KeyUp(quint16 &key, TShiftState shift)
{
    CallKey(m_onKeyUp, m_widget, &key, shift);
}

void ControlLink::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    CallMouse(m_onMouseDown, m_widget, button, shift, x, y);
}

void ControlLink::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    CallMouse(m_onMouseUp, m_widget, button, shift, x, y);
}

ControlLink *controlOf(const QObject *object)
{
    return detail::partOf<ControlLink>(object);
}

ControlLink *enclosingControl(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (ControlLink *control = controlOf(w))
            return control;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

} // namespace ktr::platform

TControl::TControl(QObject *owner, QWidget *parent)
    : QWidget(parent), ControlLink(this, owner)
{
}

TControl::~TControl() = default;

void TControl::SetText(const QString &text)
{
    m_text = text;
    update();
}

TWinControl::TWinControl(QObject *owner, QWidget *parent)
    : QWidget(parent), ControlLink(this, owner)
{
}

TWinControl::~TWinControl() = default;

void TWinControl::SetText(const QString &text)
{
    m_text = text;
    update();
}

TCustomControl::TCustomControl(QObject *owner, QWidget *parent) : TWinControl(owner, parent)
{
}

TCustomControl::~TCustomControl() = default;
