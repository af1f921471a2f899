#pragma once

#include "ServerStorage.h"

#include <Object.h>

#include <memory>
#include <string_view>

namespace ktr::appserver {

// The server objects a connection may open by class name: the application server
// "ReportCounterS.dmReportCounter", and for work-centers that reach their data through the
// server, the counter "HarrowWorkCenter.Counter" and the validator "HarrowWorkCenter.Validator".
// All share the server's one database connection. Raises DispatchError for any other class.
ObjectRef createServedObject(std::string_view className, const std::shared_ptr<ServerStorage> &storage);

} // namespace ktr::appserver
