#pragma once

#include "GSpdBtn.h"

#include <QPointer>

// A lookup button bound to one input control (F2Control): it keeps itself right of that
// control and, when clicked, asks the control's form to open the control's lookup window
// exactly as F2 pressed in the control would (WM_OPENWIN).
//
// Placing (when F2Control is set and AutoAlign is on) happens when F2Control, AutoAlign or
// Gap are assigned: a square as high as the control, Gap pixels right of it, same top. A
// later move of the control does not move the button.
class TF2Button : public TGSpeedButton {
    Q_OBJECT
    Q_PROPERTY(QWidget *F2Control READ F2Control WRITE SetF2Control)
    Q_PROPERTY(bool AutoAlign READ AutoAlign WRITE SetAutoAlign)
    Q_PROPERTY(int Gap READ Gap WRITE SetGap)
public:
    // Flat, with the generic lookup glyph 8.
    explicit TF2Button(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TF2Button() override;

    QWidget *F2Control() const { return m_f2Control; }
    // Refused when another TF2Button among the components owned by this button's parent
    // control already serves `control` (with the message box "不能同时有两个 F2Button 指到同一个
    // Edit."); rebinding this button to its own control is a silent no-op.
    void SetF2Control(QWidget *control);
    bool AutoAlign() const { return m_autoAlign; }
    void SetAutoAlign(bool value);
    // Pixels between the control and the button, 0..255.
    int Gap() const { return m_gap; }
    void SetGap(int value);

    // Raises OnClick, then focuses an enabled F2Control and, when it has the focus, sends
    // its form WM_OPENWIN.
    void Click() override;

    static QString duplicateBindingText();

private:
    void align();

    QPointer<QWidget> m_f2Control;
    bool m_autoAlign = true;
    int m_gap = 2;
};
