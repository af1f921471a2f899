#include "KTForm.h"

#include "DisabledGlyph.h"
#include "GlyphButtons.h"
#include "KeelhavenINI.h"
#include "LibRTTI.h"

#include "CodePage.h"

#include <QMetaObject>

TKTForm::TKTForm(QObject *owner) : TForm(owner), m_clientConfig(std::make_unique<TKeelhavenIniC>())
{
    SetName("KTForm");
    SetCaption("KTForm");
    resize(400, 191);
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    QFont f("宋体");
    f.setPixelSize(13);
    SetFont(f);

    // The client configuration, read once (its constructor loads it), names the interface
    // code page; without one the machine's code page serves for both.
    m_systemCodePage = QString::number(ktr::machineCodePage());
    m_uiCodePage = m_clientConfig->UICodePage.empty() ? m_systemCodePage
                                                      : QString::fromStdString(m_clientConfig->UICodePage);
    m_uiConvertKind = m_clientConfig->UIConvertKind;
}

TKTForm::~TKTForm() = default;

void TKTForm::setCodePages(const QString &systemCodePage, const QString &uiCodePage, quint8 uiConvertKind)
{
    m_systemCodePage = systemCodePage;
    m_uiCodePage = uiCodePage;
    m_uiConvertKind = uiConvertKind;
}

void TKTForm::DoCreate()
{
    Converted = false;
    LanguageOnShow = true;
    for (int i = 0; i < ComponentCount(); ++i)
        prepareComponent(Components(i));
    TForm::DoCreate();
}

void TKTForm::prepareComponent(QObject *component)
{
    if (HasPropByName(component, "ImeName"))
        SetStrPropByName(component, "ImeName", QString());
    if (m_uiCodePage == "437" && HasPropByName(component, "Font")) {
        if (auto *link = ktr::platform::componentOf(component)) {
            if (auto *control = dynamic_cast<ktr::platform::ControlLink *>(link)) {
                QFont f = control->Font();
                f.setFamily("Tahoma");
                control->SetFont(f);
                control->SetFontCharset(134);
            }
        }
    }
    for (QObject *button : ktr::glyphButtonsOf(component))
        ktr::giveDisabledGlyph(button);
}

void TKTForm::DoShow()
{
    if (LanguageOnShow)
        ApplyLanguage(this, true);
    TForm::DoShow();
}

void TKTForm::ConvertOnce()
{
    Converted = true;
}

int TKTForm::ConvertedMessage(const QString &text, TMsgDlgType dialogType, TMsgDlgButtons buttons)
{
    return MessageDlg(text, dialogType, buttons);
}

QString TKTForm::GetLangText(const QString &, const QString &, bool, const QString &defaultText) const
{
    return defaultText;
}

QStringList TKTForm::LanguageClassChain(bool stopBeforeBase) const
{
    QStringList chain;
    for (const QMetaObject *m = metaObject(); m && m != &TForm::staticMetaObject; m = m->superClass()) {
        if (stopBeforeBase && m == &TKTForm::staticMetaObject)
            break;
        chain.prepend(QString::fromLatin1(m->className()));
    }
    return chain;
}

void TKTForm::ApplyLanguage(QObject *component, bool wholeChain)
{
    applyLanguageChain(component, wholeChain ? LanguageClassChain()
                                             : QStringList{QString::fromLatin1(component->metaObject()->className())});
}

void TKTForm::ApplyLanguageBelowBase(QObject *component, bool wholeChain)
{
    applyLanguageChain(component, wholeChain ? LanguageClassChain(true)
                                             : QStringList{QString::fromLatin1(component->metaObject()->className())});
}

void TKTForm::applyLanguageChain(QObject *, const QStringList &)
{
    // Language packages are applied by the language controller once it is part of the form.
}
