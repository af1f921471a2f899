#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QRadioButton>

// A radio button. Checking it (by a click or by code) unchecks the other radio buttons of
// the same parent that IsExclusivePeer names (by default every TRadioButton), and raises
// OnClick; a click never unchecks it; code may.
class KTRPLATFORM_EXPORT TRadioButton : public QRadioButton, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(ktr::platform::types::TAlignment Alignment READ Alignment WRITE SetAlignment)
public:
    explicit TRadioButton(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TRadioButton() override;

    QString GetText() const override { return text(); }
    void SetText(const QString &text) override { setText(text); }
    bool ClicksOnMouseUp() const override { return false; }

    bool Checked() const { return isChecked(); }
    virtual void SetChecked(bool checked);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

protected:
    // Whether checking this button unchecks `other` (a sibling radio button).
    virtual bool IsExclusivePeer(const TRadioButton *other) const;
    void nextCheckState() override;

private:
    TAlignment m_alignment = taRightJustify;
};
