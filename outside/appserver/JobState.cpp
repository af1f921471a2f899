#include "JobState.h"

#include <QMetaEnum>

namespace ktr::appserver {

std::string jobStateName(JobState state)
{
    return QMetaEnum::fromType<JobState>().valueToKey(static_cast<int>(state));
}

} // namespace ktr::appserver
