#include "support/AppServerProcess.h"
#include "support/QtxrJob.h"

#include <ClientDataSet.h>
#include <SocketConnection.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using ktr::ObjectRef;
using ktr::Variant;

namespace {

// One seeded database and one server for the whole program, ended before the application;
// each test opens its own connection (its own session).
class ServerEnvironment : public ::testing::Environment {
public:
    static ServerEnvironment *instance;

    void SetUp() override
    {
        instance = this;
        if (ktr::testing::seedDemoDatabase(databaseFile()))
            m_server = std::make_unique<ktr::testing::AppServerProcess>(databaseFile());
    }
    void TearDown() override { m_server.reset(); }

    QString databaseFile() const { return m_dir.filePath(QStringLiteral("server.db")); }
    quint16 port() const { return m_server ? m_server->port() : 0; }
    QString output() const { return m_server ? m_server->output() : QString(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ktr::testing::AppServerProcess> m_server;
};

ServerEnvironment *ServerEnvironment::instance = nullptr;

class SocketCallsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(ServerEnvironment::instance->port(), 0) << ServerEnvironment::instance->output().toStdString();
        m_connection.SetAddress(QStringLiteral("127.0.0.1"));
        m_connection.SetPort(ServerEnvironment::instance->port());
        m_connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
        m_connection.Open();
        m_server = m_connection.AppServer();
    }

    std::string errorDescript() const { return m_server.call("ErrorDescript").toString(); }

    TSocketConnection m_connection;
    ObjectRef m_server;
};

bool isJobNumber(const std::string &number)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{8}\\d{4,}$"));
    return pattern.match(QString::fromStdString(number)).hasMatch();
}

