#pragma once

#include "SqliteDatabase.h"
#include "ktrstore_global.h"

namespace ktr::store {

// Fills a database (schema included) with the demonstration data set: companies, departments,
// employees, welfare-fund base types, users and their rights, the program records, footers
// and sign-offs, the web report site, portal settings, phrases and system information.
// Replaces earlier demonstration rows; jobs and condition schemes are left alone.
KTRSTORE_EXPORT void seedDemo(Database &db);

// Codes the demonstration data is known to hold, for tests and documentation.
namespace demo {
inline constexpr const char *kCompany = "QaTest60";
inline constexpr const char *kUser = "796";
inline constexpr const char *kProgram = "QTXR72";
inline constexpr const char *kLimitedUser = "801"; // may run QTXR72, sees one company
inline constexpr const char *kUserWithoutRights = "805";
} // namespace demo

} // namespace ktr::store
