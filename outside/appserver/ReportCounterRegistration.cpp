#include "ReportCounter.h"

#include <ClassRegistry.h>
#include <Schema.h>

#include <map>
#include <memory>

namespace {

// In a client, "ReportCounterS.dmReportCounter" runs in-process over the client's own database
// (KTR_DATABASE, else Data/ktr.db in the installation folder).
ktr::ObjectRef createReportCounter()
{
    const std::filesystem::path file = ktr::store::defaultDatabaseFile();
    // The client's thread keeps its connection to a database open between server objects:
    // every job form creates one, and opening the file and checking its schema each time
    // would cost more than the form itself.
    thread_local std::map<std::filesystem::path, std::shared_ptr<ktr::appserver::ServerStorage>> opened;
    try {
        std::shared_ptr<ktr::appserver::ServerStorage> &storage = opened[file];
        if (!storage)
            storage = ktr::appserver::ServerStorage::open(file);
        return ktr::ObjectRef(new ktr::appserver::TdmReportCounter(storage));
    } catch (const std::exception &e) {
        throw ktr::DispatchError("Cannot open the application server's database " + file.string() +
                                 ": " + e.what());
    }
}

const ktr::ClassRegistration registration(ktr::appserver::TdmReportCounter::kClassName,
                                          createReportCounter);

} // namespace
