#include "UpdateRecord.h"

#include <Object.h>

#include <QDateTime>
#include <QFileInfo>

namespace ktr::workcenter {

std::string updateRecord(const std::filesystem::path &packageFolder, std::string_view fileName)
{
    const std::string name(fileName);
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos ||
        name.find('\0') != std::string::npos)
        throw DispatchError("GetFileList: \"" + name + "\" is not a file name");
    std::error_code error;
    std::filesystem::path found;
    for (const auto &entry : std::filesystem::directory_iterator(packageFolder, error)) {
        if (entry.is_regular_file(error) && sameTextAscii(entry.path().filename().string(), name)) {
            found = entry.path();
            break;
        }
    }
    if (found.empty())
        throw DispatchError("GetFileList: there is no server copy of " + name + " in " + packageFolder.string());
    const QFileInfo info(QString::fromStdString(found.string()));
    const std::string stamp = info.lastModified().toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
    return "<File><Name>" + name + "</Name><Modify>" + stamp + "</Modify><Size>" +
           std::to_string(info.size()) + "</Size><Path>" + found.string() + "</Path></File>";
}

} // namespace ktr::workcenter
