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

std::string ServerStorage::admitJob(const JobEnvelope &job, const Variant &params,
                                   std::string_view computer, JobState state)
{
    store::Transaction tx(*db);
    if (!programs.program(job.program))
        throw JobRefused("The program " + job.program + " is not known to the server");
    if (!programs.rights(job.database, job.user, job.program).mayRun())
        throw JobRefused("User " + job.user + " has no right to run " + job.program + " in database " +
                         job.database);
    std::string number = jobs.insert(job, params, computer, state);
    tx.commit();
    return number;
}

} // namespace ktr::appserver
