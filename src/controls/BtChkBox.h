#pragma once

#include <Control.h>

#include <QPixmap>

// A check box drawn from one picture per state (CheckedGlyph, UncheckedGlyph,
// GrayedGlyph), each a strip of 1 or 2 cells: cell 1 enabled, cell 2 disabled.
//
// A mouse click or the space key toggles (unchecked -> grayed with AllowGrayed, else
// checked; checked -> unchecked; grayed -> checked), raises OnClick and focuses the box.
// The accelerator of the caption focuses and toggles without OnClick. Setting State or
// Checked from code raises nothing.
class TBitCheckBox : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(ktr::platform::types::TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)
    Q_PROPERTY(ktr::platform::types::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QPixmap CheckedGlyph READ CheckedGlyph WRITE SetCheckedGlyph)
    Q_PROPERTY(QPixmap UncheckedGlyph READ UncheckedGlyph WRITE SetUncheckedGlyph)
    Q_PROPERTY(QPixmap GrayedGlyph READ GrayedGlyph WRITE SetGrayedGlyph)
    Q_PROPERTY(int CheckedNumGlyphs READ CheckedNumGlyphs WRITE SetCheckedNumGlyphs)
    Q_PROPERTY(int UncheckedNumGlyphs READ UncheckedNumGlyphs WRITE SetUncheckedNumGlyphs)
    Q_PROPERTY(int GrayedNumGlyphs READ GrayedNumGlyphs WRITE SetGrayedNumGlyphs)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
public:
    explicit TBitCheckBox(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TBitCheckBox() override;

    void SetText(const QString &text) override;
    bool ClicksOnMouseUp() const override { return false; }

    TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return m_state == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool value) { m_allowGrayed = value; }
    // taRightJustify: picture left, caption right of it; taLeftJustify: caption left,
    // picture at the right edge.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    // Assigning a null picture puts the module's picture of that state back. A picture
    // whose width is a whole multiple of its height sets the cell count to the quotient
    // (limited to 1..2); other pictures keep the count.
    QPixmap CheckedGlyph() const { return m_glyphs[cbChecked].picture; }
    void SetCheckedGlyph(const QPixmap &picture) { setGlyph(cbChecked, picture); }
    QPixmap UncheckedGlyph() const { return m_glyphs[cbUnchecked].picture; }
    void SetUncheckedGlyph(const QPixmap &picture) { setGlyph(cbUnchecked, picture); }
    QPixmap GrayedGlyph() const { return m_glyphs[cbGrayed].picture; }
    void SetGrayedGlyph(const QPixmap &picture) { setGlyph(cbGrayed, picture); }
    // Limited to 1..2.
    int CheckedNumGlyphs() const { return m_glyphs[cbChecked].cells; }
    void SetCheckedNumGlyphs(int cells) { setCells(cbChecked, cells); }
    int UncheckedNumGlyphs() const { return m_glyphs[cbUnchecked].cells; }
    void SetUncheckedNumGlyphs(int cells) { setCells(cbUnchecked, cells); }
    int GrayedNumGlyphs() const { return m_glyphs[cbGrayed].cells; }
    void SetGrayedNumGlyphs(int cells) { setCells(cbGrayed, cells); }

    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool value);

    // The next state in the toggle order; repaints.
    void Toggle();

    // Where the caption is painted, in client coordinates.
    QRect CaptionRect() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Glyph {
        QPixmap picture;
        int cells = 1;
    };

    void setGlyph(TCheckBoxState state, const QPixmap &picture);
    void setCells(TCheckBoxState state, int cells);
    // A click by the user: toggle, OnClick, focus.
    void clickByUser();
    void updateAccelerator();

    Glyph m_glyphs[3];
    TCheckBoxState m_state = cbUnchecked;
    bool m_allowGrayed = false;
    TAlignment m_alignment = taRightJustify;
    bool m_ctl3D = true;
    bool m_pressed = false;
    int m_shortcutId = 0;
};
