#include "support/AppServerProcess.h"
#include "support/QtxrJob.h"

#include <SocketConnection.h>
#include <SqliteDatabase.h>
#include <WireCodec.h>

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

using ktr::Variant;
namespace wire = ktr::wire;

namespace {

// A raw connection that sends what it is told and collects the replies until the server closes
// it or a bounded wait ends.
class RawClient {
public:
    explicit RawClient(quint16 port)
    {
        m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        m_connected = m_socket.waitForConnected(5000);
    }
    bool connected() const { return m_connected; }

    void send(const wire::Bytes &bytes)
    {
        m_socket.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
        m_socket.waitForBytesWritten(5000);
    }

    // Replies until the server closes the connection (true) or a wait of 5 s without data (false).
    bool readUntilClosed()
    {
        while (m_socket.state() == QAbstractSocket::ConnectedState) {
            if (!m_socket.waitForReadyRead(5000))
                break;
            collect();
        }
        collect();
        return m_socket.state() != QAbstractSocket::ConnectedState;
    }

    // The first whole reply, waiting at most 5 s.
    std::optional<wire::ReplyMessage> firstReply()
    {
        for (int i = 0; i < 50 && m_replies.empty(); ++i) {
            if (!m_socket.waitForReadyRead(100) && m_socket.state() != QAbstractSocket::ConnectedState) {
                collect();
                break;
            }
            collect();
        }
        if (m_replies.empty())
            return std::nullopt;
        return m_replies.front();
    }

    void abort() { m_socket.abort(); }

private:
    void collect()
    {
        const QByteArray data = m_socket.readAll();
        m_reader.feed(std::span(reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())));
        while (auto payload = m_reader.next())
            m_replies.push_back(wire::decodeReply(*payload));
    }

    QTcpSocket m_socket;
    wire::FrameReader m_reader;
    std::vector<wire::ReplyMessage> m_replies;
    bool m_connected = false;
};

wire::Bytes lengthHeader(std::uint32_t length)
{
    return {std::uint8_t(length >> 24), std::uint8_t(length >> 16), std::uint8_t(length >> 8), std::uint8_t(length)};
}

wire::Bytes requestPayload(std::uint32_t id)
{
    wire::CallMessage call;
    call.id = id;
    call.member = "Request";
    call.args = {ktr::testing::qtxr72JobArray()};
    return wire::encodeCall(call);
}

class FrameFuzzTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(ktr::testing::seedDemoDatabase(databaseFile()));
        m_server = std::make_unique<ktr::testing::AppServerProcess>(databaseFile());
        ASSERT_NE(m_server->port(), 0) << m_server->output().toStdString();
        m_witness.SetAddress(QStringLiteral("127.0.0.1"));
        m_witness.SetPort(m_server->port());
        m_witness.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
        m_witness.Open();
    }

    QString databaseFile() const { return m_dir.filePath(QStringLiteral("fuzz.db")); }

    // The connection opened before the attack still works, and so does a new one.
    void expectServerServes()
    {
        ASSERT_TRUE(m_server->running()) << m_server->output().toStdString();
        EXPECT_EQ(m_witness.AppServer().call("SQLType"), Variant(std::int32_t{0}));
        TSocketConnection fresh;
        fresh.SetAddress(QStringLiteral("127.0.0.1"));
        fresh.SetPort(m_server->port());
        fresh.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
        fresh.Open();
        const std::string number = fresh.AppServer().call("Request", {ktr::testing::qtxr72JobArray()}).toString();
        EXPECT_EQ(number.size(), 12u) << number;
    }

    std::int64_t storedJobs()
    {
        ktr::store::Database db(databaseFile().toStdString(), ktr::store::Database::OpenMode::ReadOnly);
        auto q = db.query("SELECT COUNT(*) FROM jobs");
        return q->step() ? q->integer(0) : -1;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<ktr::testing::AppServerProcess> m_server;
    TSocketConnection m_witness;
    std::mt19937 m_random{20240531u};
};

