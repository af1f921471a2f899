#include "AlertLog.h"

#include "HostEnvironment.h"
#include "KeelhavenINI.h"
#include "Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <exception>

namespace {

std::string logFolder(const std::string &root)
{
    return ktr::joinPath(ktr::withSlashes(root), "Log");
}

std::string periodStamp(std::string_view period, const QDate &today)
{
    if (period == "M")
        return today.toString(QStringLiteral("yyyyMM")).toStdString();
    if (period == "Y")
        return today.toString(QStringLiteral("yyyy")).toStdString();
    return today.toString(QStringLiteral("yyyyMMdd")).toStdString();
}

std::string rootOrExecutableFolder(std::string root)
{
    return root.empty() ? ktr::hostExecutableFolder() : root;
}

} // namespace

namespace ktr {

std::string alertLogFileName(const std::string &root, std::string_view logName,
                             std::string_view period, const QDate &today)
{
    std::string name = "Alert_" + std::string(logName) + "_" + periodStamp(period, today);
    if (logName.find('.') == std::string_view::npos)
        name += ".log";
    return joinPath(logFolder(root), name);
}

std::string alertLogLine(const AlertLogMoment &moment, std::string_view text)
{
    const QDate date = moment.now.date();
    const QTime time = moment.now.time();
    char stamp[96];
    std::snprintf(stamp, sizeof stamp, "%04d%s%02d%s%02d %02d%s%02d%s%02d%s%03d", date.year(),
                  moment.dateSeparator.c_str(), date.month(), moment.dateSeparator.c_str(),
                  date.day(), time.hour(), moment.timeSeparator.c_str(), time.minute(),
                  moment.timeSeparator.c_str(), time.second(), moment.timeSeparator.c_str(),
                  time.msec());
    return "[" + std::string(stamp) + "] " + std::string(text);
}

bool appendLogLine(const std::string &fileName, const std::string &line)
{
    try {
        const QString path = QString::fromStdString(fileName);
        const QString folder = QFileInfo(path).path();
        if (!QDir().mkpath(folder))
            return false;
        // Unbuffered append: the line reaches the file in one write, so that writers of
        // other processes see whole lines.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return false;
        const std::string withEnd = line + "\n";
        const qint64 written = file.write(withEnd.data(), qint64(withEnd.size()));
        file.close();
        return written == qint64(withEnd.size()) && file.error() == QFileDevice::NoError;
    } catch (const std::exception &) {
        return false;
    }
}

bool writeAlertLogAt(const std::string &root, std::string_view logName, std::string_view text,
                     std::string_view period, const AlertLogMoment &moment)
{
    try {
        return appendLogLine(alertLogFileName(root, logName, period, moment.now.date()),
                             alertLogLine(moment, text));
    } catch (const std::exception &) {
        return false;
    }
}

AlertLogMoment currentAlertLogMoment()
{
    return {QDateTime::currentDateTime(), localeDateSeparator(), localeTimeSeparator()};
}

} // namespace ktr

bool WriteAlertLog(std::string_view logName, std::string_view text, std::string_view period)
{
    try {
        return ktr::writeAlertLogAt(rootOrExecutableFolder(GetInstallPath()), logName, text,
                                    period, ktr::currentAlertLogMoment());
    } catch (const std::exception &) {
        return false;
    }
}

bool WriteUpdaterAlertLog(std::string_view logName, std::string_view text, std::string_view period)
{
    try {
        return ktr::writeAlertLogAt(ktr::hostExecutableFolder(), logName, text, period,
                                    ktr::currentAlertLogMoment());
    } catch (const std::exception &) {
        return false;
    }
}

std::string GetGeneratorLogRoot()
{
    try {
        ktr::RegistryKey::OpenResult result = ktr::RegistryKey::OpenResult::Opened;
        const auto key = ktr::RegistryKey::openReadOnly("Software\\KTR\\Keelhaven", &result);
        if (result == ktr::RegistryKey::OpenResult::Unreadable)
            return "/tmp";
        std::string root;
        if (key) {
            root = key->readString("ClientPath");
            if (root.empty())
                root = key->readString("ServerPath");
        }
        if (root.empty())
            root = ktr::userTempFolder();
        return root.empty() ? std::string("/tmp") : root;
    } catch (const std::exception &) {
        return "/tmp";
    }
}

bool WriteGeneratorLog(std::string_view text)
{
    try {
        const QDateTime now = QDateTime::currentDateTime();
        const QLocale locale = QLocale::system();
        const std::string stamp = (locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                                   + locale.toString(now.time(), QLocale::LongFormat))
                                      .toStdString();
        const std::string fileName = ktr::joinPath(
            logFolder(GetGeneratorLogRoot()),
            "Alert_TRELLGenerator_" + now.date().toString(QStringLiteral("yyyyMMdd")).toStdString() + ".log");
        return ktr::appendLogLine(fileName, "[" + stamp + "] " + std::string(text));
    } catch (const std::exception &) {
        return false;
    }
}
