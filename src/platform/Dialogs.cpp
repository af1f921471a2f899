#include "Dialogs.h"

#include "ModalHook.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <array>

namespace ktr::platform {

void recordMessage(const ShownMessage &message);

namespace {

QList<MessageRecorder *> &recorders()
{
    static QList<MessageRecorder *> list;
    return list;
}

struct ButtonInfo {
    TMsgDlgBtn button;
    QMessageBox::StandardButton standard;
    int result;
};

constexpr std::array<ButtonInfo, 11> kButtons{{
    {mbYes, QMessageBox::Yes, mrYes},
    {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},
    {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},
    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
    {mbAll, QMessageBox::NoButton, mrAll},
    {mbNoToAll, QMessageBox::NoToAll, mrNoToAll},
    {mbYesToAll, QMessageBox::YesToAll, mrYesToAll},
    {mbHelp, QMessageBox::Help, mrNone},
}};

QMessageBox::Icon iconOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

int runMessageBox(const QString &text, const QString &caption, TMsgDlgType type,
                  TMsgDlgButtons buttons)
{
    QMessageBox box(iconOf(type), caption, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<std::pair<QAbstractButton *, int>> results;
    for (const ButtonInfo &info : kButtons) {
        if (!buttons.testFlag(info.button))
            continue;
        QAbstractButton *button = info.standard != QMessageBox::NoButton
            ? box.addButton(info.standard)
            : box.addButton(QMessageBox::tr("All"), QMessageBox::AcceptRole);
        results.append({button, info.result});
    }
    if (results.isEmpty())
        results.append({box.addButton(QMessageBox::Ok), mrOk});
    box.exec();
    for (const auto &[button, result] : results) {
        if (box.clickedButton() == button)
            return result;
    }
    return buttons.testFlag(mbCancel) ? mrCancel : mrNone;
}

int showMessageDialog(const QString &text, const QString &caption, TMsgDlgType type,
                      TMsgDlgButtons buttons, int helpContext)
{
    ModalRequest request;
    request.kind = ModalRequest::Kind::MessageDialog;
    request.text = text;
    request.caption = caption;
    request.type = type;
    request.buttons = buttons;
    request.helpContext = helpContext;
    const std::optional<int> answer = askModalHook(request);
    const int result = answer ? *answer : runMessageBox(text, caption, type, buttons);
    recordMessage({text, caption, type, buttons, result});
    return result;
}

} // namespace

void recordMessage(const ShownMessage &message)
{
    for (MessageRecorder *recorder : recorders())
        recorder->m_messages.append(message);
}

MessageRecorder::MessageRecorder()
{
    recorders().append(this);
}

MessageRecorder::~MessageRecorder()
{
    recorders().removeOne(this);
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const ShownMessage &message : m_messages)
        list.append(message.text);
    return list;
}

QString messageDialogCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QStringLiteral("Warning");
    case mtError: return QStringLiteral("Error");
    case mtInformation: return QStringLiteral("Information");
    case mtConfirmation: return QStringLiteral("Confirm");
    case mtCustom: break;
    }
    return QApplication::applicationDisplayName();
}

} // namespace ktr::platform

int MessageDlg(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    return ktr::platform::showMessageDialog(
        text, ktr::platform::messageDialogCaption(type), type, buttons, helpContext);
}

void ShowMessage(const QString &text)
{
    ktr::platform::showMessageDialog(text, QApplication::applicationDisplayName(), mtCustom,
                                     mbOK, 0);
}

int MessageBox(const QString &text, const QString &caption, unsigned flags)
{
    TMsgDlgButtons buttons;
    switch (flags & 0xF) {
    case MB_OKCANCEL: buttons = mbOK | mbCancel; break;
    case MB_ABORTRETRYIGNORE: buttons = mbAbortRetryIgnore; break;
    case MB_YESNOCANCEL: buttons = mbYesNoCancel; break;
    case MB_YESNO: buttons = mbYesNo; break;
    case MB_RETRYCANCEL: buttons = mbRetry | mbCancel; break;
    default: buttons = mbOK; break;
    }
    TMsgDlgType type = mtCustom;
    switch (flags & 0xF0) {
    case MB_ICONERROR: type = mtError; break;
    case MB_ICONQUESTION: type = mtConfirmation; break;
    case MB_ICONWARNING: type = mtWarning; break;
    case MB_ICONINFORMATION: type = mtInformation; break;
    default: break;
    }
    return ktr::platform::showMessageDialog(text, caption, type, buttons, 0);
}
