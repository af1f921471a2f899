#include "KeelhavenINI.h"

#include "IniFile.h"
#include "KeelhavenIniInternal.h"
#include "NumberText.h"

namespace d = ktr::detail;

namespace {

ktr::Variant text(const std::string &value)
{
    return ktr::Variant::byteText(value);
}

// The main server's address stands in for a blank system-control address.
std::string addressOrServer(const std::string &address, const ktr::Variant &settings)
{
    return ktr::trimmed(address).empty() ? settings.at(0, 5).toString() : address;
}

} // namespace

TKeelhavenIniS::TKeelhavenIniS()
{
    Load();
}

TKeelhavenIniS::~TKeelhavenIniS() = default;

void TKeelhavenIniS::GetWorkDLLPaths(std::vector<std::string> &paths) const
{
    paths = WorkDLLPaths;
}

bool TKeelhavenIniS::Load()
{
    ResetCommon();
    DBSettings = ktr::Variant::array2(0, 3, 0, 7);
    DBKind = 0;

    auto location = d::readRegistryLocation(d::ConfigPart::Server);
    if (!location) {
        ErrorCode = "E;000015";
        return false;
    }
    // An empty server folder is no failure: the file is then looked for by its bare name.
    InstallPath = location->installPath;
    ProfileType = location->profileType;
    d::locateIniFile(*location, d::ConfigPart::Server);
    ProfileDir = location->profileDir;
    if (location->perUser)
        ProfileUser = location->profileUser;
    IniFileName = location->iniFileName;

    const ktr::IniFile ini = ktr::IniFile::load(QString::fromStdString(IniFileName));
    const char dbe[] = "DBE Setting";
    const char passwordCtrl[] = "DBPasswordCtrl";
    ktr::Variant &s = DBSettings;
    Version = ini.readString("ProductVersion", "Version", "");
    UICodePage = ini.readString("CodePage", "UICodePage", SystemCodePage);
    DBCodePage = ini.readString("CodePage", "DBCodePage", "936");
    s.at(0, 1) = text(ini.readString(dbe, "MainUserName", "sa"));
    s.at(0, 2) = text(DescramblePassword(ini.readString(dbe, "XXXXXX", "")));
    s.at(0, 0) = text(ini.readString(dbe, "MainAlias", "Harrow"));
    s.at(0, 3) = text(ini.readString(dbe, "MainDBType", "MSSQL"));
    s.at(0, 4) = text(ini.readString(dbe, "MainDBName", ""));
    s.at(0, 5) = text(ini.readString(dbe, "MainServerName", ""));
    SystemControlAddress = addressOrServer(ini.readString(dbe, "SystemControlAddress", ""), s);
    OtherSystemControlAddress =
        addressOrServer(ini.readString(dbe, "OtherSystemControlAddress", ""), s);
    s.at(0, 6) = ktr::Variant(ini.readInteger(dbe, "MainConnectionTimeOut", 300));
    s.at(0, 7) = ktr::Variant(ini.readInteger(dbe, "MainCommandTimeOut", 3000));
    s.at(1, 0) = text(ini.readString(dbe, "TempAlias", "HarrowTemp"));
    s.at(1, 1) = text(ini.readString(dbe, "TempUserName", "sa"));
    s.at(1, 2) = text(DescramblePassword(ini.readString(dbe, "TempPassword", "")));
    s.at(1, 3) = text(ini.readString(dbe, "TempDBType", "PARADOX"));
    s.at(1, 4) = text(ini.readString(dbe, "TempDBName", ""));
    s.at(1, 5) = text(ini.readString(dbe, "TempDriverName", "PostgreSQL"));
    s.at(1, 6) = ktr::Variant(ini.readInteger(dbe, "TempConnectionTimeOut", 300));
    s.at(1, 7) = ktr::Variant(ini.readInteger(dbe, "TempCommandTimeOut", 3000));
    s.at(2, 0) = text(ini.readString(passwordCtrl, "ComputerName", ""));
    s.at(2, 1) = ktr::Variant(ini.readInteger(passwordCtrl, "ServerPort", 211));
    s.at(2, 2) = ktr::Variant(ini.readInteger(passwordCtrl, "ClientSocketPort", 1024));
    SupportCallBack = d::isTrueText(ini.readString(passwordCtrl, "SupportCallBack", "0"));
    s.at(2, 3) = text(ini.readString(dbe, "DataBaseCodeOrder", "Chinese_Taiwan_Stroke_BIN"));
    s.at(3, 0) = text(ini.readString(dbe, "EctAlias", "EDIDATA"));
    s.at(3, 1) = text(ini.readString(dbe, "EctUserName", "sa"));
    s.at(3, 2) = text(ini.readString(dbe, "EctPassword", ""));
    WorkDLLPaths = d::workLibraryFolders(ini, InstallPath, d::ConfigPart::Server);

    const std::string dbType = d::upperCased(s.at(0, 3).toString());
    DBKind = dbType == "ORACLE" ? 1 : dbType == "DB2" ? 2 : 0;
    UIConvertKind = d::uiConvertKind(UICodePage, SystemCodePage);
    DBConvertKind = d::dbConvertKind(UICodePage, DBCodePage);
    return true;
}
