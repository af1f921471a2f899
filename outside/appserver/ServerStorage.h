#pragma once

#include "JobStore.h"
#include "ProgramRights.h"
#include "SchemeStore.h"
#include "ktrappserver_global.h"

#include <SqliteDatabase.h>

#include <filesystem>
#include <memory>

namespace ktr::appserver {

// Everything the application server keeps, over one database connection. Shared by the
// sessions of one thread; each thread or process opens its own.
struct KTRAPPSERVER_EXPORT ServerStorage {
    explicit ServerStorage(std::shared_ptr<store::Database> database);
    // Opens the file, creating it and its schema when needed.
    static std::shared_ptr<ServerStorage> open(const std::filesystem::path &file);

    std::shared_ptr<store::Database> db;
    JobStore jobs;
    ProgramRightsStore programs;
    SchemeStore schemes;
};

} // namespace ktr::appserver
