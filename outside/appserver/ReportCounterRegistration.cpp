#include "ReportCounter.h"

#include <ClassRegistry.h>
#include <Schema.h>

namespace {

// In a client, "ReportCounterS.dmReportCounter" runs in-process over the client's own database
// (KTR_DATABASE, else Data/ktr.db in the installation folder).
ktr::ObjectRef createReportCounter()
{
    const std::filesystem::path file = ktr::store::defaultDatabaseFile();
    try {
        return ktr::ObjectRef(new ktr::appserver::TdmReportCounter(ktr::appserver::ServerStorage::open(file)));
    } catch (const std::exception &e) {
        throw ktr::DispatchError("Cannot open the application server's database " + file.string() +
                                 ": " + e.what());
    }
}

const ktr::ClassRegistration registration(ktr::appserver::TdmReportCounter::kClassName,
                                          createReportCounter);

} // namespace
