#include "AppServerProcess.h"

#include <QFile>
#include <QRegularExpression>

namespace ktr::testing {

QString binPath(const QString &name)
{
    return QStringLiteral(KTR_BIN_DIR) + QLatin1Char('/') + name;
}

bool seedDemoDatabase(const QString &file)
{
    QProcess seed;
    seed.start(binPath(QStringLiteral("ktr-appserver")), {QStringLiteral("--init-demo"), file});
    return seed.waitForFinished(60000) && seed.exitStatus() == QProcess::NormalExit && seed.exitCode() == 0;
}

AppServerProcess::AppServerProcess(const QString &databaseFile, const QStringList &extraArguments)
    : m_process(std::make_unique<QProcess>())
{
    // The server logs to standard error without end (refused frames, closed connections); a
    // pipe nobody drains would stop it, so the log goes to a file beside the database.
    m_errorLog = databaseFile + QStringLiteral(".stderr.log");
    m_process->setStandardErrorFile(m_errorLog);
    m_process->start(binPath(QStringLiteral("ktr-appserver")),
                     QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--db"),
                                 databaseFile} + extraArguments);
    static const QRegularExpression listening(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    // Bounded: the server prints its port at once or has failed.
    for (int attempt = 0; attempt < 100 && m_port == 0; ++attempt) {
        if (!m_process->waitForReadyRead(100) && m_process->state() == QProcess::NotRunning)
            break;
        m_output += QString::fromLocal8Bit(m_process->readAll());
        if (const QRegularExpressionMatch match = listening.match(m_output); match.hasMatch())
            m_port = quint16(match.captured(1).toUInt());
    }
}

AppServerProcess::~AppServerProcess()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000))
            kill();
    }
}

bool AppServerProcess::running() const
{
    return m_process->state() == QProcess::Running;
}

void AppServerProcess::kill()
{
    m_process->kill();
    m_process->waitForFinished(10000);
}

QString AppServerProcess::output() const
{
    QFile log(m_errorLog);
    const QString errors = log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    return m_output + errors;
}

} // namespace ktr::testing
