#include "ModalHook.h"

#include <QDialog>
#include <QPointer>

namespace ktr::platform {
namespace {

ModalHook &installedHook()
{
    static ModalHook hook;
    return hook;
}

} // namespace

ModalHook setModalHook(ModalHook hook)
{
    return std::exchange(installedHook(), std::move(hook));
}

std::optional<int> askModalHook(const ModalRequest &request)
{
    // A copy, so that a hook may replace itself while it runs.
    const ModalHook hook = installedHook();
    if (!hook)
        return std::nullopt;
    return hook(request);
}

ModalHookScope::ModalHookScope(ModalHook hook) : m_previous(setModalHook(std::move(hook)))
{
}

ModalHookScope::~ModalHookScope()
{
    setModalHook(std::move(m_previous));
}

int execDialog(QDialog *dialog)
{
    if (!dialog)
        return 0;
    QPointer<QDialog> guard = dialog;
    ModalRequest request;
    request.kind = ModalRequest::Kind::Dialog;
    request.window = dialog;
    if (const std::optional<int> answer = askModalHook(request)) {
        if (guard)
            dialog->done(*answer);
        return *answer;
    }
    return dialog->exec();
}

} // namespace ktr::platform
