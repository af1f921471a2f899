#include "HostEnvironment.h"
#include "KeelhavenINI.h"
#include "SharedTestSupport.h"

#include <gtest/gtest.h>

using ktr::Variant;
using ktr::test::ScopedEnv;

namespace {

// An installation folder with a registry file pointing at it; the locale is English unless
// a test says otherwise, so that the machine's code page is 437.
class KeelhavenTest : public testing::Test {
protected:
    ktr::test::ScratchRegistry registry;
    ScopedEnv lcAll{"LC_ALL", QByteArray("en_US.UTF-8")};

    QString install() const { return registry.root() + QStringLiteral("/install"); }
    std::string installPath() const { return install().toStdString() + "/"; }

    void setRegistry(const QByteArray &extra = {})
    {
        registry.setKeelhaven("ClientPath=" + install().toUtf8() + "\nServerPath=" + install().toUtf8()
                              + "/\n" + extra);
    }
    void putFixture(const char *fixture, const QString &target)
    {
        ktr::test::writeFile(target, ktr::test::readFile(ktr::test::sharedDataDir()
                                                         + QStringLiteral("/config/") + QLatin1String(fixture)));
    }
    void putIni(const QString &name, const QByteArray &content)
    {
        ktr::test::writeFile(install() + QLatin1Char('/') + name, content);
    }
};

Variant serverList(std::vector<std::string> hosts, int port)
{
    Variant list = Variant::array2(0, 1, 0, static_cast<int>(hosts.size()) - 1);
    for (int i = 0; i < static_cast<int>(hosts.size()); ++i) {
        list.at(0, i) = Variant::byteText(hosts[i]);
        list.at(1, i) = Variant(port);
    }
    return list;
}

TEST_F(KeelhavenTest, ClientWithoutRegistryKey)
{
    ktr::test::writeFile(registry.registryPath(), "[Software\\Other]\nClientPath=/x\n");
    TKeelhavenIniC ini;
    EXPECT_FALSE(ini.Load());
    EXPECT_EQ(ini.ErrorCode, "E;000015");
    EXPECT_EQ(ini.SystemCodePage, "437");
    EXPECT_EQ(ini.UICodePage, "437");
    EXPECT_EQ(ini.DBCodePage, "936");
    EXPECT_EQ(ini.ProfileType, "0");
    EXPECT_EQ(ini.ProfileUser, "Default");
    EXPECT_TRUE(ini.ServerList.isEmpty());
    EXPECT_EQ(ini.InstallPath, "");
}

TEST_F(KeelhavenTest, ClientWithoutRegistryFile)
{
    ScopedEnv noFile("KTR_REGISTRY", QByteArray("/nonexistent/registry.ini"));
    TKeelhavenIniC ini;
    EXPECT_EQ(ini.ErrorCode, "E;000015");
}

TEST_F(KeelhavenTest, ClientWithEmptyClientPathFailsWithoutCode)
{
    registry.setKeelhaven("ClientPath=\nServerPath=/srv\nProfileType=1\n");
    TKeelhavenIniC ini;
    EXPECT_FALSE(ini.Load());
    EXPECT_EQ(ini.ErrorCode, "");
    EXPECT_EQ(ini.ProfileType, "1");
    EXPECT_EQ(ini.UICodePage, "437");
    EXPECT_TRUE(ini.ServerList.isEmpty());
}

TEST_F(KeelhavenTest, ClientWithoutFileTakesDefaults)
{
    setRegistry();
    TKeelhavenIniC ini;
    EXPECT_TRUE(ini.Load());
    EXPECT_EQ(ini.ErrorCode, "");
    EXPECT_EQ(ini.InstallPath, installPath()) << "a separator is appended";
    EXPECT_EQ(ini.ProfileDir, installPath());
    EXPECT_EQ(ini.IniFileName, installPath() + "KeelhavenC.ini");
    EXPECT_EQ(ini.LangType, "ENG");
    EXPECT_EQ(ini.Version, "");
    EXPECT_EQ(ini.CreateGifBeforeSendEF, "Y");
    EXPECT_FALSE(ini.SupportCallBack);
    EXPECT_EQ(ini.ServerList, serverList({"127.0.0.1"}, 211));
    EXPECT_EQ(ini.WorkDLLPaths, std::vector<std::string>{installPath() + "C_PKG/"});
    EXPECT_EQ(ini.AutoCheckNewMsg, "1");
    EXPECT_EQ(ini.CheckInterval, "1");
    EXPECT_EQ(ini.PopupMsg, "1");
    EXPECT_EQ(ini.LoginCheck, "0");
}

TEST_F(KeelhavenTest, ClientReadsEveryKey)
{
    setRegistry();
    putFixture("KeelhavenC_full.ini", install() + QStringLiteral("/KeelhavenC.ini"));
    TKeelhavenIniC ini;
    ASSERT_TRUE(ini.Load()) << ini.ErrorCode;
    EXPECT_EQ(ini.LangType, "CHS");
    EXPECT_EQ(ini.Version, "7.2.1");
    EXPECT_EQ(ini.CreateGifBeforeSendEF, "N");
    EXPECT_EQ(ini.UICodePage, "950");
    EXPECT_EQ(ini.DBCodePage, "936");
    EXPECT_EQ(ini.UIConvertKind, 2);
    EXPECT_EQ(ini.DBConvertKind, 2);
    EXPECT_TRUE(ini.SupportCallBack);
    EXPECT_EQ(ini.ServerList, serverList({"hostA", "hostB"}, 4211));
    const std::vector<std::string> folders = {
        installPath() + "lib/", "D:\\jobs\\", installPath() + "sub/dir/", "\\\\server\\share\\pkg\\",
        installPath() + "plain/",
    };
    EXPECT_EQ(ini.WorkDLLPaths, folders);
    EXPECT_EQ(ini.AutoCheckNewMsg, "0");
    EXPECT_EQ(ini.CheckInterval, "5");
    EXPECT_EQ(ini.PopupMsg, "0");
    EXPECT_EQ(ini.LoginCheck, "1");
}

struct HostCase {
    const char *name;
    const char *computerName;
    const char *port;
    std::vector<std::string> hosts;
    int expectedPort;
    const char *errorCode;
};

const HostCase kHostCases[] = {
    {"two_hosts_trailing_separator", "hostA;hostB;", "300", {"hostA", "hostB"}, 300, ""},
    {"single_host", " h1 ", "300", {"h1"}, 300, ""},
    {"doubled_separator_gives_empty_host", "a;;b", "300", {"a", "", "b"}, 300, ""},
    {"hosts_not_trimmed_one_by_one", "a ; b", "300", {"a ", " b"}, 300, ""},
    {"only_one_trailing_separator_dropped", "a;;", "300", {"a", ""}, 300, ""},
    {"non_integer_port_takes_default", "a", "21x", {"a"}, 211, ""},
    {"empty_host_text", "", "300", {}, 0, "E;000016"},
    {"only_a_separator", ";", "300", {}, 0, "E;000016"},
    {"quoted_blank", "\"   \"", "300", {}, 0, "E;000016"},
};

class ClientHosts : public KeelhavenTest, public testing::WithParamInterface<HostCase> {};

TEST_P(ClientHosts, BuildsServerList)
{
    const auto &c = GetParam();
    setRegistry();
    putIni(QStringLiteral("KeelhavenC.ini"), QByteArray("[Server Information]\nComputerName=") + c.computerName
                                                 + "\nServerPort=" + c.port + "\n");
    TKeelhavenIniC ini;
    EXPECT_EQ(ini.ErrorCode, c.errorCode);
    if (c.hosts.empty()) {
        EXPECT_FALSE(ini.Load());
        EXPECT_TRUE(ini.ServerList.isEmpty());
    } else {
        EXPECT_TRUE(ini.Load());
        EXPECT_EQ(ini.ServerList, serverList(c.hosts, c.expectedPort)) << ini.ServerList.debugString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ClientHosts, testing::ValuesIn(kHostCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct CodePageCase {
    const char *name;
    const char *locale;
    const char *iniText;
    const char *system;
    const char *ui;
    const char *db;
    int uiKind;
    int dbKind;
};

const CodePageCase kCodePageCases[] = {
    {"western_machine_no_keys", "en_US.UTF-8", "", "437", "437", "936", 0, 0},
    {"ui_950_db_936", "en_US.UTF-8", "UICodePage=950\nDBCodePage=936\n", "437", "950", "936", 2, 2},
    {"ui_936_on_big5_machine_db_950", "zh_TW.UTF-8", "UICodePage=936\nDBCodePage=950\n", "950", "936", "950", 4, 1},
    {"mainland_machine_no_keys", "zh_CN.UTF-8", "", "936", "936", "936", 0, 0},
    {"big5_machine_no_keys", "zh_HK.UTF-8", "", "950", "950", "936", 2, 2},
    {"ui_936_db_950_mainland", "zh_CN.UTF-8", "UICodePage=936\nDBCodePage=950\n", "936", "936", "950", 0, 1},
    {"other_ui_code_page", "zh_TW.UTF-8", "UICodePage=1252\nDBCodePage=950\n", "950", "1252", "950", 0, 0},
};

class ConfigCodePages : public KeelhavenTest, public testing::WithParamInterface<CodePageCase> {};

TEST_P(ConfigCodePages, ClientAndServerComputeKinds)
{
    const auto &c = GetParam();
    ScopedEnv locale("LC_ALL", QByteArray(c.locale));
    setRegistry();
    const QByteArray text = QByteArray("[CodePage]\n") + c.iniText;
    putIni(QStringLiteral("KeelhavenC.ini"), text);
    putIni(QStringLiteral("KeelhavenS.ini"), text);
    TKeelhavenIniC client;
    TKeelhavenIniS server;
    for (const auto &[name, system, ui, db, uiKind, dbKind] :
         {std::tuple{"client", client.SystemCodePage, client.UICodePage, client.DBCodePage,
                     int(client.UIConvertKind), int(client.DBConvertKind)},
          std::tuple{"server", server.SystemCodePage, server.UICodePage, server.DBCodePage,
                     int(server.UIConvertKind), int(server.DBConvertKind)}}) {
        EXPECT_EQ(system, c.system) << name;
        EXPECT_EQ(ui, c.ui) << name;
        EXPECT_EQ(db, c.db) << name;
        EXPECT_EQ(uiKind, c.uiKind) << name;
        EXPECT_EQ(dbKind, c.dbKind) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigCodePages, testing::ValuesIn(kCodePageCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(KeelhavenTest, ProfileWithoutUserFileFallsBackToInstallFolder)
{
    setRegistry("ProfileType=1\n");
    putIni(QStringLiteral("KeelhavenC.ini"), "[Client Components]\nLangType=CHT\n");
    TKeelhavenIniC ini;
    EXPECT_TRUE(ini.Load());
    const std::string user = QString::fromStdString(ktr::loginUserName()).left(32).toStdString();
    EXPECT_EQ(ini.ProfileType, "1");
    EXPECT_EQ(ini.ProfileUser, user);
    EXPECT_EQ(ini.ProfileDir, installPath());
    EXPECT_EQ(ini.IniFileName, installPath() + "KeelhavenC.ini");
    EXPECT_EQ(ini.LangType, "CHT");
}

TEST_F(KeelhavenTest, ProfileFileOfTheUserIsRead)
{
    setRegistry("ProfileType=2\n");
    const std::string user = ktr::loginUserName();
    ASSERT_FALSE(user.empty());
    putIni(QStringLiteral("KeelhavenC.ini"), "[Client Components]\nLangType=CHT\n");
    putIni(QStringLiteral("Profile/") + QString::fromStdString(user) + QStringLiteral("/KeelhavenC.ini"),
           "[Client Components]\nLangType=CHS\n");
    TKeelhavenIniC ini;
    EXPECT_TRUE(ini.Load());
    EXPECT_EQ(ini.ProfileDir, installPath() + "Profile/" + user + "/");
    EXPECT_EQ(ini.IniFileName, installPath() + "Profile/" + user + "/KeelhavenC.ini");
    EXPECT_EQ(ini.LangType, "CHS");
}

TEST_F(KeelhavenTest, ProfileTypeZeroIsShared)
{
    setRegistry("ProfileType=0\n");
    TKeelhavenIniC ini;
    EXPECT_EQ(ini.ProfileUser, "Default");
    EXPECT_EQ(ini.ProfileDir, installPath());
}

TEST_F(KeelhavenTest, BackslashedClientPathUsesSlashes)
{
    registry.setKeelhaven("ClientPath=" + install().toUtf8().replace('/', '\\') + "\\\n");
    TKeelhavenIniC ini;
    EXPECT_EQ(ini.InstallPath, installPath());
}

struct CallBackCase {
    const char *name;
    const char *value;
    bool expected;
};

const CallBackCase kCallBackCases[] = {
    {"one", "1", true},   {"y", "y", true},        {"yes_mixed_case", "yEs", true},
    {"true", "TRUE", true}, {"zero", "0", false},  {"no", "No", false},
    {"two", "2", false},  {"empty", "", false},
};

class ClientCallBack : public KeelhavenTest, public testing::WithParamInterface<CallBackCase> {};

TEST_P(ClientCallBack, ReadsFlag)
{
    setRegistry();
    putIni(QStringLiteral("KeelhavenC.ini"),
           QByteArray("[Server Information]\nSupportCallBack=") + GetParam().value + "\n");
    EXPECT_EQ(TKeelhavenIniC().SupportCallBack, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClientCallBack, testing::ValuesIn(kCallBackCases),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- Server ----------------------------------------------------------------------------

std::vector<Variant> rowOf(const Variant &settings, int row)
{
    std::vector<Variant> cells;
    for (int column = 0; column <= 7; ++column)
        cells.push_back(settings.at(row, column));
    return cells;
}

Variant t(const char *text)
{
    return Variant::byteText(text);
}

TEST_F(KeelhavenTest, ServerReadsEveryKey)
{
    setRegistry();
    putFixture("KeelhavenS_full.ini", install() + QStringLiteral("/KeelhavenS.ini"));
    TKeelhavenIniS ini;
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ErrorCode, "");
    EXPECT_EQ(ini.Version, "7.2.1-S");
    EXPECT_EQ(ini.UICodePage, "936");
    EXPECT_EQ(ini.DBCodePage, "950");
    EXPECT_EQ(ini.DBConvertKind, 1);
    const Variant &s = ini.DBSettings;
    ASSERT_EQ(s.dimensions(), 2);
    EXPECT_EQ(rowOf(s, 0), (std::vector<Variant>{t("Main"), t("keel"), t("s3cret!"), t("oracle"), t("PAYROLL"),
                                                  t("dbhost"), Variant(30), Variant(3000)}));
    EXPECT_EQ(rowOf(s, 1), (std::vector<Variant>{t("Tmp"), t("tmpuser"), t(""), t("SQLITE"), t("scratch"),
                                                  t("SQLite3"), Variant(15), Variant(150)}));
    EXPECT_EQ(rowOf(s, 2), (std::vector<Variant>{t("apphost"), Variant(5211), Variant(2048),
                                                  t("Chinese_PRC_BIN"), Variant(), Variant(), Variant(), Variant()}));
    EXPECT_EQ(rowOf(s, 3), (std::vector<Variant>{t("EDI"), t("ect"), t("B5590E47"), Variant(), Variant(),
                                                  Variant(), Variant(), Variant()}));
    EXPECT_EQ(ini.SystemControlAddress, "dbhost") << "a blank address takes the main server's";
    EXPECT_EQ(ini.OtherSystemControlAddress, "ctrl2");
    EXPECT_TRUE(ini.SupportCallBack);
    EXPECT_EQ(ini.DBKind, 1);
    EXPECT_EQ(ini.WorkDLLPaths, std::vector<std::string>{installPath() + "S_PKG/jobs/"});
    std::vector<std::string> copy = {"old"};
    ini.GetWorkDLLPaths(copy);
    EXPECT_EQ(copy, ini.WorkDLLPaths);
}

TEST_F(KeelhavenTest, ServerDefaults)
{
    setRegistry();
    TKeelhavenIniS ini;
    ASSERT_TRUE(ini.Load());
    const Variant &s = ini.DBSettings;
    EXPECT_EQ(rowOf(s, 0), (std::vector<Variant>{t("Harrow"), t("sa"), t(""), t("MSSQL"), t(""), t(""),
                                                  Variant(300), Variant(3000)}));
    EXPECT_EQ(rowOf(s, 1), (std::vector<Variant>{t("HarrowTemp"), t("sa"), t(""), t("PARADOX"), t(""),
                                                  t("PostgreSQL"), Variant(300), Variant(3000)}));
    EXPECT_EQ(rowOf(s, 2), (std::vector<Variant>{t(""), Variant(211), Variant(1024),
                                                  t("Chinese_Taiwan_Stroke_BIN"), Variant(), Variant(), Variant(), Variant()}));
    EXPECT_EQ(rowOf(s, 3), (std::vector<Variant>{t("EDIDATA"), t("sa"), t(""), Variant(), Variant(), Variant(),
                                                  Variant(), Variant()}));
    EXPECT_EQ(ini.SystemControlAddress, "");
    EXPECT_EQ(ini.DBKind, 0);
    EXPECT_FALSE(ini.SupportCallBack);
    EXPECT_EQ(ini.WorkDLLPaths, std::vector<std::string>{installPath() + "S_PKG/"});
}

TEST_F(KeelhavenTest, ServerWithEmptyServerPathGoesOnWithBareName)
{
    registry.setKeelhaven("ClientPath=/somewhere\nServerPath=\n");
    TKeelhavenIniS ini;
    EXPECT_TRUE(ini.Load());
    EXPECT_EQ(ini.InstallPath, "");
    EXPECT_EQ(ini.ProfileDir, "");
    EXPECT_EQ(ini.IniFileName, "KeelhavenS.ini");
    EXPECT_EQ(ini.WorkDLLPaths, std::vector<std::string>{"S_PKG/"});
}

TEST_F(KeelhavenTest, ServerWithoutRegistryKey)
{
    ScopedEnv noFile("KTR_REGISTRY", QByteArray("/nonexistent/registry.ini"));
    TKeelhavenIniS ini;
    EXPECT_FALSE(ini.Load());
    EXPECT_EQ(ini.ErrorCode, "E;000015");
    EXPECT_EQ(ini.UICodePage, "437");
}

struct DBKindCase {
    const char *name;
    const char *type;
    int kind;
};

const DBKindCase kDBKindCases[] = {
    {"oracle_lower", "oracle", 1}, {"db2_mixed", "Db2", 2}, {"mssql", "MSSQL", 0}, {"blank", "", 0},
};

class ServerDBKind : public KeelhavenTest, public testing::WithParamInterface<DBKindCase> {};

TEST_P(ServerDBKind, FromMainDBType)
{
    setRegistry();
    putIni(QStringLiteral("KeelhavenS.ini"), QByteArray("[DBE Setting]\nMainDBType=") + GetParam().type + "\n");
    EXPECT_EQ(TKeelhavenIniS().DBKind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Cases, ServerDBKind, testing::ValuesIn(kDBKindCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(KeelhavenTest, ServerBadPasswordIsMarkedAndReported)
{
    setRegistry();
    putFixture("KeelhavenS_bad_password.ini", install() + QStringLiteral("/KeelhavenS.ini"));
    TKeelhavenIniS ini;
    EXPECT_TRUE(ini.Load());
    EXPECT_EQ(ini.DBSettings.at(0, 2), t("KT_Say_Password_Error"));
    EXPECT_EQ(ini.DBSettings.at(1, 2), t("A")) << "loading goes on after the bad password";
    const QStringList logs = QDir(install() + QStringLiteral("/Log"))
                                 .entryList({QStringLiteral("Alert_TRELLGenerator_*.log")}, QDir::Files);
    ASSERT_EQ(logs.size(), 1);
    const QString log = QString::fromUtf8(ktr::test::readFile(install() + QStringLiteral("/Log/") + logs.front()));
    EXPECT_TRUE(log.contains(QStringLiteral("Message 01: '$ZZ' is not a valid integer value")))
        << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Programer Message: 解析 Sa 时发生错误!"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QString::fromStdString(" on " + ScramblePassword("DecodeSQLSa") + " ")));
}

// ---- Helpers ---------------------------------------------------------------------------

TEST_F(KeelhavenTest, GetInstallPathPrefersClientPath)
{
    registry.setKeelhaven("ClientPath=/c\nServerPath=/s\n");
    EXPECT_EQ(GetInstallPath(), "/c");
    registry.setKeelhaven("ServerPath=/s\n");
    EXPECT_EQ(GetInstallPath(), "/s");
    registry.setKeelhaven("ProfileType=0\n");
    EXPECT_EQ(GetInstallPath(), "");
    ktr::test::writeFile(registry.registryPath(), "");
    EXPECT_EQ(GetInstallPath(), "");
}

struct AbsoluteCase {
    const char *name;
    const char *value;
    const char *expected;
};

const AbsoluteCase kAbsoluteCases[] = {
    {"leading_backslash", "\\lib\\", "/opt/k/lib/"},
    {"leading_slash", "/lib/", "/opt/k/lib/"},
    {"relative", "jobs/", "/opt/k/jobs/"},
    {"relative_backslashes", "a\\b\\", "/opt/k/a/b/"},
    {"drive", "D:\\jobs\\", "D:\\jobs\\"},
    {"lower_case_drive", "e:/x/", "e:/x/"},
    {"network_share", "\\\\srv\\pkg\\", "\\\\srv\\pkg\\"},
    {"empty", "", "/opt/k/"},
};

class MakeAbsolute : public testing::TestWithParam<AbsoluteCase> {};

TEST_P(MakeAbsolute, AgainstInstallPath)
{
    EXPECT_EQ(MakeAbsolutePath(GetParam().value, "/opt/k/"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MakeAbsolute, testing::ValuesIn(kAbsoluteCases),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- Password scrambling -----------------------------------------------------------------

TEST(PasswordScramble, OneByteExample)
{
    EXPECT_EQ(ScramblePassword("A"), "A0");
    EXPECT_EQ(DescramblePassword("A0"), "A");
    EXPECT_EQ(DescramblePassword("a0"), "A") << "lower-case hexadecimal reads too";
    EXPECT_EQ(DescramblePassword("A0F"), "A") << "an odd last character is ignored";
}

TEST(PasswordScramble, EmptyPasswordUsesMarker)
{
    const std::string scrambled = ScramblePassword("");
    EXPECT_EQ(scrambled.size(), 2 * std::string("KT_Say_NoPassWord_ThePassWordIsEmpty").size());
    EXPECT_EQ(scrambled, ScramblePassword("KT_Say_NoPassWord_ThePassWordIsEmpty"));
    EXPECT_EQ(DescramblePassword(scrambled), "");
    EXPECT_EQ(DescramblePassword(""), "");
}

TEST(PasswordScramble, RoundTripsEveryByte)
{
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte += static_cast<char>(b);
    for (const std::string &p : {std::string("s3cret!"), std::string("密码"), everyByte}) {
        const std::string scrambled = ScramblePassword(p);
        EXPECT_EQ(scrambled.size(), 2 * p.size());
        EXPECT_EQ(scrambled.find_first_not_of("0123456789ABCDEF"), std::string::npos);
        EXPECT_EQ(DescramblePassword(scrambled), p);
    }
}

TEST_F(KeelhavenTest, NonHexadecimalPairGivesErrorMarker)
{
    setRegistry();
    EXPECT_EQ(DescramblePassword("A0G1"), "KT_Say_Password_Error");
    EXPECT_EQ(DescramblePassword("A0 1"), "KT_Say_Password_Error");
}

} // namespace
