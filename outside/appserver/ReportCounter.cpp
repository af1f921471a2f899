#include "ReportCounter.h"

#include "AppServerLog.h"
#include "JobEnvelope.h"

#include <SqliteDatabase.h>
#include <VariantJson.h>
#include <WireCodec.h>

#include <algorithm>

namespace ktr::appserver {

namespace {

// Element i of an array argument as text, or DispatchError naming the expected shape.
std::string textAt(const Variant &array, std::int32_t index, const std::string &shape)
{
    if (!array.isArray() || array.dimensions() != 1 || index < array.lowerBound() ||
        index > array.upperBound())
        throw DispatchError("Expected " + shape);
    const Variant &v = array.at(index);
    if (v.isArray() || v.type() == VarType::Object)
        throw DispatchError("Expected " + shape);
    return v.isNull() ? std::string() : v.toString();
}

// The forms split a message code at ";", and the refusal travels inside one.
std::string withoutSemicolons(std::string text)
{
    std::replace(text.begin(), text.end(), ';', ',');
    return text;
}

} // namespace

TdmReportCounter::TdmReportCounter(std::shared_ptr<ServerStorage> storage)
    : m_storage(std::move(storage))
{
    addMethod("Request", [this](std::span<Variant> args) {
        return request(argument(args, 0, "Request"), {}, false);
    });
    addMethod("Request1", [this](std::span<Variant> args) {
        const Variant &computer = argument(args, 1, "Request1");
        return request(argument(args, 0, "Request1"),
                       computer.isText() ? computer.toString() : std::string(), true);
    });
    addMethod("ErrorDescript", [this](std::span<Variant>) { return Variant::wideText(m_lastRefusal); });
    addMethod("UpdateStatus1", [this](std::span<Variant> args) { return updateStatus(args); });
    addMethod("SQLType", [](std::span<Variant>) { return Variant(std::int32_t{0}); });
    addMethod("GetPower", [this](std::span<Variant> args) {
        return getPower(argument(args, 0, "GetPower"));
    });
    addMethod("LoadTable", [this](std::span<Variant> args) {
        return loadTable(argument(args, 0, "LoadTable"));
    });
    addMethod("InsertConTable", [this](std::span<Variant> args) {
        return insertScheme(argument(args, 0, "InsertConTable"));
    });
    addMethod("DeleteConTable", [this](std::span<Variant> args) {
        return deleteScheme(argument(args, 0, "DeleteConTable"));
    });
    addMethod("ChangeConName", [this](std::span<Variant> args) {
        return renameScheme(argument(args, 0, "ChangeConName"), argument(args, 1, "ChangeConName"));
    });
    addMethod("ProviderRows", [this](std::span<Variant> args) {
        return providerRows(argument(args, 0, "ProviderRows"));
    });
}

Variant TdmReportCounter::invoke(std::string_view name, InvokeKind kind, std::span<Variant> args)
{
    // Callers guard late-bound calls for DispatchError; storage and conversion failures are
    // handed to them as such.
    try {
        return DispatchObject::invoke(name, kind, args);
    } catch (const store::StoreError &e) {
        throw DispatchError(std::string(name) + ": " + e.what());
    } catch (const VariantError &e) {
        throw DispatchError(std::string(name) + ": " + e.what());
    }
}

void TdmReportCounter::refuse(std::string reason)
{
    m_lastRefusal = withoutSemicolons(std::move(reason));
    qCInfo(lcAppServer, "Job refused: %s", m_lastRefusal.c_str());
}

Variant TdmReportCounter::request(const Variant &params, std::string_view computer, bool localRun)
{
    try {
        const JobEnvelope job = readJobEnvelope(params);
        const JobState state = localRun ? JobState::LocalRun : JobStore::initialState(job);
        wire::Bytes encoded;
        std::span<const std::uint8_t> received = m_receivedCall;
        if (received.empty()) {
            wire::CallMessage call{0, localRun ? "Request1" : "Request", InvokeKind::Method, {params}};
            if (localRun)
                call.args.push_back(Variant::wideText(computer));
            encoded = wire::encodeCall(call);
            received = encoded;
        }
        return Variant::wideText(m_storage->admitJob(job, received, computer, state));
    } catch (const JobRefused &e) {
        refuse(e.what());
    } catch (const store::StoreError &e) {
        refuse(std::string("The job could not be stored: ") + e.what());
    } catch (const VariantError &e) {
        refuse(std::string("The job parameter array is not readable: ") + e.what());
    }
    return Variant::wideText(kRefusedAnswer);
}

Variant TdmReportCounter::updateStatus(std::span<Variant> args)
{
    if (args.size() < 3)
        throw DispatchError("Invalid number of parameters for UpdateStatus1");
    Variant &numberArg = args[0];
    const Variant &message = args[1];
    const Variant &when = args[2];
    if (numberArg.isArray() || message.isArray() || when.isArray())
        throw DispatchError("UpdateStatus1 expects a job number, a message text and a date-time");
    std::string number = numberArg.toString();
    number.erase(0, number.find_first_not_of(' '));
    number.erase(number.find_last_not_of(' ') + 1);
    const std::string at = (when.type() == VarType::Date || when.type() == VarType::Double)
                               ? store::dayCountText(when.toDouble()).toStdString()
                               : when.toString();
    if (!m_storage->jobs.addStatus(number, JobState::Finished, at, message.toString()))
        throw DispatchError("UpdateStatus1: there is no job " + number);
    numberArg = Variant::wideText(number);
    return {};
}

Variant TdmReportCounter::getPower(const Variant &request)
{
    const std::string shape = "GetPower([database, user, program, \"\"])";
    return m_storage->programs.powerAnswer(textAt(request, 0, shape), textAt(request, 1, shape),
                                           textAt(request, 2, shape));
}

Variant TdmReportCounter::loadTable(const Variant &request)
{
    const std::string shape = "LoadTable([user, program])";
    m_loadedSchemes.emplace(textAt(request, 0, shape), textAt(request, 1, shape));
    return {};
}

Variant TdmReportCounter::insertScheme(const Variant &request)
{
    const std::string shape =
        "InsertConTable([name, user, creation date, program, keys, values, replace flag])";
    SchemeRecord scheme{textAt(request, 0, shape), textAt(request, 1, shape),
                        textAt(request, 3, shape), textAt(request, 4, shape),
                        textAt(request, 5, shape), textAt(request, 2, shape)};
    textAt(request, 6, shape);
    return Variant::wideText(m_storage->schemes.insert(scheme, request.at(6).toBool()));
}

Variant TdmReportCounter::deleteScheme(const Variant &request)
{
    const std::string shape = "DeleteConTable([name, user, program])";
    return Variant::wideText(m_storage->schemes.remove(
        textAt(request, 0, shape), textAt(request, 1, shape), textAt(request, 2, shape)));
}

Variant TdmReportCounter::renameScheme(const Variant &from, const Variant &to)
{
    const std::string shape = "ChangeConName([old name, user, program], [new name, user, program])";
    const std::string user = textAt(from, 1, shape);
    const std::string program = textAt(from, 2, shape);
    if (textAt(to, 1, shape) != user || textAt(to, 2, shape) != program)
        return Variant::wideText("A scheme keeps its user and program when it is renamed");
    return Variant::wideText(
        m_storage->schemes.rename(textAt(from, 0, shape), textAt(to, 0, shape), user, program));
}

Variant TdmReportCounter::providerRows(const Variant &provider)
{
    if (!provider.isText() || !sameTextAscii(provider.toString(), kSchemeProvider))
        throw DispatchError("Unknown provider: " + (provider.isText() ? provider.toString() : std::string("?")));
    if (!m_loadedSchemes)
        return SchemeStore::emptyProviderRows();
    return m_storage->schemes.providerRows(m_loadedSchemes->first, m_loadedSchemes->second);
}

} // namespace ktr::appserver
