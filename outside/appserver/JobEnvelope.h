#pragma once

#include "ktrappserver_global.h"

#include <Variant.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace ktr::appserver {

// A job the server will not take; the message says why, for ErrorDescript.
class KTRAPPSERVER_EXPORT JobRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the server reads from the environment of a job parameter array.
struct JobEnvelope {
    std::string program;  // entry 1, upper case
    int envCount = 0;     // entry 2
    int conditionCount = 0; // entry 3
    std::string company;  // entry 4
    std::string user;     // entry 5
    std::string database; // entry 6
    double assembledAt = 0; // entry 7, days since 1899-12-30
    std::string serverClass; // entry 8
    std::string jobKind;  // entry 9 as sent
    bool periodic = false;   // the array carries period settings and dynamic-date rules
    int runMode = 0;         // entry 10 (0 when the form sends no run mode)
    std::optional<double> startAt; // entry 11
};

// Checks the envelope of a job parameter array: element 0 the environment (1 to EnvCount),
// element 1 the caption rows and element 2 the values (1 to ConditionCount each), and for a
// periodic job element 3 the period settings and element 4 the dynamic-date rules. Raises
// JobRefused naming the first thing that is wrong. The content of the condition values is the
// job's own business and is not examined beyond being present.
KTRAPPSERVER_EXPORT JobEnvelope readJobEnvelope(const Variant &params);

} // namespace ktr::appserver
