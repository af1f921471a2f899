#include "Registry.h"

#include <QDir>

#include <algorithm>

namespace ktr {

namespace {

std::string normalisedKeyPath(std::string_view path)
{
    std::string key(path);
    std::replace(key.begin(), key.end(), '/', '\\');
    return key;
}

} // namespace

RegistryKey::RegistryKey(IniFile file, std::string section)
    : m_file(std::move(file)), m_section(std::move(section))
{
}

QString RegistryKey::registryFilePath()
{
    const QString explicitPath = qEnvironmentVariable("KTR_REGISTRY");
    if (!explicitPath.isEmpty())
        return explicitPath;
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/ktr/registry.ini");
}

std::optional<RegistryKey> RegistryKey::openReadOnly(std::string_view keyPath, OpenResult *result)
{
    OpenResult ignored;
    OpenResult &outcome = result ? *result : ignored;
    IniFile file = IniFile::load(registryFilePath());
    if (file.status() == IniFile::Status::Unreadable || file.status() == IniFile::Status::TooLarge) {
        outcome = OpenResult::Unreadable;
        return std::nullopt;
    }
    const QString wanted = QString::fromStdString(normalisedKeyPath(keyPath));
    for (const std::string &name : file.sectionNames()) {
        if (QString::fromStdString(normalisedKeyPath(name)).compare(wanted, Qt::CaseInsensitive) == 0) {
            outcome = OpenResult::Opened;
            return RegistryKey(std::move(file), name);
        }
    }
    outcome = OpenResult::KeyMissing;
    return std::nullopt;
}

bool RegistryKey::valueExists(std::string_view name) const
{
    return m_file.value(m_section, name).has_value();
}

std::string RegistryKey::readString(std::string_view name) const
{
    return m_file.readString(m_section, name, "");
}

} // namespace ktr
