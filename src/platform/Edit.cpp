#include "Edit.h"

TEdit::TEdit(QObject *owner, QWidget *parent) : QLineEdit(parent), ControlLink(this, owner)
{
    initColor(clWindow);
    SetTabStop(true);
    resize(121, 21);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_charCase != ecNormal) {
            const QString cased = m_charCase == ecUpperCase ? text().toUpper() : text().toLower();
            if (cased != text()) {
                const int cursor = cursorPosition();
                setText(cased); // raises the change once more, with the final text
                setCursorPosition(cursor);
                return;
            }
        }
        Change();
    });
}

TEdit::~TEdit() = default;

void TEdit::SetText(const QString &text)
{
    setText(text);
}

void TEdit::SetMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

void TEdit::SetCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
    if (charCase != ecNormal)
        setText(text());
}

void TEdit::SetPasswordChar(QChar ch)
{
    m_passwordChar = ch;
    setEchoMode(ch.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

int TEdit::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TEdit::SetSelStart(int start)
{
    setCursorPosition(start);
}

int TEdit::SelLength() const
{
    return int(selectedText().size());
}

void TEdit::SetSelLength(int length)
{
    setSelection(SelStart(), length);
}

void TEdit::DoEnter()
{
    if (m_autoSelect && !isReadOnly())
        selectAll();
    ControlLink::DoEnter();
}
