#pragma once

#include "Types.h"
#include "ktrplatform_global.h"

#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace ktr::platform {

// Every modal loop of the program (message dialogs, TForm::ShowModal, QDialog::exec of any
// library run through execDialog) first asks the modal hook. A test or a headless run
// answers there: the hook may act on the window (fill fields, click buttons) and returns
// the modal result, or nullopt to let the real modal loop run.
struct ModalRequest {
    enum class Kind { MessageDialog, Form, Dialog };
    Kind kind = Kind::MessageDialog;
    // Message dialogs.
    QString text;
    QString caption;
    TMsgDlgType type = mtInformation;
    TMsgDlgButtons buttons;
    int helpContext = 0;
    // Forms and dialogs: the window about to run modally (already shown).
    QWidget *window = nullptr;
};

using ModalHook = std::function<std::optional<int>(const ModalRequest &)>;

// Installs hook (an empty one removes it) and returns the one it replaces.
KTRPLATFORM_EXPORT ModalHook setModalHook(ModalHook hook);
// The answer of the installed hook; nullopt without hook.
KTRPLATFORM_EXPORT std::optional<int> askModalHook(const ModalRequest &request);

// Installs a hook for its lifetime and puts the previous one back afterwards.
class KTRPLATFORM_EXPORT ModalHookScope {
public:
    explicit ModalHookScope(ModalHook hook);
    ~ModalHookScope();
    ModalHookScope(const ModalHookScope &) = delete;
    ModalHookScope &operator=(const ModalHookScope &) = delete;

private:
    ModalHook m_previous;
};

// Runs a dialog of any library modally through the hook: the hook's answer (the dialog
// is then closed with it), else QDialog::exec().
KTRPLATFORM_EXPORT int execDialog(QDialog *dialog);

} // namespace ktr::platform
