#include "WorkCenterLog.h"

Q_LOGGING_CATEGORY(lcWorkCenter, "ktr.workcenter")
