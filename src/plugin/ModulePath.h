#pragma once

#include <QString>

namespace ktr {

// Full file name of the loaded module (shared library or program) that holds this code.
QString currentModulePath();

} // namespace ktr
