#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QLineEdit>

// A one-line edit. OnChange follows every change of Text, by the user or by code.
class KTRPLATFORM_EXPORT TEdit : public QLineEdit, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    KTR_IME_PROPERTY
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(ktr::platform::types::TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    Q_PROPERTY(QChar PasswordChar READ PasswordChar WRITE SetPasswordChar)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(TMethod OnChange READ OnChange WRITE SetOnChange)
public:
    explicit TEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TEdit() override;

    QString GetText() const override { return text(); }
    void SetText(const QString &text) override;
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    // 0 means no limit.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);
    QChar PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(QChar ch);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool value) { m_autoSelect = value; }
    QString ImeName() const { return m_imeName; }
    void SetImeName(const QString &name) { m_imeName = name; }

    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const { return selectedText(); }
    void SelectAll() { selectAll(); }
    void Clear() { SetText(QString()); }
    bool Modified() const { return isModified(); }
    void SetModified(bool value) { setModified(value); }

    void DoEnter() override;

private:
    int m_maxLength = 0;
    TEditCharCase m_charCase = ecNormal;
    QChar m_passwordChar;
    bool m_autoSelect = true;
    QString m_imeName;
};
