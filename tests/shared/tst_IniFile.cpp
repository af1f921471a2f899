#include "IniFile.h"
#include "SharedTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using ktr::IniFile;

namespace {

IniFile fixture(const char *name)
{
    return IniFile::load(ktr::test::sharedDataDir() + QStringLiteral("/ini/") + QLatin1String(name));
}

struct LookupCase {
    const char *name;
    const char *section;
    const char *key;
    std::optional<std::string> expected;
};

const LookupCase kConventionCases[] = {
    {"blanks_inside_brackets_and_around_equals", "Code Page", "UICodePage", "950"},
    {"section_and_key_without_case", "code page", "uicodepage", "950"},
    {"no_inline_comment", "Code Page", "DBCodePage", "936 ; not a comment"},
    {"one_pair_of_double_quotes_removed", "Code Page", "Quoted", "  spaced value  "},
    {"unbalanced_quote_kept", "Code Page", "HalfQuoted", "\"open"},
    {"single_quotes_kept", "Code Page", "SingleQuotes", "'kept'"},
    {"empty_value_exists", "Code Page", "Empty", ""},
    {"line_without_equals_skipped", "Code Page", "NoEquals line is skipped", std::nullopt},
    {"backslashes_kept", "Code Page", "Path", "C:\\dir\\sub"},
    {"first_duplicate_key_wins", "Code Page", "DUP", "first"},
    {"first_duplicate_section_wins", "CODE PAGE", "UICodePage", "950"},
    {"duplicate_section_keys_invisible", "Code Page", "Extra", std::nullopt},
    {"section_after_blank_line", "second", "a", "1"},
    {"comment_line_is_no_key", "Code Page", "; A comment line", std::nullopt},
    {"missing_section", "Nowhere", "a", std::nullopt},
    {"utf8_names_and_values", "chinese 中文", "名称", "值"},
    {"utf8_value", "Chinese 中文", "Mixed", "中文 and text"},
};

class IniConventions : public testing::TestWithParam<LookupCase> {};

TEST_P(IniConventions, ReadsValue)
{
    static const IniFile ini = fixture("conventions.ini");
    const auto &c = GetParam();
    ASSERT_EQ(ini.status(), IniFile::Status::Read);
    EXPECT_EQ(ini.value(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniConventions, testing::ValuesIn(kConventionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(IniFile, SectionValuesInFileOrderOnePerKey)
{
    const IniFile ini = fixture("conventions.ini");
    const std::vector<IniFile::Entry> expected = {
        {"UICodePage", "950"}, {"DBCodePage", "936 ; not a comment"}, {"Quoted", "  spaced value  "},
        {"HalfQuoted", "\"open"}, {"SingleQuotes", "'kept'"}, {"Empty", ""},
        {"Path", "C:\\dir\\sub"}, {"Dup", "first"},
    };
    EXPECT_EQ(ini.sectionValues("code page"), expected);
    EXPECT_TRUE(ini.hasSection("Empty Section"));
    EXPECT_TRUE(ini.sectionValues("Empty Section").empty());
    EXPECT_EQ(ini.sectionNames(),
              (std::vector<std::string>{"Code Page", "second", "Empty Section", "Chinese 中文"}));
}

TEST(IniFile, DefaultsAndIntegers)
{
    const IniFile ini = IniFile::parse("[S]\nport=211\nbad=21x\nneg= -4\nempty=\nbig=99999999999\n");
    EXPECT_EQ(ini.readString("S", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("S", "empty", "dflt"), "");
    EXPECT_EQ(ini.readInteger("S", "port", 1), 211);
    EXPECT_EQ(ini.readInteger("S", "bad", 1), 1);
    EXPECT_EQ(ini.readInteger("S", "neg", 1), -4);
    EXPECT_EQ(ini.readInteger("S", "empty", 1), 1);
    EXPECT_EQ(ini.readInteger("S", "big", 1), 1);
    EXPECT_EQ(ini.readInteger("T", "port", 7), 7);
}

struct LineEndCase {
    const char *name;
    const char *file;
};

const LineEndCase kLineEndCases[] = {
    {"crlf", "crlf.ini"},
    {"cr_only_with_bom", "cr_only_bom.ini"},
};

class IniLineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(IniLineEnds, ReadsEveryLine)
{
    const IniFile ini = fixture(GetParam().file);
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Sec", "Other"}));
    EXPECT_EQ(ini.value("Sec", "a"), "1");
    EXPECT_EQ(ini.value("Sec", "b"), "two");
    EXPECT_EQ(ini.value("Other", "a"), "3");
}

INSTANTIATE_TEST_SUITE_P(Cases, IniLineEnds, testing::ValuesIn(kLineEndCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(IniFile, MissingBracketStartsNoSection)
{
    const IniFile ini = fixture("missing_bracket.ini");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Good", "Good2"}));
    EXPECT_EQ(ini.value("Good", "a"), "1");
    EXPECT_EQ(ini.value("Good", "b"), std::nullopt) << "lines after a broken section line belong to none";
    EXPECT_EQ(ini.value("Good2", "a"), "2");
}

TEST(IniFile, BinaryGarbageReadsWithoutCrash)
{
    const IniFile ini = fixture("binary_garbage.ini");
    EXPECT_EQ(ini.status(), IniFile::Status::Read);
    EXPECT_EQ(ini.value("After Garbage", "key"), "value");
    for (const auto &name : ini.sectionNames()) {
        for (const auto &[key, value] : ini.sectionValues(name)) {
            EXPECT_TRUE(QString::fromStdString(key).toStdString() == key) << "keys stay valid UTF-8";
            EXPECT_TRUE(QString::fromStdString(value).toStdString() == value);
        }
    }
}

TEST(IniFile, VeryLongLinesAndManyKeys)
{
    const std::string longValue(2'000'000, 'v');
    std::string text = "[Long]\nkey=" + longValue + "\n[" + std::string(100'000, 's') + "]\nx=1\n[Many]\n";
    for (int i = 0; i < 100'000; ++i)
        text += "k" + std::to_string(i % 50'000) + "=" + std::to_string(i) + "\n";
    const IniFile ini = IniFile::parse(text);
    EXPECT_EQ(ini.value("Long", "key"), longValue);
    EXPECT_EQ(ini.value(std::string(100'000, 'S'), "x"), "1");
    EXPECT_EQ(ini.sectionValues("Many").size(), 50'000u);
    EXPECT_EQ(ini.value("Many", "k49999"), "49999") << "the first of the duplicate keys wins";
}

TEST(IniFile, MissingAndUnreadableFiles)
{
    EXPECT_EQ(IniFile::load(QStringLiteral("/nonexistent/KeelhavenC.ini")).status(), IniFile::Status::Missing);
    QTemporaryDir dir;
    // A folder where the file should be cannot be read as one.
    EXPECT_EQ(IniFile::load(dir.path()).status(), IniFile::Status::Unreadable);
    const IniFile missing = IniFile::load(QStringLiteral("/nonexistent/x.ini"));
    EXPECT_EQ(missing.readString("a", "b", "default"), "default");
}

// A file is read whole, however long its lines; one over the limit is not read at all.
TEST(IniFile, FilesAreReadWholeUpToTheSizeLimit)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("KeelhavenC.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[S]\nlong=" + QByteArray(200'000, 'x') + "\nlast=1\n");
    file.close();
    const IniFile whole = IniFile::load(file.fileName());
    EXPECT_EQ(whole.status(), IniFile::Status::Read);
    EXPECT_EQ(whole.value("S", "long")->size(), 200'000u);
    EXPECT_EQ(whole.value("S", "last"), "1");
    ASSERT_TRUE(file.resize(IniFile::kMaxFileSize + 1)); // the rest of the file is a hole
    const IniFile tooLarge = IniFile::load(file.fileName());
    EXPECT_EQ(tooLarge.status(), IniFile::Status::TooLarge);
    EXPECT_EQ(tooLarge.value("S", "last"), std::nullopt);
}

// Names match without case in ASCII and beyond it.
TEST(IniFile, NamesMatchWithoutCaseBeyondAscii)
{
    const IniFile ini = IniFile::parse("[Größe ÄÖÜ]\nKÉY=1\nPlain=2\n");
    EXPECT_EQ(ini.value("GRÖßE äöü", "kéy"), "1");
    EXPECT_EQ(ini.value("größe äöü", "PLAIN"), "2");
    EXPECT_EQ(ini.value("größe aou", "plain"), std::nullopt);
}

TEST(IniFile, EmptyAndBlankContent)
{
    EXPECT_TRUE(IniFile::parse("").sectionNames().empty());
    EXPECT_TRUE(IniFile::parse("\r\n\r\n   \n\t\n").sectionNames().empty());
    EXPECT_EQ(IniFile::parse("key=before any section\n[S]\nkey=1").value("S", "key"), "1");
    EXPECT_EQ(IniFile::parse("[S]\nkey=1").value("", "key"), std::nullopt);
}

} // namespace
