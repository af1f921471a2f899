#include "ComboBox.h"

#include <QLineEdit>

TComboBox::TComboBox(QObject *owner, QWidget *parent) : QComboBox(parent), ControlLink(this, owner)
{
    initColor(clWindow);
    SetTabStop(true);
    resize(145, 21);
    setInsertPolicy(QComboBox::NoInsert);
    SetStyle(csDropDown);
    connect(this, &QComboBox::activated, this, [this] {
        Select();
        Change();
    });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!m_settingByCode && lineEdit() && lineEdit()->hasFocus())
            Change();
    });
}

TComboBox::~TComboBox() = default;

QString TComboBox::GetText() const
{
    return currentText();
}

void TComboBox::SetText(const QString &text)
{
    m_settingByCode = true;
    if (isEditable()) {
        setEditText(text);
    } else {
        setCurrentIndex(findText(text, Qt::MatchFixedString));
    }
    m_settingByCode = false;
}

QStringList TComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

void TComboBox::SetItems(const QStringList &items)
{
    m_settingByCode = true;
    const QString text = currentText();
    clear();
    QStringList list = items;
    if (m_sorted)
        list.sort(Qt::CaseInsensitive);
    addItems(list);
    if (isEditable())
        setEditText(text);
    else
        setCurrentIndex(-1);
    m_settingByCode = false;
}

void TComboBox::SetItemIndex(int index)
{
    m_settingByCode = true;
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    m_settingByCode = false;
}

void TComboBox::SetStyle(TComboBoxStyle style)
{
    m_style = style;
    const bool editable = style == csDropDown || style == csSimple;
    if (editable != isEditable()) {
        m_settingByCode = true;
        setEditable(editable);
        if (editable && lineEdit())
            lineEdit()->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
        m_settingByCode = false;
    }
}

void TComboBox::SetMaxLength(int length)
{
    m_maxLength = std::max(0, length);
    if (lineEdit())
        lineEdit()->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

void TComboBox::SetSorted(bool value)
{
    m_sorted = value;
    if (value)
        SetItems(Items());
}

void TComboBox::Clear()
{
    SetItems({});
    SetText(QString());
}

void TComboBox::Select()
{
    CallNotify(m_onSelect, this);
}
