#pragma once

#include "Platform.h"

#include <QString>
#include <QStringList>

#include <memory>

class TKeelhavenIniC;

// The base of every form of the plug-in: it makes a form presentable in the three interface
// code pages ("936" simplified Chinese, "950" traditional Chinese, "437" English): input
// method names cleared, English fonts for the English interface, a generated disabled
// picture for every one-picture glyph button, language packages applied when shown.
class TKTForm : public TForm {
    Q_OBJECT
public:
    explicit TKTForm(QObject *owner = nullptr);
    ~TKTForm() override;

    bool Converted = false;      // the captions were converted once
    bool LanguageOnShow = true;  // apply language packages when shown

    QString GetSystemCodePage() const { return m_systemCodePage; }
    QString GetUICodePage() const { return m_uiCodePage; }
    quint8 GetUIConvertKind() const { return m_uiConvertKind; }

    void ConvertOnce();
    int ConvertedMessage(const QString &text, TMsgDlgType dialogType, TMsgDlgButtons buttons);
    QString GetLangText(const QString &section, const QString &key, bool convertDefault,
                        const QString &defaultText) const;

    // Class names from the most basic form class of the plug-in to the most derived one,
    // stopping before the framework's TForm: the sections language packages are looked up
    // by, in the order a later one overrides an earlier one.
    QStringList LanguageClassChain(bool stopBeforeBase = false) const;

    virtual void ApplyLanguage(QObject *component, bool wholeChain);
    virtual void ApplyLanguageBelowBase(QObject *component, bool wholeChain);

protected:
    void DoCreate() override;
    void DoShow() override;

    // The client configuration as the form read it when it was created.
    const TKeelhavenIniC &ClientConfig() const { return *m_clientConfig; }

    // Sets the interface code page the creation step works with (read from the client
    // configuration by the form that owns the converter).
    void setCodePages(const QString &systemCodePage, const QString &uiCodePage, quint8 uiConvertKind);

private:
    void prepareComponent(QObject *component);
    void applyLanguageChain(QObject *component, const QStringList &chain);

    std::unique_ptr<const TKeelhavenIniC> m_clientConfig;
    QString m_systemCodePage;
    QString m_uiCodePage;
    quint8 m_uiConvertKind = 0;
};
