#pragma once

#include "JobEnvelope.h"
#include "JobState.h"
#include "ktrappserver_global.h"

#include <SqliteDatabase.h>
#include <Variant.h>

#include <memory>
#include <optional>
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
    std::string submittedAt;
    std::string state;
    Variant params; // exactly as received
    std::vector<JobStatusEntry> statuses;
};

// The jobs the server took. A job number is the submission date "YYYYMMDD" followed by the
// day's serial of at least four digits, allocated inside the job's own write transaction, so
// that it is unique across connections, processes and restarts; the answer is given only
// after the transaction committed.
class KTRAPPSERVER_EXPORT JobStore {
public:
    explicit JobStore(std::shared_ptr<store::Database> db);

    // Stores the job whole and answers its number.
    std::string submit(const JobEnvelope &job, const Variant &params, std::string_view computer,
                       JobState state);
    // Records a status report of a job; false when there is no such job.
    bool addStatus(std::string_view number, JobState state, std::string_view at,
                   std::string_view message);
    std::optional<StoredJob> load(std::string_view number);
    std::int64_t count();

    static JobState initialState(const JobEnvelope &job);

private:
    std::shared_ptr<store::Database> m_db;
};

} // namespace ktr::appserver
