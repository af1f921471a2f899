#include "ModulePath.h"

#include <dlfcn.h>

namespace ktr {

QString currentModulePath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&currentModulePath), &info) && info.dli_fname)
        return QString::fromLocal8Bit(info.dli_fname);
    return {};
}

} // namespace ktr
