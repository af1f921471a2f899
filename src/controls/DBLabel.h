#pragma once

#include "Placement.h"

#include <Label.h>

#include <QPointer>

// A caption label that attaches itself to a control (FocusControl): it can take its
// caption from the display label of the control's data field (AutoCaption) and places
// itself on one side of the control, Gap pixels away (AutoAlign, Pos).
//
// The label follows its control only when one of its own properties is set (form loading
// included); a later move or resize of the control does not move the label.
class TDBLabel : public TLabel {
    Q_OBJECT
    Q_PROPERTY(QWidget *FocusControl READ FocusControl WRITE SetFocusControl)
    Q_PROPERTY(bool AutoAlign READ AutoAlign WRITE SetAutoAlign)
    Q_PROPERTY(bool AutoCaption READ AutoCaption WRITE SetAutoCaption)
    Q_PROPERTY(int Gap READ Gap WRITE SetGap)
    Q_PROPERTY(ktr::controls::placement::TPos Pos READ Pos WRITE SetPos)
public:
    // Captioned "挂靠标签".
    explicit TDBLabel(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TDBLabel() override;

    QWidget *FocusControl() const { return m_focusControl; }
    // Refused when another TDBLabel among the components owned by this label's parent
    // control already belongs to `control` (message box "不能同时有两个 DBLabel 指到同一个
    // Control."); re-assigning this label's own control is a silent no-op. Clearing does
    // not refresh.
    void SetFocusControl(QWidget *control) override;
    bool AutoAlign() const { return m_autoAlign; }
    void SetAutoAlign(bool value);
    bool AutoCaption() const { return m_autoCaption; }
    void SetAutoCaption(bool value);
    // Pixels between label and control, 0..255.
    int Gap() const { return m_gap; }
    void SetGap(int value);
    TPos Pos() const { return m_pos; }
    void SetPos(TPos pos);

    static QString duplicateBindingText();

private:
    // Caption from the data field, then the position.
    void refresh();
    void takeFieldCaption();
    void placeBesideControl();

    QPointer<QWidget> m_focusControl;
    bool m_autoAlign = true;
    bool m_autoCaption = true;
    int m_gap = 4;
    TPos m_pos = psLeft;
};
