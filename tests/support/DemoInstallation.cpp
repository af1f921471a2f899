#include "DemoInstallation.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cstdlib>

namespace {

bool writeText(const QString &path, const QString &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

} // namespace

DemoInstallation::DemoInstallation()
{
    const QString root = m_dir.path();
    QDir(root).mkpath("Data");
    QDir(root).mkpath("Log");
    m_ok = writeText(root + "/registry.ini",
                     "[Software\\KTR\\Keelhaven]\nClientPath=" + root + "\nServerPath=" + root + "\n") &&
           writeText(root + "/KeelhavenC.ini",
                     "[Server Information]\nComputerName=127.0.0.1\nServerPort=211\n"
                     "[CodePage]\nUICodePage=936\nDBCodePage=936\n") &&
           QProcess::execute(QStringLiteral(KTR_BIN_DIR "/ktr-appserver"),
                             {"--init-demo", databasePath()}) == 0;
    setenv("KTR_REGISTRY", (root + "/registry.ini").toLocal8Bit().constData(), 1);
    setenv("KTR_DATABASE", databasePath().toLocal8Bit().constData(), 1);
}

DemoInstallation::~DemoInstallation()
{
    unsetenv("KTR_REGISTRY");
    unsetenv("KTR_DATABASE");
}
