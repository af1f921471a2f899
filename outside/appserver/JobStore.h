#pragma once

#include "JobEnvelope.h"
#include "JobState.h"
#include "ktrappserver_global.h"

#include <SqliteDatabase.h>
#include <Variant.h>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ktr::appserver {

struct JobStatusEntry {
    std::string at;
    std::string state;
    std::string message;
};

struct StoredJob {
    std::string number;
    std::string program, company, user, database, jobKind;
    int runMode = 0;
    std::optional<double> startAt;
    std::string computer;
    std::string submittedAt; // UTC, ISO 8601
    std::string state;
    Variant params; // the job parameter array, from the call as received
    std::vector<JobStatusEntry> statuses;
};

// The jobs the server took. A job number is the local submission date "YYYYMMDD" followed by
// the day's serial of at least four digits. The serial is the day's highest plus one, taken
// inside the write transaction that stores the job, so that it is unique across connections,
// processes and restarts (jobs are never deleted); the caller answers only after its commit.
class KTRAPPSERVER_EXPORT JobStore {
public:
    static constexpr std::int64_t kSerialsPerDay = 1000000;

    explicit JobStore(std::shared_ptr<store::Database> db);

    // Stores the job whole, as the CBOR call message that delivered it, and answers its number.
    // Runs inside the caller's write transaction.
    std::string insert(const JobEnvelope &job, std::span<const std::uint8_t> receivedCall,
                       std::string_view computer, JobState state);
    // Records a status report of a job; false when there is no such job.
    bool addStatus(std::string_view number, JobState state, std::string_view at,
                   std::string_view message);
    std::optional<StoredJob> load(std::string_view number);
    std::int64_t count();

    static JobState initialState(const JobEnvelope &job);
    // The row id of a job number; nothing for a text that is no job number.
    static std::optional<std::int64_t> jobId(std::string_view number);
    static std::string jobNumber(std::int64_t id);

private:
    std::shared_ptr<store::Database> m_db;
};

} // namespace ktr::appserver
