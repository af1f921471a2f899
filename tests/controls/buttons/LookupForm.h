#pragma once

#include "TestSupport.h"

#include <QPointer>

// A form that answers WM_OPENWIN by noting "lookup <control name>" in a shared log, and
// which control had the focus when the request came.
class LookupForm : public TForm {
    Q_OBJECT
public:
    explicit LookupForm(QStringList *log);

    QList<QPointer<QObject>> requests;
    QWidget *focusedAtRequest = nullptr;

private:
    QStringList *m_log;
};

// Answers every modal message with OK and keeps what was shown, for its lifetime.
class AnsweredMessages {
public:
    AnsweredMessages();
    QStringList texts() const { return m_recorder.texts(); }
    const QList<ktr::platform::ShownMessage> &messages() const { return m_recorder.messages(); }

private:
    ktr::platform::ModalHookScope m_hook;
    ktr::platform::MessageRecorder m_recorder;
};
