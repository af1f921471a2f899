#pragma once

#include <QString>

#include <filesystem>

namespace ktr::appserver {

// The three things ktr-appserver does; each returns the process's exit code and reports to
// standard output and standard error.
int initDemo(const std::filesystem::path &file);
int dumpJob(const std::filesystem::path &file, const QString &number);
int serve(const std::filesystem::path &file, const QString &listen, bool echo);

} // namespace ktr::appserver
