#include <ClientDataSet.h>
#include <SocketConnection.h>
#include <WireCodec.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <future>
#include <thread>

using ktr::ObjectRef;
using ktr::Variant;

namespace ktr {
inline void PrintTo(const Variant &value, std::ostream *os)
{
    *os << value.debugString();
}
} // namespace ktr

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

// A server object handed to the connection in-process, answering ProviderRows with a fixed
// table and recording every call it gets.
class FakeServer : public ktr::DispatchObject {
public:
    explicit FakeServer(Variant answer) : m_answer(std::move(answer))
    {
        addMethod("ProviderRows", [this](std::span<Variant> args) {
            calls.push_back("ProviderRows(" + args[0].toString() + ")");
            if (m_answer.isEmpty())
                throw ktr::DispatchError("provider failed");
            return m_answer;
        });
    }
    std::vector<std::string> calls;

private:
    Variant m_answer;
};

Variant schemeRow(const char *name, const char *creator, const char *values)
{
    return Variant::array({w(name), w(creator), w("QTXR72"), w("sp01.style;"), w(values), w("20240531")});
}

Variant schemeTable()
{
    return Variant::array({Variant::array({w("NCONDITION"), w("CREATOR"), w("PROGRAMME"), w("SCONDITION"),
                                           w("VCONDITION"), w("CREATE_DATE")}),
                           Variant::array({schemeRow("July", "796", "v-july"), schemeRow("August", "796", "v-aug"),
                                           schemeRow("July", "801", "v-july-801"),
                                           schemeRow("年度调整", "796", "v-year")})});
}

std::string errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::exception &e) {
        return e.what();
    }
    return "(no error)";
}

class ClientDataSetTest : public ::testing::Test {
protected:
    void SetUp() override { useAnswer(schemeTable()); }

    void useAnswer(Variant answer)
    {
        m_server = new FakeServer(std::move(answer));
        m_connection.SetAppServer(ObjectRef(m_server));
        m_dataSet.setObjectName(QStringLiteral("ClientDataSet1"));
        m_dataSet.SetProviderName(QStringLiteral("pvdConSave"));
        m_dataSet.SetRemoteServer(&m_connection);
    }

    QString field(const char *name) const { return m_dataSet.FieldByName(QString::fromUtf8(name)).AsString(); }

    TSocketConnection m_connection;
    TClientDataSet m_dataSet;
    FakeServer *m_server = nullptr; // owned by the connection's reference
};

TEST_F(ClientDataSetTest, WalksTheRecordsInProviderOrder)
{
    m_dataSet.Open();
    EXPECT_TRUE(m_dataSet.Active());
    ASSERT_EQ(m_dataSet.RecordCount(), 4);
    QStringList names;
    for (m_dataSet.First(); !m_dataSet.Eof(); m_dataSet.Next())
        names << field("NCONDITION");
    EXPECT_EQ(names, (QStringList{"July", "August", "July", QStringLiteral("年度调整")}));
    EXPECT_EQ(m_dataSet.RecNo(), 4) << "Next at the last record stays there";
    m_dataSet.Prior();
    EXPECT_EQ(m_dataSet.RecNo(), 3);
    m_dataSet.First();
    m_dataSet.Prior();
    EXPECT_TRUE(m_dataSet.Bof());
    EXPECT_EQ(m_server->calls, std::vector<std::string>{"ProviderRows(pvdConSave)"});
}

TEST_F(ClientDataSetTest, IndexOrdersTheRecordsAndFindKeyComparesExactly)
{
    m_dataSet.AddIndex(QStringLiteral("Index1"), QStringLiteral("NCONDITION;CREATOR;PROGRAMME"));
    m_dataSet.SetIndexName(QStringLiteral("Index1"));
    m_dataSet.Open();
    EXPECT_EQ(field("NCONDITION"), QStringLiteral("August"));

    ASSERT_TRUE(m_dataSet.FindKey({w("July"), w("801"), w("QTXR72")}));
    EXPECT_EQ(field("VCONDITION"), QStringLiteral("v-july-801"));
    ASSERT_TRUE(m_dataSet.FindKey({w("年度调整"), w("796"), w("QTXR72")}));
    EXPECT_EQ(field("VCONDITION"), QStringLiteral("v-year"));

    EXPECT_FALSE(m_dataSet.FindKey({w("july"), w("796"), w("QTXR72")})) << "letter case counts";
    EXPECT_EQ(field("VCONDITION"), QStringLiteral("v-year")) << "a failed FindKey leaves the cursor";
    ASSERT_TRUE(m_dataSet.FindKey({w("July")})) << "a partial key uses the first fields";
    EXPECT_EQ(field("CREATOR"), QStringLiteral("796"));
}

