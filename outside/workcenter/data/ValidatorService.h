#pragma once

#include "WorkCenterContext.h"

#include <Object.h>

#include <memory>

namespace ktr::workcenter {

// The validator service (Com_Validator). The forms set ProductID and BaseLimited before each
// call; both narrow what is found (see RowScope).
//   CheckValue(table, key, database, key values, result by reference) -> Boolean found; the
//     result becomes the record, one row of field values (Empty when not found)
//   QueryData(table, key, database, parameters, result by reference) -> Boolean found; the
//     result becomes the listed records, an array of rows
// An unknown table key or query number, or too few key values, raises DispatchError.
//
// ktr-appserver also serves it over TCP under the class name kServedClassName.
class TValidatorService : public DispatchObject {
public:
    static constexpr const char *kServedClassName = "HarrowWorkCenter.Validator";

    explicit TValidatorService(std::shared_ptr<const WorkCenterContext> context);

private:
    Variant check(std::span<Variant> args, bool list);

    std::shared_ptr<const WorkCenterContext> m_context;
    int m_productId = 0;
    std::string m_baseLimited;
};

} // namespace ktr::workcenter
