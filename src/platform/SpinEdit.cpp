#include "SpinEdit.h"

#include <QLineEdit>

#include <climits>

TSpinEdit::TSpinEdit(QObject *owner, QWidget *parent) : QSpinBox(parent), ControlLink(this, owner)
{
    initColor(clWindow);
    SetTabStop(true);
    resize(121, 22);
    applyRange();
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { Change(); });
}

TSpinEdit::~TSpinEdit() = default;

QString TSpinEdit::GetText() const
{
    return lineEdit()->text();
}

void TSpinEdit::SetText(const QString &text)
{
    lineEdit()->setText(text);
}

int TSpinEdit::Value() const
{
    return valueFromText(lineEdit()->text());
}

void TSpinEdit::SetValue(int value)
{
    if (m_minValue != 0 || m_maxValue != 0)
        value = std::clamp(value, m_minValue, std::max(m_minValue, m_maxValue));
    lineEdit()->setText(QString::number(value));
    setValue(value);
}

void TSpinEdit::SetMinValue(int value)
{
    m_minValue = value;
    applyRange();
}

void TSpinEdit::SetMaxValue(int value)
{
    m_maxValue = value;
    applyRange();
}

void TSpinEdit::applyRange()
{
    if (m_minValue == 0 && m_maxValue == 0)
        setRange(INT_MIN, INT_MAX);
    else
        setRange(m_minValue, std::max(m_minValue, m_maxValue));
}

bool TSpinEdit::EditorEnabled() const
{
    return !lineEdit()->isReadOnly();
}

void TSpinEdit::SetEditorEnabled(bool value)
{
    lineEdit()->setReadOnly(!value);
}

int TSpinEdit::MaxLength() const
{
    return lineEdit()->maxLength() == 32767 ? 0 : lineEdit()->maxLength();
}

void TSpinEdit::SetMaxLength(int length)
{
    lineEdit()->setMaxLength(length > 0 ? length : 32767);
}

QValidator::State TSpinEdit::validate(QString &input, int &) const
{
    for (const QChar c : std::as_const(input)) {
        if (!c.isDigit() && c != QLatin1Char('+') && c != QLatin1Char('-') && c != QLatin1Char(' '))
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

int TSpinEdit::valueFromText(const QString &text) const
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == QLatin1Char('+') || trimmed[end] == QLatin1Char('-')))
        ++end;
    while (end < trimmed.size() && trimmed[end].isDigit())
        ++end;
    bool ok = false;
    const int value = trimmed.left(end).toInt(&ok);
    return ok ? value : 0;
}
