#include "HostOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

std::optional<HostOptions> parseHostOptions(const QStringList &arguments, QString &message,
                                            bool &isError)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Desktop host of job plug-ins: loads a plug-in, creates its job form with the sign-in\n"
        "context [user, company, database, window handle, extra], shows it, prints every\n"
        "controller event and, when the form is gone, the job's outcome (ResultCode and\n"
        "ResultValue).");
    parser.addHelpOption();
    parser.addOptions({
        {"plugin", "Plug-in library to load (default: QTXR72C.so beside this program).", "path"},
        {"user", "User code (default 796).", "code", "796"},
        {"company", "Company code (default QaTest60).", "code", "QaTest60"},
        {"database", "Database code (default QaTest60).", "code", "QaTest60"},
        {"extra", "Extra host value handed to the form.", "text", "ktr-client"},
        {"modeless", "Show the form modelessly instead of modally."},
        {"no-workcenter", "Do not hand the plug-in a work-center object."},
        {"screenshot", "Save a PNG picture of the form once it is shown.", "file"},
        {"close-after", "Close the form after this many milliseconds.", "ms"},
        {"submit", "Press the form's OK button once it is shown (unattended run)."},
    });
    if (!parser.parse(arguments)) {
        message = parser.errorText() + "\n\n" + parser.helpText();
        isError = true;
        return std::nullopt;
    }
    if (parser.isSet("help")) {
        message = parser.helpText();
        isError = false;
        return std::nullopt;
    }
    HostOptions o;
    o.pluginPath = parser.value("plugin");
    if (o.pluginPath.isEmpty())
        o.pluginPath = QDir(QCoreApplication::applicationDirPath()).filePath("QTXR72C.so");
    o.pluginPath = QFileInfo(o.pluginPath).absoluteFilePath();
    o.user = parser.value("user");
    o.company = parser.value("company");
    o.database = parser.value("database");
    o.extra = parser.value("extra");
    o.modal = !parser.isSet("modeless");
    o.noWorkCenter = parser.isSet("no-workcenter");
    o.screenshotPath = parser.value("screenshot");
    o.submit = parser.isSet("submit");
    if (parser.isSet("close-after")) {
        bool ok = false;
        o.closeAfterMs = parser.value("close-after").toInt(&ok);
        if (!ok || o.closeAfterMs < 0) {
            message = "--close-after needs a number of milliseconds";
            isError = true;
            return std::nullopt;
        }
    }
    return o;
}
