#pragma once

#include <QDateTime>

#include <string>
#include <string_view>

// Alert logs: plain-text files below a "Log" folder, one per log name and period, one line
// per call ("[" time stamp "] " text). Writers never raise; they answer false when the
// folder or the file could not be made or written.

// The log of the shared routines: below the installation folder (GetInstallPath), else
// below the host program's folder. period "M" monthly, "Y" yearly, anything else daily.
bool WriteAlertLog(std::string_view logName, std::string_view text, std::string_view period);
// The updater's log: always below the host program's folder; otherwise as WriteAlertLog.
bool WriteUpdaterAlertLog(std::string_view logName, std::string_view text, std::string_view period);
// The error-report log, daily, below GetGeneratorLogRoot.
bool WriteGeneratorLog(std::string_view text);
// "ClientPath", else "ServerPath" of the registry; else the user's temporary folder; "/tmp"
// when the registry cannot be read. Never empty.
std::string GetGeneratorLogRoot();

namespace ktr {

// The parts of an alert log that depend on the moment, for writing at a given one.
struct AlertLogMoment {
    QDateTime now;
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
};

// "<root>/Log/Alert_<name>_<stamp>[.log]": no ".log" when the log name contains a dot.
std::string alertLogFileName(const std::string &root, std::string_view logName,
                             std::string_view period, const QDate &today);
// "[YYYY/MM/DD hh:nn:ss:zzz] text" with the moment's separators, without the line end.
std::string alertLogLine(const AlertLogMoment &moment, std::string_view text);
// Appends one line (text and "\n") to the file, creating its folder; false on failure.
bool appendLogLine(const std::string &fileName, const std::string &line);
// The whole write of WriteAlertLog below a given root at a given moment.
bool writeAlertLogAt(const std::string &root, std::string_view logName, std::string_view text,
                     std::string_view period, const AlertLogMoment &moment);

// The moment now, with the current locale's separators.
AlertLogMoment currentAlertLogMoment();

} // namespace ktr
