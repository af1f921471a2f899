#include "support/QtxrJob.h"

#include <JobEnvelope.h>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

using ktr::Variant;
using ktr::appserver::JobRefused;
using ktr::appserver::readJobEnvelope;

namespace {

// Cases of the tables below print as their names.
template <typename Case>
    requires requires(const Case &c) { c.name; }
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

TEST(JobEnvelope, ReadsTheEnvironmentOfAOneOffJob)
{
    const auto job = readJobEnvelope(ktr::testing::qtxr72JobArray());
    EXPECT_EQ(job.program, "QTXR72");
    EXPECT_EQ(job.envCount, 14);
    EXPECT_EQ(job.conditionCount, 13);
    EXPECT_EQ(job.company, "QaTest60");
    EXPECT_EQ(job.user, "796");
    EXPECT_EQ(job.database, "QaTest60");
    EXPECT_EQ(job.jobKind, "R");
    EXPECT_EQ(job.runMode, 0);
    EXPECT_FALSE(job.periodic);
    ASSERT_TRUE(job.startAt.has_value());
}

TEST(JobEnvelope, ReadsAPeriodicJob)
{
    const auto job = readJobEnvelope(ktr::testing::qtxr72JobArray({.periodic = true}));
    EXPECT_TRUE(job.periodic);
    EXPECT_EQ(job.runMode, 2);
    EXPECT_EQ(job.jobKind, "r");
}

TEST(JobEnvelope, AcceptsThePlainBaseFormWithNineEntries)
{
    Variant job = ktr::testing::qtxr72JobArray();
    job.at(0).redim(9);
    job.at(0).at(2) = Variant(std::int32_t{9});
    const auto envelope = readJobEnvelope(job);
    EXPECT_EQ(envelope.envCount, 9);
    EXPECT_FALSE(envelope.startAt.has_value());
}

struct RefusalCase {
    const char *name;
    std::function<void(Variant &job)> damage;
    bool periodic;
    const char *expected; // part of the refusal
};

class JobEnvelopeRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(JobEnvelopeRefusal, NamesWhatIsWrong)
{
    Variant job = ktr::testing::qtxr72JobArray({.periodic = GetParam().periodic});
    GetParam().damage(job);
    try {
        readJobEnvelope(job);
        FAIL() << "accepted";
    } catch (const JobRefused &e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().expected), std::string::npos) << e.what();
        EXPECT_EQ(std::string(e.what()).find(';'), std::string::npos) << "travels inside a message code";
    }
}

Variant &env(Variant &job) { return job.at(0); }

const RefusalCase kRefusals[] = {
    {"NotAnArray", [](Variant &j) { j = Variant::wideText("job"); }, false, "not a one-dimensional array"},
    {"FourElements", [](Variant &j) { j.redim(3); }, false, "indexes 0 to 2, or 0 to 4"},
    {"EnvironmentFromZero",
     [](Variant &j) { j.at(0) = Variant::array({Variant(std::int32_t{1})}); }, false,
     "environment (element 0) is not an array indexed from 1"},
    {"ShortEnvironment", [](Variant &j) { env(j).redim(8); }, false, "at least 9 are needed"},
    {"EnvCountDisagrees", [](Variant &j) { env(j).at(2) = Variant(std::int32_t{12}); }, false,
     "EnvCount) says 12 but the environment has 14"},
    {"EnvCountIsText", [](Variant &j) { env(j).at(2) = Variant::wideText("14"); }, false,
     "entry 2 (EnvCount) is not an integer"},
    {"NoProgram", [](Variant &j) { env(j).at(1) = Variant::wideText(" "); }, false,
     "entry 1 (program code) is empty"},
    {"NoConditions", [](Variant &j) { env(j).at(3) = Variant(std::int32_t{0}); }, false,
     "ConditionCount) must be at least 1"},
    {"NoUser", [](Variant &j) { env(j).at(5) = Variant::wideText(""); }, false, "entry 5 (user) is empty"},
    {"AssemblyTimeIsText", [](Variant &j) { env(j).at(7) = Variant::wideText("now"); }, false,
     "entry 7 (assembly time) is not a date-time"},
    {"RunModeOutOfRange", [](Variant &j) { env(j).at(10) = Variant(std::int32_t{3}); }, false,
     "run mode) must be 0, 1 or 2, found 3"},
    {"RecipientsNotText", [](Variant &j) { env(j).at(12) = Variant(std::int32_t{1}); }, false,
     "entry 12 (recipients) is not a text"},
    {"CaptionRowsShort", [](Variant &j) { j.at(1).redim(12); }, false,
     "caption array (element 1) must have indexes 1 to 13, found 1 to 12"},
    {"ValuesLong", [](Variant &j) { j.at(2).redim(14); }, false,
     "value array (element 2) must have indexes 1 to 13, found 1 to 14"},
    {"ValuesReplacedByText", [](Variant &j) { j.at(2) = Variant::wideText(""); }, false,
     "value array (element 2) is not a one-dimensional array"},
    {"CaptionRowWithoutName",
     [](Variant &j) { j.at(1).at(4) = Variant::array({Variant::wideText("选择计算年月"), Variant::wideText("")}); },
     false, "Caption row 4 is not a pair"},
    {"MissingValue", [](Variant &j) { j.at(2).at(7) = Variant(); }, false, "Condition value 7 (me07) is missing"},
    {"NullValue", [](Variant &j) { j.at(2).at(13) = Variant::null(); }, false,
     "Condition value 13 (edPrintDate) is missing"},
    {"PeriodicInUpperCase", [](Variant &j) { env(j).at(9) = Variant::wideText("R"); }, true,
     "job kind in lower case"},
    {"PeriodicNotAtSetTime", [](Variant &j) { env(j).at(10) = Variant(std::int32_t{0}); }, true,
     "must have run mode 2"},
    {"PeriodSettingsWithoutY", [](Variant &j) { j.at(3).at(0) = Variant::wideText("N"); }, true,
     "must start with \"Y\""},
    {"RunTimeNotHHMM", [](Variant &j) { j.at(3).at(1) = Variant::wideText("8:30"); }, true, "not HH:MM"},
    {"RepeatKindUnknown",
     [](Variant &j) { j.at(3).at(2).at(0) = Variant(std::int32_t{7}); }, true, "repeat kind"},
    {"RuleCountWrong", [](Variant &j) { j.at(4).at(0) = Variant(std::int32_t{2}); }, true,
     "count their rules in element 0"},
};

INSTANTIATE_TEST_SUITE_P(Cases, JobEnvelopeRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
