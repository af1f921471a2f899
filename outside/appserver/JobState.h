#pragma once

#include "ktrappserver_global.h"

#include <QObject>

#include <string>

namespace ktr::appserver {
Q_NAMESPACE_EXPORT(KTRAPPSERVER_EXPORT)

// Where a stored job stands; stored and dumped by name.
enum class JobState {
    Queued,    // waits in the job queue (run mode 0)
    Immediate, // to run at once (run mode 1)
    Scheduled, // to run at a set time (run mode 2)
    Periodic,  // repeats by its period settings
    LocalRun,  // registered by Request1 for a run on the client's machine
    Finished,  // the client reported the run's end with UpdateStatus1
};
Q_ENUM_NS(JobState)

KTRAPPSERVER_EXPORT std::string jobStateName(JobState state);

} // namespace ktr::appserver
