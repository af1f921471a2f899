#pragma once

#include <QLoggingCategory>

// Developer messages of the condition input controls.
Q_DECLARE_LOGGING_CATEGORY(lcControls)