TEST_F(ClientDataSetTest, LocalChangeIsNotSentBack)
{
    m_dataSet.SetIndexFieldNames(QStringLiteral("NCONDITION;CREATOR;PROGRAMME"));
    m_dataSet.Open();
    ASSERT_TRUE(m_dataSet.FindKey({w("August"), w("796"), w("QTXR72")}));
    m_dataSet.FieldByName(QStringLiteral("NCONDITION")).SetAsString(QStringLiteral("September"));
    EXPECT_TRUE(m_dataSet.FindKey({w("September"), w("796"), w("QTXR72")}));
    EXPECT_FALSE(m_dataSet.FindKey({w("August"), w("796"), w("QTXR72")}));

    m_dataSet.Close();
    m_dataSet.Open();
    EXPECT_TRUE(m_dataSet.FindKey({w("August"), w("796"), w("QTXR72")})) << "the provider still has it";
    EXPECT_EQ(m_server->calls.size(), 2u) << "only reads reached the server";
}

TEST_F(ClientDataSetTest, TextHandlersAndLabelsOfDeclaredFieldsOutliveOpenAndClose)
{
    TField &name = m_dataSet.AddField(QStringLiteral("NCONDITION"));
    name.SetDisplayLabel(QStringLiteral("方案名称"));
    std::vector<bool> displayFlags;
    name.OnGetText = [&](const TField &, QString &text, bool displayText) {
        displayFlags.push_back(displayText);
        text = QLatin1Char('[') + text + QLatin1Char(']');
    };
    QString entered;
    name.OnSetText = [&](TField &sender, const QString &text) {
        entered = text;
        sender.SetAsString(text.toUpper());
    };
    for (int round = 0; round < 2; ++round) {
        m_dataSet.Open();
        TField &f = m_dataSet.FieldByName(QStringLiteral("ncondition"));
        EXPECT_EQ(&f, &name);
        EXPECT_EQ(f.DisplayLabel(), QStringLiteral("方案名称"));
        EXPECT_EQ(f.AsString(), QStringLiteral("July"));
        EXPECT_EQ(f.Text(), QStringLiteral("[July]"));
        EXPECT_EQ(f.DisplayText(), QStringLiteral("[July]"));
        f.SetText(QStringLiteral("renamed"));
        EXPECT_EQ(entered, QStringLiteral("renamed"));
        EXPECT_EQ(f.AsString(), QStringLiteral("RENAMED"));
        m_dataSet.Close();
    }
    EXPECT_EQ(displayFlags, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(m_dataSet.FieldByName(QStringLiteral("CREATOR")).DisplayLabel(), QStringLiteral("CREATOR"));
    EXPECT_TRUE(m_dataSet.FieldByName(QStringLiteral("CREATOR")).IsStringField());
}

struct DataSetErrorCase {
    const char *name;
    std::function<void(TClientDataSet &)> action;
    const char *expected;
};

class ClientDataSetRefusal : public ClientDataSetTest, public ::testing::WithParamInterface<DataSetErrorCase> {};

TEST_P(ClientDataSetRefusal, SaysWhatCannotBeDone)
{
    EXPECT_EQ(errorOf([&] { GetParam().action(m_dataSet); }), GetParam().expected);
}

const DataSetErrorCase kDataSetErrors[] = {
    {"CountWhileClosed", [](TClientDataSet &d) { d.RecordCount(); },
     "ClientDataSet1: cannot count records on a closed data set"},
    {"ReadFieldWhileClosed", [](TClientDataSet &d) { d.AddField(QStringLiteral("X")).AsString(); },
     "ClientDataSet1: cannot read a field on a closed data set"},
    {"UnknownField",
     [](TClientDataSet &d) {
         d.Open();
         d.FieldByName(QStringLiteral("NAME"));
     },
     "ClientDataSet1: field 'NAME' not found"},
    {"UnknownIndex", [](TClientDataSet &d) { d.SetIndexName(QStringLiteral("Index9")); },
     "ClientDataSet1: no index named Index9"},
    {"FindKeyWithoutIndex",
     [](TClientDataSet &d) {
         d.Open();
         d.FindKey({w("July")});
     },
     "ClientDataSet1: FindKey needs an index"},
    {"FieldAddedWhileOpen",
     [](TClientDataSet &d) {
         d.Open();
         d.AddField(QStringLiteral("EXTRA"));
     },
     "ClientDataSet1: fields cannot be added to an open data set"},
    {"NoRemoteServer",
     [](TClientDataSet &d) {
         d.SetRemoteServer(nullptr);
         d.Open();
     },
     "ClientDataSet1: no remote server to read from"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ClientDataSetRefusal, ::testing::ValuesIn(kDataSetErrors),
                         [](const auto &info) { return std::string(info.param.name); });

struct AnswerCase {
    const char *name;
    Variant answer;
    const char *expected;
};

class ProviderAnswer : public ClientDataSetTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ProviderAnswer, ThatIsNoTableIsRefused)
{
    useAnswer(GetParam().answer);
    EXPECT_EQ(errorOf([&] { m_dataSet.Open(); }), GetParam().expected);
    EXPECT_FALSE(m_dataSet.Active());
}

const AnswerCase kAnswers[] = {
    {"Text", w("rows"),
     "ClientDataSet1: provider pvdConSave answered no table (not a pair of field names and rows)"},
    {"RowsNotAList", Variant::array({Variant::array({w("A")}), w("x")}),
     "ClientDataSet1: provider pvdConSave answered no table (field names or rows are not lists)"},
    {"NumberAsFieldName", Variant::array({Variant::array({Variant(std::int32_t{1})}), Variant::array({})}),
     "ClientDataSet1: provider pvdConSave answered no table (a field name is not a text)"},
    {"ShortRow", Variant::array({Variant::array({w("A"), w("B")}), Variant::array({Variant::array({w("a")})})}),
     "ClientDataSet1: provider pvdConSave answered no table (a row does not have one value per field)"},
    {"ServerFails", Variant(), "provider failed"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProviderAnswer, ::testing::ValuesIn(kAnswers),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SocketConnection, HandedServerIsTheAppServerWithoutASocket)
{
    TSocketConnection connection;
    EXPECT_FALSE(connection.AppServer());
    const ObjectRef local(new FakeServer(schemeTable()));
    connection.SetAppServer(local);
    EXPECT_EQ(connection.AppServer(), local);
    EXPECT_FALSE(connection.Connected());
    connection.Close();
    EXPECT_EQ(connection.AppServer(), local) << "closing the socket keeps the in-process server";
    connection.SetAppServer({});
    EXPECT_FALSE(connection.AppServer());
}

struct OpenCase {
    const char *name;
    const char *address;
    int port;
    const char *serverName;
    const char *expected;
};

class OpenRefused : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenRefused, BeforeAnySocketIsOpened)
{
    TSocketConnection connection;
    connection.SetAddress(QString::fromUtf8(GetParam().address));
    connection.SetPort(GetParam().port);
    connection.SetServerName(QString::fromUtf8(GetParam().serverName));
    EXPECT_EQ(errorOf([&] { connection.Open(); }), GetParam().expected);
    EXPECT_FALSE(connection.Connected());
}

const OpenCase kOpenCases[] = {
    {"NoAddress", " ", 211, "ReportCounterS.dmReportCounter", "The connection to the application server has no address"},
    {"NoServerName", "127.0.0.1", 211, "", "The connection to the application server has no server name"},
    {"PortZero", "127.0.0.1", 0, "ReportCounterS.dmReportCounter",
     "The port of the application server must be 1 to 65535, not 0"},
};

INSTANTIATE_TEST_SUITE_P(Cases, OpenRefused, ::testing::ValuesIn(kOpenCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A loopback port nobody listens on.
quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

TEST(SocketConnection, NobodyListeningRaisesCannotConnect)
{
    TSocketConnection connection;
    const quint16 port = closedPort();
    connection.SetAddress(QStringLiteral("127.0.0.1"));
    connection.SetPort(port);
    connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    const std::string error = errorOf([&] { connection.Open(); });
    EXPECT_EQ(error.rfind("Cannot connect to the application server at 127.0.0.1:" + std::to_string(port) + ": ", 0), 0u)
        << error;
    EXPECT_FALSE(connection.Connected());
}

TEST(SocketConnection, SilentServerRunsIntoTheCallTimeout)
{
    QTcpServer silent; // the kernel accepts; nobody ever answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    TSocketConnection connection;
    connection.SetAddress(QStringLiteral("127.0.0.1"));
    connection.SetPort(silent.serverPort());
    connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    connection.SetCallTimeout(100);
    EXPECT_EQ(errorOf([&] { connection.Open(); }),
              "The application server at 127.0.0.1:" + std::to_string(silent.serverPort()) +
                  " did not answer within 100 ms");
    EXPECT_FALSE(connection.Connected());
}

// A server in its own thread that answers each call with the reply `answer` builds from it.
class ScriptedServer {
public:
    using Answer = std::function<ktr::wire::Bytes(const ktr::wire::CallMessage &)>;

    explicit ScriptedServer(Answer answer)
    {
        std::promise<quint16> port;
        std::future<quint16> listening = port.get_future();
        m_thread = std::thread([answer, port = std::move(port)]() mutable { serve(answer, port); });
        m_port = listening.get();
    }
    ~ScriptedServer() { m_thread.join(); }
    quint16 port() const { return m_port; }

private:
    static void serve(const Answer &answer, std::promise<quint16> &port)
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        port.set_value(server.serverPort());
        if (!server.waitForNewConnection(5000))
            return;
        std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        ktr::wire::FrameReader reader;
        // Bounded: the client makes a few calls and leaves.
        for (int reads = 0; reads < 50 && socket->waitForReadyRead(5000); ++reads) {
            const QByteArray data = socket->readAll();
            reader.feed(std::span(reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())));
            while (auto payload = reader.next()) {
                const ktr::wire::Bytes reply = ktr::wire::frame(answer(ktr::wire::decodeCall(*payload)));
                socket->write(reinterpret_cast<const char *>(reply.data()), qint64(reply.size()));
                socket->waitForBytesWritten(5000);
            }
        }
    }

    quint16 m_port = 0;
    std::thread m_thread;
};

ktr::wire::Bytes okReply(std::uint32_t id, Variant result, std::vector<Variant> args = {})
{
    ktr::wire::ReplyMessage reply;
    reply.id = id;
    reply.result = std::move(result);
    reply.args = std::move(args);
    return ktr::wire::encodeReply(reply);
}

TEST(SocketConnection, AnswerOfAnotherCallClosesTheConnection)
{
    ScriptedServer server([](const ktr::wire::CallMessage &call) {
        return okReply(call.member == "@OpenServer" ? call.id : call.id + 5, Variant());
    });
    TSocketConnection connection;
    connection.SetAddress(QStringLiteral("127.0.0.1"));
    connection.SetPort(server.port());
    connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    connection.Open();
    const std::string error = errorOf([&] { connection.AppServer().call("SQLType"); });
    EXPECT_EQ(error, "The application server at 127.0.0.1:" + std::to_string(server.port()) +
                         " answered call 7 instead of 2");
    EXPECT_FALSE(connection.Connected());
}

TEST(SocketConnection, ArgumentsChangedByTheServerAreWrittenBack)
{
    ScriptedServer server([](const ktr::wire::CallMessage &call) {
        if (call.member != "UpdateStatus1")
            return okReply(call.id, Variant());
        std::vector<Variant> args = call.args;
        args[0] = w("202405310001");
        return okReply(call.id, Variant(), args);
    });
    TSocketConnection connection;
    connection.SetAddress(QStringLiteral("127.0.0.1"));
    connection.SetPort(server.port());
    connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    connection.Open();
    std::vector<Variant> args{w("ERROR"), w("log"), Variant::date(45443)};
    connection.AppServer().call("UpdateStatus1", std::span(args));
    EXPECT_EQ(args[0], w("202405310001"));
    EXPECT_EQ(args[1], w("log"));
    connection.AppServer().call("ErrorDescript", std::span<Variant>());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
