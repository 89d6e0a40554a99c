#pragma once
// Where this user's constants library lives. A copy run from its build or
// unpacked folder keeps constants.txt beside the program. An installed copy's
// folder belongs to root, so each user gets an own library under the XDG data
// folder, seeded once from the starter file shipped beside the program.

#include <functional>
#include <string>

namespace trellum {

// $XDG_DATA_HOME/trellum, or <home>/.local/share/trellum when XDG_DATA_HOME is
// unset, empty or relative (relative values are invalid by the XDG rules);
// a relative home counts as none (xdgBaseFolder).
// Either argument may be null. Empty when no home folder is known either.
std::string userDataFolder(const char* xdgDataHome, const char* home);

// The constants file to read and write. The program folder's constants.txt
// when the program may replace it there; otherwise userFolder/constants.txt,
// which is created from the program folder's file the first time (folders
// included) and never overwritten afterwards.
std::string constantsFilePath(const std::string& programFolder, const std::string& userFolder,
                              const std::function<bool(const std::string&)>& canWrite);

// The same for the running user: the user folder from the environment, and
// write permission as the system grants it.
std::string constantsFilePath(const std::string& programFolder);

}  // namespace trellum
