#include "MaskEdit.h"

namespace ktr::platform {
namespace {

bool isQtMaskSpecial(QChar c)
{
    static const QString specials = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}");
    return specials.contains(c);
}

QChar qtInputChar(QChar c)
{
    switch (c.unicode()) {
    case 'L': return QLatin1Char('A');
    case 'l': return QLatin1Char('a');
    case 'A': return QLatin1Char('N');
    case 'a': return QLatin1Char('n');
    case 'C': return QLatin1Char('X');
    case 'c': return QLatin1Char('x');
    case '0': return QLatin1Char('9');
    case '9': return QLatin1Char('0');
    case '#': return QLatin1Char('#');
    default: return QChar();
    }
}

} // namespace

EditMaskParts parseEditMask(const QString &editMask)
{
    EditMaskParts parts;
    const QStringList fields = editMask.split(QLatin1Char(';'));
    qsizetype maskFields = fields.size();
    if (fields.size() >= 3) {
        const QString blank = fields.last();
        parts.blank = blank.isEmpty() ? QLatin1Char('_') : blank.front();
        parts.saveLiterals = fields[fields.size() - 2] != QLatin1String("0");
        maskFields -= 2;
    } else if (fields.size() == 2) {
        parts.saveLiterals = fields[1] != QLatin1String("0");
        maskFields -= 1;
    }
    parts.mask = fields.mid(0, maskFields).join(QLatin1Char(';'));
    if (parts.mask.isEmpty())
        return parts;

    QString qt;
    for (qsizetype i = 0; i < parts.mask.size(); ++i) {
        const QChar c = parts.mask[i];
        if (c == QLatin1Char('!'))
            continue;
        if (c == QLatin1Char('<') && i + 1 < parts.mask.size()
            && parts.mask[i + 1] == QLatin1Char('>')) {
            qt += QLatin1Char('!');
            ++i;
            continue;
        }
        if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            qt += c;
            continue;
        }
        QChar literal = c;
        if (c == QLatin1Char('\\')) {
            if (++i >= parts.mask.size())
                break;
            literal = parts.mask[i];
        } else if (const QChar input = qtInputChar(c); !input.isNull()) {
            qt += input;
            parts.inputPositions.append(true);
            continue;
        }
        if (isQtMaskSpecial(literal))
            qt += QLatin1Char('\\');
        qt += literal;
        parts.inputPositions.append(false);
    }
    parts.qtInputMask = qt + QLatin1Char(';') + parts.blank;
    return parts;
}

} // namespace ktr::platform

TMaskEdit::TMaskEdit(QObject *owner, QWidget *parent) : TEdit(owner, parent)
{
}

TMaskEdit::~TMaskEdit() = default;

void TMaskEdit::SetEditMask(const QString &editMask)
{
    // Qt empties the text when the mask changes; put back what fits.
    const QString kept = EditText();
    m_editMask = editMask;
    m_parts = ktr::platform::parseEditMask(editMask);
    setInputMask(m_parts.qtInputMask);
    setText(kept);
}

QString TMaskEdit::EditText() const
{
    return IsMasked() ? displayText() : text();
}

void TMaskEdit::SetEditText(const QString &text)
{
    setText(text);
}

QString TMaskEdit::GetText() const
{
    if (!IsMasked())
        return text();
    const QString shown = displayText();
    if (m_parts.saveLiterals)
        return shown;
    QString typed;
    for (qsizetype i = 0; i < shown.size() && i < m_parts.inputPositions.size(); ++i) {
        if (m_parts.inputPositions[i] && shown[i] != m_parts.blank)
            typed += shown[i];
    }
    return typed;
}

void TMaskEdit::SetText(const QString &text)
{
    setText(text);
}
