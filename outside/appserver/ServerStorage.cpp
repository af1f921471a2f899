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

} // namespace ktr::appserver
