#pragma once

#include <Variant.h>

#include <QString>

#include <functional>

class TClientDataSet;

enum class TFieldType { ftString, ftMemo, ftInteger, ftFloat, ftBoolean, ftDateTime, ftVariant };

// One field of a client data set: its name, display label and data type, and the value it has
// in the data set's current record. Text handlers, when assigned, decide what Text and
// DisplayText show and what SetText stores.
class TField {
public:
    // text: the text to show, preset to AsString; displayText: for display rather than editing.
    using TFieldGetTextEvent = std::function<void(const TField &sender, QString &text, bool displayText)>;
    using TFieldSetTextEvent = std::function<void(TField &sender, const QString &text)>;

    TField(TClientDataSet &dataSet, QString name, TFieldType type);

    const QString &FieldName() const { return m_name; }
    QString DisplayLabel() const { return m_displayLabel.isEmpty() ? m_name : m_displayLabel; }
    void SetDisplayLabel(const QString &label) { m_displayLabel = label; }
    TFieldType DataType() const { return m_type; }
    // String and memo fields: the ones whose text is converted between code pages.
    bool IsStringField() const { return m_type == TFieldType::ftString || m_type == TFieldType::ftMemo; }
    int Index() const;

    // The value in the current record; raises DataSetError when the data set is closed.
    ktr::Variant Value() const;
    bool IsNull() const { return Value().isEmptyOrNull(); }
    QString AsString() const;
    // Changes the current record here only; nothing is sent back to the provider.
    void SetValue(const ktr::Variant &value);
    void SetAsString(const QString &text);

    QString Text() const;
    QString DisplayText() const;
    void SetText(const QString &text);

    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;

private:
    QString handledText(bool displayText) const;

    TClientDataSet &m_dataSet;
    QString m_name;
    QString m_displayLabel;
    TFieldType m_type;
};
