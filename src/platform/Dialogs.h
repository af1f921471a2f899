#pragma once

#include "Types.h"
#include "ktrplatform_global.h"

#include <QList>
#include <QString>

// Message dialogs. Each runs through the modal hook (ModalHook.h) and returns the modal
// result of the button pressed (mrOk, mrYes, ...).
KTRPLATFORM_EXPORT int MessageDlg(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons,
                                  int helpContext = 0);
KTRPLATFORM_EXPORT void ShowMessage(const QString &text);

// The message box of the operating system with its flags, for the few places that use it.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
KTRPLATFORM_EXPORT int MessageBox(const QString &text, const QString &caption, unsigned flags);

namespace ktr::platform {

// A message dialog as it was shown, for tests and logs.
struct ShownMessage {
    QString text;
    QString caption;
    TMsgDlgType type = mtInformation;
    TMsgDlgButtons buttons;
    int result = 0;
};

// Records every message dialog shown while it lives (nested recorders all record).
class KTRPLATFORM_EXPORT MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    const QList<ShownMessage> &messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    friend void recordMessage(const ShownMessage &message);
    QList<ShownMessage> m_messages;
};

// The title a message dialog of this type shows ("Warning", "Error", ...).
KTRPLATFORM_EXPORT QString messageDialogCaption(TMsgDlgType type);

} // namespace ktr::platform