QJsonObject dumpJob(const std::string &number)
{
    QProcess dump;
    dump.start(ktr::testing::binPath(QStringLiteral("ktr-appserver")),
               {QStringLiteral("--dump-job"), QString::fromStdString(number), QStringLiteral("--db"),
                ServerEnvironment::instance->databaseFile()});
    if (!dump.waitForFinished(30000) || dump.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(dump.readAllStandardOutput()).object();
}

TEST_F(SocketCallsTest, ConnectionIsOpenWithAProxy)
{
    EXPECT_TRUE(m_connection.Connected());
    EXPECT_TRUE(m_server);
}

TEST_F(SocketCallsTest, RequestAnswersAJobNumberAndTheJobArrivedWhole)
{
    const Variant job = ktr::testing::qtxr72JobArray();
    const Variant answer = m_server.call("Request", {job});
    ASSERT_TRUE(answer.isText());
    const std::string number = answer.toString();
    ASSERT_TRUE(isJobNumber(number)) << number << " / " << errorDescript();

    const QJsonObject dumped = dumpJob(number);
    EXPECT_EQ(dumped.value("jobNumber").toString().toStdString(), number);
    EXPECT_EQ(dumped.value("state").toString(), QStringLiteral("Queued"));
    const QJsonObject params = dumped.value("params").toObject();
    EXPECT_EQ(params.value("bounds").toArray(), (QJsonArray{QJsonArray{0, 2}}));
    const QJsonArray elements = params.value("elements").toArray();
    ASSERT_EQ(elements.size(), 3);
    const QJsonArray environment = elements[0].toObject().value("elements").toArray();
    ASSERT_EQ(environment.size(), 14);
    EXPECT_EQ(environment[0].toString(), QStringLiteral("QTXR72"));
    EXPECT_EQ(environment[6].toObject().value("text").toString(), QStringLiteral("2024-05-31 12:00:00"));
    const QJsonArray values = elements[2].toObject().value("elements").toArray();
    EXPECT_EQ(values[6].toString(), QStringLiteral("2024/05/31"));
    EXPECT_EQ(values[9].toObject().value("elements").toArray()[1], QJsonValue(false));
}

TEST_F(SocketCallsTest, RefusedJobAnswersErrorAndErrorDescriptSaysWhy)
{
    const Variant answer = m_server.call("Request", {ktr::testing::qtxr72JobArray({.user = "805"})});
    EXPECT_EQ(answer, Variant::wideText("ERROR"));
    EXPECT_EQ(errorDescript(), "User 805 has no right to run QTXR72 in database QaTest60");
}

TEST_F(SocketCallsTest, ErrorDescriptBelongsToTheConnection)
{
    ASSERT_EQ(m_server.call("Request", {Variant::wideText("nonsense")}).toString(), "ERROR");
    TSocketConnection other;
    other.SetAddress(QStringLiteral("127.0.0.1"));
    other.SetPort(ServerEnvironment::instance->port());
    other.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    other.Open();
    EXPECT_EQ(other.AppServer().call("ErrorDescript").toString(), "");
    EXPECT_NE(errorDescript(), "");
}

TEST_F(SocketCallsTest, Request1AndUpdateStatus1WriteTheNumberBack)
{
    const std::string number =
        m_server.call("Request1", {ktr::testing::qtxr72JobArray(), Variant::wideText("WS01")}).toString();
    ASSERT_TRUE(isJobNumber(number)) << errorDescript();
    std::vector<Variant> args{Variant::wideText(number + "  "), Variant::wideText(""), Variant::date(45443.5)};
    const Variant answer = m_server.call("UpdateStatus1", std::span(args));
    EXPECT_TRUE(answer.isEmpty());
    EXPECT_EQ(args[0], Variant::wideText(number));
    EXPECT_EQ(args[1], Variant::wideText(""));
    EXPECT_EQ(dumpJob(number).value("state").toString(), QStringLiteral("Finished"));
}

TEST_F(SocketCallsTest, SqlTypeAndGetPowerAnswerTheirShapes)
{
    EXPECT_EQ(m_server.call("SQLType"), Variant(std::int32_t{0}));
    const Variant power = m_server.call(
        "GetPower", {Variant::array({Variant::wideText("QaTest60"), Variant::wideText("796"),
                                     Variant::wideText("QTXR72"), Variant::wideText("")})});
    ASSERT_TRUE(power.isArray());
    ASSERT_EQ(power.upperBound(), 5);
    EXPECT_EQ(power.at(0), Variant(true));
    const std::string summary = power.at(1).toString();
    EXPECT_EQ(summary.substr(summary.rfind(',') + 1), "YYYYYYYYYY");
    EXPECT_EQ(power.at(5).at(0), Variant(std::int32_t{0}));
}

TEST_F(SocketCallsTest, ServerRefusesToOpenAnotherClass)
{
    TSocketConnection other;
    other.SetAddress(QStringLiteral("127.0.0.1"));
    other.SetPort(ServerEnvironment::instance->port());
    other.SetServerName(QStringLiteral("QTXR72S.Class1"));
    try {
        other.Open();
        FAIL() << "opened";
    } catch (const ktr::DispatchError &e) {
        EXPECT_STREQ(e.what(), "This server serves ReportCounterS.dmReportCounter, HarrowWorkCenter.Counter and "
                               "HarrowWorkCenter.Validator, not QTXR72S.Class1");
    }
    EXPECT_FALSE(other.Connected());
    EXPECT_FALSE(other.AppServer());
}

// The scheme pane's whole road: save, list through the client data set, find by the index,
// rename (with the local change of the data set), delete.
TEST_F(SocketCallsTest, SchemeRoundTripThroughTheClientDataSet)
{
    const Variant user = Variant::wideText("HR01");
    const Variant program = Variant::wideText("QTXR72");
    const auto key = [&](const char *name) { return Variant::array({Variant::wideText(name), user, program}); };
    const auto record = [&](const char *name, const char *values) {
        return Variant::array({Variant::wideText(name), user, Variant::wideText("20240531"), program,
                               Variant::wideText("sp01.style;me07.text;"), Variant::wideText(values), Variant(false)});
    };
    ASSERT_EQ(m_server.call("InsertConTable", {record("年度调整", "sp_Range\x03" "A\x03Z\r\n20240531\r\n")}).toString(), "");
    ASSERT_EQ(m_server.call("InsertConTable", {record("July", "v2")}).toString(), "");

    TClientDataSet dataSet;
    dataSet.setObjectName(QStringLiteral("ClientDataSet1"));
    dataSet.SetProviderName(QStringLiteral("pvdConSave"));
    dataSet.SetRemoteServer(&m_connection);
    dataSet.AddIndex(QStringLiteral("Index1"), QStringLiteral("NCONDITION;CREATOR;PROGRAMME"));
    dataSet.SetIndexName(QStringLiteral("Index1"));

    m_server.call("LoadTable", {Variant::array({user, program})});
    dataSet.Open();
    ASSERT_EQ(dataSet.RecordCount(), 2);
    QStringList names;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        names << dataSet.FieldByName(QStringLiteral("NCONDITION")).AsString();
    EXPECT_EQ(names, (QStringList{QStringLiteral("July"), QStringLiteral("年度调整")}));

    ASSERT_TRUE(dataSet.FindKey({Variant::wideText("年度调整"), user, program}));
    EXPECT_EQ(dataSet.FieldByName(QStringLiteral("VCONDITION")).AsString(),
              QStringLiteral("sp_Range\x03" "A\x03Z\r\n20240531\r\n"));
    EXPECT_EQ(dataSet.FieldByName(QStringLiteral("CREATE_DATE")).AsString(), QStringLiteral("20240531"));

    ASSERT_EQ(m_server.call("ChangeConName", {key("July"), key("August")}).toString(), "");
    ASSERT_TRUE(dataSet.FindKey({Variant::wideText("July"), user, program}));
    dataSet.FieldByName(QStringLiteral("NCONDITION")).SetAsString(QStringLiteral("August"));
    EXPECT_TRUE(dataSet.FindKey({Variant::wideText("August"), user, program}));

    ASSERT_EQ(m_server.call("DeleteConTable", {key("年度调整")}).toString(), "");
    m_server.call("LoadTable", {Variant::array({user, program})});
    dataSet.Close();
    dataSet.Open();
    ASSERT_EQ(dataSet.RecordCount(), 1);
    EXPECT_EQ(dataSet.FieldByName(QStringLiteral("NCONDITION")).AsString(), QStringLiteral("August"));
    EXPECT_FALSE(dataSet.FindKey({Variant::wideText("年度调整"), user, program}));
}

TEST_F(SocketCallsTest, ServerErrorOfACallReachesTheCallerAndTheConnectionStays)
{
    try {
        m_server.call("GetPower", {Variant::wideText("796")});
        FAIL() << "accepted";
    } catch (const ktr::DispatchError &e) {
        EXPECT_NE(std::string(e.what()).find("Expected GetPower("), std::string::npos) << e.what();
    }
    EXPECT_TRUE(m_connection.Connected());
    EXPECT_EQ(m_server.call("SQLType"), Variant(std::int32_t{0}));
}

// The work-center's data services, served to work-centers that reach their data through the
// application server.
class RemoteDataServiceTest : public ::testing::Test {
protected:
    ObjectRef open(const char *className)
    {
        auto connection = std::make_unique<TSocketConnection>();
        connection->SetAddress(QStringLiteral("127.0.0.1"));
        connection->SetPort(ServerEnvironment::instance->port());
        connection->SetServerName(QString::fromLatin1(className));
        connection->Open();
        ObjectRef server = connection->AppServer();
        m_connections.push_back(std::move(connection));
        return server;
    }
    std::vector<std::unique_ptr<TSocketConnection>> m_connections;
};

Variant simpleSql(const ObjectRef &counter, const char *statement)
{
    return counter.call("GetCounter", {Variant::wideText("SIMPLESQL"),
                                       Variant::array({Variant::wideText(statement), Variant::wideText("MA003")}),
                                       Variant::array({Variant::wideText("QaTest60"), Variant::wideText("QaTest60")})});
}

TEST_F(RemoteDataServiceTest, SimpleSqlAnswersTheNamedQueries)
{
    const ObjectRef counter = open("HarrowWorkCenter.Counter");
    const Variant rows = simpleSql(counter, "SELECT MA003 FROM KTRINTMA WHERE MA001='Portal WS' ");
    ASSERT_EQ(rows.elementCount(), 1);
    EXPECT_EQ(rows.elements()[0].at(0).toString(), "http://127.0.0.1:8089/PortalService");
}

class RemoteSimpleSqlRefusal : public RemoteDataServiceTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(RemoteSimpleSqlRefusal, ArbitraryStatementIsRefusedAndTheConnectionStays)
{
    const ObjectRef counter = open("HarrowWorkCenter.Counter");
    try {
        simpleSql(counter, GetParam());
        FAIL() << "ran";
    } catch (const ktr::DispatchError &e) {
        EXPECT_EQ(std::string(e.what()).rfind("SimpleSQL refuses the statement", 0), 0u) << e.what();
    }
    // Still served, and nothing was deleted.
    ASSERT_EQ(simpleSql(counter, "SELECT MA003 FROM KTRINTMA WHERE MA001='StartupPortal'").elementCount(), 1);
    const Variant power = open("ReportCounterS.dmReportCounter")
                              .call("GetPower", {Variant::array({Variant::wideText("QaTest60"), Variant::wideText("796"),
                                                                 Variant::wideText("QTXR72"), Variant::wideText("")})});
    EXPECT_EQ(power.at(0), Variant(true));
}

INSTANTIATE_TEST_SUITE_P(Statements, RemoteSimpleSqlRefusal,
                         ::testing::Values("DELETE FROM program_rights",
                                           "SELECT MA003 FROM KTRINTMA WHERE MA001='StartupPortal'; DROP TABLE jobs",
                                           "SELECT params FROM jobs", "PRAGMA writable_schema=1"));

TEST_F(RemoteDataServiceTest, SystemInformationAndValidatorTravel)
{
    const Variant info = open("HarrowWorkCenter.Counter").call("GetSysInfo", {Variant::wideText("QaTest60")});
    ASSERT_EQ(info.dimensions(), 2);
    EXPECT_EQ(info.upperBound(1), 1);

    const ObjectRef validator = open("HarrowWorkCenter.Validator");
    validator.put("ProductID", Variant(std::int32_t{1}));
    std::vector<Variant> args{Variant::wideText("ADMMB"), Variant::wideText("01"), Variant::wideText("QaTest60"),
                              Variant::array({Variant::wideText("QTXR72")}), Variant()};
    EXPECT_EQ(validator.call("CheckValue", std::span(args)), Variant(true));
    ASSERT_TRUE(args[4].isArray()) << "the record comes back through the argument";
    EXPECT_EQ(args[4].at(4).toString(), "Y");
}

TEST(SocketConnectionLoss, ADroppedConnectionRaisesAtTheCaller)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("lost.db"));
    ASSERT_TRUE(ktr::testing::seedDemoDatabase(file));
    ktr::testing::AppServerProcess server(file);
    ASSERT_NE(server.port(), 0) << server.output().toStdString();
    TSocketConnection connection;
    connection.SetAddress(QStringLiteral("127.0.0.1"));
    connection.SetPort(server.port());
    connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    connection.Open();
    const ObjectRef appServer = connection.AppServer();
    ASSERT_EQ(appServer.call("SQLType"), Variant(std::int32_t{0}));

    server.kill();
    try {
        appServer.call("ErrorDescript");
        FAIL() << "answered after the server was gone";
    } catch (const ktr::DispatchError &e) {
        EXPECT_NE(std::string(e.what()).find("was lost"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(connection.Connected());
    EXPECT_FALSE(connection.AppServer());
    try {
        appServer.call("ErrorDescript");
        FAIL() << "answered on a closed connection";
    } catch (const ktr::DispatchError &e) {
        EXPECT_NE(std::string(e.what()).find("Not connected"), std::string::npos) << e.what();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ServerEnvironment); // owned by GoogleTest
    return RUN_ALL_TESTS();
}
