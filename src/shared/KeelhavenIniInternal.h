#pragma once

#include "IniFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the client and the server configuration share.
namespace ktr::detail {

enum class ConfigPart { Client, Server };

inline constexpr char kKeelhavenKey[] = "Software\\KTR\\Keelhaven";

// The machine's code page as "936", "950" or "437".
std::string systemCodePageText();
std::uint8_t uiConvertKind(const std::string &uiCodePage, const std::string &systemCodePage);
std::uint8_t dbConvertKind(const std::string &uiCodePage, const std::string &dbCodePage);

// Where the configuration file is, from the registry key and the profile rule.
struct ConfigLocation {
    std::string installPath; // as read, then with "/" appended when not empty
    std::string profileType;
    std::string profileDir;
    std::string profileUser;
    bool perUser = false; // ProfileType neither empty nor "0"
    std::string iniFileName;
};
// No value when the registry key cannot be opened.
std::optional<ConfigLocation> readRegistryLocation(ConfigPart part);
// Fills profileDir, profileUser and iniFileName of a location whose install path is known.
void locateIniFile(ConfigLocation &location, ConfigPart part);

// The work-library folders of the "WorkDLLPath" section, absolute and ending in "/"; the
// package folder below the installation folder when the section has no lines.
std::vector<std::string> workLibraryFolders(const IniFile &ini, const std::string &installPath,
                                            ConfigPart part);

// "1", "Y", "YES" or "TRUE", in any case.
bool isTrueText(const std::string &value);
std::string upperCased(const std::string &text);

} // namespace ktr::detail
