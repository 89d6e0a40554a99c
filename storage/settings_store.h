// SPDX-License-Identifier: MIT
#pragma once
// The settings store: keys and typed values kept in one hand-editable text file
// in the registry export format ("REGEDIT4"), system.reg.
//
//   file --(read once, here)--> store --(value/text/number)--> loadSettings
//   saveSettings --(set)--> store --(save: one atomic write)--> file
//
// Only this store's reader and writer know the format's text (its root key,
// type tags and data forms); the rest of the program sees typed values.
//
// The store keeps the file's own lines: what the program does not know (other
// keys and values, comments, blank lines) is written back exactly as it was
// read, and only the values the program sets are rewritten. Load and save are
// linear in the file's size. A file that cannot be read as this format is
// never overwritten unread: it is set aside before the next save.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace trellum {

// Binary data, or a value of a kind the program neither reads nor writes, as
// its bytes. Writing one stores binary data.
struct SettingBytes {
    std::string bytes;
    bool operator==(const SettingBytes&) const = default;
};

// A stored value: a text (without the file's terminating NUL), a 32-bit
// number, or bytes. The program itself writes only texts and numbers.
using SettingValue = std::variant<std::string, int32_t, SettingBytes>;

// Why a key or value could not be written.
enum class SettingsError {
    NoSuchKey,    // the value's key does not exist: createKey makes it
    InvalidName,  // an empty key name, or a character outside printable ASCII
};

// What start-up found at the settings path.
enum class SettingsFileState {
    Absent,     // no file (or an in-memory store): a first run
    Read,       // read and understood as a whole
    Damaged,    // unreadable or not in the format: starts empty, set aside before saving
    LeftAlone,  // a FIFO, device or socket: starts empty and nothing is ever written through it
};

class SettingsStore {
public:
    // Reads the file at `path` once. An empty path keeps the store in memory
    // only (tests and the key-script runner without --hive).
    explicit SettingsStore(std::string path = {});
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Key paths are names separated by backslashes below the file's one root
    // ("SOFTWARE\\Quorbel\\Trellum"); key and value names compare without
    // regard to ASCII case.
    bool hasKey(std::string_view key) const;
    // Creates the key and its missing parents.
    std::optional<SettingsError> createKey(std::string_view key);

    // Nothing when the key or value is absent. A number whose data is not four
    // bytes (a hand edit) comes back as its bytes.
    std::optional<SettingValue> value(std::string_view key, std::string_view name) const;
    // The value when it is of that type.
    std::optional<std::string> text(std::string_view key, std::string_view name) const;
    std::optional<int32_t> number(std::string_view key, std::string_view name) const;

    // Sets a value of an existing key that this copy changed: the next save
    // writes it over whatever the file holds then. Nothing when it was set.
    std::optional<SettingsError> set(std::string_view key, std::string_view name, const SettingValue& value);
    // A value this copy has not changed since it read it: the file's own value
    // at the next save wins (another copy or an editor may have changed it
    // meanwhile), and this one is written only where the file has none.
    std::optional<SettingsError> setIfMissing(std::string_view key, std::string_view name,
                                              const SettingValue& value);

    // The file holds something the program could not take in as it expects:
    // keep it aside before save() replaces it, so a hand edit is never lost unseen.
    void setAsideBeforeSave();

    // Writes the whole store to the file in one atomic replacement, after
    // setting a damaged file aside. A file changed by someone else since it was
    // read (a repair of a damaged one too) keeps all it holds but the values
    // set since this store's last save, which are written over it; one that no
    // longer reads as a settings file is kept beside as NAME.changed first, and
    // a folder or an unreadable file in the way is set aside. False when
    // nothing could be written. A save with no value set since this store's
    // last one writes nothing: a logout saves when asked to and again when the
    // program ends.
    bool save();

    SettingsFileState fileState() const;
    const std::string& path() const { return m_path; }
    // Where the file read at start-up was moved before it was replaced; empty if it was not.
    const std::string& setAsidePath() const { return m_setAside; }

    // The file text the store would write now.
    std::string fileText() const;

private:
    struct Document;
    // Before a save: takes in the file as it is now. One changed since it was
    // read is merged, or kept beside as NAME.changed when it no longer reads
    // as a settings file; one not understood, a folder in the way or a file
    // that cannot be read is set aside. False when it could not be kept.
    bool takeInFileAsItIsNow();

    std::string m_path;
    std::string m_setAside;
    std::unique_ptr<Document> m_doc;
    bool m_saved = false;   // the file holds what fileText() gave at the last save()
};

// The settings file: $XDG_CONFIG_HOME/trellum/system.reg (~/.config/... when
// XDG_CONFIG_HOME is unset or relative); empty when no home folder is known.
std::string defaultSettingsPath();

}  // namespace trellum
