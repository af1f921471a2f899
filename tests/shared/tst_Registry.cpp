#include "Registry.h"
#include "SharedTestSupport.h"

#include <gtest/gtest.h>

using ktr::RegistryKey;
using ktr::test::ScopedEnv;

namespace {

TEST(RegistryFilePath, ExplicitThenXdgThenHome)
{
    {
        ScopedEnv explicitPath("KTR_REGISTRY", QByteArray("/etc/ktr/reg.ini"));
        ScopedEnv xdg("XDG_CONFIG_HOME", QByteArray("/xdg"));
        EXPECT_EQ(RegistryKey::registryFilePath(), QStringLiteral("/etc/ktr/reg.ini"));
    }
    {
        ScopedEnv explicitPath("KTR_REGISTRY", std::nullopt);
        ScopedEnv xdg("XDG_CONFIG_HOME", QByteArray("/xdg"));
        EXPECT_EQ(RegistryKey::registryFilePath(), QStringLiteral("/xdg/ktr/registry.ini"));
    }
    {
        ScopedEnv explicitPath("KTR_REGISTRY", QByteArray(""));
        ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
        ScopedEnv home("HOME", QByteArray("/home/someone"));
        EXPECT_EQ(RegistryKey::registryFilePath(), QStringLiteral("/home/someone/.config/ktr/registry.ini"));
    }
}

class RegistryKeys : public testing::Test {
protected:
    ktr::test::ScratchRegistry registry;
    void SetUp() override
    {
        ktr::test::writeFile(registry.registryPath(),
                             "[Software\\KTR\\Keelhaven]\nClientPath = /opt/k \nEmpty=\n"
                             "[software/vorn/tamberlock]\nGoAhead= 1 \n");
    }
};

struct KeyCase {
    const char *name;
    const char *keyPath;
    const char *value;
    std::optional<std::string> expected; // no value: the key does not open
};

const KeyCase kKeyCases[] = {
    {"exact", "Software\\KTR\\Keelhaven", "ClientPath", "/opt/k"},
    {"case_of_key_and_value", "SOFTWARE\\ktr\\keelhaven", "clientpath", "/opt/k"},
    {"either_separator", "Software/VORN/Tamberlock", "GoAhead", "1"},
    {"backslashes_match_slashes", "Software\\VORN\\Tamberlock", "GoAhead", "1"},
    {"missing_value_reads_empty", "Software\\KTR\\Keelhaven", "ServerPath", ""},
    {"missing_key", "Software\\KTR\\Other", "ClientPath", std::nullopt},
    {"parent_key_is_no_key", "Software\\KTR", "ClientPath", std::nullopt},
};

class RegistryKeyLookup : public RegistryKeys, public testing::WithParamInterface<KeyCase> {};

TEST_P(RegistryKeyLookup, OpensAndReads)
{
    const auto &c = GetParam();
    RegistryKey::OpenResult result{};
    const auto key = RegistryKey::openReadOnly(c.keyPath, &result);
    if (!c.expected) {
        EXPECT_FALSE(key);
        EXPECT_EQ(result, RegistryKey::OpenResult::KeyMissing);
        return;
    }
    ASSERT_TRUE(key);
    EXPECT_EQ(result, RegistryKey::OpenResult::Opened);
    EXPECT_EQ(key->readString(c.value), *c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RegistryKeyLookup, testing::ValuesIn(kKeyCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RegistryKeys, ValueExistsDistinguishesEmptyFromMissing)
{
    const auto key = RegistryKey::openReadOnly("Software\\KTR\\Keelhaven");
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->valueExists("Empty"));
    EXPECT_FALSE(key->valueExists("ServerPath"));
}

TEST(RegistryOpen, MissingAndUnreadableFiles)
{
    QTemporaryDir dir;
    RegistryKey::OpenResult result{};
    {
        ScopedEnv path("KTR_REGISTRY", (dir.path() + QStringLiteral("/none.ini")).toUtf8());
        EXPECT_FALSE(RegistryKey::openReadOnly("Software\\KTR\\Keelhaven", &result));
        EXPECT_EQ(result, RegistryKey::OpenResult::KeyMissing);
    }
    {
        ScopedEnv path("KTR_REGISTRY", dir.path().toUtf8());
        EXPECT_FALSE(RegistryKey::openReadOnly("Software\\KTR\\Keelhaven", &result));
        EXPECT_EQ(result, RegistryKey::OpenResult::Unreadable);
    }
}

} // namespace
