#include "JobDump.h"

#include <VariantJson.h>

#include <QJsonArray>

namespace ktr::appserver {

QJsonObject jobToJson(const StoredJob &job)
{
    const auto text = [](const std::string &s) { return QString::fromStdString(s); };
    QJsonArray statuses;
    for (const JobStatusEntry &s : job.statuses)
        statuses.append(QJsonObject{{"at", text(s.at)}, {"state", text(s.state)}, {"message", text(s.message)}});
    QJsonObject json{
        {"jobNumber", text(job.number)},
        {"program", text(job.program)},
        {"company", text(job.company)},
        {"user", text(job.user)},
        {"database", text(job.database)},
        {"jobKind", text(job.jobKind)},
        {"runMode", job.runMode},
        {"computer", text(job.computer)},
        {"submittedAt", text(job.submittedAt)},
        {"state", text(job.state)},
        {"statusUpdates", statuses},
        {"params", store::variantToJson(job.params)},
    };
    if (job.startAt)
        json.insert("startAt", store::dayCountText(*job.startAt));
    return json;
}

} // namespace ktr::appserver
