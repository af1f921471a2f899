#pragma once

#include "DBEdit.h"
#include "EditLabel.h"

#include <Edit.h>

#include <QPointer>

class TGSpeedButton;

// Published properties of the edits that own their caption label.
#define KTR_EDIT_LABEL_PROPERTIES                                                           \
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)                               \
    Q_PROPERTY(ktr::controls::placement::TLabelPosition LabelPosition READ LabelPosition    \
                   WRITE SetLabelPosition)                                                  \
    Q_PROPERTY(int LabelSpacing READ LabelSpacing WRITE SetLabelSpacing)

// An edit with its own caption label ("EditLabel", see EditLabel.h). The label moves with
// the edit whenever the edit's bounds, Caption, LabelSpacing or LabelPosition are set:
//   lpAbove  left = E.left                         top = E.top - L.height - spacing
//   lpBelow  left = E.left                         top = E.top + E.height + spacing
//   lpLeft   left = E.left - L.width - spacing     top = E.top + (E.height - L.height) / 2
//   lpRight  left = E.left + E.width + spacing     top as lpLeft
// and takes the edit's parent, enabled and visible states when those of the edit are set.
class TKtEdit : public TEdit {
    Q_OBJECT
    KTR_EDIT_LABEL_PROPERTIES
public:
    explicit TKtEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TKtEdit() override;

    // The label's caption (empty without label). Caption is the label's, not the text.
    QString Caption() const { return m_label.caption(); }
    void SetCaption(const QString &caption) { m_label.setCaption(caption); }
    TLabelPosition LabelPosition() const { return m_label.position(); }
    void SetLabelPosition(TLabelPosition position) { m_label.setPosition(position); }
    int LabelSpacing() const { return m_label.spacing(); }
    void SetLabelSpacing(int spacing) { m_label.setSpacing(spacing); }
    // The owned label; nullptr once someone else freed it.
    TLabel *EditLabel() const { return m_label.label(); }

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(QWidget *parent) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;

private:
    ktr::controls::detail::EditLabel m_label;
};

// A data-aware edit (DataSource, DataField) with its own caption label, as TKtEdit.
class TKtDBEdit : public TDBEdit {
    Q_OBJECT
    KTR_EDIT_LABEL_PROPERTIES
public:
    explicit TKtDBEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TKtDBEdit() override;

    QString Caption() const { return m_label.caption(); }
    void SetCaption(const QString &caption) { m_label.setCaption(caption); }
    TLabelPosition LabelPosition() const { return m_label.position(); }
    void SetLabelPosition(TLabelPosition position) { m_label.setPosition(position); }
    int LabelSpacing() const { return m_label.spacing(); }
    void SetLabelSpacing(int spacing) { m_label.setSpacing(spacing); }
    TLabel *EditLabel() const { return m_label.label(); }

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(QWidget *parent) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;

private:
    ktr::controls::detail::EditLabel m_label;
};

// A labelled data-aware edit that also owns a lookup button ("F2Button": a flat
// TGSpeedButton, glyph 8). The button is a square as high as the edit, ButtonSpacing
// pixels right of it, and follows the edit's bounds, parent, enabled and visible states.
// Its click raises OnDialog (void h(QObject *Sender), Sender = the edit) when assigned;
// otherwise it focuses the edit and asks the edit's form for its lookup (WM_OPENWIN).
class TKtBtnDBEdit : public TKtDBEdit {
    Q_OBJECT
    Q_PROPERTY(int ButtonSpacing READ ButtonSpacing WRITE SetButtonSpacing)
    Q_PROPERTY(int GlyphIndex READ GlyphIndex WRITE SetGlyphIndex)
    Q_PROPERTY(QString ButtonHint READ ButtonHint WRITE SetButtonHint)
    Q_PROPERTY(TMethod OnDialog READ OnDialog WRITE SetOnDialog)
public:
    explicit TKtBtnDBEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TKtBtnDBEdit() override;

    int ButtonSpacing() const { return m_buttonSpacing; }
    void SetButtonSpacing(int spacing);
    int GlyphIndex() const { return m_glyphIndex; }
    void SetGlyphIndex(int index);
    QString ButtonHint() const;
    void SetButtonHint(const QString &hint);
    TMethod OnDialog() const { return m_onDialog; }
    void SetOnDialog(const TMethod &handler) { m_onDialog = handler; }
    // The owned button; nullptr once someone else freed it.
    TGSpeedButton *F2Button() const { return m_button; }

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(QWidget *parent) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;

public slots:
    // The button's click handler.
    void F2ButtonClick(QObject *Sender);

private:
    void placeButton();

    QPointer<TGSpeedButton> m_button;
    int m_buttonSpacing = 2;
    int m_glyphIndex = 8;
    TMethod m_onDialog;
};
