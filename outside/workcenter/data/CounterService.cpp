#include "CounterService.h"

#include "NamedQueries.h"

#include <QDate>

#include <utility>
#include <vector>

namespace ktr::workcenter {

TCounterService::TCounterService(std::shared_ptr<const WorkCenterContext> context)
    : m_context(std::move(context))
{
    addMethod("GetSysInfo", [this](std::span<Variant> args) {
        return sysInfo(argument(args, 0, "GetSysInfo"));
    });
    addMethod("GetCounter", [this](std::span<Variant> args) {
        const Variant &name = argument(args, 0, "GetCounter");
        if (!name.isText())
            throw DispatchError("GetCounter needs the name of a counter");
        return counter(name.toString(), args.size() > 1 ? args[1] : Variant());
    });
}

Variant TCounterService::sysInfo(const Variant &company)
{
    if (company.isArray() || company.type() == VarType::Object)
        throw DispatchError("GetSysInfo needs a company code");
    const std::string code = company.isEmptyOrNull() ? std::string() : company.toString();
    std::vector<std::pair<std::string, std::string>> entries;
    auto q = m_context->db->query(
        "SELECT name, value FROM sys_info s WHERE company = ?1 OR (company = '*' AND NOT EXISTS"
        " (SELECT 1 FROM sys_info o WHERE o.company = ?1 AND o.name = s.name)) ORDER BY name");
    q->bind(1, code);
    while (q->step())
        entries.emplace_back(q->text(0), q->text(1));
    if (entries.empty())
        throw DispatchError("GetSysInfo: there is no system information for company " + code);
    Variant answer = Variant::array2(0, 1, 0, std::int32_t(entries.size()) - 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        answer.at(0, std::int32_t(i)) = Variant::wideText(entries[i].first);
        answer.at(1, std::int32_t(i)) = Variant::wideText(entries[i].second);
    }
    return answer;
}

Variant TCounterService::counter(std::string_view name, const Variant &arguments)
{
    if (sameTextAscii(name, "SIMPLESQL")) {
        if (!arguments.isArray() || arguments.elementCount() < 2 || !arguments.elements()[0].isText() ||
            !arguments.elements()[1].isText())
            throw DispatchError("SimpleSQL needs [statement, column]");
        return runSimpleSql(*m_context->db, arguments.elements()[0].toString(),
                            arguments.elements()[1].toString());
    }
    if (sameTextAscii(name, "SYSDATE"))
        return Variant::wideText(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString());
    if (sameTextAscii(name, "NEXTVALUE"))
        return nextValue(arguments);
    throw DispatchError("Unknown counter: " + std::string(name));
}

Variant TCounterService::nextValue(const Variant &arguments)
{
    const Variant name = arguments.isArray() && arguments.elementCount() > 0 ? arguments.elements()[0] : arguments;
    if (!name.isText() || name.toString().empty())
        throw DispatchError("NEXTVALUE needs the name of the counter");
    auto q = m_context->db->query("INSERT INTO counters(name, value) VALUES(?1, 1)"
                                  " ON CONFLICT(name) DO UPDATE SET value = value + 1 RETURNING value");
    q->bind(1, name.toString());
    if (!q->step())
        throw DispatchError("NEXTVALUE: the counter " + name.toString() + " could not be advanced");
    const auto value = std::int32_t(q->integer(0));
    q->run();
    return Variant(value);
}

} // namespace ktr::workcenter
