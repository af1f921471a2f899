#include "SchemeStore.h"

#include <vector>

namespace ktr::appserver {

namespace {

constexpr const char *kFieldNames[] = {"NCONDITION", "CREATOR",    "PROGRAMME",
                                       "SCONDITION", "VCONDITION", "CREATE_DATE"};

Variant fieldNames()
{
    std::vector<Variant> names;
    for (const char *name : kFieldNames)
        names.emplace_back(Variant::wideText(name));
    return Variant::array(std::move(names));
}

int codePageBytes(std::string_view utf8)
{
    int bytes = 0;
    for (unsigned char c : utf8) {
        if (c < 0x80)
            bytes += 1;
        else if ((c & 0xc0) != 0x80) // the lead byte of a multi-byte character
            bytes += 2;
    }
    return bytes;
}

bool isYmd(std::string_view text)
{
    if (text.size() != 8)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const int month = (text[4] - '0') * 10 + (text[5] - '0');
    const int day = (text[6] - '0') * 10 + (text[7] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

} // namespace

SchemeStore::SchemeStore(std::shared_ptr<store::Database> db) : m_db(std::move(db)) {}

std::string SchemeStore::checkName(std::string_view name)
{
    if (name.find_first_not_of(' ') == std::string_view::npos)
        return "The scheme name is empty";
    if (codePageBytes(name) > kMaxNameBytes)
        return "The scheme name \"" + std::string(name) + "\" is longer than " +
               std::to_string(kMaxNameBytes) + " bytes";
    return {};
}

bool SchemeStore::exists(std::string_view name, std::string_view creator, std::string_view program)
{
    auto q = m_db->query("SELECT 1 FROM schemes WHERE name = ? AND creator = ? AND program = ?");
    q->bind(1, name).bind(2, creator).bind(3, program);
    return q->step();
}

std::string SchemeStore::insert(const SchemeRecord &scheme, bool replace)
{
    if (std::string error = checkName(scheme.name); !error.empty())
        return error;
    if (scheme.creator.empty() || scheme.program.empty())
        return "A scheme needs its creator and program";
    if (!isYmd(scheme.createDate))
        return "The creation date \"" + scheme.createDate + "\" is not a date YYYYMMDD";
    store::Transaction tx(*m_db);
    if (exists(scheme.name, scheme.creator, scheme.program) && !replace)
        return "The scheme \"" + scheme.name + "\" already exists";
    auto q = m_db->query("INSERT OR REPLACE INTO schemes(name, creator, program, keys, vals,"
                         " create_date) VALUES(?, ?, ?, ?, ?, ?)");
    q->bind(1, scheme.name).bind(2, scheme.creator).bind(3, scheme.program);
    q->bind(4, scheme.keys).bind(5, scheme.values).bind(6, scheme.createDate);
    q->run();
    tx.commit();
    return {};
}

std::string SchemeStore::remove(std::string_view name, std::string_view creator,
                                std::string_view program)
{
    auto q = m_db->query("DELETE FROM schemes WHERE name = ? AND creator = ? AND program = ?");
    q->bind(1, name).bind(2, creator).bind(3, program);
    q->run();
    if (m_db->changes() == 0)
        return "There is no scheme \"" + std::string(name) + "\" to delete";
    return {};
}

std::string SchemeStore::rename(std::string_view oldName, std::string_view newName,
                                std::string_view creator, std::string_view program)
{
    if (std::string error = checkName(newName); !error.empty())
        return error;
    store::Transaction tx(*m_db);
    if (!exists(oldName, creator, program))
        return "There is no scheme \"" + std::string(oldName) + "\" to rename";
    if (oldName == newName)
        return {};
    if (exists(newName, creator, program))
        return "The scheme \"" + std::string(newName) + "\" already exists";
    {
        auto q = m_db->query("UPDATE schemes SET name = ? WHERE name = ? AND creator = ? AND program = ?");
        q->bind(1, newName).bind(2, oldName).bind(3, creator).bind(4, program);
        q->run();
    }
    tx.commit();
    return {};
}

Variant SchemeStore::emptyProviderRows()
{
    return Variant::array({fieldNames(), Variant::array(std::vector<Variant>{})});
}

Variant SchemeStore::providerRows(std::string_view creator, std::string_view program)
{
    std::vector<Variant> rows;
    auto q = m_db->query("SELECT name, creator, program, keys, vals, create_date FROM schemes"
                         " WHERE creator = ? AND program = ? ORDER BY name");
    q->bind(1, creator).bind(2, program);
    while (q->step()) {
        std::vector<Variant> row;
        for (int c = 0; c < 6; ++c)
            row.emplace_back(Variant::wideText(q->text(c)));
        rows.emplace_back(Variant::array(std::move(row)));
    }
    return Variant::array({fieldNames(), Variant::array(std::move(rows))});
}

} // namespace ktr::appserver
