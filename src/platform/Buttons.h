#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QPixmap>
#include <QPushButton>

// A push button. Click() (from a mouse click, the space key, or code) first gives the
// parent form the button's ModalResult when it is not mrNone, then raises OnClick.
// Default buttons answer Return and Cancel buttons Esc on their form (TForm::DialogKey).
class KTRPLATFORM_EXPORT TButton : public QPushButton, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
public:
    explicit TButton(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TButton() override;

    QString GetText() const override { return text(); }
    void SetText(const QString &text) override { setText(text); }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    bool Default() const { return m_default; }
    void SetDefault(bool value);

    void Click() override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    int m_modalResult = mrNone;
    bool m_cancel = false;
    bool m_default = false;
};

// A button with a picture. Kind gives the usual caption, modal result and Default/Cancel
// of standard buttons; bkClose closes the form. Glyph is a strip of NumGlyphs cells
// (see Glyphs.h).
class KTRPLATFORM_EXPORT TBitBtn : public TButton {
    Q_OBJECT
    Q_PROPERTY(ktr::platform::types::TBitBtnKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(ktr::platform::types::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
public:
    explicit TBitBtn(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TBitBtn() override;

    TBitBtnKind Kind() const { return m_kind; }
    void SetKind(TBitBtnKind kind);
    QPixmap Glyph() const { return m_glyph; }
    void SetGlyph(const QPixmap &glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return m_margin; }
    void SetMargin(int margin) { m_margin = margin; }
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing) { m_spacing = spacing; }

    void Click() override;

private:
    void updateIcon();

    TBitBtnKind m_kind = bkCustom;
    QPixmap m_glyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
};
