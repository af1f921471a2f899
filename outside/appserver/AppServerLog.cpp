#include "AppServerLog.h"

Q_LOGGING_CATEGORY(lcAppServer, "ktr.appserver")