TEST_F(FrameFuzzTest, RandomPayloadsAreRefusedOneConnectionAtATime)
{
    std::uniform_int_distribution<int> length(0, 200);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 150; ++i) {
        wire::Bytes payload(std::size_t(length(m_random)));
        for (auto &b : payload)
            b = std::uint8_t(byte(m_random));
        RawClient client(m_server->port());
        ASSERT_TRUE(client.connected());
        wire::Bytes framed = lengthHeader(std::uint32_t(payload.size()));
        framed.insert(framed.end(), payload.begin(), payload.end());
        client.send(framed);
        const auto reply = client.firstReply();
        ASSERT_TRUE(reply.has_value()) << "case " << i;
        EXPECT_FALSE(reply->ok) << "case " << i;
    }
    expectServerServes();
}

TEST_F(FrameFuzzTest, MalformedCallIsAnsweredWithTheReasonAndClosesOnlyThatConnection)
{
    RawClient client(m_server->port());
    ASSERT_TRUE(client.connected());
    const wire::Bytes garbage{0xff, 0x00, 0x13, 0x37};
    wire::Bytes framed = lengthHeader(std::uint32_t(garbage.size()));
    framed.insert(framed.end(), garbage.begin(), garbage.end());
    client.send(framed);
    const auto reply = client.firstReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->id, 0u);
    EXPECT_EQ(reply->error.rfind("Malformed call: ", 0), 0u) << reply->error;
    EXPECT_TRUE(client.readUntilClosed());
    expectServerServes();
}

TEST_F(FrameFuzzTest, OversizedFrameIsRefusedAtItsHeader)
{
    RawClient client(m_server->port());
    ASSERT_TRUE(client.connected());
    client.send(lengthHeader(0x7fffffffu));
    const auto reply = client.firstReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->error.rfind("Refused frame: ", 0), 0u) << reply->error;
    EXPECT_TRUE(client.readUntilClosed());
    expectServerServes();
}

TEST_F(FrameFuzzTest, TruncatedFramesAndDroppedClientsLeaveTheOthersServed)
{
    const wire::Bytes payload = requestPayload(7);
    std::uniform_int_distribution<std::size_t> cut(0, payload.size() + 3);
    for (int i = 0; i < 60; ++i) {
        RawClient client(m_server->port());
        ASSERT_TRUE(client.connected());
        wire::Bytes framed = lengthHeader(std::uint32_t(payload.size()));
        framed.insert(framed.end(), payload.begin(), payload.end());
        framed.resize(cut(m_random)); // anything from nothing to all but the last bytes
        if (framed.size() >= payload.size() + 4)
            framed.pop_back();
        client.send(framed);
        client.abort();
    }
    expectServerServes();
}

TEST_F(FrameFuzzTest, FlippedBitsOfARealCallNeverStopTheServer)
{
    const wire::Bytes payload = requestPayload(9);
    std::uniform_int_distribution<std::size_t> position(0, payload.size() - 1);
    std::uniform_int_distribution<int> bit(0, 7);
    for (int i = 0; i < 120; ++i) {
        wire::Bytes damaged = payload;
        for (int flips = 0; flips < 1 + i % 4; ++flips)
            damaged[position(m_random)] ^= std::uint8_t(1u << bit(m_random));
        RawClient client(m_server->port());
        ASSERT_TRUE(client.connected());
        wire::Bytes framed = lengthHeader(std::uint32_t(damaged.size()));
        framed.insert(framed.end(), damaged.begin(), damaged.end());
        client.send(framed);
        ASSERT_TRUE(client.firstReply().has_value()) << "case " << i << ": no answer";
    }
    expectServerServes();
}

TEST_F(FrameFuzzTest, ClientLeavingMidCallLosesNoJob)
{
    const std::int64_t before = storedJobs();
    constexpr int kLeavers = 20;
    for (int i = 0; i < kLeavers; ++i) {
        RawClient client(m_server->port());
        ASSERT_TRUE(client.connected());
        wire::CallMessage open;
        open.id = 1;
        open.member = "@OpenServer";
        open.args = {Variant::wideText("ReportCounterS.dmReportCounter")};
        wire::Bytes framed = wire::frame(wire::encodeCall(open));
        const wire::Bytes request = wire::frame(requestPayload(2));
        framed.insert(framed.end(), request.begin(), request.end());
        client.send(framed);
        client.abort(); // gone before the answer
    }
    // The server finishes each call it has read; wait (bounded) until all are stored.
    for (int i = 0; i < 200 && storedJobs() < before + kLeavers; ++i)
        QThread::msleep(25);
    EXPECT_EQ(storedJobs(), before + kLeavers);
    expectServerServes();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
