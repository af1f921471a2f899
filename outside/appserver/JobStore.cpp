#include "JobStore.h"

#include <WireCodec.h>

#include <cstdio>
#include <ctime>

namespace ktr::appserver {

namespace {

// The current UTC time as ISO 8601 with milliseconds, "2024-05-31T04:00:00.000Z". The part
// down to the second is formatted once a second.
std::string utcNow()
{
    thread_local std::time_t cachedSecond = -1;
    thread_local char cachedPrefix[96] = {};
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec != cachedSecond) {
        std::tm utc{};
        gmtime_r(&now.tv_sec, &utc);
        std::snprintf(cachedPrefix, sizeof cachedPrefix, "%04d-%02d-%02dT%02d:%02d:%02d", utc.tm_year + 1900,
                      utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
        cachedSecond = now.tv_sec;
    }
    const int millis = static_cast<int>(now.tv_nsec / 1000000);
    std::string text(cachedPrefix);
    text += '.';
    text += static_cast<char>('0' + millis / 100);
    text += static_cast<char>('0' + millis / 10 % 10);
    text += static_cast<char>('0' + millis % 10);
    text += 'Z';
    return text;
}

// Today's local date as YYYYMMDD. The time zone is read at most once a second: reading it
// costs a look at the zone file on every call.
std::int64_t localDay()
{
    thread_local std::time_t cachedSecond = -1;
    thread_local std::int64_t cachedDay = 0;
    const std::time_t now = std::time(nullptr);
    if (now != cachedSecond) {
        std::tm local{};
        localtime_r(&now, &local);
        cachedDay = std::int64_t(local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
        cachedSecond = now;
    }
    return cachedDay;
}

} // namespace

std::optional<std::int64_t> JobStore::jobId(std::string_view number)
{
    if (number.size() < 12 || number.size() > 14)
        return std::nullopt;
    std::int64_t day = 0;
    std::int64_t serial = 0;
    for (std::size_t i = 0; i < number.size(); ++i) {
        if (number[i] < '0' || number[i] > '9')
            return std::nullopt;
        std::int64_t &part = i < 8 ? day : serial;
        part = part * 10 + (number[i] - '0');
    }
    const std::int64_t id = day * kSerialsPerDay + serial;
    if (jobNumber(id) != number)
        return std::nullopt; // "20240531" + "00001" is not how job 202405310001 is written
    return id;
}

std::string JobStore::jobNumber(std::int64_t id)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%08lld%04lld", static_cast<long long>(id / kSerialsPerDay),
                  static_cast<long long>(id % kSerialsPerDay));
    return digits;
}

JobStore::JobStore(std::shared_ptr<store::Database> db) : m_db(std::move(db)) {}

JobState JobStore::initialState(const JobEnvelope &job)
{
    if (job.periodic)
        return JobState::Periodic;
    switch (job.runMode) {
    case 1: return JobState::Immediate;
    case 2: return JobState::Scheduled;
    default: return JobState::Queued;
    }
}

std::string JobStore::insert(const JobEnvelope &job, std::span<const std::uint8_t> receivedCall,
                             std::string_view computer, JobState state)
{
    const std::int64_t first = localDay() * kSerialsPerDay;
    std::int64_t id = first + 1;
    {
        auto q = m_db->query("SELECT MAX(id) FROM jobs WHERE id > ?1 AND id < ?2");
        q->bind(1, first).bind(2, first + kSerialsPerDay);
        if (q->step() && !q->isNull(0))
            id = q->integer(0) + 1;
    }
    if (id >= first + kSerialsPerDay)
        throw store::StoreError("No job number is left for today");
    auto q = m_db->query("INSERT INTO jobs(id, program, company, user_code, database_code, job_kind,"
                         " run_mode, start_at, computer, submitted_at, state, received_call)"
                         " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    q->bind(1, id).bind(2, job.program).bind(3, job.company).bind(4, job.user);
    q->bind(5, job.database).bind(6, job.jobKind).bind(7, job.runMode);
    if (job.startAt)
        q->bind(8, *job.startAt);
    else
        q->bindNull(8);
    q->bind(9, computer).bind(10, utcNow()).bind(11, jobStateName(state)).bindBlob(12, receivedCall);
    q->run();
    return jobNumber(id);
}

bool JobStore::addStatus(std::string_view number, JobState state, std::string_view at,
                         std::string_view message)
{
    const std::optional<std::int64_t> id = jobId(number);
    if (!id)
        return false;
    const std::string stateName = jobStateName(state);
    store::Transaction tx(*m_db);
    {
        auto q = m_db->query("UPDATE jobs SET state = ? WHERE id = ?");
        q->bind(1, stateName).bind(2, *id);
        q->run();
    }
    if (m_db->changes() == 0)
        return false;
    {
        auto q = m_db->query("INSERT INTO job_status(job_id, at, state, message) VALUES(?, ?, ?, ?)");
        q->bind(1, *id).bind(2, at).bind(3, stateName).bind(4, message);
        q->run();
    }
    tx.commit();
    return true;
}

std::optional<StoredJob> JobStore::load(std::string_view number)
{
    const std::optional<std::int64_t> id = jobId(number);
    if (!id)
        return std::nullopt;
    StoredJob job;
    {
        auto q = m_db->query("SELECT job_no, program, company, user_code, database_code, job_kind,"
                             " run_mode, start_at, computer, submitted_at, state, received_call"
                             " FROM jobs WHERE id = ?");
        q->bind(1, *id);
        if (!q->step())
            return std::nullopt;
        job.number = q->text(0);
        job.program = q->text(1);
        job.company = q->text(2);
        job.user = q->text(3);
        job.database = q->text(4);
        job.jobKind = q->text(5);
        job.runMode = static_cast<int>(q->integer(6));
        if (!q->isNull(7))
            job.startAt = q->real(7);
        job.computer = q->text(8);
        job.submittedAt = q->text(9);
        job.state = q->text(10);
        const std::vector<std::uint8_t> bytes = q->blob(11);
        const wire::CallMessage call = wire::decodeCall(bytes);
        if (call.args.empty())
            throw store::StoreError("Job " + job.number + " is stored without its parameters");
        job.params = call.args.front();
    }
    auto q = m_db->query("SELECT at, state, message FROM job_status WHERE job_id = ? ORDER BY id");
    q->bind(1, *id);
    while (q->step())
        job.statuses.push_back({q->text(0), q->text(1), q->text(2)});
    return job;
}

std::int64_t JobStore::count()
{
    auto q = m_db->query("SELECT COUNT(*) FROM jobs");
    return q->step() ? q->integer(0) : 0;
}

} // namespace ktr::appserver
