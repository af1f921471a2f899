#pragma once

#include "JobStore.h"
#include "ktrappserver_global.h"

#include <QJsonObject>

namespace ktr::appserver {

// A stored job as JSON: its record, its status updates and the job parameter array with every
// type and bound (see store::variantToJson).
KTRAPPSERVER_EXPORT QJsonObject jobToJson(const StoredJob &job);

} // namespace ktr::appserver
