#include "ErrorReport.h"

#include "AlertLog.h"
#include "NumberText.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace ktr {

std::string exceptionClassName(const std::exception &error)
{
    const char *mangled = typeid(error).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
}

} // namespace ktr

namespace {

std::string codedLine(const char *className, int index, long code, const std::string &message)
{
    // The message is a %s argument, so percent signs in it are written as they are.
    char prefix[160];
    std::snprintf(prefix, sizeof prefix, "%s Error %.2d: Code: %ld, Message: ", className, index, code);
    return prefix + message;
}

// The error lines of an exception, by its class.
std::vector<std::string> errorLines(const std::exception &error)
{
    std::vector<std::string> lines;
    if (const auto *db = dynamic_cast<const ktr::DBEngineError *>(&error)) {
        int i = 0;
        for (const auto &native : db->nativeErrors())
            lines.push_back(codedLine("EDBEngineError", ++i, native.code, native.message));
    } else if (const auto *os = dynamic_cast<const ktr::OSError *>(&error)) {
        lines.push_back(codedLine("EWin32Error", 1, os->code(), os->what()));
    } else if (const auto *io = dynamic_cast<const ktr::InOutError *>(&error)) {
        lines.push_back(codedLine("EInOutError", 1, io->code(), io->what()));
    } else {
        char prefix[64];
        std::snprintf(prefix, sizeof prefix, "\r\nMessage %.2d: ", 1);
        lines.push_back("Exception is " + ktr::exceptionClassName(error) + prefix + error.what());
    }
    return lines;
}

} // namespace

void WriteErrorReport(const std::exception *error, std::string_view location,
                      std::string_view programmerMessage)
{
    try {
        const std::string hyphens(34, '-');
        std::string separator = hyphens;
        if (!ktr::trimmed(location).empty())
            separator += " on " + std::string(location) + " ";
        WriteGeneratorLog(separator + hyphens);
        if (error) {
            WriteGeneratorLog("讯息信息:");
            const std::vector<std::string> lines = errorLines(*error);
            for (const auto &line : lines)
                WriteGeneratorLog(line);
            WriteGeneratorLog("ErrorMessage Count: " + std::to_string(lines.size()));
        }
        if (!ktr::trimmed(programmerMessage).empty())
            WriteGeneratorLog("Programer Message: " + std::string(programmerMessage));
    } catch (const std::exception &) {
        // A report that cannot be made is lost, as a line that cannot be written is.
    }
}
