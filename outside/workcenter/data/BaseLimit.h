#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ktr::workcenter {

// The limit a form hands to the services as BaseLimited: the table key the limit is on, then
// the codes of that table the user may see, in the packed form "TABLE", chr(3), count, chr(3),
// then each code followed by chr(3). No codes means no limit. What cannot be read limits
// nothing: the limit narrows lookups for the user's convenience, it guards nothing.
struct BaseLimit {
    std::string table;
    std::vector<std::string> codes;

    bool limitsTable(std::string_view tableKey) const;
    bool allows(std::string_view code) const;
};

BaseLimit parseBaseLimit(std::string_view packed);

} // namespace ktr::workcenter
