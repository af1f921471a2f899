#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QPixmap>
#include <QToolButton>

// A tool-style button that never takes the focus. Buttons of one parent with the same
// GroupIndex > 0 act as a group: clicking one puts it Down and the others up (and, with
// AllowAllUp, clicking the Down one lets it up). Glyph is a strip of NumGlyphs cells
// (Glyphs.h); the caption shows beside it when both are set.
class KTRPLATFORM_EXPORT TSpeedButton : public QToolButton, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(ktr::platform::types::TButtonLayout Layout READ Layout WRITE SetLayout)
public:
    explicit TSpeedButton(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TSpeedButton() override;

    bool IsWinControl() const override { return false; }
    bool ClicksOnMouseUp() const override { return false; }
    QString GetText() const override { return m_caption; }
    void SetText(const QString &text) override;

    QPixmap Glyph() const { return m_glyph; }
    void SetGlyph(const QPixmap &glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    bool Flat() const { return autoRaise(); }
    void SetFlat(bool flat) { setAutoRaise(flat); }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool value) { m_allowAllUp = value; }
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);

    void Click() override;

private:
    // The icon shows the glyph's cells; the style places the caption beside or below it.
    void updateIcon();
    void updateStyle();

    QString m_caption;
    QPixmap m_glyph;
    int m_numGlyphs = 1;
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_allowAllUp = false;
    TButtonLayout m_layout = blGlyphLeft;
};
