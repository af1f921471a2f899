#include "ServedClasses.h"

#include "ReportCounter.h"

#include <CounterService.h>
#include <ValidatorService.h>
#include <WorkCenterContext.h>

namespace ktr::appserver {

ObjectRef createServedObject(std::string_view className, const std::shared_ptr<ServerStorage> &storage)
{
    if (sameTextAscii(className, TdmReportCounter::kClassName))
        return ObjectRef(new TdmReportCounter(storage));
    // The data services do not speak to the user; the code page only chooses window texts.
    const auto context = std::make_shared<const workcenter::WorkCenterContext>(
        workcenter::WorkCenterContext{storage->db, "936", {}});
    if (sameTextAscii(className, workcenter::TCounterService::kServedClassName))
        return ObjectRef(new workcenter::TCounterService(context));
    if (sameTextAscii(className, workcenter::TValidatorService::kServedClassName))
        return ObjectRef(new workcenter::TValidatorService(context));
    throw DispatchError("This server serves " + std::string(TdmReportCounter::kClassName) + ", " +
                        workcenter::TCounterService::kServedClassName + " and " +
                        workcenter::TValidatorService::kServedClassName + ", not " + std::string(className));
}

} // namespace ktr::appserver
