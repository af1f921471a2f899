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

    // Takes a job whose envelope was read: checks the program and the user's right to run it,
    // stores the job and answers its number, all in one write transaction. Raises JobRefused
    // for an unknown program or a user without the right.
    std::string admitJob(const JobEnvelope &job, std::span<const std::uint8_t> receivedCall,
                         std::string_view computer, JobState state);

    std::shared_ptr<store::Database> db;
    JobStore jobs;
    ProgramRightsStore programs;
    SchemeStore schemes;
};

} // namespace ktr::appserver
