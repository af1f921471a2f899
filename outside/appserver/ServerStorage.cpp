#include "ServerStorage.h"

#include <Schema.h>

namespace ktr::appserver {

ServerStorage::ServerStorage(std::shared_ptr<store::Database> database)
    : db(std::move(database)), jobs(db), programs(db), schemes(db)
{
}

std::shared_ptr<ServerStorage> ServerStorage::open(const std::filesystem::path &file)
{
    return std::make_shared<ServerStorage>(store::openStore(file));
}

std::string ServerStorage::admitJob(const JobEnvelope &job, std::span<const std::uint8_t> receivedCall,
                                   std::string_view computer, JobState state)
{
    store::Transaction tx(*db);
    switch (programs.admission(job.database, job.user, job.program)) {
    case ProgramRightsStore::Admission::UnknownProgram:
        throw JobRefused("The program " + job.program + " is not known to the server");
    case ProgramRightsStore::Admission::NoRight:
        throw JobRefused("User " + job.user + " has no right to run " + job.program + " in database " +
                         job.database);
    case ProgramRightsStore::Admission::MayRun:
        break;
    }
    std::string number = jobs.insert(job, receivedCall, computer, state);
    tx.commit();
    return number;
}

} // namespace ktr::appserver
