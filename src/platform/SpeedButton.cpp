#include "SpeedButton.h"

#include "Glyphs.h"

TSpeedButton::TSpeedButton(QObject *owner, QWidget *parent)
    : QToolButton(parent), ControlLink(this, owner)
{
    setFocusPolicy(Qt::NoFocus);
    resize(23, 22);
    connect(this, &QToolButton::clicked, this, [this] { Click(); });
    updateIcon();
    updateStyle();
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetText(const QString &text)
{
    m_caption = text;
    setText(text);
    updateStyle();
}

void TSpeedButton::SetGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    if (!glyph.isNull() && glyph.height() > 0 && glyph.width() % glyph.height() == 0) {
        const int cells = glyph.width() / glyph.height();
        if (cells >= 1 && cells <= 4)
            m_numGlyphs = cells;
    }
    updateIcon();
    updateStyle();
}

void TSpeedButton::SetNumGlyphs(int count)
{
    count = std::clamp(count, 1, 4);
    if (count == m_numGlyphs)
        return;
    m_numGlyphs = count;
    updateIcon();
}

void TSpeedButton::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    updateStyle();
}

void TSpeedButton::updateIcon()
{
    setIcon(ktr::platform::glyphIcon(m_glyph, m_numGlyphs));
    if (!m_glyph.isNull())
        setIconSize(QSize(m_glyph.width() / std::max(1, m_numGlyphs), m_glyph.height()));
}

void TSpeedButton::updateStyle()
{
    if (m_glyph.isNull())
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    else if (m_caption.isEmpty())
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    else if (m_layout == blGlyphTop || m_layout == blGlyphBottom)
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    else
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::SetGroupIndex(int index)
{
    m_groupIndex = index;
    setCheckable(index > 0);
    setChecked(m_down);
}

void TSpeedButton::SetDown(bool down)
{
    if (m_groupIndex == 0) {
        m_down = false;
        return;
    }
    m_down = down;
    setChecked(down);
    if (!down || !parentWidget())
        return;
    for (TSpeedButton *other : parentWidget()->findChildren<TSpeedButton *>(Qt::FindDirectChildrenOnly)) {
        if (other != this && other->m_groupIndex == m_groupIndex && other->m_down) {
            other->m_down = false;
            other->setChecked(false);
        }
    }
}

void TSpeedButton::Click()
{
    if (m_groupIndex > 0)
        SetDown(m_down && m_allowAllUp ? false : true);
    ControlLink::Click();
}
