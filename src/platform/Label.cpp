#include "Label.h"

#include <QFontMetrics>

namespace {

// The caption as shown: "&&" is a literal "&", a single "&" marks the next character.
QString displayedCaption(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            shown += caption[i];
        } else if (caption[i] != QLatin1Char('&')) {
            shown += caption[i];
        }
    }
    return shown;
}

} // namespace

TLabel::TLabel(QObject *owner, QWidget *parent) : QLabel(parent), ControlLink(this, owner)
{
    setTextFormat(Qt::PlainText);
    applyAlignment();
    AdjustBounds();
}

TLabel::~TLabel() = default;

void TLabel::SetText(const QString &text)
{
    m_caption = text;
    updateText();
}

void TLabel::updateText()
{
    setText(m_showAccelChar ? displayedCaption(m_caption) : m_caption);
    if (m_autoSize)
        AdjustBounds();
}

void TLabel::SetFont(const QFont &font)
{
    ControlLink::SetFont(font);
    if (m_autoSize)
        AdjustBounds();
}

void TLabel::SetAutoSize(bool value)
{
    m_autoSize = value;
    if (value)
        AdjustBounds();
}

void TLabel::AdjustBounds()
{
    const QFontMetrics metrics(font());
    const QString shown = text().isEmpty() ? QStringLiteral(" ") : text();
    QSize size;
    if (wordWrap())
        size = QSize(width(), metrics.boundingRect(QRect(0, 0, width(), 10000),
                                                   Qt::TextWordWrap, shown).height());
    else
        size = QSize(metrics.horizontalAdvance(shown), metrics.height());
    size += QSize(contentsMargins().left() + contentsMargins().right(),
                  contentsMargins().top() + contentsMargins().bottom());
    if (size != this->size())
        SetBounds(Left(), Top(), size.width(), size.height());
}

void TLabel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    applyAlignment();
}

void TLabel::SetLayout(TTextLayout layout)
{
    m_layout = layout;
    applyAlignment();
}

void TLabel::applyAlignment()
{
    Qt::Alignment flags;
    flags |= m_alignment == taCenter       ? Qt::AlignHCenter
        : m_alignment == taRightJustify    ? Qt::AlignRight
                                           : Qt::AlignLeft;
    flags |= m_layout == tlCenter ? Qt::AlignVCenter
        : m_layout == tlBottom    ? Qt::AlignBottom
                                  : Qt::AlignTop;
    setAlignment(flags);
}

void TLabel::SetWordWrap(bool value)
{
    setWordWrap(value);
    if (m_autoSize)
        AdjustBounds();
}

void TLabel::SetTransparent(bool value)
{
    m_transparent = value;
    setAutoFillBackground(!value);
}

void TLabel::SetShowAccelChar(bool value)
{
    m_showAccelChar = value;
    updateText();
}

void TLabel::SetFocusControl(QWidget *control)
{
    m_focusControl = control;
    setBuddy(control);
}
