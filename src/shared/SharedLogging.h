#pragma once

#include <QLoggingCategory>

// Developer diagnostics of the shared services; what the system itself records goes to the
// alert logs (AlertLog.h).
Q_DECLARE_LOGGING_CATEGORY(lcShared)
