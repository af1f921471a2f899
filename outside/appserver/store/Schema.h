#pragma once

#include "SqliteDatabase.h"
#include "ktrstore_global.h"

#include <filesystem>
#include <memory>

namespace ktr::store {

// Version of the table layout, kept in the database's user_version.
inline constexpr int kSchemaVersion = 1;

// Creates the tables that are missing and loads the message catalogue and the default
// settings; safe to run from several processes at once and on every open.
KTRSTORE_EXPORT void ensureSchema(Database &db);

// Opens (creating when needed) a database and makes sure its schema is current.
KTRSTORE_EXPORT std::shared_ptr<Database> openStore(const std::filesystem::path &file);

// The database of the objects that run inside a client: the file named by KTR_DATABASE, else
// Data/ktr.db in the installation folder (the folder that holds libktrstore).
KTRSTORE_EXPORT std::filesystem::path defaultDatabaseFile();

} // namespace ktr::store
