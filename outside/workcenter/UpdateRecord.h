#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ktr::workcenter {

// The update record of a job library for the downloader: the server copy's modification stamp
// and full path, in the tag notation
//   <File><Name>qtxr72s.so</Name><Modify>YYYYMMDDHHMMSS</Modify><Size>n</Size><Path>/folder/QTXR72S.so</Path></File>
// The file is looked for in the server package folder, its name compared without regard to
// case (clients ask in lower case). Raises DispatchError for a name that is not a plain file
// name or a file that is not there.
std::string updateRecord(const std::filesystem::path &packageFolder, std::string_view fileName);

} // namespace ktr::workcenter
