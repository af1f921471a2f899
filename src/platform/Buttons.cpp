#include "Buttons.h"

#include "Form.h"
#include "Glyphs.h"

TButton::TButton(QObject *owner, QWidget *parent) : QPushButton(parent), ControlLink(this, owner)
{
    resize(75, 25);
    SetTabStop(true);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

TButton::~TButton() = default;

void TButton::SetDefault(bool value)
{
    m_default = value;
    setDefault(value);
}

void TButton::Click()
{
    if (m_modalResult != mrNone) {
        if (TForm *form = ktr::platform::GetParentForm(this))
            form->SetModalResult(m_modalResult);
    }
    ControlLink::Click();
}

TBitBtn::TBitBtn(QObject *owner, QWidget *parent) : TButton(owner, parent)
{
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetKind(TBitBtnKind kind)
{
    struct KindInfo {
        const char *caption;
        int modalResult;
        bool isDefault;
        bool isCancel;
    };
    static const KindInfo kinds[] = {
        {nullptr, mrNone, false, false},   {"OK", mrOk, true, false},
        {"Cancel", mrCancel, false, true}, {"&Help", mrNone, false, false},
        {"&Yes", mrYes, true, false},      {"&No", mrNo, false, true},
        {"&Close", mrNone, false, false},  {"Abort", mrAbort, false, true},
        {"&Retry", mrRetry, false, false}, {"&Ignore", mrIgnore, false, false},
        {"&All", mrAll, true, false},
    };
    m_kind = kind;
    const KindInfo &info = kinds[kind];
    if (!info.caption)
        return;
    SetCaption(tr(info.caption));
    SetModalResult(info.modalResult);
    SetDefault(info.isDefault);
    SetCancel(info.isCancel);
}

void TBitBtn::SetGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    if (!glyph.isNull() && glyph.height() > 0 && glyph.width() % glyph.height() == 0) {
        const int cells = glyph.width() / glyph.height();
        if (cells >= 1 && cells <= 4)
            m_numGlyphs = cells;
    }
    updateIcon();
}

void TBitBtn::SetNumGlyphs(int count)
{
    count = std::clamp(count, 1, 4);
    if (count == m_numGlyphs)
        return;
    m_numGlyphs = count;
    updateIcon();
}

void TBitBtn::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    setLayoutDirection(layout == blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
}

void TBitBtn::updateIcon()
{
    const QIcon icon = ktr::platform::glyphIcon(m_glyph, m_numGlyphs);
    setIcon(icon);
    if (!m_glyph.isNull())
        setIconSize(QSize(m_glyph.width() / std::max(1, m_numGlyphs), m_glyph.height()));
}

void TBitBtn::Click()
{
    if (m_kind == bkClose) {
        if (TForm *form = ktr::platform::GetParentForm(this)) {
            ControlLink::Click();
            form->Close();
            return;
        }
    }
    TButton::Click();
}
