#include "WorkCenterFixture.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>

#include <functional>
#include <map>

using ktr::ObjectRef;
using ktr::Variant;

namespace {

// Cases of the tables below print as their names.
template <typename Case>
    requires requires(const Case &c) { c.name; }
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

Variant w(const char *text)
{
    return Variant::wideText(text);
}

std::string dispatchError(const std::function<void()> &call)
{
    try {
        call();
    } catch (const ktr::DispatchError &e) {
        return e.what();
    }
    return "(no error)";
}

class ManagerTest : public WorkCenterFixture {};

TEST_F(ManagerTest, VersionTypeAndProductIdAreIntegers)
{
    EXPECT_EQ(m_manager.get("VersionType"), Variant(std::int32_t{1}));
    EXPECT_EQ(m_manager.get("ProductID"), Variant(std::int32_t{1}));
    m_db->exec("UPDATE settings SET value = '5' WHERE name = 'ProductID'");
    EXPECT_EQ(m_manager.get("ProductID"), Variant(std::int32_t{5}));
}

TEST_F(ManagerTest, ServicesAreObjectsKeptByTheManager)
{
    for (const char *name : {"Com_Counter", "Com_Validator", "Com_F2Window"}) {
        const Variant first = m_manager.get(name);
        ASSERT_EQ(first.type(), ktr::VarType::Object) << name;
        EXPECT_EQ(first, m_manager.get(name)) << name << " is one object per manager";
    }
}

struct MessageCase {
    const char *name;
    const char *codePage, *type, *number, *expected;
};

class GetMessage : public WorkCenterFixture, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(GetMessage, AnswersInTheInterfaceLanguage)
{
    m_manager.put("CodePage", w(GetParam().codePage));
    EXPECT_EQ(m_manager.call("GetMessage", {w(GetParam().type), w(GetParam().number)}).toString(),
              GetParam().expected);
}

const MessageCase kMessages[] = {
    {"Simplified", "936", "I", "000004", "作业已提交, 作业编号: %s"},
    {"Traditional", "950", "I", "000004", "作業已提交, 作業編號: %s"},
    {"English", "437", "I", "000004", "The job was submitted. Job number: %s"},
    {"LowerCaseTypeAndShortNumber", "437", "e", "13", "The job was not accepted: %s"},
    {"UnknownSimplified", "936", "E", "999999", "消息 E;999999 不在消息表中"},
    {"UnknownEnglish", "437", "W", "123456", "Message W;123456 is not in the message catalogue"},
    {"UnknownWithPercent", "437", "E", "%s", "Message E;%%s is not in the message catalogue"},
};

INSTANTIATE_TEST_SUITE_P(Cases, GetMessage, ::testing::ValuesIn(kMessages),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ManagerTest, CodePageAcceptsOnlyTheThreeInterfaceCodePages)
{
    EXPECT_EQ(dispatchError([&] { m_manager.put("CodePage", w("1252")); }),
              "CodePage must be 936, 950 or 437, not 1252");
    EXPECT_EQ(m_manager.get("CodePage").toString(), "936");
}

TEST_F(ManagerTest, GetFileListDescribesTheServerCopy)
{
    const QString folder = m_dir.filePath(QStringLiteral("S_PKG"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile library(folder + QStringLiteral("/QTXR72S.so"));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.write("0123456789");
    library.close();
    const auto update = m_db->query("UPDATE settings SET value = ?1 WHERE name = 'ServerPackagePath'");
    update->bind(1, folder.toStdString());
    update->run();

    const std::string record = m_manager.call("GetFileList", {Variant::array({w("qtxr72s.so")})}).toString();
    EXPECT_NE(record.find("<Name>qtxr72s.so</Name>"), std::string::npos) << record;
    EXPECT_NE(record.find("<Size>10</Size>"), std::string::npos) << record;
    EXPECT_NE(record.find("<Path>" + folder.toStdString() + "/QTXR72S.so</Path>"), std::string::npos) << record;
    const auto modify = record.find("<Modify>");
    ASSERT_NE(modify, std::string::npos);
    EXPECT_EQ(record.find("</Modify>"), modify + 8 + 14) << "YYYYMMDDHHMMSS";

    EXPECT_EQ(dispatchError([&] { m_manager.call("GetFileList", {Variant::array({w("other.so")})}); }),
              "GetFileList: there is no server copy of other.so in " + folder.toStdString());
    EXPECT_EQ(dispatchError([&] { m_manager.call("GetFileList", {Variant::array({w("../ktr.db")})}); }),
              "GetFileList: \"../ktr.db\" is not a file name");
}

class CounterTest : public WorkCenterFixture {
protected:
    ObjectRef counter() const { return service("Com_Counter"); }
    Variant simpleSql(const char *statement, const char *column = "MA003") const
    {
        return counter().call("GetCounter", {w("SIMPLESQL"), Variant::array({w(statement), w(column)}),
                                             Variant::array({w("QaTest60"), w("QaTest60")})});
    }
};

TEST_F(CounterTest, GetSysInfoIsATwoRowTableWithTheCompanysOwnValuesFirst)
{
    const Variant info = counter().call("GetSysInfo", {w("QaTest60")});
    ASSERT_EQ(info.dimensions(), 2);
    ASSERT_EQ(info.lowerBound(1), 0);
    ASSERT_EQ(info.upperBound(1), 1);
    std::map<std::string, std::string> values;
    for (std::int32_t j = info.lowerBound(2); j <= info.upperBound(2); ++j)
        values[info.at(0, j).toString()] = info.at(1, j).toString();
    EXPECT_EQ(values["Sys001"], "1");
    EXPECT_EQ(values["Sys002"], "/");
    EXPECT_EQ(values["KTR002"], "千岸测试六十");
    EXPECT_EQ(values["SYS008"], "商品中类");
    EXPECT_EQ(values.count("SYS009"), 0u) << "left to the form's default";

    const Variant other = counter().call("GetSysInfo", {w("KH02")});
    std::map<std::string, std::string> otherValues;
    for (std::int32_t j = other.lowerBound(2); j <= other.upperBound(2); ++j)
        otherValues[other.at(0, j).toString()] = other.at(1, j).toString();
    EXPECT_EQ(otherValues["KTR002"], "凯汉物流");
    EXPECT_EQ(otherValues["Sys001"], "1");
    EXPECT_EQ(otherValues.count("SYS008"), 0u);
}

struct AcceptedStatement {
    const char *name;
    const char *statement;
    const char *expected;
};

class SimpleSqlAccepted : public CounterTest, public ::testing::WithParamInterface<AcceptedStatement> {};

TEST_P(SimpleSqlAccepted, AnswersRowsOfTheNamedQuery)
{
    const Variant rows = simpleSql(GetParam().statement);
    ASSERT_TRUE(rows.isArray());
    ASSERT_EQ(rows.elementCount(), 1);
    EXPECT_EQ(rows.elements()[0].at(0).toString(), GetParam().expected);
}

const AcceptedStatement kAccepted[] = {
    {"StartupPortalAsTheFormSendsIt", "SELECT MA003 FROM KTRINTMA WHERE MA001='StartupPortal' ", "N"},
    {"PortalServiceAsTheFormSendsIt", "SELECT MA003 FROM KTRINTMA WHERE MA001='Portal WS' ",
     "http://127.0.0.1:8089/PortalService"},
    {"OtherCaseAndBlanks", "  select ma003\n from ktrintma where  MA001 = 'StartupPortal'", "N"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SimpleSqlAccepted, ::testing::ValuesIn(kAccepted),
                         [](const auto &info) { return std::string(info.param.name); });

struct RefusedStatement {
    const char *name;
    const char *statement;
    const char *column;
};

class SimpleSqlRefused : public CounterTest, public ::testing::WithParamInterface<RefusedStatement> {};

TEST_P(SimpleSqlRefused, RaisesWithoutRunningAnything)
{
    const std::string error = dispatchError([&] { simpleSql(GetParam().statement, GetParam().column); });
    EXPECT_EQ(error.rfind("SimpleSQL refuses the statement", 0), 0u) << error;
    EXPECT_NE(error.find("only the named queries of the portal settings are served"), std::string::npos);
    // Nothing was changed behind the refusal.
    auto q = m_db->query("SELECT COUNT(*) FROM users");
    ASSERT_TRUE(q->step());
    EXPECT_EQ(q->integer(0), 5);
}

const RefusedStatement kRefused[] = {
    {"ArbitrarySelect", "SELECT code, name FROM users", "MA003"},
    {"ArbitraryDelete", "DELETE FROM users", "MA003"},
    {"InjectionAfterTheKey", "SELECT MA003 FROM KTRINTMA WHERE MA001='StartupPortal'; DELETE FROM users", "MA003"},
    {"InjectionInTheKey", "SELECT MA003 FROM KTRINTMA WHERE MA001='x' OR '1'='1'", "MA003"},
    {"UnknownSettingKey", "SELECT MA003 FROM KTRINTMA WHERE MA001='DBPassword'", "MA003"},
    {"OtherColumn", "SELECT MA002 FROM KTRINTMA WHERE MA001='StartupPortal'", "MA002"},
    {"NamedQueryWithOtherColumnName", "SELECT MA003 FROM KTRINTMA WHERE MA001='StartupPortal'", "MA001"},
    {"Empty", "", "MA003"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SimpleSqlRefused, ::testing::ValuesIn(kRefused),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CounterTest, OtherNamedCounters)
{
    EXPECT_EQ(counter().call("GetCounter", {w("SYSDATE"), Variant(), Variant()}).toString(),
              QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString());
    EXPECT_EQ(counter().call("GetCounter", {w("NEXTVALUE"), Variant::array({w("REPORT")})}), Variant(std::int32_t{1}));
    EXPECT_EQ(counter().call("GetCounter", {w("NEXTVALUE"), Variant::array({w("REPORT")})}), Variant(std::int32_t{2}));
    EXPECT_EQ(dispatchError([&] { counter().call("GetCounter", {w("DROPALL"), Variant()}); }),
              "Unknown counter: DROPALL");
}

struct CheckCase {
    const char *name;
    const char *member; // CheckValue or QueryData
    const char *table, *key;
    std::vector<const char *> keyValues;
    int productId;
    const char *baseLimited;
    bool found;
    // CheckValue: expected fields by index; QueryData: expected row count and first cell
    std::vector<std::pair<int, const char *>> fields;
    int rowCount;
};

class Validator : public WorkCenterFixture, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(Validator, FindsWhatTheFormsRelyOn)
{
    const CheckCase &c = GetParam();
    const ObjectRef validator = service("Com_Validator");
    validator.put("ProductID", Variant(std::int32_t(c.productId)));
    validator.put("BaseLimited", w(c.baseLimited));
    std::vector<Variant> keyValues;
    for (const char *v : c.keyValues)
        keyValues.push_back(w(v));
    std::vector<Variant> args{w(c.table), w(c.key), w("QaTest60"), Variant::array(std::move(keyValues)), Variant()};
    const Variant found = validator.call(c.member, std::span(args));
    ASSERT_EQ(found, Variant(c.found));
    if (!c.found) {
        EXPECT_TRUE(args[4].isEmpty());
        return;
    }
    if (std::string(c.member) == "CheckValue") {
        for (const auto &[index, text] : c.fields)
            EXPECT_EQ(args[4].at(index).toString(), text) << "field " << index;
    } else {
        EXPECT_EQ(args[4].elementCount(), c.rowCount);
        for (const auto &[index, text] : c.fields)
            EXPECT_EQ(args[4].at(0).at(index).toString(), text) << "column " << index;
    }
}

const char *const kLimitedToQaTest60 = "TAXMA\x03" "1\x03QaTest60\x03";

const CheckCase kChecks[] = {
    {"ProgramRecord", "CheckValue", "ADMMB", "01", {"QTXR72"}, 1, "", true,
     {{0, "福利金基数更新作业"}, {4, "Y"}, {7, "Welfare-fund base update"}}, 0},
    {"ProgramDirectQueryFlag", "CheckValue", "ADMMB", "11", {"PALB01"}, 1, "", true, {{3, "Y"}}, 0},
    {"UnknownProgram", "CheckValue", "ADMMB", "01", {"QTXR99"}, 1, "", false, {}, 0},
    {"ProgramFootersAndSignOffs", "CheckValue", "CMSMT", "01", {"QTXR72"}, 1, "", true,
     {{0, "F01"}, {1, "Y"}, {3, "本报表仅供内部使用"}, {6, "S01"}, {7, "Y"}, {9, "制表:"}}, 0},
    {"FooterByCode", "CheckValue", "CMSMS", "01", {"1", "F02"}, 1, "", true,
     {{0, "F02"}, {1, "机密资料 请勿外传"}, {2, "打印后请妥善保管"}}, 0},
    {"SignOffCodeIsNoFooter", "CheckValue", "CMSMS", "01", {"1", "S01"}, 1, "", false, {}, 0},
    {"WebReportSite", "CheckValue", "CMSMA", "02", {""}, 1, "", true, {{0, "http://127.0.0.1:8088/KtrReport"}}, 0},
    {"NoSuchScheme", "CheckValue", "GENES", "01", {"July", "796", "QTXR72"}, 1, "", false, {}, 0},
    {"CompanyWithoutLimit", "CheckValue", "TAXMA", "01", {"KH01"}, 1, "", true, {{0, "KH01"}, {1, "凯汉精密"}}, 0},
    {"CompanyOutsideTheLimit", "CheckValue", "TAXMA", "01", {"KH01"}, 1, kLimitedToQaTest60, false, {}, 0},
    {"CompanyInsideTheLimit", "CheckValue", "TAXMA", "01", {"QaTest60"}, 1, kLimitedToQaTest60, true,
     {{0, "QaTest60"}}, 0},
    {"DepartmentOfTheLimitedCompany", "CheckValue", "CMSME", "01", {"A02"}, 1, kLimitedToQaTest60, true,
     {{1, "人力资源部"}, {2, "QaTest60"}}, 0},
    {"EmployeeRecord", "CheckValue", "CMSMV", "01", {"E00001"}, 1, "", true, {{0, "E00001"}, {3, "QaTest60"}}, 0},
    {"BaseType", "CheckValue", "PALNC", "01", {"06"}, 1, "", true, {{1, "住房公积金基数"}}, 0},
    {"User", "CheckValue", "KTRMA", "04", {"796"}, 1, "", true, {{1, "王晓明"}, {3, "wang.xiaoming@example.com"}}, 0},
    {"PublicEditionHidesOtherPrograms", "CheckValue", "ADMMB", "01", {"PALB01"}, 5, "", false, {}, 0},
    {"PublicEditionKeepsItsPrograms", "CheckValue", "ADMMB", "01", {"QTXR72"}, 5, "", true, {{0, "福利金基数更新作业"}}, 0},
    {"AllCompanies", "QueryData", "TAXMA", "01", {""}, 1, "", true, {{0, "KH01"}}, 4},
    {"LimitedCompanies", "QueryData", "TAXMA", "01", {""}, 1, kLimitedToQaTest60, true, {{0, "QaTest60"}}, 1},
    {"DepartmentsOfOneCompany", "QueryData", "CMSME", "01", {"KH02"}, 1, "", true, {{2, "KH02"}}, 8},
    {"FootersOfAKind", "QueryData", "CMSMS", "01", {"2"}, 1, "", true, {{0, "S01"}, {1, "人事签核"}}, 2},
    {"EmployeesOfAnotherCompanyUnderALimit", "QueryData", "CMSMV", "01", {"KH01"}, 1, kLimitedToQaTest60, false, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, Validator, ::testing::ValuesIn(kChecks),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ManagerTest, ValidatorNamesWhatItCannotCheck)
{
    const ObjectRef validator = service("Com_Validator");
    std::vector<Variant> unknown{w("XXXMA"), w("01"), w("QaTest60"), Variant::array({w("a")}), Variant()};
    EXPECT_EQ(dispatchError([&] { validator.call("CheckValue", std::span(unknown)); }),
              "CheckValue: unknown table key XXXMA with query number 01");
    std::vector<Variant> shortKey{w("CMSMS"), w("01"), w("QaTest60"), Variant::array({w("1")}), Variant()};
    EXPECT_EQ(dispatchError([&] { validator.call("CheckValue", std::span(shortKey)); }),
              "CheckValue CMSMS/01 needs 2 key values, got 1");
    std::vector<Variant> noList{w("ADMMB"), w("11"), w("QaTest60"), Variant(), Variant()};
    EXPECT_EQ(dispatchError([&] { validator.call("QueryData", std::span(noList)); }),
              "QueryData: unknown table key ADMMB with query number 11");
}

TEST_F(ManagerTest, WindowsNeedAUserInterface)
{
    const ObjectRef lookup = service("Com_F2Window");
    EXPECT_EQ(dispatchError([&] { lookup.call("GetPhrase", {w("796"), w("QaTest60"), Variant(std::int32_t{0})}); }),
              "GetPhrase opens a window and needs a running user interface");
    EXPECT_EQ(dispatchError([&] { m_manager.call("CallHelp", {Variant::array({w("PAL"), w("12050000")})}); }),
              "CallHelp opens a window and needs a running user interface");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // no widgets: the windows must refuse
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
