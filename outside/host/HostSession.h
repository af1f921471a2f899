#pragma once

#include "HostOptions.h"
#include "PluginLibrary.h"

#include <QTextStream>

// One run of a job form, from GetController to the outcome, printing what happens.
class HostSession {
public:
    HostSession(const HostOptions &options, QTextStream &out);

    // Returns the process exit code: 0 when the form ran and was destroyed, 1 otherwise.
    int run();

private:
    static void onControllerEvent(void *self, std::int32_t code, TDLLBaseController *sender);
    void handleEvent(std::int32_t code);
    void scheduleUnattendedSteps();
    void takeScreenshot();
    void pressOk();
    void closeForm();
    void waitUntilFormFreed();
    ktr::Variant hostParameters() const;

    HostOptions m_options;
    QTextStream &m_out;
    std::unique_ptr<TDLLBaseController> m_controller;
    bool m_destroyed = false;
    bool m_shownOnce = false;
};
