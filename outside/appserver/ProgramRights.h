#pragma once

#include "ktrappserver_global.h"

#include <SqliteDatabase.h>
#include <Variant.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ktr::appserver {

// A user's rights on a program in one database: one letter Y or N per right (1 run the job,
// 2 query, 3 print, 4 export, 5 design reports, 6 periodic jobs, 7 and 8 the two rights the
// forms hand to the lookups), and the codes of one table the user is limited to.
struct ProgramRights {
    std::string rights;     // "NNNNNNNNNN" when the user has no rights record
    std::string limitTable; // for example "TAXMA"; empty when not limited
    std::vector<std::string> limitItems;

    bool mayRun() const { return !rights.empty() && rights.front() == 'Y'; }
};

struct ProgramRecord {
    std::string code, name, englishName;
};

// Programs (table ADMMB of the forms) and the rights of users on them.
class KTRAPPSERVER_EXPORT ProgramRightsStore {
public:
    explicit ProgramRightsStore(std::shared_ptr<store::Database> db);

    enum class Admission { MayRun, UnknownProgram, NoRight };
    // Whether the user may run the program in the database, in one look-up.
    Admission admission(std::string_view database, std::string_view user, std::string_view program);

    std::optional<ProgramRecord> program(std::string_view code);
    ProgramRights rights(std::string_view database, std::string_view user, std::string_view program);
    std::string userName(std::string_view user);

    // The answer of GetPower: [may run (Boolean), "database,user,program,rights", user name,
    // program name, the limited table, [count, code 1, ..., code n]].
    Variant powerAnswer(std::string_view database, std::string_view user, std::string_view program);

private:
    std::shared_ptr<store::Database> m_db;
};

} // namespace ktr::appserver
