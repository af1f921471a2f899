#pragma once

#include "IniFile.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace ktr {

// The registry values the system reads, kept in an INI file: the file named by
// $KTR_REGISTRY, else $XDG_CONFIG_HOME/ktr/registry.ini (XDG_CONFIG_HOME defaulting to
// ~/.config). One section per key path, for example
//
//     [Software\KTR\Keelhaven]
//     ClientPath=/opt/keelhaven/client/
//
// Key paths are compared without regard to case, "/" and "\" alike. Nothing is written back.
class RegistryKey {
public:
    enum class OpenResult { Opened, KeyMissing, Unreadable };

    static QString registryFilePath();
    // Opens a key read-only; no key when the file has no such section (or no file exists),
    // or when the file cannot be read. `result`, when given, says which.
    static std::optional<RegistryKey> openReadOnly(std::string_view keyPath,
                                                   OpenResult *result = nullptr);

    bool valueExists(std::string_view name) const;
    // The value's text; empty when the value does not exist.
    std::string readString(std::string_view name) const;

private:
    RegistryKey(IniFile file, std::string section);

    IniFile m_file;
    std::string m_section;
};

} // namespace ktr
