// SPDX-License-Identifier: MIT
#include "storage/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace trellum {

namespace {

// Our temporary files: ".NAME.tmp-PID-N" beside NAME, locked (flock) by their
// writer from creation until renamed. Names of other forms are never ours.
constexpr std::string_view kTempMarker = ".tmp-";
constexpr int kMaxAttempts = 1000;
// A process id proves nothing (PID namespaces, reuse), and a lock is taken a
// moment after the file exists or not at all on some file systems: only a
// temporary file this old and unlocked counts as a crash leftover.
constexpr std::time_t kStaleAfterSeconds = 10 * 60;
// A save whose temporary file vanished before its rename starts over this often.
constexpr int kSaveTries = 3;
constexpr int kMaxLinks = 40;

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    // Closes now, so a failing close (a full disk on some file systems) is seen.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Folders of the user's own files are private to the user.
bool makeFolders(const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    const std::string parent = folderOf(folder);
    if (parent != folder && !makeFolders(parent)) return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// A new, empty temporary file beside `target`, opened for writing; -1 on failure.
int createTemporary(const std::string& target, mode_t mode, std::string& tempPath)
{
    const std::string prefix = folderOf(target) + "/." + nameOf(target) + std::string(kTempMarker) +
                               std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        tempPath = prefix + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A written and synced temporary file. Its lock lives on a duplicate of the
// writing descriptor, so the file can be closed (and a failing close seen)
// while the lock tells other copies that its writer is still at work.
struct Temporary {
    std::string path;
    std::unique_ptr<Fd> lock;
    bool ok() const { return !path.empty(); }
};

Temporary writeTemporary(const std::string& target, std::string_view bytes, const struct stat* keepModeOf)
{
    Temporary temp;
    std::string path;
    Fd fd(createTemporary(target, 0666, path));
    if (fd.get() < 0) return temp;
    temp.lock = std::make_unique<Fd>(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
    // Where locks are not supported the age of the file alone protects it.
    if (temp.lock->get() >= 0) ::flock(temp.lock->get(), LOCK_EX | LOCK_NB);
    bool ok = writeAll(fd.get(), bytes);
    if (ok && keepModeOf != nullptr) ok = ::fchmod(fd.get(), keepModeOf->st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd.get()) == 0;
    if (!fd.close()) ok = false;
    if (!ok) {
        ::unlink(path.c_str());
        temp.lock.reset();
        return temp;
    }
    temp.path = std::move(path);
    return temp;
}

// Renames without replacing anything; false with errno EEXIST when the name is taken.
bool renameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without no-replace renames: a hard link fails when the name is taken.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

std::string timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
    return buffer;
}

bool allDigits(std::string_view text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Digits as the writer prints a number: no sign, no leading zero.
bool isPrintedNumber(std::string_view text)
{
    return allDigits(text) && text.size() <= 10 && (text.size() == 1 || text.front() != '0');
}

// Exactly the name createTemporary() gives a temporary file of `name`.
bool isOurTemporaryName(std::string_view entry, const std::string& name)
{
    const std::string prefix = "." + name + std::string(kTempMarker);
    if (!entry.starts_with(prefix)) return false;
    entry.remove_prefix(prefix.size());
    const std::size_t dash = entry.find('-');
    if (dash == std::string_view::npos) return false;
    const std::string_view attempt = entry.substr(dash + 1);
    return isPrintedNumber(entry.substr(0, dash)) && isPrintedNumber(attempt) &&
           std::strtol(std::string(attempt).c_str(), nullptr, 10) < kMaxAttempts;
}

// Removes the temporary file when its writer is provably gone: the file is
// ours, old, and nobody holds its lock (the kernel drops a lock with its
// process, whatever namespace that ran in).
void removeIfAbandoned(const std::string& full, std::time_t now)
{
    struct stat info {};
    if (::lstat(full.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) return;
    if (info.st_mtime > now || now - info.st_mtime < kStaleAfterSeconds) return;
    Fd fd(::open(full.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return;
    // Still the same file under that name, not a new one of a writer that reused it.
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd.get(), &opened) != 0 || ::lstat(full.c_str(), &named) != 0) return;
    if (opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) return;
    ::unlink(full.c_str());
}

}  // namespace

std::string followLinks(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) return current;
        target.resize(static_cast<std::size_t>(length));
        current = target.starts_with('/') ? target : folderOf(current) + "/" + target;
    }
    return current;
}

FileRead readRegularFile(const std::string& path, std::size_t maxBytes)
{
    FileRead result;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Absent : ReadStatus::Unreadable;
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.status = ReadStatus::Directory;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = ReadStatus::NotRegular;
        return result;
    }
    // Without blocking: the path may have become a FIFO since the look above.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    result.status = ReadStatus::Unreadable;
    if (fd.get() < 0) return result;
    if (::fstat(fd.get(), &info) != 0) return result;
    if (!S_ISREG(info.st_mode)) {
        result.status = S_ISDIR(info.st_mode) ? ReadStatus::Directory : ReadStatus::NotRegular;
        return result;
    }
    if (static_cast<std::size_t>(info.st_size) > maxBytes) return result;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    while (true) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return result;
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) return result;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    result.status = ReadStatus::Read;
    result.bytes = std::move(bytes);
    return result;
}

