#include "PlatformLog.h"

namespace ktr::platform {
Q_LOGGING_CATEGORY(lcPlatform, "ktr.platform")
}
