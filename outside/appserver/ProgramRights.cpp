#include "ProgramRights.h"

#include <algorithm>

namespace ktr::appserver {

namespace {

constexpr const char *kNoRights = "NNNNNNNNNN";

std::vector<std::string> splitCodes(const std::string &text)
{
    std::vector<std::string> codes;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        std::string code = text.substr(start, comma - start);
        const auto b = code.find_first_not_of(' ');
        const auto e = code.find_last_not_of(' ');
        if (b != std::string::npos)
            codes.push_back(code.substr(b, e - b + 1));
        start = comma + 1;
    }
    return codes;
}

} // namespace

ProgramRightsStore::ProgramRightsStore(std::shared_ptr<store::Database> db) : m_db(std::move(db)) {}

ProgramRightsStore::Admission ProgramRightsStore::admission(std::string_view database, std::string_view user,
                                                           std::string_view program)
{
    auto q = m_db->query("SELECT EXISTS(SELECT 1 FROM programs WHERE code = ?1),"
                         " EXISTS(SELECT 1 FROM program_rights WHERE program = ?1 AND database_code = ?2"
                         " AND user_code = ?3 AND substr(rights, 1, 1) = 'Y')");
    q->bind(1, program).bind(2, database).bind(3, user);
    q->step();
    if (q->integer(0) == 0)
        return Admission::UnknownProgram;
    return q->integer(1) != 0 ? Admission::MayRun : Admission::NoRight;
}

std::optional<ProgramRecord> ProgramRightsStore::program(std::string_view code)
{
    auto q = m_db->query("SELECT code, name, english_name FROM programs WHERE code = ?");
    q->bind(1, code);
    if (!q->step())
        return std::nullopt;
    return ProgramRecord{q->text(0), q->text(1), q->text(2)};
}

ProgramRights ProgramRightsStore::rights(std::string_view database, std::string_view user,
                                         std::string_view program)
{
    auto q = m_db->query("SELECT rights, limit_table, limit_items FROM program_rights"
                         " WHERE database_code = ? AND user_code = ? AND program = ?");
    q->bind(1, database).bind(2, user).bind(3, program);
    if (!q->step())
        return {kNoRights, {}, {}};
    return {q->text(0), q->text(1), splitCodes(q->text(2))};
}

std::string ProgramRightsStore::userName(std::string_view user)
{
    auto q = m_db->query("SELECT name FROM users WHERE code = ?");
    q->bind(1, user);
    return q->step() ? q->text(0) : std::string();
}

Variant ProgramRightsStore::powerAnswer(std::string_view database, std::string_view user,
                                        std::string_view program)
{
    const ProgramRights r = rights(database, user, program);
    const std::optional<ProgramRecord> record = this->program(program);
    std::vector<Variant> limit{Variant(static_cast<std::int32_t>(r.limitItems.size()))};
    for (const std::string &code : r.limitItems)
        limit.emplace_back(Variant::wideText(code));
    const std::string summary = std::string(database) + "," + std::string(user) + "," +
                                std::string(program) + "," + r.rights;
    return Variant::array({Variant(r.mayRun()), Variant::wideText(summary),
                           Variant::wideText(userName(user)),
                           Variant::wideText(record ? record->name : std::string()),
                           Variant::wideText(r.limitTable), Variant::array(std::move(limit))});
}

} // namespace ktr::appserver
