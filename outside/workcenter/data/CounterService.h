#pragma once

#include "WorkCenterContext.h"

#include <Object.h>

#include <memory>

namespace ktr::workcenter {

// The counter service (Com_Counter):
//   GetSysInfo(company) -> two-row array [0..1, 0..n-1]: row 0 the names, row 1 the values of
//     the company's system information (its own values over those of every company)
//   GetCounter(name, arguments, [company, database]) -> the answer of a named query:
//     "SIMPLESQL" [statement, column] -> rows (see runSimpleSql)
//     "SYSDATE" -> today as "YYYYMMDD"
//     "NEXTVALUE" [counter name] -> the counter's next value (integer), kept in the database
//
// ktr-appserver also serves it over TCP under the class name kServedClassName.
class TCounterService : public DispatchObject {
public:
    static constexpr const char *kServedClassName = "HarrowWorkCenter.Counter";

    explicit TCounterService(std::shared_ptr<const WorkCenterContext> context);

private:
    Variant sysInfo(const Variant &company);
    Variant counter(std::string_view name, const Variant &arguments);
    Variant nextValue(const Variant &arguments);

    std::shared_ptr<const WorkCenterContext> m_context;
};

} // namespace ktr::workcenter
