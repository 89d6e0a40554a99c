// SPDX-License-Identifier: MIT
#include "storage/constants_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "product.h"
#include "storage/constants_file.h"
#include "storage/file_io.h"

namespace trellum {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "constants.txt";

// The user's copy is made only where none exists, so a second instance seeding
// at the same moment can never overwrite a library that appeared meanwhile.
// Its names are the starter's in the user's language; a starter that does not
// read cleanly, or a name the file could not hold, is copied as it is.
void seedUserCopy(const fs::path& starter, const fs::path& userFile, const StarterNameOf& nameOf)
{
    const ConstantsFileContents read = readConstantsFile(starter.string());
    if (read.status != ReadStatus::Read) return;
    std::vector<std::string> names = read.names;
    if (nameOf && !read.loadFailed && !read.faultyLines && !read.droppedLines) {
        for (std::string& name : names) {
            const std::string translated = nameOf(name);
            if (!translated.empty() && translated.find_first_of("=\r\n") == std::string::npos) name = translated;
        }
    }
    writeNewFile(userFile.string(), names == read.names ? read.bytes : constantsFileText(names, read.values));
}

}  // namespace

std::string userDataFolder(const char* xdgDataHome, const char* home)
{
    const std::string base = xdgBaseFolder(xdgDataHome, home, nullptr, ".local/share");
    return base.empty() ? base : base + "/trellum";
}

std::string programDataFolder(const std::string& programFolder, const std::string& installedProgramFolder,
                              const std::string& installedDataFolder)
{
    std::error_code error;
    const bool installed = !programFolder.empty() && fs::equivalent(programFolder, installedProgramFolder, error);
    return installed ? installedDataFolder : programFolder;
}

std::string programDataFolder(const std::string& programFolder)
{
    return programDataFolder(programFolder, kInstalledProgramFolder, kInstalledDataFolder);
}

std::string constantsFilePath(const std::string& programFolder, const std::string& userFolder,
                              const std::function<bool(const std::string&)>& canWrite, const StarterNameOf& nameOf)
{
    const fs::path folder = programFolder.empty() ? fs::path(".") : fs::path(programFolder);
    const fs::path programFile = folder / kFileName;
    std::error_code error;
    const bool programFileExists = fs::exists(programFile, error);

    // The file is saved by renaming a new one over it, which needs the folder;
    // a file the user made read-only is taken as a wish not to have it changed.
    if (canWrite(folder.string()) && (!programFileExists || canWrite(programFile.string()))) {
        return programFile.string();
    }
    if (userFolder.empty()) return programFile.string();

    const fs::path userFile = fs::path(userFolder) / kFileName;
    if (fs::exists(userFile, error)) return userFile.string();
    fs::create_directories(userFolder, error);
    // Without a starter the user folder still exists, so the first save works.
    if (!error && programFileExists) seedUserCopy(programFile, userFile, nameOf);
    // Where no copy can be made (a home folder that does not exist, a full
    // disk) the starter is still shown; a save of an edit then fails with its
    // message, the edit kept in the dialog.
    if (programFileExists && !fs::exists(userFile, error)) return programFile.string();
    return userFile.string();
}

std::string constantsFilePath(const std::string& programFolder, const StarterNameOf& nameOf)
{
    // A file without write bits is read-only for root too, whom access() lets write anything.
    return constantsFilePath(programDataFolder(programFolder), userDataFolder(), [](const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0222) == 0) return false;
        return ::access(path.c_str(), W_OK) == 0;
    }, nameOf);
}

}  // namespace trellum
