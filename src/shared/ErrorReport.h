#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ktr {

// A database-engine error with the native errors the engine reported.
class DBEngineError : public std::runtime_error {
public:
    struct NativeError {
        std::uint16_t code = 0;
        std::string message;
    };
    DBEngineError(const std::string &message, std::vector<NativeError> errors)
        : std::runtime_error(message), m_errors(std::move(errors))
    {
    }
    const std::vector<NativeError> &nativeErrors() const { return m_errors; }

private:
    std::vector<NativeError> m_errors;
};

// An operating-system call that failed, with its error code.
class OSError : public std::runtime_error {
public:
    OSError(const std::string &message, int code) : std::runtime_error(message), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

// An input/output operation that failed, with its error code.
class InOutError : public std::runtime_error {
public:
    InOutError(const std::string &message, int code) : std::runtime_error(message), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

// The class name written for an exception: its C++ type, demangled.
std::string exceptionClassName(const std::exception &error);

} // namespace ktr

// Writes an exception, the place where it was caught and an explanation to the generator
// alert log (WriteGeneratorLog), one log line per report line. `error` may be null.
// Never raises; lines that cannot be written are lost.
void WriteErrorReport(const std::exception *error, std::string_view location,
                      std::string_view programmerMessage);
