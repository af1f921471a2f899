#pragma once

#include "ktrplatform_global.h"

#include <QLoggingCategory>

namespace ktr::platform {
KTRPLATFORM_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
}
