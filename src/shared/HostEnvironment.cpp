#include "HostEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace ktr {

namespace {

std::string firstSeparatorIn(const QString &format, const char *fallback)
{
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (!quoted && !c.isLetter() && !c.isSpace())
            return QString(c).toStdString();
    }
    return fallback;
}

} // namespace

std::string loginUserName()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found
        && found->pw_name && *found->pw_name)
        return found->pw_name;
    if (const char *user = std::getenv("USER"); user && *user)
        return user;
    return {};
}

std::string hostExecutableFolder()
{
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return exe.canonicalFilePath().isEmpty() ? QDir::currentPath().toStdString()
                                             : QFileInfo(exe.canonicalFilePath()).path().toStdString();
}

std::string userTempFolder()
{
    return QDir::tempPath().toStdString();
}

std::string localeDateSeparator()
{
    return firstSeparatorIn(QLocale::system().dateFormat(QLocale::ShortFormat), "/");
}

std::string localeTimeSeparator()
{
    return firstSeparatorIn(QLocale::system().timeFormat(QLocale::ShortFormat), ":");
}

std::string withSlashes(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::string joinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace ktr
