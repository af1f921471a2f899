#include "Panel.h"

#include <QPainter>

TPanel::TPanel(QObject *owner, QWidget *parent) : QFrame(parent), ControlLink(this, owner)
{
    resize(185, 41);
    applyBevels();
}

TPanel::~TPanel() = default;

void TPanel::SetText(const QString &text)
{
    m_caption = text;
    update();
}

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    m_bevelOuter = bevel;
    applyBevels();
}

void TPanel::SetBevelInner(TBevelCut bevel)
{
    m_bevelInner = bevel;
    applyBevels();
}

void TPanel::SetBevelWidth(int width)
{
    m_bevelWidth = std::max(1, width);
    applyBevels();
}

void TPanel::SetBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    AlignControls();
}

void TPanel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TPanel::applyBevels()
{
    const TBevelCut bevel = m_bevelOuter != bvNone ? m_bevelOuter : m_bevelInner;
    switch (bevel) {
    case bvNone:
    case bvSpace:
        setFrameStyle(QFrame::NoFrame);
        break;
    case bvLowered:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case bvRaised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
    setLineWidth(m_bevelWidth);
    AlignControls();
}

QRect TPanel::AlignClientRect() const
{
    return contentsRect().adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
}

void TPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    const Qt::Alignment horizontal = m_alignment == taCenter ? Qt::AlignHCenter
        : m_alignment == taRightJustify                        ? Qt::AlignRight
                                                               : Qt::AlignLeft;
    painter.drawText(contentsRect(), int(horizontal | Qt::AlignVCenter), m_caption);
}
