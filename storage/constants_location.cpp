#include "storage/constants_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace trellum {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "constants.txt";

// Copies the starter file under a temporary name and links it into place, so
// a second instance seeding at the same moment, or a crash halfway, can never
// leave a half-written library or overwrite one that appeared meanwhile.
void seedUserCopy(const fs::path& starter, const fs::path& userFile)
{
    std::error_code error;
    if (!fs::is_regular_file(starter, error)) return;
    const fs::path temp = userFile.parent_path() / (".constants.txt.seed." + std::to_string(::getpid()));
    fs::remove(temp, error);
    if (!fs::copy_file(starter, temp, fs::copy_options::none, error)) return;
    fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read,
                    error);
    fs::create_hard_link(temp, userFile, error);
    if (error && error != std::errc::file_exists && !fs::exists(userFile)) {
        // Some file systems have no hard links; a plain rename is the next best.
        fs::rename(temp, userFile, error);
    }
    fs::remove(temp, error);
}

}  // namespace

std::string UserDataFolder(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return (fs::path(xdgDataHome) / "trellum").string();
    if (home == nullptr || home[0] == '\0') return {};
    return (fs::path(home) / ".local" / "share" / "trellum").string();
}

std::string ConstantsFilePath(const std::string& programFolder, const std::string& userFolder,
                              const std::function<bool(const std::string&)>& canWrite)
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
    if (!error && programFileExists) seedUserCopy(programFile, userFile);
    return userFile.string();
}

std::string ConstantsFilePath(const std::string& programFolder)
{
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    const std::string userFolder = UserDataFolder(std::getenv("XDG_DATA_HOME"), home);
    return ConstantsFilePath(programFolder, userFolder,
                             [](const std::string& path) { return ::access(path.c_str(), W_OK) == 0; });
}

}  // namespace trellum
