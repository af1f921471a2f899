#pragma once

#include "WorkCenterContext.h"

#include <string>
#include <string_view>

namespace ktr::workcenter {

// The catalogue text of a message (type letter, number) in the interface language, falling
// back to simplified Chinese, then English. The number is taken as digits and padded to six
// ("4" finds "000004"). An unknown code answers a text that names it; since the forms format
// catalogue texts, a "%" of the code is doubled there.
std::string messageText(store::Database &db, Language language, std::string_view type,
                        std::string_view number);

} // namespace ktr::workcenter
