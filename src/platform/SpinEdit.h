#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QSpinBox>

// A number edit with up/down buttons. OnChange follows every change of the text. Text is
// the text as typed (also while it is no valid number); Value the number it reads as
// (0 when it reads as none). MinValue = MaxValue = 0 means no limits.
class KTRPLATFORM_EXPORT TSpinEdit : public QSpinBox, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    KTR_IME_PROPERTY
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE SetEditorEnabled)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(TMethod OnChange READ OnChange WRITE SetOnChange)
public:
    explicit TSpinEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TSpinEdit() override;

    QString GetText() const override;
    void SetText(const QString &text) override;
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }

    int Value() const;
    void SetValue(int value);
    int MinValue() const { return m_minValue; }
    void SetMinValue(int value);
    int MaxValue() const { return m_maxValue; }
    void SetMaxValue(int value);
    int Increment() const { return singleStep(); }
    void SetIncrement(int step) { setSingleStep(step); }
    bool EditorEnabled() const;
    void SetEditorEnabled(bool value);
    int MaxLength() const;
    void SetMaxLength(int length);
    QString ImeName() const { return m_imeName; }
    void SetImeName(const QString &name) { m_imeName = name; }

protected:
    // Digits and signs are accepted anywhere, as typed; Value reads the number they start
    // with. Other characters are refused.
    QValidator::State validate(QString &input, int &pos) const override;
    int valueFromText(const QString &text) const override;

private:
    void applyRange();

    int m_minValue = 0;
    int m_maxValue = 0;
    QString m_imeName;
};
