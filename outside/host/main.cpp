// ktr-client: the desktop host of job plug-ins.

#include "HostOptions.h"
#include "HostSession.h"

#include "Dialogs.h"
#include "ModalHook.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("ktr-client");
    QTextStream out(stdout);

    QString message;
    bool isError = false;
    const std::optional<HostOptions> options = parseHostOptions(app.arguments(), message, isError);
    if (!options) {
        QTextStream err(stderr);
        (isError ? err : out) << message << Qt::endl;
        return isError ? 2 : 0;
    }
    // Without a screen nobody can answer a message dialog: print it and answer OK.
    std::optional<ktr::platform::ModalHookScope> unattended;
    if (QGuiApplication::platformName() == "offscreen")
        unattended.emplace([&out](const ktr::platform::ModalRequest &r) -> std::optional<int> {
            if (r.kind != ktr::platform::ModalRequest::Kind::MessageDialog)
                return std::nullopt;
            out << "message: " << QString(r.text).replace('\r', ' ') << Qt::endl;
            return mrOk;
        });
    HostSession session(*options, out);
    return session.run();
}
