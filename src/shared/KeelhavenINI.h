#pragma once

#include "Variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Client and server configuration of the suite's middleware: the registry key
// "Software\KTR\Keelhaven" (Registry.h) says where the parts are installed; KeelhavenC.ini
// and KeelhavenS.ini, in the installation folder or a per-user profile folder below it, hold
// the settings. Both classes load everything when constructed and only read.
//
// Folders use "/"; InstallPath and ProfileDir end in "/" when not empty. Texts are UTF-8.

// What the client and the server configuration share: where the file is, the code pages
// and their conversion kinds, the work-library folders.
struct TKeelhavenIniBase {
    std::string InstallPath;
    std::string ProfileDir;
    std::string ProfileType = "0";
    std::string ProfileUser = "Default";
    std::string UICodePage = "936";
    std::string DBCodePage = "936";
    std::string SystemCodePage;
    std::uint8_t UIConvertKind = 0;
    std::uint8_t DBConvertKind = 0;
    bool SupportCallBack = false;
    std::string IniFileName;
    std::string ErrorCode;
    std::vector<std::string> WorkDLLPaths;
    std::string Version;

protected:
    // Back to the state before loading: no location, the machine's code page for the
    // interface, "936" for the database.
    void ResetCommon();
};

// Client configuration (KeelhavenC.ini).
class TKeelhavenIniC : public TKeelhavenIniBase {
public:
    TKeelhavenIniC();
    ~TKeelhavenIniC();
    TKeelhavenIniC(const TKeelhavenIniC &) = delete;
    TKeelhavenIniC &operator=(const TKeelhavenIniC &) = delete;

    // True when the registry key opened, the client folder is set and the host list is not
    // empty; false with ErrorCode "E;000015" (no registry key) or "E;000016" (no host), or
    // false with no code when the client folder is empty.
    bool Load();

    // [0..1, 0..n-1]: row 0 the host names, row 1 the port of each.
    ktr::Variant ServerList;
    std::string LangType;
    std::string CreateGifBeforeSendEF;
    std::string AutoCheckNewMsg;
    std::string CheckInterval;
    std::string PopupMsg;
    std::string LoginCheck;
};

// Server configuration (KeelhavenS.ini).
class TKeelhavenIniS : public TKeelhavenIniBase {
public:
    TKeelhavenIniS();
    ~TKeelhavenIniS();
    TKeelhavenIniS(const TKeelhavenIniS &) = delete;
    TKeelhavenIniS &operator=(const TKeelhavenIniS &) = delete;

    // True whenever the registry key opened; false with ErrorCode "E;000015" otherwise.
    bool Load();
    // Replaces the contents of `paths` with WorkDLLPaths.
    void GetWorkDLLPaths(std::vector<std::string> &paths) const;

    // [0..3, 0..7]: rows main, temporary, service, data exchange; columns alias, user,
    // password, type, database, server or driver, connect timeout, command timeout.
    ktr::Variant DBSettings;
    std::uint8_t DBKind = 0; // 0 other, 1 ORACLE, 2 DB2
    std::string SystemControlAddress;
    std::string OtherSystemControlAddress;
};

// The installation folder for the plug-in's own files: registry "ClientPath", else
// "ServerPath"; empty when both are missing. Nothing is appended.
std::string GetInstallPath();

// A folder value made absolute against the installation folder: a value with a drive
// ("D:") or a network share ("\\host", "//host") stays as given; a value starting with a
// separator and any other value are taken below installPath ("\" read as "/").
std::string MakeAbsolutePath(std::string_view value, std::string_view installPath);

// Password scrambling of KeelhavenS.ini.
std::string ScramblePassword(std::string_view password);
// "KT_Say_Password_Error" for a text that is not hexadecimal, after writing an error report.
std::string DescramblePassword(std::string_view scrambled);
