#pragma once

#include "ReceivedCall.h"
#include "ServerStorage.h"
#include "ktrappserver_global.h"

#include <Object.h>

#include <memory>
#include <optional>
#include <string>

namespace ktr::appserver {

// The application-server object "ReportCounterS.dmReportCounter": takes jobs, answers rights
// and keeps condition schemes. One object is one client's session: ErrorDescript and the
// provider's user and program belong to it.
//
// Calls (late-bound, names without regard to case):
//   Request(job array) -> job number, or "ERROR" when refused
//   Request1(job array, computer name) -> as Request; the job is registered for a local run
//   ErrorDescript() -> why the last job was refused
//   UpdateStatus1(job number by reference, message text, date-time) -> nothing
//   SQLType() -> 0, the kind of the server's database
//   GetPower([database, user, program, ""]) -> see ProgramRightsStore::powerAnswer
//   LoadTable([user, program]) -> nothing; chooses the rows of provider "pvdConSave"
//   InsertConTable([name, user, date, program, keys, values, replace]) -> "" or the reason
//   DeleteConTable([name, user, program]) -> "" or the reason
//   ChangeConName([old name, user, program], [new name, user, program]) -> "" or the reason
//   ProviderRows(provider name) -> [[field names], [rows]] for the client data set
//
// A job is stored as the call message that delivered it: over a socket the bytes as they
// arrived, in-process the same message encoded here.
class KTRAPPSERVER_EXPORT TdmReportCounter : public DispatchObject, public ReceivedCallObserver {
public:
    static constexpr const char *kClassName = "ReportCounterS.dmReportCounter";
    static constexpr const char *kSchemeProvider = "pvdConSave";
    static constexpr const char *kRefusedAnswer = "ERROR";

    explicit TdmReportCounter(std::shared_ptr<ServerStorage> storage);

    Variant invoke(std::string_view name, InvokeKind kind, std::span<Variant> args) override;
    void setReceivedCall(std::span<const std::uint8_t> payload) override { m_receivedCall = payload; }

private:
    Variant request(const Variant &params, std::string_view computer, bool localRun);
    Variant updateStatus(std::span<Variant> args);
    Variant getPower(const Variant &request);
    Variant loadTable(const Variant &request);
    Variant insertScheme(const Variant &request);
    Variant deleteScheme(const Variant &request);
    Variant renameScheme(const Variant &from, const Variant &to);
    Variant providerRows(const Variant &provider);
    void refuse(std::string reason);

    std::shared_ptr<ServerStorage> m_storage;
    std::string m_lastRefusal;
    std::span<const std::uint8_t> m_receivedCall;
    std::optional<std::pair<std::string, std::string>> m_loadedSchemes; // user, program
};

} // namespace ktr::appserver