WriteStatus writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string target = followLinks(path);
    struct stat old {};
    const bool existed = ::lstat(target.c_str(), &old) == 0;
    if (existed) {
        if (!S_ISREG(old.st_mode)) return WriteStatus::NotRegular;
        // The mode bits speak for root too, whom access() lets write anything.
        if ((old.st_mode & 0444) == 0 || ::access(target.c_str(), R_OK) != 0) return WriteStatus::Unreadable;
        if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return WriteStatus::ReadOnly;
    } else if (errno != ENOENT) {
        return WriteStatus::Failed;
    }
    if (!makeFolders(folderOf(target))) return WriteStatus::Failed;
    removeStaleTemporaryFiles(target);
    // Another copy may have removed our temporary file before the rename (an
    // older version could, taking us for gone): then write a fresh one.
    for (int attempt = 0; attempt < kSaveTries; ++attempt) {
        const Temporary temp = writeTemporary(target, bytes, existed ? &old : nullptr);
        if (!temp.ok()) return WriteStatus::Failed;
        if (::rename(temp.path.c_str(), target.c_str()) == 0) {
            // The rename itself must reach the disk for the new file to outlive a power cut.
            syncFolder(folderOf(target));
            return WriteStatus::Written;
        }
        const bool vanished = errno == ENOENT;
        ::unlink(temp.path.c_str());
        if (!vanished) break;
    }
    return WriteStatus::Failed;
}

std::string writeFileBeside(const std::string& path, std::string_view suffix, std::string_view bytes)
{
    const std::string target = followLinks(path);
    struct stat original {};
    // A copy of a private file stays as private as the file.
    const bool existed = ::stat(target.c_str(), &original) == 0 && S_ISREG(original.st_mode);
    if (existed) original.st_mode &= 0666;
    if (!makeFolders(folderOf(target))) return {};
    const Temporary temp = writeTemporary(target, bytes, existed ? &original : nullptr);
    if (!temp.ok()) return {};
    const std::string base = target + std::string(suffix);
    for (int n = 1; n <= 1000; ++n) {
        const std::string candidate = n == 1 ? base : base + "-" + std::to_string(n);
        if (renameNoReplace(temp.path, candidate)) {
            syncFolder(folderOf(target));
            return candidate;
        }
        if (errno != EEXIST) break;
    }
    ::unlink(temp.path.c_str());
    return {};
}

bool writeNewFile(const std::string& path, std::string_view bytes)
{
    if (!makeFolders(folderOf(path))) return false;
    const Temporary temp = writeTemporary(path, bytes, nullptr);
    if (!temp.ok()) return false;
    if (!renameNoReplace(temp.path, path)) {
        ::unlink(temp.path.c_str());
        return false;
    }
    syncFolder(folderOf(path));
    return true;
}

std::string setAside(const std::string& path)
{
    const std::string target = followLinks(path);
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !(S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))) return {};
    const std::string base = target + ".damaged-" + timestamp();
    for (int n = 1; n <= 1000; ++n) {
        const std::string candidate = n == 1 ? base : base + "-" + std::to_string(n);
        if (renameNoReplace(target, candidate)) {
            syncFolder(folderOf(target));
            return candidate;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

void removeStaleTemporaryFiles(const std::string& path)
{
    const std::string target = followLinks(path);
    const std::string folder = folderOf(target);
    const std::string name = nameOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir))
        if (isOurTemporaryName(entry->d_name, name)) removeIfAbandoned(folder + "/" + entry->d_name, now);
    ::closedir(dir);
}

std::string xdgBaseFolder(const char* xdgValue, const char* home, const char* passwdHome, std::string_view underHome)
{
    if (xdgValue != nullptr && xdgValue[0] == '/') return xdgValue;
    for (const char* base : {home, passwdHome}) {
        if (base != nullptr && base[0] == '/') {
            std::string folder = base;
            if (!folder.ends_with('/')) folder += '/';
            return folder + std::string(underHome);
        }
    }
    return {};
}

namespace {

std::string userFolder(const char* variable, std::string_view underHome)
{
    std::string base = xdgBaseFolder(std::getenv(variable), std::getenv("HOME"), nullptr, underHome);
    if (base.empty()) {
        // Asked only when the environment names no folder: the password database
        // loads the name-service modules and reads their files at every start.
        const passwd* entry = ::getpwuid(::getuid());
        if (entry != nullptr) base = xdgBaseFolder(nullptr, nullptr, entry->pw_dir, underHome);
    }
    return base.empty() ? base : base + "/trellum";
}

}  // namespace

std::string userConfigFolder() { return userFolder("XDG_CONFIG_HOME", ".config"); }

std::string userDataFolder() { return userFolder("XDG_DATA_HOME", ".local/share"); }

}  // namespace trellum
