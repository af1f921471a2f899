#pragma once

#include <Control.h>

#include <QRadioButton>

// A radio button that paints its own caption. Checking it unchecks every other
// TKtRadioButton of the same parent (radio buttons of other classes are left alone), gives
// it the tab stop and raises OnClick unless clicks are disabled; unchecking takes the tab
// stop away. A click of the user checks it; the accelerator of the caption only focuses it.
//
// The caption starts CaptionOffset(font size) pixels from the left; the strip from 4
// pixels before that to the right edge is painted over in Color first.
class TKtRadioButton : public QRadioButton, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(ktr::platform::types::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
public:
    explicit TKtRadioButton(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TKtRadioButton() override;

    QString GetText() const override { return text(); }
    void SetText(const QString &text) override { setText(text); }
    bool ClicksOnMouseUp() const override { return false; }

    bool Checked() const { return isChecked(); }
    virtual void SetChecked(bool checked);
    // taLeftJustify puts the circle at the right edge and the caption left of it.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool value);

    // Pixels from the client left to the caption for a font of `points` points.
    static int CaptionOffset(int points);
    // The font size in points, as the forms give it (pixel sizes converted).
    int FontPoints() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void nextCheckState() override;

private:
    TAlignment m_alignment = taRightJustify;
    bool m_ctl3D = true;
};
