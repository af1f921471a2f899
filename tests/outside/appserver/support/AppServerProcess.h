#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

namespace ktr::testing {

// The path of a program or library in the build's bin folder.
QString binPath(const QString &name);

// Runs "ktr-appserver --init-demo FILE"; true when it succeeded.
bool seedDemoDatabase(const QString &file);

// A ktr-appserver process on a free loopback port, started in the constructor and ended in
// the destructor. port() is 0 when it did not come up; output() says why.
class AppServerProcess {
public:
    explicit AppServerProcess(const QString &databaseFile, const QStringList &extraArguments = {});
    ~AppServerProcess();

    quint16 port() const { return m_port; }
    bool running() const;
    // What the server printed, standard error included.
    QString output() const;
    // Ends the process at once (SIGKILL) and waits for it.
    void kill();

private:
    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    QString m_output;
    QString m_errorLog;
};

} // namespace ktr::testing
