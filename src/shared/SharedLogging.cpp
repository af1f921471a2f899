#include "SharedLogging.h"

Q_LOGGING_CATEGORY(lcShared, "ktr.shared")
