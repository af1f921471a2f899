// Request round trips over loopback TCP against ktr-appserver, measured against the floor of the
// same transport: the same call frame sent to a ktr-appserver in echo mode, which sends every
// frame back unchanged. Both servers are real processes; the client is the plug-in's socket
// connection.

#include "BenchMedians.h"
#include "QtxrJob.h"

#include <SocketConnection.h>
#include <WireCodec.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

QString serverProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ktr-appserver");
}

// A ktr-appserver on a free loopback port for the life of the object.
class ServerProcess {
public:
    ServerProcess(const QString &database, const QStringList &extra)
    {
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(serverProgram(), QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                                                     QStringLiteral("--db"), database} + extra);
        static const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        QString output;
        for (int attempt = 0; attempt < 100 && m_port == 0; ++attempt) {
            if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning)
                break;
            output += QString::fromLocal8Bit(m_process.readAll());
            if (const auto match = listening.match(output); match.hasMatch())
                m_port = quint16(match.captured(1).toUInt());
        }
    }
    ~ServerProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    quint16 port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<ServerProcess> server;
    std::unique_ptr<ServerProcess> echo;
    ktr::Variant job = ktr::testing::qtxr72JobArray();

    bool start()
    {
        const QString db = dir.filePath(QStringLiteral("bench.db"));
        QProcess seed;
        seed.start(serverProgram(), {QStringLiteral("--init-demo"), db});
        if (!seed.waitForFinished(60000) || seed.exitCode() != 0)
            return false;
        server = std::make_unique<ServerProcess>(db, QStringList{});
        echo = std::make_unique<ServerProcess>(db, QStringList{QStringLiteral("--echo")});
        return server->port() && echo->port();
    }
};

Fixture *g_fixture = nullptr;

std::unique_ptr<TSocketConnection> connectTo(quint16 port)
{
    auto connection = std::make_unique<TSocketConnection>();
    connection->SetAddress(QStringLiteral("127.0.0.1"));
    connection->SetPort(port);
    connection->SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    connection->Open();
    return connection;
}

void BM_RequestRoundTrip(benchmark::State &state)
{
    const auto connection = connectTo(g_fixture->server->port());
    const ktr::ObjectRef server = connection->AppServer();
    for (auto _ : state) {
        const ktr::Variant answer = server.call("Request", {g_fixture->job});
        if (answer.toString() == "ERROR") {
            state.SkipWithError("the server refused the job");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EchoRoundTrip(benchmark::State &state)
{
    const auto connection = connectTo(g_fixture->echo->port());
    ktr::wire::CallMessage call;
    call.id = 2;
    call.member = "Request";
    call.args = {g_fixture->job};
    const ktr::wire::Bytes payload = ktr::wire::encodeCall(call);
    for (auto _ : state) {
        const ktr::wire::Bytes back = connection->Exchange(payload);
        if (back.size() != payload.size()) {
            state.SkipWithError("the echo differs");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["frame_bytes"] = double(payload.size() + 4);
}

// Repetitions, interleaved at random (see main), so that a change of the machine's load falls
// on both measurements alike; the ratio is taken of the medians.
BENCHMARK(BM_RequestRoundTrip)->MinTime(0.5)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_EchoRoundTrip)->MinTime(0.5)->Repetitions(7)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ktr::bench::initializeInterleaved(argc, argv);
    Fixture fixture;
    if (!fixture.start()) {
        std::fprintf(stderr, "The servers did not start (%s)\n", qPrintable(serverProgram()));
        return 1;
    }
    g_fixture = &fixture;
    ktr::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double request = reporter.median("BM_RequestRoundTrip").counters["items_per_second"];
    const double echo = reporter.median("BM_EchoRoundTrip").counters["items_per_second"];
    if (request > 0 && echo > 0)
        std::printf("\nMedians: Request round trips %.0f/s, echo of the same frame %.0f/s, ratio %.2f (target 0.50)\n",
                    request, echo, request / echo);
    g_fixture = nullptr;
    benchmark::Shutdown();
    return 0;
}
