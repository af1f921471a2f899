#include "KtrEdit.h"

#include "GSpdBtn.h"
#include "OwnerForm.h"

#include <Label.h>
#include <Method.h>

// ---- TKtEdit ----

TKtEdit::TKtEdit(QObject *owner, QWidget *parent) : TEdit(owner, parent), m_label(this)
{
    m_label.place();
}

TKtEdit::~TKtEdit() = default;

void TKtEdit::SetBounds(int left, int top, int width, int height)
{
    TEdit::SetBounds(left, top, width, height);
    m_label.place();
}

void TKtEdit::SetParent(QWidget *parent)
{
    TEdit::SetParent(parent);
    m_label.followParent(parent);
}

void TKtEdit::SetEnabled(bool enabled)
{
    TEdit::SetEnabled(enabled);
    m_label.followEnabled(enabled);
}

void TKtEdit::SetVisible(bool visible)
{
    TEdit::SetVisible(visible);
    m_label.followVisible(visible);
}

// ---- TKtDBEdit ----

TKtDBEdit::TKtDBEdit(QObject *owner, QWidget *parent) : TDBEdit(owner, parent), m_label(this)
{
    m_label.place();
}

TKtDBEdit::~TKtDBEdit() = default;

void TKtDBEdit::SetBounds(int left, int top, int width, int height)
{
    TDBEdit::SetBounds(left, top, width, height);
    m_label.place();
}

void TKtDBEdit::SetParent(QWidget *parent)
{
    TDBEdit::SetParent(parent);
    m_label.followParent(parent);
}

void TKtDBEdit::SetEnabled(bool enabled)
{
    TDBEdit::SetEnabled(enabled);
    m_label.followEnabled(enabled);
}

void TKtDBEdit::SetVisible(bool visible)
{
    TDBEdit::SetVisible(visible);
    m_label.followVisible(visible);
}

// ---- TKtBtnDBEdit ----

TKtBtnDBEdit::TKtBtnDBEdit(QObject *owner, QWidget *parent) : TKtDBEdit(owner, parent)
{
    m_button = new TGSpeedButton(this); // owned by the edit as a component
    m_button->SetName(QStringLiteral("F2Button"));
    m_button->SetFlat(true);
    m_button->SetGlyphIndex(m_glyphIndex);
    m_button->SetOnClick(MethodOf(this, "F2ButtonClick"));
    m_button->SetVisible(Visible());
    m_button->SetParent(Parent());
    placeButton();
}

TKtBtnDBEdit::~TKtBtnDBEdit() = default;

void TKtBtnDBEdit::SetButtonSpacing(int spacing)
{
    m_buttonSpacing = spacing;
    placeButton();
}

void TKtBtnDBEdit::SetGlyphIndex(int index)
{
    m_glyphIndex = index;
    if (m_button)
        m_button->SetGlyphIndex(index);
}

QString TKtBtnDBEdit::ButtonHint() const
{
    return m_button ? m_button->Hint() : QString();
}

void TKtBtnDBEdit::SetButtonHint(const QString &hint)
{
    if (m_button)
        m_button->SetHint(hint);
}

void TKtBtnDBEdit::SetBounds(int left, int top, int width, int height)
{
    TKtDBEdit::SetBounds(left, top, width, height);
    placeButton();
}

void TKtBtnDBEdit::SetParent(QWidget *parent)
{
    TKtDBEdit::SetParent(parent);
    if (m_button)
        m_button->SetParent(parent);
}

void TKtBtnDBEdit::SetEnabled(bool enabled)
{
    TKtDBEdit::SetEnabled(enabled);
    if (m_button)
        m_button->SetEnabled(enabled);
}

void TKtBtnDBEdit::SetVisible(bool visible)
{
    TKtDBEdit::SetVisible(visible);
    if (m_button)
        m_button->SetVisible(visible);
}

void TKtBtnDBEdit::placeButton()
{
    if (!m_button)
        return;
    const int side = Height();
    m_button->SetBounds(Left() + Width() + m_buttonSpacing, Top(), side, side);
}

void TKtBtnDBEdit::F2ButtonClick(QObject *)
{
    if (m_onDialog.assigned()) {
        CallNotify(m_onDialog, this);
        return;
    }
    if (CanFocus())
        SetFocus();
    if (Focused())
        ktr::controls::requestLookup(this);
}
