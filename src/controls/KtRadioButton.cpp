#include "KtRadioButton.h"

#include <Colors.h>

#include <QEvent>
#include <QPainter>

#include <cmath>

TKtRadioButton::TKtRadioButton(QObject *owner, QWidget *parent)
    : QRadioButton(parent), ControlLink(this, owner)
{
    resize(113, 17);
    // Exclusivity is among buttons of this class only, see SetChecked.
    setAutoExclusive(false);
    SetTabStop(false);
}

TKtRadioButton::~TKtRadioButton() = default;

void TKtRadioButton::SetChecked(bool checked)
{
    if (checked == isChecked())
        return;
    setChecked(checked);
    SetTabStop(checked);
    if (!checked)
        return;
    if (parentWidget()) {
        for (TKtRadioButton *other :
             parentWidget()->findChildren<TKtRadioButton *>(Qt::FindDirectChildrenOnly)) {
            if (other != this && other->isChecked())
                other->SetChecked(false);
        }
    }
    Click();
}

void TKtRadioButton::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    update();
}

void TKtRadioButton::SetCtl3D(bool value)
{
    if (value == m_ctl3D)
        return;
    m_ctl3D = value;
    update();
}

void TKtRadioButton::nextCheckState()
{
    SetChecked(true);
}

int TKtRadioButton::CaptionOffset(int points)
{
    struct Step {
        int upTo;
        int offset;
    };
    static constexpr Step steps[] = {{8, 17},  {15, 19}, {17, 20}, {23, 21}, {29, 23},
                                     {35, 25}, {41, 27}, {43, 29}, {60, 31}, {80, 39}};
    if (points >= 1) {
        for (const Step &step : steps) {
            if (points <= step.upTo)
                return step.offset;
        }
    }
    return 44;
}

int TKtRadioButton::FontPoints() const
{
    const QFont f = font();
    if (f.pointSize() > 0)
        return f.pointSize();
    return int(std::lround(f.pixelSize() * 72.0 / logicalDpiY()));
}

bool TKtRadioButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        if (CanFocus())
            SetFocus();
        return true;
    }
    return QRadioButton::event(event);
}

void TKtRadioButton::paintEvent(QPaintEvent *event)
{
    QRadioButton::paintEvent(event);
    QPainter painter(this);
    const int x = CaptionOffset(FontPoints());
    QRect strip(QPoint(x - 4, -4), QPoint(width() + 4, height() + 4));
    QRect caption(x, 0, std::max(0, width() - x), height());
    int side = Qt::AlignLeft;
    if (m_alignment == taLeftJustify) {
        // The circle sits at the right edge: the caption area mirrors.
        strip = QRect(QPoint(-4, -4), QPoint(width() - x + 4, height() + 4));
        caption = QRect(0, 0, std::max(0, width() - x), height());
        side = Qt::AlignRight;
    }
    const QColor fill = ktr::platform::toQColor(Color());
    painter.setPen(fill);
    painter.setBrush(fill);
    painter.drawRect(strip);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, side | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     Caption());
}
