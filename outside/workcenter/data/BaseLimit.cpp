#include "BaseLimit.h"

#include <Object.h>

#include <algorithm>
#include <charconv>

namespace ktr::workcenter {

bool BaseLimit::limitsTable(std::string_view tableKey) const
{
    return !codes.empty() && sameTextAscii(table, tableKey);
}

bool BaseLimit::allows(std::string_view code) const
{
    return codes.empty() || std::find(codes.begin(), codes.end(), code) != codes.end();
}

BaseLimit parseBaseLimit(std::string_view packed)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < packed.size()) {
        const std::size_t end = std::min(packed.find('\x03', start), packed.size());
        fields.push_back(packed.substr(start, end - start));
        start = end + 1;
    }
    BaseLimit limit;
    if (fields.size() < 2)
        return limit;
    int count = 0;
    const std::string_view countText = fields[1];
    if (std::from_chars(countText.data(), countText.data() + countText.size(), count).ec != std::errc() ||
        count <= 0)
        return limit;
    limit.table = std::string(fields[0]);
    for (std::size_t i = 2; i < fields.size() && int(limit.codes.size()) < count; ++i)
        limit.codes.emplace_back(fields[i]);
    return limit;
}

} // namespace ktr::workcenter
