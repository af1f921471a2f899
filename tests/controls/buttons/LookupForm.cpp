#include "LookupForm.h"

LookupForm::LookupForm(QStringList *log) : m_log(log)
{
    SetName(QStringLiteral("frmLookup"));
    AddMessageHandler(WM_OPENWIN, [this](TMessage &message) {
        QObject *target = ktr::platform::objectFromParam(message.LParam);
        requests.append(target);
        focusedAtRequest = ActiveControl();
        if (m_log)
            m_log->append(QStringLiteral("lookup ") + (target ? target->objectName() : QString()));
    });
}

AnsweredMessages::AnsweredMessages()
    : m_hook([](const ktr::platform::ModalRequest &) { return std::optional<int>(mrOk); })
{
}
