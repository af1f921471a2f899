#include "KeelhavenINI.h"

#include "CodePage.h"
#include "HostEnvironment.h"
#include "KeelhavenIniInternal.h"
#include "Registry.h"

#include <QFileInfo>
#include <QString>

namespace ktr::detail {

namespace {

bool endsWithSeparator(std::string_view path)
{
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

bool hasDriveOrShare(std::string_view value)
{
    const bool drive = value.size() >= 2 && value[1] == ':'
        && ((value[0] >= 'A' && value[0] <= 'Z') || (value[0] >= 'a' && value[0] <= 'z'));
    const bool share = value.substr(0, 2) == "\\\\" || value.substr(0, 2) == "//";
    return drive || share;
}

// Per-user profile folders are named after the login name, at most 32 characters of it.
std::string profileUserName()
{
    return QString::fromStdString(loginUserName()).left(32).toStdString();
}

} // namespace

std::string systemCodePageText()
{
    return std::to_string(machineCodePage());
}

std::uint8_t uiConvertKind(const std::string &uiCodePage, const std::string &systemCodePage)
{
    if (uiCodePage == "950")
        return 2;
    if (uiCodePage == "936" && systemCodePage == "950")
        return 4;
    return 0;
}

std::uint8_t dbConvertKind(const std::string &uiCodePage, const std::string &dbCodePage)
{
    if (uiCodePage == "950" && dbCodePage == "936")
        return 2;
    if (uiCodePage == "936" && dbCodePage == "950")
        return 1;
    return 0;
}

std::optional<ConfigLocation> readRegistryLocation(ConfigPart part)
{
    const auto key = RegistryKey::openReadOnly(kKeelhavenKey);
    if (!key)
        return std::nullopt;
    ConfigLocation location;
    location.installPath = key->readString(part == ConfigPart::Client ? "ClientPath" : "ServerPath");
    location.profileType = key->readString("ProfileType");
    if (!location.installPath.empty()) {
        location.installPath = withSlashes(location.installPath);
        if (!endsWithSeparator(location.installPath))
            location.installPath += '/';
    }
    return location;
}

void locateIniFile(ConfigLocation &location, ConfigPart part)
{
    const std::string fileName = part == ConfigPart::Client ? "KeelhavenC.ini" : "KeelhavenS.ini";
    location.profileDir = location.installPath;
    location.perUser = !location.profileType.empty() && location.profileType != "0";
    location.iniFileName = location.installPath + fileName;
    if (!location.perUser)
        return;
    // A per-user profile folder without the file falls back to the installation folder.
    location.profileUser = profileUserName();
    const std::string profileDir = location.installPath + "Profile/" + location.profileUser + "/";
    if (QFileInfo::exists(QString::fromStdString(profileDir + fileName))) {
        location.profileDir = profileDir;
        location.iniFileName = profileDir + fileName;
    }
}

std::vector<std::string> workLibraryFolders(const IniFile &ini, const std::string &installPath,
                                            ConfigPart part)
{
    const auto lines = ini.sectionValues("WorkDLLPath");
    if (lines.empty())
        return {installPath + (part == ConfigPart::Client ? "C_PKG/" : "S_PKG/")};
    std::vector<std::string> folders;
    folders.reserve(lines.size());
    for (const auto &[name, value] : lines) {
        std::string folder = value;
        // A drive or share value stays as given, so it keeps the separator it was written with.
        const bool backslashes = hasDriveOrShare(folder) && folder.find('\\') != std::string::npos;
        if (!endsWithSeparator(folder))
            folder += backslashes ? '\\' : '/';
        folders.push_back(MakeAbsolutePath(folder, installPath));
    }
    return folders;
}

bool isTrueText(const std::string &value)
{
    const std::string upper = upperCased(value);
    return upper == "1" || upper == "Y" || upper == "YES" || upper == "TRUE";
}

std::string upperCased(const std::string &text)
{
    return QString::fromStdString(text).toUpper().toStdString();
}

} // namespace ktr::detail

std::string GetInstallPath()
{
    const auto key = ktr::RegistryKey::openReadOnly(ktr::detail::kKeelhavenKey);
    if (!key)
        return {};
    std::string path = key->readString("ClientPath");
    if (path.empty())
        path = key->readString("ServerPath");
    return path;
}

std::string MakeAbsolutePath(std::string_view value, std::string_view installPath)
{
    if (ktr::detail::hasDriveOrShare(value))
        return std::string(value);
    std::string relative = ktr::withSlashes(std::string(value));
    if (!relative.empty() && relative.front() == '/')
        relative.erase(0, 1);
    return std::string(installPath) + relative;
}

void TKeelhavenIniBase::ResetCommon()
{
    namespace d = ktr::detail;
    InstallPath.clear();
    ProfileDir.clear();
    ProfileType = "0";
    ProfileUser = "Default";
    IniFileName.clear();
    ErrorCode.clear();
    WorkDLLPaths.clear();
    SupportCallBack = false;
    SystemCodePage = d::systemCodePageText();
    DBCodePage = "936";
    UICodePage = SystemCodePage;
    UIConvertKind = d::uiConvertKind(UICodePage, SystemCodePage);
    DBConvertKind = d::dbConvertKind(UICodePage, DBCodePage);
}
