#include "AppServerCommands.h"

#include <Schema.h>

#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ktr-appserver"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The application server of the QTXR72 job plug-in: takes jobs, keeps condition schemes and "
        "answers rights, over TCP."));
    parser.addHelpOption();
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Address and port to serve, 127.0.0.1:211 unless given (port 0: any free port)."),
                                    QStringLiteral("ADDRESS:PORT"), QStringLiteral("127.0.0.1:211"));
    const QCommandLineOption db(QStringLiteral("db"),
                                QStringLiteral("Database file (default: KTR_DATABASE, else Data/ktr.db "
                                               "in the installation folder)."),
                                QStringLiteral("FILE"));
    const QCommandLineOption initDemo(QStringLiteral("init-demo"),
                                      QStringLiteral("Create the schema and the demonstration data in FILE, then exit."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption dumpJob(QStringLiteral("dump-job"),
                                     QStringLiteral("Print stored job N as JSON, then exit."),
                                     QStringLiteral("N"));
    const QCommandLineOption echo(QStringLiteral("echo"),
                                  QStringLiteral("Send every frame back unchanged (transport measurement)."));
    parser.addOptions({listen, db, initDemo, dumpJob, echo});
    parser.process(app);

    const std::filesystem::path file = parser.isSet(db)
                                           ? std::filesystem::path(parser.value(db).toStdString())
                                           : ktr::store::defaultDatabaseFile();
    if (parser.isSet(initDemo))
        return ktr::appserver::initDemo(parser.value(initDemo).toStdString());
    if (parser.isSet(dumpJob))
        return ktr::appserver::dumpJob(file, parser.value(dumpJob));
    return ktr::appserver::serve(file, parser.value(listen), parser.isSet(echo));
}
