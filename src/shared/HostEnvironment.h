#pragma once

#include <string>

// What the system takes from the machine it runs on, in the form the port uses.
namespace ktr {

// The login name of the user running the process; empty when it cannot be found.
std::string loginUserName();
// The folder of the running program's executable, without a trailing "/".
std::string hostExecutableFolder();
// The user's temporary folder ($TMPDIR, else /tmp), without a trailing "/".
std::string userTempFolder();
// The current locale's date and time separators, taken from its short formats; "/" and ":"
// when the format has none.
std::string localeDateSeparator();
std::string localeTimeSeparator();

// The text with every "\" turned into "/".
std::string withSlashes(std::string text);
// folder + "/" + name, without doubling a separator the folder already ends in.
std::string joinPath(const std::string &folder, const std::string &name);

} // namespace ktr
