#include "WorkCenterManager.h"

#include <ClassRegistry.h>
#include <Schema.h>

namespace {

// The work-center runs inside the client over the client's database (KTR_DATABASE, else
// Data/ktr.db in the installation folder).
ktr::ObjectRef createWorkCenter()
{
    const std::filesystem::path file = ktr::store::defaultDatabaseFile();
    try {
        return ktr::ObjectRef(new ktr::workcenter::TWorkCenterManager(
            ktr::store::openStore(file), ktr::workcenter::workCenterLibraryFolder()));
    } catch (const std::exception &e) {
        throw ktr::DispatchError("Cannot open the work-center's database " + file.string() + ": " + e.what());
    }
}

const ktr::ClassRegistration registration(ktr::workcenter::TWorkCenterManager::kClassName, createWorkCenter);

} // namespace
