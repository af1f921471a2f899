#include "AlertLog.h"
#include "ErrorReport.h"
#include "NumberText.h"
#include "SharedTestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using ktr::test::ScopedEnv;

namespace {

struct FileNameCase {
    const char *name;
    const char *logName;
    const char *period;
    const char *expected;
};

const FileNameCase kFileNameCases[] = {
    {"daily", "libstrs", "D", "/inst/Log/Alert_libstrs_20240305.log"},
    {"monthly", "libstrs", "M", "/inst/Log/Alert_libstrs_202403.log"},
    {"yearly", "libstrs", "Y", "/inst/Log/Alert_libstrs_2024.log"},
    {"other_period_daily", "libstrs", "X", "/inst/Log/Alert_libstrs_20240305.log"},
    {"lower_case_period_daily", "libstrs", "m", "/inst/Log/Alert_libstrs_20240305.log"},
    {"empty_period_daily", "libstrs", "", "/inst/Log/Alert_libstrs_20240305.log"},
    {"dotted_name_no_extension", "trace.txt", "D", "/inst/Log/Alert_trace.txt_20240305"},
    {"updater", "KTDownLoadNewFileU", "D", "/inst/Log/Alert_KTDownLoadNewFileU_20240305.log"},
};

class AlertLogFileName : public testing::TestWithParam<FileNameCase> {};

TEST_P(AlertLogFileName, NamedByLogAndPeriod)
{
    const auto &c = GetParam();
    EXPECT_EQ(ktr::alertLogFileName("/inst", c.logName, c.period, QDate(2024, 3, 5)), c.expected);
    EXPECT_EQ(ktr::alertLogFileName("/inst/", c.logName, c.period, QDate(2024, 3, 5)), c.expected)
        << "a root ending in a separator";
}

INSTANTIATE_TEST_SUITE_P(Cases, AlertLogFileName, testing::ValuesIn(kFileNameCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AlertLogFileName, BackslashedRootUsesSlashes)
{
    EXPECT_EQ(ktr::alertLogFileName("\\inst\\", "a", "Y", QDate(2024, 3, 5)), "/inst/Log/Alert_a_2024.log");
}

struct LineCase {
    const char *name;
    const char *dateSeparator;
    const char *timeSeparator;
    const char *expected;
};

const LineCase kLineCases[] = {
    {"dash_and_colon", "-", ":", "[2024-03-05 13:04:05:007] text"},
    {"slash_and_dot", "/", ".", "[2024/03/05 13.04.05.007] text"},
    {"dots", ".", ":", "[2024.03.05 13:04:05:007] text"},
};

class AlertLogLine : public testing::TestWithParam<LineCase> {};

TEST_P(AlertLogLine, StampsWithSeparators)
{
    const auto &c = GetParam();
    const ktr::AlertLogMoment moment{QDateTime(QDate(2024, 3, 5), QTime(13, 4, 5, 7)), c.dateSeparator,
                                     c.timeSeparator};
    EXPECT_EQ(ktr::alertLogLine(moment, "text"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AlertLogLine, testing::ValuesIn(kLineCases),
                         [](const auto &info) { return std::string(info.param.name); });

class AlertLogFiles : public testing::Test {
protected:
    QTemporaryDir dir;
    const ktr::AlertLogMoment moment{QDateTime(QDate(2024, 3, 5), QTime(13, 4, 5, 7)), "/", ":"};
    std::string root() const { return dir.path().toStdString() + "/deep/install"; }
};

TEST_F(AlertLogFiles, CreatesFolderAndAppendsLines)
{
    ASSERT_TRUE(ktr::writeAlertLogAt(root(), "libstrs", "first", "D", moment));
    ASSERT_TRUE(ktr::writeAlertLogAt(root(), "libstrs", "二行\nspans", "D", moment));
    const QByteArray content = ktr::test::readFile(QString::fromStdString(root() + "/Log/Alert_libstrs_20240305.log"));
    EXPECT_EQ(content.toStdString(),
              "[2024/03/05 13:04:05:007] first\n[2024/03/05 13:04:05:007] 二行\nspans\n");
}

TEST_F(AlertLogFiles, UnwritableFolderGivesFalse)
{
    // A file where a folder should be: creating the log folder fails, for any user.
    ktr::test::writeFile(dir.path() + QStringLiteral("/blocker"), "x");
    EXPECT_FALSE(ktr::writeAlertLogAt(dir.path().toStdString() + "/blocker/install", "libstrs", "t", "D", moment));
    // The log file's own name taken by a folder.
    QDir().mkpath(dir.path() + QStringLiteral("/r/Log/Alert_libstrs_20240305.log"));
    EXPECT_FALSE(ktr::writeAlertLogAt(dir.path().toStdString() + "/r", "libstrs", "t", "D", moment));
}

class RegistryLogs : public testing::Test {
protected:
    ktr::test::ScratchRegistry registry;
    QTemporaryDir temp;
    ScopedEnv tmpdir{"TMPDIR", temp.path().toUtf8()};

    QStringList logFiles(const QString &root, const QString &pattern) const
    {
        return QDir(root + QStringLiteral("/Log")).entryList({pattern}, QDir::Files);
    }
};

TEST_F(RegistryLogs, AlertLogBelowInstallation)
{
    registry.setKeelhaven("ClientPath=" + registry.root().toUtf8() + "/client\nServerPath=/nowhere\n");
    EXPECT_TRUE(WriteAlertLog("libstrs", "hello", "M"));
    const QStringList files = logFiles(registry.root() + QStringLiteral("/client"), QStringLiteral("Alert_libstrs_*.log"));
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files.front().size(), QStringLiteral("Alert_libstrs_YYYYMM.log").size());
}

TEST_F(RegistryLogs, AlertLogBelowServerPathWhenNoClientPath)
{
    registry.setKeelhaven("ServerPath=" + registry.root().toUtf8() + "/server\n");
    EXPECT_TRUE(WriteAlertLog("libstrs", "hello", "Y"));
    EXPECT_EQ(logFiles(registry.root() + QStringLiteral("/server"), QStringLiteral("Alert_libstrs_*.log")).size(), 1);
}

TEST_F(RegistryLogs, WithoutRegistryValuesAlertLogGoesBelowExecutable)
{
    registry.setKeelhaven("ProfileType=0\n");
    const QString logName = QStringLiteral("shared_test_%1").arg(QCoreApplication::applicationPid());
    EXPECT_TRUE(WriteAlertLog(logName.toStdString(), "exe", "Y"));
    EXPECT_TRUE(WriteUpdaterAlertLog(logName.toStdString(), "updater", "Y"));
    const QString exeDir = QStringLiteral(KTR_BIN_DIR);
    const QStringList files = logFiles(exeDir, QStringLiteral("Alert_") + logName + QStringLiteral("_*.log"));
    ASSERT_EQ(files.size(), 1);
    const QString path = exeDir + QStringLiteral("/Log/") + files.front();
    const QStringList lines = QString::fromUtf8(ktr::test::readFile(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QFile::remove(path);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("] exe")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("] updater")));
}

TEST_F(RegistryLogs, UpdaterLogIgnoresInstallation)
{
    registry.setKeelhaven("ClientPath=" + registry.root().toUtf8() + "/client\n");
    const std::string logName = "shared_updater_" + std::to_string(QCoreApplication::applicationPid());
    EXPECT_TRUE(WriteUpdaterAlertLog(logName, "x", "Y"));
    EXPECT_TRUE(logFiles(registry.root() + QStringLiteral("/client"), QStringLiteral("Alert_*")).isEmpty());
    const QStringList files = logFiles(QStringLiteral(KTR_BIN_DIR), QString::fromStdString("Alert_" + logName + "_*.log"));
    ASSERT_EQ(files.size(), 1);
    QFile::remove(QStringLiteral(KTR_BIN_DIR "/Log/") + files.front());
}

struct RootCase {
    const char *name;
    const char *registryText; // "@" stands for the scratch folder
    const char *expected;     // "@" scratch folder, "$" temporary folder
};

const RootCase kRootCases[] = {
    {"client_path", "ClientPath=@/c\nServerPath=@/s\n", "@/c"},
    {"server_path", "ClientPath=\nServerPath=@/s\n", "@/s"},
    {"no_values_temp_folder", "ProfileType=0\n", "$"},
};

class GeneratorLogRoot : public RegistryLogs, public testing::WithParamInterface<RootCase> {};

TEST_P(GeneratorLogRoot, ChoosesRoot)
{
    const QByteArray scratch = registry.root().toUtf8();
    registry.setKeelhaven(QByteArray(GetParam().registryText).replace('@', scratch));
    const std::string expected = QByteArray(GetParam().expected).replace('@', scratch).replace('$', temp.path().toUtf8()).toStdString();
    EXPECT_EQ(GetGeneratorLogRoot(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneratorLogRoot, testing::ValuesIn(kRootCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RegistryLogs, GeneratorLogRootWhenRegistryUnreadable)
{
    // A folder in the registry file's place cannot be read.
    QDir().mkpath(registry.registryPath());
    EXPECT_EQ(GetGeneratorLogRoot(), "/tmp");
}

// ---- Error report ------------------------------------------------------------------------

class ErrorReportTest : public RegistryLogs {
protected:
    void SetUp() override { registry.setKeelhaven("ClientPath=" + registry.root().toUtf8() + "\n"); }

    // The report's lines without their time stamps; a line break inside a line stays.
    std::vector<std::string> reportLines() const
    {
        const QStringList files = logFiles(registry.root(), QStringLiteral("Alert_TRELLGenerator_*.log"));
        if (files.size() != 1)
            return {"log files: " + files.join(QLatin1Char(',')).toStdString()};
        const std::string content = ktr::test::readFile(registry.root() + QStringLiteral("/Log/") + files.front()).toStdString();
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < content.size()) {
            // Each entry begins with "[stamp] " at the start of a line.
            std::size_t end = content.find("\n[", start);
            end = end == std::string::npos ? content.size() : end + 1;
            std::string entry = content.substr(start, end - start);
            const std::size_t stampEnd = entry.find("] ");
            if (entry.front() == '[' && stampEnd != std::string::npos)
                entry = entry.substr(stampEnd + 2);
            if (!entry.empty() && entry.back() == '\n')
                entry.pop_back();
            lines.push_back(entry);
            start = end;
        }
        return lines;
    }
};

const std::string kHyphens(34, '-');

TEST_F(ErrorReportTest, NothingButTheSeparator)
{
    WriteErrorReport(nullptr, "", "");
    EXPECT_EQ(reportLines(), std::vector<std::string>{std::string(68, '-')});
}

TEST_F(ErrorReportTest, LocationKeepsItsBlanks)
{
    WriteErrorReport(nullptr, " here ", "  ");
    WriteErrorReport(nullptr, "   ", "");
    EXPECT_EQ(reportLines(), (std::vector<std::string>{kHyphens + " on  here  " + kHyphens, std::string(68, '-')}));
}

TEST_F(ErrorReportTest, OtherExceptionWithPercentSign)
{
    const ktr::ConvertError error("'x%1' is not a valid integer value");
    WriteErrorReport(&error, "Parse", " check it ");
    EXPECT_EQ(reportLines(), (std::vector<std::string>{
                                 kHyphens + " on Parse " + kHyphens,
                                 "讯息信息:",
                                 "Exception is ktr::ConvertError\r\nMessage 01: 'x%1' is not a valid integer value",
                                 "ErrorMessage Count: 1",
                                 "Programer Message:  check it ",
                             }));
}

TEST_F(ErrorReportTest, DatabaseEngineErrorWithNativeErrors)
{
    const ktr::DBEngineError error("engine", {{65535, "first %d"}, {7, "second"}});
    WriteErrorReport(&error, "Query", "");
    EXPECT_EQ(reportLines(), (std::vector<std::string>{
                                 kHyphens + " on Query " + kHyphens,
                                 "讯息信息:",
                                 "EDBEngineError Error 01: Code: 65535, Message: first %d",
                                 "EDBEngineError Error 02: Code: 7, Message: second",
                                 "ErrorMessage Count: 2",
                             }));
}

TEST_F(ErrorReportTest, DatabaseEngineErrorWithoutNativeErrors)
{
    const ktr::DBEngineError error("engine", {});
    WriteErrorReport(&error, "", "");
    EXPECT_EQ(reportLines(), (std::vector<std::string>{std::string(68, '-'), "讯息信息:", "ErrorMessage Count: 0"}));
}

TEST_F(ErrorReportTest, OperatingSystemAndInputOutputErrors)
{
    const ktr::OSError os("Access is denied", 5);
    const ktr::InOutError io("Disk full", 112);
    WriteErrorReport(&os, "", "");
    WriteErrorReport(&io, "", "");
    EXPECT_EQ(reportLines(), (std::vector<std::string>{
                                 std::string(68, '-'), "讯息信息:",
                                 "EWin32Error Error 01: Code: 5, Message: Access is denied",
                                 "ErrorMessage Count: 1", std::string(68, '-'), "讯息信息:",
                                 "EInOutError Error 01: Code: 112, Message: Disk full",
                                 "ErrorMessage Count: 1",
                             }));
}

TEST_F(ErrorReportTest, UnwritableLogIsLostSilently)
{
    ktr::test::writeFile(registry.root() + QStringLiteral("/file"), "x");
    registry.setKeelhaven("ClientPath=" + registry.root().toUtf8() + "/file\n");
    const std::runtime_error error("lost");
    EXPECT_NO_THROW(WriteErrorReport(&error, "x", "y"));
    EXPECT_FALSE(WriteGeneratorLog("lost"));
}

TEST_F(ErrorReportTest, GeneratorLogIsDailyWithStamp)
{
    EXPECT_TRUE(WriteGeneratorLog("plain"));
    const QStringList files = logFiles(registry.root(), QStringLiteral("Alert_TRELLGenerator_*.log"));
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files.front().size(), QStringLiteral("Alert_TRELLGenerator_YYYYMMDD.log").size());
    const QString content = QString::fromUtf8(ktr::test::readFile(registry.root() + QStringLiteral("/Log/") + files.front()));
    EXPECT_TRUE(content.startsWith(QLatin1Char('['))) << content.toStdString();
    EXPECT_TRUE(content.endsWith(QStringLiteral("] plain\n"))) << content.toStdString();
}

} // namespace
