#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QComboBox>

// A drop-down list, editable in style csDropDown, pick-only in csDropDownList. OnChange
// follows the user's changes (typing or picking); OnSelect a pick from the list. Setting
// Text or ItemIndex by code raises neither.
class KTRPLATFORM_EXPORT TComboBox : public QComboBox, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    KTR_IME_PROPERTY
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(ktr::platform::types::TComboBoxStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    Q_PROPERTY(TMethod OnChange READ OnChange WRITE SetOnChange)
    Q_PROPERTY(TMethod OnSelect READ OnSelect WRITE SetOnSelect)
public:
    explicit TComboBox(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TComboBox() override;

    QString GetText() const override;
    void SetText(const QString &text) override;
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }

    QStringList Items() const;
    void SetItems(const QStringList &items);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int count) { setMaxVisibleItems(count); }
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool value);
    QString ImeName() const { return m_imeName; }
    void SetImeName(const QString &name) { m_imeName = name; }
    TMethod OnSelect() const { return m_onSelect; }
    void SetOnSelect(const TMethod &m) { m_onSelect = m; }
    void Clear();

    virtual void Select();

private:
    TComboBoxStyle m_style = csDropDown;
    int m_maxLength = 0;
    bool m_sorted = false;
    bool m_settingByCode = false;
    QString m_imeName;
    TMethod m_onSelect;
};
