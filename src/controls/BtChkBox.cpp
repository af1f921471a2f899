#include "BtChkBox.h"

#include "CheckGlyphs.h"

#include <Colors.h>
#include <Glyphs.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <algorithm>

namespace {

QPixmap modulePicture(TCheckBoxState state)
{
    namespace glyphs = ktr::controls::detail::checkglyphs;
    switch (state) {
    case cbChecked: return QPixmap(glyphs::kChecked);
    case cbGrayed: return QPixmap(glyphs::kGrayed);
    case cbUnchecked: break;
    }
    return QPixmap(glyphs::kUnchecked);
}

} // namespace

TBitCheckBox::TBitCheckBox(QObject *owner, QWidget *parent) : TCustomControl(owner, parent)
{
    resize(97, 17);
    SetTabStop(true);
    for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed})
        m_glyphs[state].picture = modulePicture(state);
}

TBitCheckBox::~TBitCheckBox() = default;

void TBitCheckBox::SetText(const QString &text)
{
    TCustomControl::SetText(text);
    updateAccelerator();
}

void TBitCheckBox::SetState(TCheckBoxState state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
}

void TBitCheckBox::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TBitCheckBox::SetCtl3D(bool value)
{
    m_ctl3D = value;
    update();
}

void TBitCheckBox::setGlyph(TCheckBoxState state, const QPixmap &picture)
{
    Glyph &glyph = m_glyphs[state];
    glyph.picture = picture.isNull() ? modulePicture(state) : picture;
    const int width = glyph.picture.width();
    const int height = glyph.picture.height();
    if (height > 0 && width % height == 0)
        glyph.cells = std::clamp(width / height, 1, 2);
    update();
}

void TBitCheckBox::setCells(TCheckBoxState state, int cells)
{
    m_glyphs[state].cells = std::clamp(cells, 1, 2);
    update();
}

void TBitCheckBox::Toggle()
{
    switch (m_state) {
    case cbUnchecked: SetState(m_allowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TBitCheckBox::clickByUser()
{
    QPointer<TBitCheckBox> self = this;
    Toggle();
    Click();
    if (self && CanFocus())
        SetFocus();
}

void TBitCheckBox::updateAccelerator()
{
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    const QKeySequence accelerator = QKeySequence::mnemonic(Caption());
    m_shortcutId = accelerator.isEmpty() ? 0 : grabShortcut(accelerator);
}

bool TBitCheckBox::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut
        && static_cast<QShortcutEvent *>(event)->shortcutId() == m_shortcutId) {
        if (CanFocus()) {
            SetFocus();
            Toggle();
        }
        return true;
    }
    return TCustomControl::event(event);
}

void TBitCheckBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TBitCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        clickByUser();
}

void TBitCheckBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        clickByUser();
        return;
    }
    TCustomControl::keyPressEvent(event);
}

void TBitCheckBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
    TCustomControl::changeEvent(event);
}

void TBitCheckBox::focusInEvent(QFocusEvent *event)
{
    update();
    TCustomControl::focusInEvent(event);
}

void TBitCheckBox::focusOutEvent(QFocusEvent *event)
{
    update();
    TCustomControl::focusOutEvent(event);
}

QRect TBitCheckBox::CaptionRect() const
{
    const Glyph &glyph = m_glyphs[m_state];
    const int cellWidth = glyph.picture.width() / std::max(1, glyph.cells);
    const QFontMetrics metrics(font());
    const QString caption = Caption();
    int textWidth = metrics.horizontalAdvance(caption);
    if (caption.contains(QLatin1Char('&')))
        textWidth -= metrics.horizontalAdvance(QLatin1Char('&'));
    const int left = m_alignment == taRightJustify ? cellWidth + 4 : 1;
    const int top = (height() - metrics.height()) / 2 - 2;
    return QRect(left, top, std::max(0, textWidth), metrics.height() + 3);
}

void TBitCheckBox::paintEvent(QPaintEvent *)
{
    using ktr::platform::toQColor;
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(Color()));

    const Glyph &glyph = m_glyphs[m_state];
    const int cells = std::max(1, glyph.cells);
    const int cellWidth = glyph.picture.width() / cells;
    const int cell = !isEnabled() && cells == 2 ? 1 : 0;
    const QPixmap picture = ktr::platform::glyphCell(glyph.picture, cells, cell);
    if (!picture.isNull()) {
        const int x = m_alignment == taRightJustify ? 0 : width() - cellWidth;
        painter.drawPixmap(x, (height() - picture.height()) / 2, picture);
    }

    const QRect captionRect = CaptionRect();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    } else {
        if (m_ctl3D) {
            painter.setPen(toQColor(clBtnHighlight));
            painter.drawText(captionRect.translated(1, 1), flags, Caption());
        }
        painter.setPen(toQColor(clGrayText));
    }
    painter.drawText(captionRect, flags, Caption());

    if (hasFocus()) {
        const QRect focusRect = captionRect.adjusted(-1, -1, 1, 1).intersected(rect());
        QPen pen(palette().color(QPalette::WindowText));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focusRect.adjusted(0, 0, -1, -1));
    }
}
