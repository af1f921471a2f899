#include "JobEnvelope.h"

#include <Object.h>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace ktr::appserver {

namespace {

std::string str(std::int32_t n)
{
    return std::to_string(n);
}

std::string boundsText(const Variant &a)
{
    return str(a.lowerBound()) + " to " + str(a.upperBound());
}

bool isInteger(const Variant &v)
{
    if (v.type() == VarType::Int16 || v.type() == VarType::Int32)
        return true;
    return v.type() == VarType::Double && std::isfinite(v.toDouble()) &&
           v.toDouble() == std::floor(v.toDouble());
}

bool isDateValue(const Variant &v)
{
    return (v.type() == VarType::Date || v.type() == VarType::Double) && std::isfinite(v.toDouble());
}

// A one-dimensional array whose indexes run from lower to upper.
void requireArray(const Variant &v, std::int32_t lower, std::int32_t upper, const std::string &what)
{
    if (!v.isArray() || v.dimensions() != 1)
        throw JobRefused(what + " is not a one-dimensional array");
    if (v.lowerBound() != lower || v.upperBound() != upper)
        throw JobRefused(what + " must have indexes " + str(lower) + " to " + str(upper) +
                         ", found " + boundsText(v));
}

const Variant &entry(const Variant &env, std::int32_t i)
{
    return env.at(i);
}

std::string_view requireText(const Variant &env, std::int32_t i, const char *name, bool nonEmpty)
{
    const Variant &v = entry(env, i);
    if (!v.isText())
        throw JobRefused("Environment entry " + str(i) + " (" + name + ") is not a text");
    const std::string_view text = v.textView();
    if (nonEmpty && text.find_first_not_of(' ') == std::string_view::npos)
        throw JobRefused("Environment entry " + str(i) + " (" + name + ") is empty");
    return text;
}

int requireInteger(const Variant &env, std::int32_t i, const char *name)
{
    const Variant &v = entry(env, i);
    if (!isInteger(v))
        throw JobRefused("Environment entry " + str(i) + " (" + name + ") is not an integer");
    return v.toInt();
}

double requireDate(const Variant &env, std::int32_t i, const char *name)
{
    const Variant &v = entry(env, i);
    if (!isDateValue(v))
        throw JobRefused("Environment entry " + str(i) + " (" + name + ") is not a date-time");
    return v.toDouble();
}

std::string upper(std::string_view text)
{
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

void readEnvironment(const Variant &env, JobEnvelope &job)
{
    if (!env.isArray() || env.dimensions() != 1 || env.lowerBound() != 1)
        throw JobRefused("The environment (element 0) is not an array indexed from 1");
    if (env.upperBound() < 9)
        throw JobRefused("The environment has " + str(env.upperBound()) +
                         " entries, at least 9 are needed");
    job.envCount = requireInteger(env, 2, "EnvCount");
    if (job.envCount != env.upperBound())
        throw JobRefused("Environment entry 2 (EnvCount) says " + str(job.envCount) +
                         " but the environment has " + str(env.upperBound()) + " entries");
    job.program = upper(requireText(env, 1, "program code", true));
    job.conditionCount = requireInteger(env, 3, "ConditionCount");
    if (job.conditionCount < 1)
        throw JobRefused("Environment entry 3 (ConditionCount) must be at least 1, found " +
                         str(job.conditionCount));
    job.company = std::string(requireText(env, 4, "company", true));
    job.user = std::string(requireText(env, 5, "user", true));
    job.database = std::string(requireText(env, 6, "database", true));
    job.assembledAt = requireDate(env, 7, "assembly time");
    job.serverClass = std::string(requireText(env, 8, "server class", false));
    job.jobKind = std::string(requireText(env, 9, "job kind", true));
    if (job.envCount >= 10) {
        job.runMode = requireInteger(env, 10, "run mode");
        if (job.runMode < 0 || job.runMode > 2)
            throw JobRefused("Environment entry 10 (run mode) must be 0, 1 or 2, found " +
                             str(job.runMode));
    }
    if (job.envCount >= 11)
        job.startAt = requireDate(env, 11, "start time");
    if (job.envCount >= 12)
        requireText(env, 12, "recipients", false);
    if (job.envCount >= 13)
        requireInteger(env, 13, "output kinds");
    if (job.envCount >= 14)
        requireText(env, 14, "report extension name", false);
}

void readConditions(const Variant &captions, const Variant &values, int count)
{
    requireArray(captions, 1, count, "The caption array (element 1)");
    requireArray(values, 1, count, "The value array (element 2)");
    for (std::int32_t i = 1; i <= count; ++i) {
        const Variant &row = captions.at(i);
        if (!row.isArray() || row.dimensions() != 1 || row.lowerBound() != 0 || row.upperBound() != 1 ||
            !row.at(0).isText() || !row.at(1).isText() || row.at(1).textView().empty())
            throw JobRefused("Caption row " + str(i) + " is not a pair of caption and control name");
        if (values.at(i).isEmptyOrNull())
            throw JobRefused("Condition value " + str(i) + " (" + row.at(1).toString() +
                             ") is missing");
    }
}

void readPeriodic(const Variant &settings, const Variant &rules, const JobEnvelope &job)
{
    if (job.jobKind != asciiLower(job.jobKind))
        throw JobRefused("A periodic job must carry its job kind in lower case, found " + job.jobKind);
    if (job.envCount >= 10 && job.runMode != 2)
        throw JobRefused("A periodic job must have run mode 2, found " + str(job.runMode));
    requireArray(settings, 0, 3, "The period settings (element 3)");
    if (!settings.at(0).isText() || settings.at(0).toString() != "Y")
        throw JobRefused("The period settings must start with \"Y\"");
    if (!settings.at(1).isText() || settings.at(1).toString().size() != 5 ||
        settings.at(1).toString()[2] != ':')
        throw JobRefused("The run time of the period settings is not HH:MM");
    const Variant &descriptor = settings.at(2);
    requireArray(descriptor, 0, 1, "The period descriptor");
    if (!isInteger(descriptor.at(0)) || descriptor.at(0).toInt() < 0 || descriptor.at(0).toInt() > 3)
        throw JobRefused("The repeat kind of the period descriptor must be 0 to 3");
    if (!settings.at(3).isArray())
        throw JobRefused("The repeat range of the period settings is not an array");
    if (!rules.isArray() || rules.dimensions() != 1 || rules.lowerBound() != 0 ||
        !isInteger(rules.at(0)) || rules.at(0).toInt() != rules.upperBound())
        throw JobRefused("The dynamic-date rules (element 4) must count their rules in element 0");
    for (std::int32_t i = 1; i <= rules.upperBound(); ++i)
        if (!rules.at(i).isText())
            throw JobRefused("Dynamic-date rule " + str(i) + " is not a text");
}

} // namespace

JobEnvelope readJobEnvelope(const Variant &params)
{
    if (!params.isArray() || params.dimensions() != 1)
        throw JobRefused("The job parameters are not a one-dimensional array");
    if (params.lowerBound() != 0 || (params.upperBound() != 2 && params.upperBound() != 4))
        throw JobRefused("The job parameter array must have indexes 0 to 2, or 0 to 4 for a "
                         "periodic job, found " + boundsText(params));
    JobEnvelope job;
    readEnvironment(params.at(0), job);
    readConditions(params.at(1), params.at(2), job.conditionCount);
    job.periodic = params.upperBound() == 4;
    if (job.periodic)
        readPeriodic(params.at(3), params.at(4), job);
    return job;
}

} // namespace ktr::appserver
