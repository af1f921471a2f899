#include "WorkCenterContext.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string_view>

namespace ktr::workcenter {

Language WorkCenterContext::language() const
{
    if (codePage == "936")
        return Language::Simplified;
    if (codePage == "950")
        return Language::Traditional;
    return Language::English;
}

std::string localeCodePage()
{
    const char *locale = nullptr;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(name);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    const std::string_view text = locale ? locale : "";
    if (text.starts_with("zh_CN") || text.starts_with("zh_SG"))
        return "936";
    if (text.starts_with("zh_TW") || text.starts_with("zh_HK"))
        return "950";
    return "437";
}

std::filesystem::path workCenterLibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&workCenterLibraryFolder), &info) && info.dli_fname)
        return std::filesystem::path(info.dli_fname).parent_path();
    return std::filesystem::current_path();
}

const char *pickText(Language language, const char *simplified, const char *traditional,
                     const char *english)
{
    switch (language) {
    case Language::Simplified: return simplified;
    case Language::Traditional: return traditional;
    case Language::English: return english;
    }
    return english;
}

} // namespace ktr::workcenter
