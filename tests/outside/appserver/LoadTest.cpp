#include "support/AppServerProcess.h"
#include "support/QtxrJob.h"

#include <JobStore.h>
#include <SocketConnection.h>
#include <SqliteDatabase.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

using ktr::Variant;

namespace {

constexpr int kClients = 8;
constexpr int kJobsPerClient = 500;

// One client thread: its own connection, submitting jobs until done or the server is gone.
struct ClientResult {
    std::vector<std::string> numbers; // answers that were job numbers
    int refused = 0;
    std::string lostWith; // the error that ended the run early
};

ClientResult submitJobs(quint16 port, int client, int count, std::atomic<int> &answered)
{
    ClientResult result;
    try {
        TSocketConnection connection;
        connection.SetAddress(QStringLiteral("127.0.0.1"));
        connection.SetPort(port);
        connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
        connection.Open();
        const ktr::ObjectRef server = connection.AppServer();
        for (int i = 0; i < count; ++i) {
            const Variant job = ktr::testing::qtxr72JobArray(
                {.remark = "client " + std::to_string(client) + " job " + std::to_string(i)});
            const std::string answer = server.call("Request", {job}).toString();
            if (answer == "ERROR")
                ++result.refused;
            else
                result.numbers.push_back(answer);
            ++answered;
        }
    } catch (const ktr::DispatchError &e) {
        result.lostWith = e.what();
    }
    return result;
}

std::set<std::string> storedNumbers(const QString &file)
{
    ktr::store::Database db(file.toStdString(), ktr::store::Database::OpenMode::ReadOnly);
    std::set<std::string> numbers;
    auto q = db.query("SELECT job_no FROM jobs");
    while (q->step())
        numbers.insert(q->text(0));
    return numbers;
}

class LoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(ktr::testing::seedDemoDatabase(databaseFile()));
    }
    QString databaseFile() const { return m_dir.filePath(QStringLiteral("load.db")); }

    std::vector<ClientResult> runClients(quint16 port, std::atomic<int> &answered,
                                         const std::function<void()> &meanwhile = {})
    {
        std::vector<ClientResult> results(kClients);
        std::vector<std::thread> threads;
        for (int c = 0; c < kClients; ++c)
            threads.emplace_back([&, c] { results[std::size_t(c)] = submitJobs(port, c, kJobsPerClient, answered); });
        if (meanwhile)
            meanwhile();
        for (std::thread &t : threads)
            t.join();
        return results;
    }

    QTemporaryDir m_dir;
};

TEST_F(LoadTest, EightClientsSubmittingConcurrentlyGetDistinctNumbersStoredOnce)
{
    ktr::testing::AppServerProcess server(databaseFile());
    ASSERT_NE(server.port(), 0) << server.output().toStdString();
    std::atomic<int> answered{0};
    const std::vector<ClientResult> results = runClients(server.port(), answered);

    std::set<std::string> numbers;
    std::size_t answers = 0;
    for (const ClientResult &r : results) {
        EXPECT_EQ(r.lostWith, "");
        EXPECT_EQ(r.refused, 0);
        answers += r.numbers.size();
        numbers.insert(r.numbers.begin(), r.numbers.end());
    }
    EXPECT_EQ(answers, std::size_t(kClients * kJobsPerClient));
    EXPECT_EQ(numbers.size(), answers) << "a number was given twice";
    EXPECT_EQ(storedNumbers(databaseFile()), numbers) << "every answered job stored once, nothing else";
}

TEST_F(LoadTest, KilledDuringABurstTheServerKeepsEveryJobItAnswered)
{
    std::vector<ClientResult> results;
    {
        ktr::testing::AppServerProcess server(databaseFile());
        ASSERT_NE(server.port(), 0) << server.output().toStdString();
        std::atomic<int> answered{0};
        results = runClients(server.port(), answered, [&] {
            // Bounded wait for the burst to be well under way, then SIGKILL.
            for (int i = 0; i < 3000 && answered.load() < 1000; ++i)
                QThread::msleep(5);
            server.kill();
        });
    }
    std::set<std::string> answeredNumbers;
    int clientsCutOff = 0;
    for (const ClientResult &r : results) {
        answeredNumbers.insert(r.numbers.begin(), r.numbers.end());
        clientsCutOff += r.lostWith.empty() ? 0 : 1;
    }
    ASSERT_GE(answeredNumbers.size(), 1000u);
    EXPECT_GT(clientsCutOff, 0) << "the kill came after the burst";

    ktr::testing::AppServerProcess restarted(databaseFile());
    ASSERT_NE(restarted.port(), 0) << restarted.output().toStdString();
    const std::set<std::string> stored = storedNumbers(databaseFile());
    for (const std::string &number : answeredNumbers)
        EXPECT_TRUE(stored.count(number)) << number << " was answered but is gone";

    // A job of the last answered batch is whole, and the restarted server numbers on.
    auto db = std::make_shared<ktr::store::Database>(databaseFile().toStdString(),
                                                     ktr::store::Database::OpenMode::ReadOnly);
    const auto last = ktr::appserver::JobStore(db).load(*answeredNumbers.rbegin());
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->params.at(2).at(8).toString().rfind("client ", 0), 0u);

    TSocketConnection connection;
    connection.SetAddress(QStringLiteral("127.0.0.1"));
    connection.SetPort(restarted.port());
    connection.SetServerName(QStringLiteral("ReportCounterS.dmReportCounter"));
    connection.Open();
    const std::string next = connection.AppServer().call("Request", {ktr::testing::qtxr72JobArray()}).toString();
    EXPECT_EQ(stored.count(next), 0u);
    EXPECT_GT(next, *stored.rbegin());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
