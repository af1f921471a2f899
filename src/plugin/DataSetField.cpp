#include "DataSetField.h"

#include "ClientDataSet.h"

TField::TField(TClientDataSet &dataSet, QString name, TFieldType type)
    : m_dataSet(dataSet), m_name(std::move(name)), m_type(type)
{
}

int TField::Index() const
{
    return m_dataSet.fieldIndex(*this);
}

ktr::Variant TField::Value() const
{
    return m_dataSet.currentValue(Index());
}

QString TField::AsString() const
{
    const ktr::Variant v = Value();
    if (v.isEmptyOrNull())
        return {};
    if (v.isArray() || v.type() == ktr::VarType::Object)
        throw DataSetError("Field " + m_name.toStdString() + " holds no text");
    return QString::fromStdString(v.toString());
}

void TField::SetValue(const ktr::Variant &value)
{
    m_dataSet.setCurrentValue(Index(), value);
}

void TField::SetAsString(const QString &text)
{
    SetValue(ktr::Variant::wideText(text.toStdString()));
}

QString TField::handledText(bool displayText) const
{
    QString text = AsString();
    if (OnGetText)
        OnGetText(*this, text, displayText);
    return text;
}

QString TField::Text() const
{
    return handledText(false);
}

QString TField::DisplayText() const
{
    return handledText(true);
}

void TField::SetText(const QString &text)
{
    if (OnSetText)
        OnSetText(*this, text);
    else
        SetAsString(text);
}
