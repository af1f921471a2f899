#include "support/QtxrJob.h"

#include <ClassRegistry.h>
#include <DemoData.h>
#include <ReportCounter.h>
#include <Schema.h>
#include <ServerStorage.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <set>

using ktr::ObjectRef;
using ktr::Variant;
using ktr::appserver::ServerStorage;
using ktr::appserver::TdmReportCounter;

namespace {

// Cases of the tables below print as their names.
template <typename Case>
    requires requires(const Case &c) { c.name; }
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

class ReportCounterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath("server.db").toStdString();
        auto db = ktr::store::openStore(m_file);
        ktr::store::seedDemo(*db);
        m_storage = ServerStorage::open(m_file);
        m_server = ObjectRef(new TdmReportCounter(m_storage));
    }

    std::string submit(const Variant &job) const { return m_server.call("Request", {job}).toString(); }
    std::string errorDescript() const { return m_server.call("ErrorDescript").toString(); }

    QTemporaryDir m_dir;
    std::filesystem::path m_file;
    std::shared_ptr<ServerStorage> m_storage;
    ObjectRef m_server;
};

bool isJobNumber(const std::string &number)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{8}\\d{4,}$"));
    return pattern.match(QString::fromStdString(number)).hasMatch();
}

TEST_F(ReportCounterTest, AcceptedJobIsStoredWholeUnderANewNumber)
{
    const Variant job = ktr::testing::qtxr72JobArray();
    const std::string number = submit(job);
    ASSERT_TRUE(isJobNumber(number)) << number << " / " << errorDescript();
    const auto stored = m_storage->jobs.load(number);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->params, job) << stored->params.debugString();
    EXPECT_EQ(stored->state, "Queued");
    EXPECT_EQ(stored->user, "796");
    EXPECT_EQ(stored->program, "QTXR72");
    EXPECT_TRUE(stored->statuses.empty());
}

TEST_F(ReportCounterTest, PeriodicJobIsStoredAsPeriodic)
{
    const std::string number = submit(ktr::testing::qtxr72JobArray({.periodic = true}));
    ASSERT_TRUE(isJobNumber(number)) << errorDescript();
    EXPECT_EQ(m_storage->jobs.load(number)->state, "Periodic");
}

TEST_F(ReportCounterTest, NumbersAreDistinctAcrossConnectionsToTheSameFile)
{
    // Two storages over one file stand for two server processes.
    const ObjectRef other(new TdmReportCounter(ServerStorage::open(m_file)));
    std::set<std::string> numbers;
    for (int i = 0; i < 20; ++i) {
        numbers.insert(submit(ktr::testing::qtxr72JobArray()));
        numbers.insert(other.call("Request", {ktr::testing::qtxr72JobArray()}).toString());
    }
    EXPECT_EQ(numbers.size(), 40u);
    for (const std::string &n : numbers)
        EXPECT_TRUE(isJobNumber(n)) << n;
}

struct RefusedCase {
    const char *name;
    ktr::testing::QtxrJobOptions options;
    const char *program; // replaces entry 1 when set
    const char *expected;
};

class RefusedJob : public ReportCounterTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedJob, AnswersErrorAndErrorDescriptSaysWhy)
{
    Variant job = ktr::testing::qtxr72JobArray(GetParam().options);
    if (GetParam().program)
        job.at(0).at(1) = Variant::wideText(GetParam().program);
    EXPECT_EQ(submit(job), "ERROR");
    EXPECT_NE(errorDescript().find(GetParam().expected), std::string::npos) << errorDescript();
    EXPECT_EQ(m_storage->jobs.count(), 0);
}

