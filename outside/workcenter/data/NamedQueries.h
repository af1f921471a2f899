#pragma once

#include <SqliteDatabase.h>
#include <Variant.h>

#include <string_view>

namespace ktr::workcenter {

// "SimpleSQL" of the counter service. The forms send the text of a statement; it is never run
// as sent. Only the named queries the forms use are served: the portal settings
//   SELECT MA003 FROM KTRINTMA WHERE MA001='StartupPortal'
//   SELECT MA003 FROM KTRINTMA WHERE MA001='Portal WS'
// recognised after blanks are collapsed and keywords compared without case, and answered by
// a prepared statement of our own with the key bound as a parameter. Anything else raises
// DispatchError. The answer is an array of rows, each an array of one value.
Variant runSimpleSql(store::Database &db, std::string_view statement, std::string_view column);

} // namespace ktr::workcenter
