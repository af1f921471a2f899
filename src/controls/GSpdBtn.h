#pragma once

#include <SpeedButton.h>

// A speed button whose picture comes from the glyph library by number. A number that the
// library cannot deliver shows as the button's caption instead.
class TGSpeedButton : public TSpeedButton {
    Q_OBJECT
    Q_PROPERTY(int GlyphIndex READ GlyphIndex WRITE SetGlyphIndex)
    Q_PROPERTY(int HintIndex READ HintIndex WRITE SetHintIndex)
public:
    explicit TGSpeedButton(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TGSpeedButton() override;

    // 0 = no glyph. Setting loads the picture (see the class comment); a failure of the
    // library is reported in the message box "读取 BMP 发生错误" and never raised.
    int GlyphIndex() const { return m_glyphIndex; }
    void SetGlyphIndex(int index);
    // Kept for form files only.
    int HintIndex() const { return m_hintIndex; }
    void SetHintIndex(int index) { m_hintIndex = index; }

    static QString glyphErrorText();

private:
    // Shows the picture with that number; false when there is none to show.
    bool loadGlyph(int index);

    int m_glyphIndex = 0;
    int m_hintIndex = 0;
};
