#include "KeelhavenINI.h"

#include "IniFile.h"
#include "KeelhavenIniInternal.h"
#include "NumberText.h"

namespace d = ktr::detail;

TKeelhavenIniC::TKeelhavenIniC()
{
    Load();
}

TKeelhavenIniC::~TKeelhavenIniC() = default;

bool TKeelhavenIniC::Load()
{
    ResetCommon();
    ServerList = ktr::Variant();

    auto location = d::readRegistryLocation(d::ConfigPart::Client);
    if (!location) {
        ErrorCode = "E;000015";
        return false;
    }
    InstallPath = location->installPath;
    ProfileType = location->profileType;
    if (InstallPath.empty())
        return false;
    d::locateIniFile(*location, d::ConfigPart::Client);
    ProfileDir = location->profileDir;
    if (location->perUser)
        ProfileUser = location->profileUser;
    IniFileName = location->iniFileName;

    const ktr::IniFile ini = ktr::IniFile::load(QString::fromStdString(IniFileName));
    LangType = ini.readString("Client Components", "LangType", "ENG");
    Version = ini.readString("ProductVersion", "Version", "");
    CreateGifBeforeSendEF = ini.readString("UserDefine", "CreateGifBeforeSendEF", "Y");
    UICodePage = ini.readString("CodePage", "UICodePage", SystemCodePage);
    DBCodePage = ini.readString("CodePage", "DBCodePage", "936");
    SupportCallBack = d::isTrueText(ini.readString("Server Information", "SupportCallBack", "0"));
    const std::string computerName = ini.readString("Server Information", "ComputerName", "127.0.0.1");
    const std::int32_t serverPort = ini.readInteger("Server Information", "ServerPort", 211);
    WorkDLLPaths = d::workLibraryFolders(ini, InstallPath, d::ConfigPart::Client);
    AutoCheckNewMsg = ini.readString("TaskMessageCenter Setting", "AutoCheckNewMsg", "1");
    CheckInterval = ini.readString("TaskMessageCenter Setting", "CheckInterval", "1");
    PopupMsg = ini.readString("TaskMessageCenter Setting", "PopupMsg", "1");
    LoginCheck = ini.readString("TaskMessageCenter Setting", "LoginCheck", "0");
    UIConvertKind = d::uiConvertKind(UICodePage, SystemCodePage);
    DBConvertKind = d::dbConvertKind(UICodePage, DBCodePage);

    // Hosts separated by ";", a single trailing ";" allowed; hosts are not trimmed one by
    // one, so a doubled ";" gives an empty host name.
    std::string hosts = ktr::trimmed(computerName);
    if (!hosts.empty() && hosts.back() == ';')
        hosts.pop_back();
    if (hosts.empty()) {
        ErrorCode = "E;000016";
        return false;
    }
    std::vector<std::string> names;
    for (std::size_t start = 0;;) {
        const std::size_t end = hosts.find(';', start);
        names.push_back(hosts.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    ServerList = ktr::Variant::array2(0, 1, 0, static_cast<std::int32_t>(names.size()) - 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto column = static_cast<std::int32_t>(i);
        ServerList.at(0, column) = ktr::Variant::byteText(names[i]);
        ServerList.at(1, column) = ktr::Variant(serverPort);
    }
    return true;
}
