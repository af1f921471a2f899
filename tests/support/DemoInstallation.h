#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away installation of the suite for tests: the registry file, the client
// configuration naming the in-process server (127.0.0.1) and a demo database seeded by
// ktr-appserver. The environment points at it while the object lives.
class DemoInstallation {
public:
    DemoInstallation();
    ~DemoInstallation();
    bool ok() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath("Data/ktr.db"); }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};
