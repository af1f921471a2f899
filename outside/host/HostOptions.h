#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the host is asked to do, from its command line.
struct HostOptions {
    QString pluginPath;
    QString user = "796";
    QString company = "QaTest60";
    QString database = "QaTest60";
    QString extra = "ktr-client";
    bool modal = true;
    bool noWorkCenter = false;
    QString screenshotPath;  // save a picture of the form once it is shown
    int closeAfterMs = -1;   // close the form by itself after this time (headless runs)
    bool submit = false;     // press the form's OK button once it is shown (headless runs)
};

// Parses the arguments; on --help or an error it returns nothing and fills `message` with
// the text to print (usage or the error).
std::optional<HostOptions> parseHostOptions(const QStringList &arguments, QString &message,
                                            bool &isError);
