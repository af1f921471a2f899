#include "Memo.h"

#include "VirtualKeys.h"

#include <QKeyEvent>
#include <QTextBlock>

TMemo::TMemo(QObject *owner, QWidget *parent) : QPlainTextEdit(parent), ControlLink(this, owner)
{
    initColor(clWindow);
    SetTabStop(true);
    resize(185, 89);
    setTabChangesFocus(true);
    SetScrollBars(ssNone);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_maxLength > 0 && toPlainText().size() > m_maxLength) {
            QTextCursor cursor = textCursor();
            setPlainText(toPlainText().left(m_maxLength));
            cursor.setPosition(std::min<int>(cursor.position(), m_maxLength));
            setTextCursor(cursor);
            return;
        }
        Change();
    });
}

TMemo::~TMemo() = default;

bool TMemo::WantsKey(quint16 virtualKey) const
{
    return (virtualKey == VK_RETURN && m_wantReturns) || (virtualKey == VK_TAB && m_wantTabs);
}

QStringList TMemo::Lines() const
{
    const QString text = toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TMemo::SetLines(const QStringList &lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}

void TMemo::SetWantTabs(bool value)
{
    m_wantTabs = value;
    setTabChangesFocus(!value);
}

void TMemo::SetWordWrap(bool value)
{
    setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle style)
{
    m_scrollBars = style;
    const bool horizontal = style == ssHorizontal || style == ssBoth;
    const bool vertical = style == ssVertical || style == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

QPoint TMemo::CaretPos() const
{
    const QTextCursor cursor = textCursor();
    return QPoint(cursor.positionInBlock(), cursor.blockNumber());
}

void TMemo::SetCaretPos(const QPoint &position)
{
    const QTextBlock block = document()->findBlockByNumber(
        std::clamp(position.y(), 0, document()->blockCount() - 1));
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::clamp(position.x(), 0, block.length() - 1));
    setTextCursor(cursor);
}

void TMemo::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && !m_wantReturns && !(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
