#include "ValidatorService.h"

#include "TableQueries.h"

namespace ktr::workcenter {

TValidatorService::TValidatorService(std::shared_ptr<const WorkCenterContext> context)
    : m_context(std::move(context))
{
    addProperty(
        "ProductID", [this] { return Variant(std::int32_t(m_productId)); },
        [this](const Variant &v) { m_productId = v.toInt(); });
    addProperty(
        "BaseLimited", [this] { return Variant::wideText(m_baseLimited); },
        [this](const Variant &v) { m_baseLimited = v.isEmptyOrNull() ? std::string() : v.toString(); });
    addMethod("CheckValue", [this](std::span<Variant> args) { return check(args, false); });
    addMethod("QueryData", [this](std::span<Variant> args) { return check(args, true); });
}

Variant TValidatorService::check(std::span<Variant> args, bool list)
{
    const char *member = list ? "QueryData" : "CheckValue";
    if (args.size() < 5)
        throw DispatchError(std::string("Invalid number of parameters for ") + member);
    const std::string table = args[0].isText() ? args[0].toString() : std::string();
    const std::string key = args[1].isText() ? args[1].toString() : std::string();
    const TableQuery *query = findTableQuery(table, key);
    if (!query || !(list ? query->listSql : query->checkSql))
        throw DispatchError(std::string(member) + ": unknown table key " + table + " with query number " + key);
    const std::vector<std::string> values = parameterTexts(args[3]);
    const RowScope scope{parseBaseLimit(m_baseLimited), m_productId};
    Variant &result = args[4];
    if (list) {
        std::vector<Variant> rows = listRows(*m_context->db, *query, values, scope);
        const bool found = !rows.empty();
        result = found ? Variant::array(std::move(rows)) : Variant();
        return Variant(found);
    }
    if (int(values.size()) < query->keyCount)
        throw DispatchError(std::string(member) + " " + table + "/" + key + " needs " +
                            std::to_string(query->keyCount) + " key values, got " +
                            std::to_string(values.size()));
    std::vector<Variant> rows = checkRow(*m_context->db, *query, values, scope);
    const bool found = !rows.empty();
    result = found ? std::move(rows.front()) : Variant();
    return Variant(found);
}

} // namespace ktr::workcenter
