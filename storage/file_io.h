// SPDX-License-Identifier: MIT
#pragma once
// Every file the program keeps goes through here: reading only regular files,
// replacing them atomically, setting a damaged one aside, writing a copy beside
// one, and finding the user's XDG folders. The settings store and the constants
// file both use it, so they agree on links, permissions and leftovers:
//   - a path may lead through symbolic links; what they lead to is read, and
//     replaced in place, so the link stays;
//   - only regular files are ever read, replaced or renamed (a folder in the
//     way may still be set aside); a FIFO or device is never opened for reading
//     by content and never replaced;
//   - a file the user has made read-only, or cannot read, is never replaced;
//   - a temporary file left by a crash during a save is removed by a later save
//     once it is old and unlocked; names of any other form are never touched.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace trellum {

// Larger files are not loaded: they count as unreadable and are left alone or set aside.
inline constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

enum class ReadStatus {
    Read,        // a regular file, read whole
    Absent,      // nothing there (a link that leads nowhere counts as nothing)
    Directory,   // a folder in the way
    NotRegular,  // a FIFO, device or socket: left exactly as it is
    Unreadable,  // a regular file that could not be opened or read to its end
};

struct FileRead {
    ReadStatus status = ReadStatus::Absent;
    std::string bytes;  // the whole file when status is Read
};

FileRead readRegularFile(const std::string& path, std::size_t maxBytes = kMaxFileBytes);

enum class WriteStatus {
    Written,
    NotRegular,  // the path leads to something other than a regular file
    ReadOnly,    // the file exists and the user may not (or chose not to let us) write it
    Unreadable,  // the file exists and cannot be read: replacing it would lose it unseen
    Failed,      // the folder or the disk refused; the old file is untouched
};

// Writes `bytes` to a temporary file beside the target (created under the
// user's umask, or with the mode of the file it replaces), syncs it, renames
// it over the target and syncs the folder. Missing folders are created (0700).
WriteStatus writeFileAtomically(const std::string& path, std::string_view bytes);

// Writes `bytes` to a new file named path + suffix (then suffix-2, -3, ...
// while such a name exists) without ever replacing a file. Returns its path,
// or empty when nothing could be written.
std::string writeFileBeside(const std::string& path, std::string_view suffix, std::string_view bytes);

// Writes `bytes` as a new file at `path`, and only when no file is there: a
// second writer at the same moment, or a crash halfway, never leaves half a
// file or replaces one that appeared meanwhile. False when nothing was written.
bool writeNewFile(const std::string& path, std::string_view bytes);

// Moves the regular file or folder the path leads to out of the way, as
// path.damaged-YYYYMMDD-HHMMSS (with -2, -3, ... when taken). Returns the new
// name, or empty when nothing was moved (nothing there, not a regular file or
// folder, or the rename was refused).
std::string setAside(const std::string& path);

// Removes temporary files of ours beside the target whose writer is provably
// gone: exactly our name's form, owned by this user, unchanged for ten minutes
// and not locked by a writer (in this PID namespace or any other).
void removeStaleTemporaryFiles(const std::string& path);

// The path with the links of its last component followed (a link that leads
// nowhere gives the path it names). Relative link texts count from the link's folder.
std::string followLinks(const std::string& path);

// An XDG base folder: `xdgValue` when it is an absolute path (relative values
// are invalid by the XDG rules and count as unset), else `home` + "/" +
// `underHome` when `home` is absolute, else the same under `passwdHome`.
// Empty when none of them is absolute. Any argument may be null.
std::string xdgBaseFolder(const char* xdgValue, const char* home, const char* passwdHome, std::string_view underHome);

// The running user's $XDG_CONFIG_HOME/trellum and $XDG_DATA_HOME/trellum by
// the rule above (HOME, then the password database); empty when unknown.
std::string userConfigFolder();
std::string userDataFolder();

}  // namespace trellum
