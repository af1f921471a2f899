#include "SelectPnl.h"

// The panel's value as one text, as condition schemes store it.

namespace {

const QChar fieldSeparator(0x03);
const QChar columnSeparator(0x01);
const QChar rowEnd(0x04);

QString styleName(TSelectStyle style)
{
    return ktr::platform::enumName(style);
}

} // namespace

QString TSelectPanel::rowListText() const
{
    QString text;
    for (int i = 0; i < ListBox->Items().Count(); ++i) {
        const TListItem *item = ListBox->Items().Item(i);
        text += item->Caption();
        for (const QString &subItem : item->SubItems().toStringList())
            text += columnSeparator + subItem;
        text += rowEnd;
    }
    return text;
}

QString TSelectPanel::GetSaveValue() const
{
    QStringList fields{styleName(m_style)};
    if (m_style == sp_UserChoice)
        fields.append(m_userChoice ? QStringLiteral("True") : QStringLiteral("False"));
    if (m_style == sp_Range || (m_style == sp_UserChoice && m_userChoice))
        fields << edBegin->Text() << edFinal->Text();
    else
        fields.append(rowListText());
    return fields.join(fieldSeparator);
}

// Replaces the rows by those of a row-list text; false when a row could not be added.
bool TSelectPanel::fillList(const QString &rows)
{
    ListBox->ClearRows();
    if (rows.isEmpty())
        return true;
    for (const QString &row : rows.split(rowEnd)) {
        if (!row.isEmpty() && !ListBox->AddRow(row.split(columnSeparator)))
            return false;
    }
    return true;
}

void TSelectPanel::SetSaveValue(const QString &value)
{
    const QStringList fields = value.split(fieldSeparator);
    const QString kind = fields.value(0);
    if (kind == styleName(sp_Range)) {
        edBegin->SetText(fields.value(1));
        edFinal->SetText(fields.value(2));
    } else if (kind == styleName(sp_Discrete)) {
        if (!fillList(fields.value(1)))
            throw ktr::controls::SaveValueError("parse spSaveValue error");
    } else if (kind == styleName(sp_UserChoice)) {
        const bool range = fields.value(1) == QLatin1String("True");
        SetUserChoice(range);
        if (range) {
            edBegin->SetText(fields.value(2));
            edFinal->SetText(fields.value(3));
        } else {
            fillList(fields.value(2));
        }
    }
}