const RefusedCase kRefused[] = {
    {"UnknownProgram", {}, "QTXR99", "The program QTXR99 is not known"},
    {"UserWithoutRights", {.user = "805"}, nullptr, "User 805 has no right to run QTXR72 in database QaTest60"},
    {"RightsInAnotherDatabaseOnly", {.database = "KH01"}, nullptr, "User 796 has no right to run QTXR72 in database KH01"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RefusedJob, ::testing::ValuesIn(kRefused),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportCounterTest, ErrorDescriptKeepsTheLastRefusal)
{
    EXPECT_EQ(errorDescript(), "");
    EXPECT_EQ(submit(Variant::wideText("not a job")), "ERROR");
    ASSERT_TRUE(isJobNumber(submit(ktr::testing::qtxr72JobArray())));
    EXPECT_NE(errorDescript().find("not a one-dimensional array"), std::string::npos) << errorDescript();
}

TEST_F(ReportCounterTest, Request1RegistersALocalRunAndUpdateStatus1FinishesIt)
{
    const std::string number =
        m_server.call("Request1", {ktr::testing::qtxr72JobArray(), Variant::wideText("WS-PAYROLL")}).toString();
    ASSERT_TRUE(isJobNumber(number)) << errorDescript();
    EXPECT_EQ(m_storage->jobs.load(number)->computer, "WS-PAYROLL");
    EXPECT_EQ(m_storage->jobs.load(number)->state, "LocalRun");

    std::vector<Variant> args{Variant::wideText(" " + number + " "), Variant::wideText("报表已产生; "),
                              Variant::date(45443.75)};
    EXPECT_TRUE(m_server.call("UpdateStatus1", std::span(args)).isEmpty());
    EXPECT_EQ(args[0], Variant::wideText(number)) << "the job number comes back trimmed";
    const auto stored = m_storage->jobs.load(number);
    EXPECT_EQ(stored->state, "Finished");
    ASSERT_EQ(stored->statuses.size(), 1u);
    EXPECT_EQ(stored->statuses[0].message, "报表已产生; ");
    EXPECT_EQ(stored->statuses[0].at, "2024-05-31 18:00:00");
}

TEST_F(ReportCounterTest, UpdateStatus1OfAnUnknownJobRaises)
{
    std::vector<Variant> args{Variant::wideText("ERROR"), Variant::wideText(""), Variant::date(45443)};
    EXPECT_THROW(
        {
            try {
                m_server.call("UpdateStatus1", std::span(args));
            } catch (const ktr::DispatchError &e) {
                EXPECT_STREQ(e.what(), "UpdateStatus1: there is no job ERROR");
                throw;
            }
        },
        ktr::DispatchError);
}

TEST_F(ReportCounterTest, SqlTypeIsAnInteger)
{
    EXPECT_EQ(m_server.call("SQLType"), Variant(std::int32_t{0}));
}

struct PowerCase {
    const char *name;
    const char *database, *user;
    bool mayRun;
    const char *summary;
    const char *limitTable;
    std::vector<std::string> limitCodes;
};

class GetPower : public ReportCounterTest, public ::testing::WithParamInterface<PowerCase> {};

TEST_P(GetPower, AnswersRightsAndLimit)
{
    const PowerCase &c = GetParam();
    const Variant answer = m_server.call(
        "GetPower", {Variant::array({Variant::wideText(c.database), Variant::wideText(c.user),
                                     Variant::wideText("QTXR72"), Variant::wideText("")})});
    ASSERT_TRUE(answer.isArray());
    ASSERT_EQ(answer.lowerBound(), 0);
    ASSERT_EQ(answer.upperBound(), 5);
    EXPECT_EQ(answer.at(0), Variant(c.mayRun));
    EXPECT_EQ(answer.at(1).toString(), c.summary);
    EXPECT_EQ(answer.at(3).toString(), "福利金基数更新作业");
    EXPECT_EQ(answer.at(4).toString(), c.limitTable);
    const Variant &limit = answer.at(5);
    ASSERT_EQ(limit.at(0), Variant(std::int32_t(c.limitCodes.size())));
    ASSERT_EQ(limit.upperBound(), std::int32_t(c.limitCodes.size()));
    for (std::size_t i = 0; i < c.limitCodes.size(); ++i)
        EXPECT_EQ(limit.at(std::int32_t(i) + 1).toString(), c.limitCodes[i]);
}

const PowerCase kPowers[] = {
    {"FullRights", "QaTest60", "796", true, "QaTest60,796,QTXR72,YYYYYYYYYY", "", {}},
    {"LimitedToOneCompany", "QaTest60", "801", true, "QaTest60,801,QTXR72,YYYYNNNNNN", "TAXMA", {"QaTest60"}},
    {"LimitedToTwoCompanies", "QaTest60", "HR01", true, "QaTest60,HR01,QTXR72,YYYNNNYNNN", "TAXMA",
     {"QaTest60", "QaTest61"}},
    {"NoRightsRecord", "QaTest60", "805", false, "QaTest60,805,QTXR72,NNNNNNNNNN", "", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, GetPower, ::testing::ValuesIn(kPowers),
                         [](const auto &info) { return std::string(info.param.name); });

Variant schemeRecord(const char *name, bool replace, const char *values = "values")
{
    return Variant::array({Variant::wideText(name), Variant::wideText("796"), Variant::wideText("20240531"),
                           Variant::wideText("QTXR72"), Variant::wideText("sp01.style;me07.text;"),
                           Variant::wideText(values), Variant(replace)});
}

Variant schemeKey(const char *name)
{
    return Variant::array({Variant::wideText(name), Variant::wideText("796"), Variant::wideText("QTXR72")});
}

struct SchemeCase {
    const char *name;
    std::function<std::string(const ObjectRef &)> action;
    const char *expected; // "" = done
};

class SchemeChange : public ReportCounterTest, public ::testing::WithParamInterface<SchemeCase> {
protected:
    void SetUp() override
    {
        ReportCounterTest::SetUp();
        ASSERT_EQ(m_server.call("InsertConTable", {schemeRecord("年度调整", false)}).toString(), "");
        ASSERT_EQ(m_server.call("InsertConTable", {schemeRecord("July", false)}).toString(), "");
    }
};

TEST_P(SchemeChange, AnswersEmptyOrTheReason)
{
    EXPECT_EQ(GetParam().action(m_server), GetParam().expected);
}

const SchemeCase kSchemeChanges[] = {
    {"InsertNew", [](const ObjectRef &s) { return s.call("InsertConTable", {schemeRecord("新方案", false)}).toString(); }, ""},
    {"InsertExistingWithoutReplace",
     [](const ObjectRef &s) { return s.call("InsertConTable", {schemeRecord("July", false)}).toString(); },
     "The scheme \"July\" already exists"},
    {"InsertExistingWithReplace",
     [](const ObjectRef &s) { return s.call("InsertConTable", {schemeRecord("July", true, "new")}).toString(); }, ""},
    {"InsertBlankName",
     [](const ObjectRef &s) { return s.call("InsertConTable", {schemeRecord("   ", false)}).toString(); },
     "The scheme name is empty"},
    {"InsertElevenChineseCharacters",
     [](const ObjectRef &s) { return s.call("InsertConTable", {schemeRecord("一二三四五六七八九十一", false)}).toString(); },
     "The scheme name \"一二三四五六七八九十一\" is longer than 20 bytes"},
    {"InsertTenChineseCharacters",
     [](const ObjectRef &s) { return s.call("InsertConTable", {schemeRecord("一二三四五六七八九十", false)}).toString(); }, ""},
    {"DeleteExisting", [](const ObjectRef &s) { return s.call("DeleteConTable", {schemeKey("July")}).toString(); }, ""},
    {"DeleteMissing", [](const ObjectRef &s) { return s.call("DeleteConTable", {schemeKey("Nope")}).toString(); },
     "There is no scheme \"Nope\" to delete"},
    {"RenameToFree",
     [](const ObjectRef &s) { return s.call("ChangeConName", {schemeKey("July"), schemeKey("August")}).toString(); }, ""},
    {"RenameToOnlyCaseDifferent",
     [](const ObjectRef &s) { return s.call("ChangeConName", {schemeKey("July"), schemeKey("JULY")}).toString(); }, ""},
    {"RenameToTaken",
     [](const ObjectRef &s) { return s.call("ChangeConName", {schemeKey("July"), schemeKey("年度调整")}).toString(); },
     "The scheme \"年度调整\" already exists"},
    {"RenameMissing",
     [](const ObjectRef &s) { return s.call("ChangeConName", {schemeKey("Nope"), schemeKey("Other")}).toString(); },
     "There is no scheme \"Nope\" to rename"},
    {"RenameToAnotherUser",
     [](const ObjectRef &s) {
         return s.call("ChangeConName", {schemeKey("July"),
                                         Variant::array({Variant::wideText("July"), Variant::wideText("801"),
                                                         Variant::wideText("QTXR72")})})
             .toString();
     },
     "A scheme keeps its user and program when it is renamed"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SchemeChange, ::testing::ValuesIn(kSchemeChanges),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportCounterTest, ProviderRowsFollowLoadTable)
{
    ASSERT_EQ(m_server.call("InsertConTable", {schemeRecord("July", false)}).toString(), "");
    const Variant before = m_server.call("ProviderRows", {Variant::wideText("pvdConSave")});
    EXPECT_EQ(before.at(1).elementCount(), 0) << "nothing before LoadTable";

    m_server.call("LoadTable", {Variant::array({Variant::wideText("796"), Variant::wideText("QTXR72")})});
    const Variant rows = m_server.call("ProviderRows", {Variant::wideText("pvdConSave")});
    ASSERT_EQ(rows.at(0).elementCount(), 6);
    EXPECT_EQ(rows.at(0).at(5).toString(), "CREATE_DATE");
    ASSERT_EQ(rows.at(1).elementCount(), 1);
    const Variant &row = rows.at(1).at(0);
    EXPECT_EQ(row.at(0).toString(), "July");
    EXPECT_EQ(row.at(3).toString(), "sp01.style;me07.text;");
    EXPECT_EQ(row.at(5).toString(), "20240531");

    m_server.call("LoadTable", {Variant::array({Variant::wideText("801"), Variant::wideText("QTXR72")})});
    EXPECT_EQ(m_server.call("ProviderRows", {Variant::wideText("pvdConSave")}).at(1).elementCount(), 0);
}

struct MalformedCall {
    const char *name;
    const char *member;
    std::vector<Variant> args;
    const char *expected;
};

class MalformedArguments : public ReportCounterTest, public ::testing::WithParamInterface<MalformedCall> {};

TEST_P(MalformedArguments, RaiseDispatchErrorNamingTheShape)
{
    std::vector<Variant> args = GetParam().args;
    try {
        m_server.call(GetParam().member, std::span(args));
        FAIL() << "accepted";
    } catch (const ktr::DispatchError &e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().expected), std::string::npos) << e.what();
    }
}

const MalformedCall kMalformed[] = {
    {"RequestWithoutArgument", "Request", {}, "Invalid number of parameters for Request"},
    {"GetPowerNotAnArray", "GetPower", {Variant::wideText("796")}, "Expected GetPower([database, user, program"},
    {"LoadTableShort", "LoadTable", {Variant::array({Variant::wideText("796")})}, "Expected LoadTable([user, program])"},
    {"InsertConTableShort", "InsertConTable", {Variant::array({Variant::wideText("x")})}, "Expected InsertConTable("},
    {"UnknownProvider", "ProviderRows", {Variant::wideText("pvdOther")}, "Unknown provider: pvdOther"},
    {"UnknownMember", "Explode", {}, "Unknown name: Explode"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MalformedArguments, ::testing::ValuesIn(kMalformed),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportCounterTest, ClassNameCreatesAnInProcessServerOverKtrDatabase)
{
    qputenv("KTR_DATABASE", QByteArray::fromStdString(m_file.string()));
    const ObjectRef local = ktr::createOleObject("ReportCounterS.dmReportCounter");
    qunsetenv("KTR_DATABASE");
    const std::string number = local.call("Request", {ktr::testing::qtxr72JobArray()}).toString();
    ASSERT_TRUE(isJobNumber(number));
    EXPECT_TRUE(m_storage->jobs.load(number).has_value()) << "the same database file";
}

} // namespace
