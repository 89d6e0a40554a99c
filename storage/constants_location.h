// SPDX-License-Identifier: MIT
#pragma once
// Where the program's data and this user's constants library live. A copy run
// from its build or unpacked folder keeps its data (constants.txt, the
// translations) beside the program; an installed copy keeps it in the data
// folder it was installed with. That folder belongs to root, so each user gets
// an own library under the XDG data folder, seeded once from the starter file.

#include <functional>
#include <string>

namespace trellum {

// $XDG_DATA_HOME/trellum, or <home>/.local/share/trellum when XDG_DATA_HOME is
// unset, empty or relative (relative values are invalid by the XDG rules);
// a relative home counts as none (xdgBaseFolder).
// Either argument may be null. Empty when no home folder is known either.
std::string userDataFolder(const char* xdgDataHome, const char* home);

// The folder of the program's read-only data: installedDataFolder for a program
// running from installedProgramFolder (however that folder is reached: /bin is
// /usr/bin on Debian), else programFolder itself.
std::string programDataFolder(const std::string& programFolder, const std::string& installedProgramFolder,
                              const std::string& installedDataFolder);

// The same with the folders this build installs to.
std::string programDataFolder(const std::string& programFolder);

// A starter constant's name in the user's language.
using StarterNameOf = std::function<std::string(const std::string&)>;

// The constants file to read and write. programFolder is the folder of the
// program's data (programDataFolder). Its constants.txt
// when the program may replace it there; otherwise userFolder/constants.txt,
// which is created from the program folder's file the first time (folders
// included), its names passed through `nameOf`, and never overwritten
// afterwards; the program folder's file when that copy cannot be made.
std::string constantsFilePath(const std::string& programFolder, const std::string& userFolder,
                              const std::function<bool(const std::string&)>& canWrite,
                              const StarterNameOf& nameOf = {});

// The same for the running user: the program's data folder, the user folder
// from the environment, and write permission as the system grants it.
std::string constantsFilePath(const std::string& programFolder, const StarterNameOf& nameOf = {});

}  // namespace trellum
