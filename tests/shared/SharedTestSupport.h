#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ktr::test {

// Sets (or unsets) an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char *name, std::optional<QByteArray> value)
        : m_name(name), m_old(qgetenv(name)), m_hadOld(qEnvironmentVariableIsSet(name))
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_hadOld)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
    bool m_hadOld;
};

inline QString sharedDataDir()
{
    return QStringLiteral(KTR_TEST_DATA_DIR "/shared");
}

inline void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A scratch folder with a registry file that KTR_REGISTRY points at while the object lives.
class ScratchRegistry {
public:
    ScratchRegistry() : m_env("KTR_REGISTRY", registryPath().toUtf8()) {}

    QString root() const { return m_dir.path(); }
    QString registryPath() const { return m_dir.path() + QStringLiteral("/registry.ini"); }
    std::string path(const QString &relative) const
    {
        return (m_dir.path() + QLatin1Char('/') + relative).toStdString();
    }
    // Writes the registry file with the given text of its Keelhaven section.
    void setKeelhaven(const QByteArray &values)
    {
        writeFile(registryPath(), "[Software\\KTR\\Keelhaven]\n" + values);
    }

private:
    QTemporaryDir m_dir;
    ScopedEnv m_env;
};

} // namespace ktr::test
