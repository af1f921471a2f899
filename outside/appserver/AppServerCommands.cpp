#include "AppServerCommands.h"

#include "CallDispatcher.h"
#include "FrameServer.h"
#include "JobDump.h"
#include "ListenAddress.h"
#include "QuitOnSignal.h"
#include "ReportCounter.h"
#include "ServedClasses.h"
#include "ServerStorage.h"

#include <DemoData.h>
#include <Schema.h>
#include <WalCheckpointer.h>

#include <QCoreApplication>
#include <QJsonDocument>

#include <malloc.h>

#include <cstdio>

namespace ktr::appserver {

namespace {

void printLine(std::FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

QString pathText(const std::filesystem::path &file)
{
    return QString::fromStdString(file.string());
}

} // namespace

int initDemo(const std::filesystem::path &file)
{
    try {
        const std::shared_ptr<store::Database> db = store::openStore(file);
        store::seedDemo(*db);
        printLine(stdout, QStringLiteral("Demonstration data written to %1").arg(pathText(file)));
        return 0;
    } catch (const std::exception &e) {
        printLine(stderr, QStringLiteral("Cannot write the demonstration data: %1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
}

int dumpJob(const std::filesystem::path &file, const QString &number)
{
    try {
        if (!std::filesystem::exists(file)) {
            printLine(stderr, QStringLiteral("There is no database %1").arg(pathText(file)));
            return 1;
        }
        auto db = std::make_shared<store::Database>(file, store::Database::OpenMode::ReadOnly);
        JobStore jobs(db);
        const std::optional<StoredJob> job = jobs.load(number.toStdString());
        if (!job) {
            printLine(stderr, QStringLiteral("There is no job %1 in %2").arg(number, pathText(file)));
            return 1;
        }
        std::fputs(QJsonDocument(jobToJson(*job)).toJson(QJsonDocument::Indented).constData(), stdout);
        std::fflush(stdout);
        return 0;
    } catch (const std::exception &e) {
        printLine(stderr, QStringLiteral("Cannot read job %1: %2").arg(number, QString::fromUtf8(e.what())));
        return 1;
    }
}

int serve(const std::filesystem::path &file, const QString &listen, bool echo)
{
    const std::optional<ListenAddress> where = parseListenAddress(listen);
    if (!where) {
        printLine(stderr, QStringLiteral("Not an ADDRESS:PORT to listen on: %1").arg(listen));
        return 2;
    }
    std::shared_ptr<ServerStorage> storage;
    std::unique_ptr<store::WalCheckpointer> checkpointer;
    FrameHandlerFactory handlers = [] { return std::make_unique<EchoHandler>(); };
    if (!echo) {
        try {
            storage = ServerStorage::open(file);
            // Checkpoints run beside the request path; the writer's own are only a safety net
            // for a log that the background ones cannot keep up with.
            storage->db->exec("PRAGMA wal_autocheckpoint=20000");
            checkpointer = std::make_unique<store::WalCheckpointer>(file, std::chrono::seconds(1));
        } catch (const std::exception &e) {
            printLine(stderr, QStringLiteral("Cannot open the database %1: %2")
                                  .arg(pathText(file), QString::fromUtf8(e.what())));
            return 1;
        }
        handlers = [storage] {
            return std::make_unique<CallDispatcher>(
                [storage](std::string_view className) { return createServedObject(className, storage); });
        };
    }
    // Every stored job allocates and frees SQLite's transaction buffers; glibc would give the
    // heap top back to the system after each one and take it again for the next.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TOP_PAD, 4 * 1024 * 1024);

    FrameServer server(handlers);
    if (!server.listen(where->address, where->port)) {
        printLine(stderr, QStringLiteral("Cannot listen on %1: %2").arg(listen, server.errorString()));
        return 1;
    }
    QuitOnSignal quitOnSignal;
    printLine(stdout, QStringLiteral("ktr-appserver listening on %1:%2 (%3)")
                          .arg(server.serverAddress().toString())
                          .arg(server.serverPort())
                          .arg(echo ? QStringLiteral("echo, no database")
                                    : QStringLiteral("database %1").arg(pathText(file))));
    return QCoreApplication::exec();
}

} // namespace ktr::appserver
