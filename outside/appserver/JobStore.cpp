#include "JobStore.h"

#include <WireCodec.h>

#include <QDateTime>

#include <cstdio>

namespace ktr::appserver {

namespace {

std::string nowText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toStdString();
}

std::string jobNumber(const std::string &day, std::int64_t serial)
{
    char digits[24];
    std::snprintf(digits, sizeof digits, "%04lld", static_cast<long long>(serial));
    return day + digits;
}

} // namespace

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

std::string JobStore::submit(const JobEnvelope &job, const Variant &params, std::string_view computer,
                             JobState state)
{
    const wire::Bytes encoded = wire::encodeVariant(params);
    const std::string day = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString();
    const std::string submittedAt = nowText();
    const std::string stateName = jobStateName(state);

    store::Transaction tx(*m_db);
    std::int64_t serial = 0;
    {
        auto q = m_db->query("INSERT INTO job_serials(day, last) VALUES(?, 1)"
                             " ON CONFLICT(day) DO UPDATE SET last = last + 1 RETURNING last");
        q->bind(1, day);
        if (q->step())
            serial = q->integer(0);
        q->run();
    }
    const std::string number = jobNumber(day, serial);
    {
        auto q = m_db->query("INSERT INTO jobs(job_no, program, company, user_code, database_code,"
                             " job_kind, run_mode, start_at, computer, submitted_at, state, params)"
                             " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        q->bind(1, number).bind(2, job.program).bind(3, job.company).bind(4, job.user);
        q->bind(5, job.database).bind(6, job.jobKind).bind(7, job.runMode);
        if (job.startAt)
            q->bind(8, *job.startAt);
        else
            q->bindNull(8);
        q->bind(9, computer).bind(10, submittedAt).bind(11, stateName).bindBlob(12, encoded);
        q->run();
    }
    {
        auto q = m_db->query("INSERT INTO job_status(job_no, at, state, message) VALUES(?, ?, ?, ?)");
        q->bind(1, number).bind(2, submittedAt).bind(3, stateName).bind(4, std::string_view());
        q->run();
    }
    tx.commit();
    return number;
}

bool JobStore::addStatus(std::string_view number, JobState state, std::string_view at,
                         std::string_view message)
{
    const std::string stateName = jobStateName(state);
    store::Transaction tx(*m_db);
    {
        auto q = m_db->query("UPDATE jobs SET state = ? WHERE job_no = ?");
        q->bind(1, stateName).bind(2, number);
        q->run();
    }
    if (m_db->changes() == 0)
        return false;
    {
        auto q = m_db->query("INSERT INTO job_status(job_no, at, state, message) VALUES(?, ?, ?, ?)");
        q->bind(1, number).bind(2, at).bind(3, stateName).bind(4, message);
        q->run();
    }
    tx.commit();
    return true;
}

std::optional<StoredJob> JobStore::load(std::string_view number)
{
    StoredJob job;
    {
        auto q = m_db->query("SELECT job_no, program, company, user_code, database_code, job_kind,"
                             " run_mode, start_at, computer, submitted_at, state, params"
                             " FROM jobs WHERE job_no = ?");
        q->bind(1, number);
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
        job.params = wire::decodeVariant(bytes);
    }
    auto q = m_db->query("SELECT at, state, message FROM job_status WHERE job_no = ? ORDER BY id");
    q->bind(1, number);
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
