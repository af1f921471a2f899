#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QCheckBox>

// A check box. Every change of State, by a click or by code, raises OnClick (unless clicks
// are disabled). A click moves unchecked -> grayed (with AllowGrayed) -> checked ->
// unchecked. Alignment taRightJustify puts the box left of the caption, taLeftJustify
// right of it.
class KTRPLATFORM_EXPORT TCheckBox : public QCheckBox, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(ktr::platform::types::TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)
    Q_PROPERTY(ktr::platform::types::TAlignment Alignment READ Alignment WRITE SetAlignment)
public:
    explicit TCheckBox(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TCheckBox() override;

    QString GetText() const override { return text(); }
    void SetText(const QString &text) override { setText(text); }
    bool ClicksOnMouseUp() const override { return false; }

    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    virtual void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

protected:
    void nextCheckState() override;

private:
    bool m_allowGrayed = false;
    TAlignment m_alignment = taRightJustify;
};
