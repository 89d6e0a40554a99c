// SPDX-License-Identifier: MIT
#include "storage/settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/number_text.h"
#include "storage/file_io.h"

namespace trellum {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kRootName = "HKEY_LOCAL_MACHINE";
// The format's type tags: "..." and hex(1): hold text, dword: and hex(4): a
// 32-bit number in little-endian order, hex: binary data; other tags are kept.
constexpr uint32_t kTextTag = 1;
constexpr uint32_t kBinaryTag = 3;
constexpr uint32_t kNumberTag = 4;
// Hex lists are wrapped as the export tool wraps them, so lines stay near 80 columns.
constexpr std::size_t kHexWrapColumn = 76;

// Held across a save's read, merge and replacement, on the settings folder (a
// lock file would be one more file beside the settings): two copies saving at
// once take turns, so neither replaces the file with a merge that misses the
// other's save. Advisory and brief: a holder that keeps it (stopped) delays a
// save by a second at most, and a folder that takes no locks not at all.
class SaveTurn {
public:
    explicit SaveTurn(const std::string& path)
        : m_fd(::open(path.substr(0, path.rfind('/') + 1).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        for (int tries = 0; m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK && tries < 100;
             ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    SaveTurn(const SaveTurn&) = delete;
    SaveTurn& operator=(const SaveTurn&) = delete;
    ~SaveTurn()
    {
        if (m_fd >= 0) ::close(m_fd);
    }

private:
    int m_fd;
};

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = lowerAscii(c);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// Key and value names must survive the plain-ASCII file unescaped in section
// headers, so they are limited to printable ASCII.
bool isPrintableAscii(unsigned char c) { return c >= 0x20 && c <= 0x7E; }

bool isValidName(std::string_view name)
{
    for (char c : name)
        if (!isPrintableAscii(static_cast<unsigned char>(c))) return false;
    return true;
}

// The lower-case form of a key path (names separated by single backslashes);
// nothing for an empty name or a character that cannot be written. "" is the root.
std::optional<std::string> lowerKeyPath(std::string_view path)
{
    std::string lower;
    lower.reserve(path.size());
    bool nameStarted = false;
    for (char c : path) {
        if (c == '\\') {
            if (!nameStarted) return std::nullopt;
            nameStarted = false;
        } else {
            if (!isPrintableAscii(static_cast<unsigned char>(c))) return std::nullopt;
            nameStarted = true;
        }
        lower.push_back(lowerAscii(c));
    }
    if (!path.empty() && !nameStarted) return std::nullopt;
    return lower;
}

// The format allows tabs as well as spaces around names, data and hex items.
constexpr std::string_view kFileBlanks = " \t";

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = lowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

struct StoredValue {
    uint32_t type = 0;
    std::string data;  // the value's bytes as the type defines them
};

// A quoted name or string with \\ and \" escapes; leaves `s` after the closing quote.
std::optional<std::string> parseQuoted(std::string_view& s)
{
    if (s.empty() || s.front() != '"') return std::nullopt;
    std::string out;
    std::size_t i = 1;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') break;
        if (c == '\0') return std::nullopt;
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) return std::nullopt;
            out.push_back(s[++i]);
        } else {
            out.push_back(c);
        }
    }
    if (i >= s.size()) return std::nullopt;
    s.remove_prefix(i + 1);
    return out;
}

std::optional<std::string> parseHexList(std::string_view s)
{
    std::string bytes;
    s = trimBlanks(s, kFileBlanks);
    if (s.empty()) return bytes;
    bytes.reserve(s.size() / 3 + 1);
    while (true) {
        const std::size_t comma = s.find(',');
        const std::string_view item = trimBlanks(s.substr(0, comma), kFileBlanks);
        if (item.size() != 2 || hexDigit(item[0]) < 0 || hexDigit(item[1]) < 0) return std::nullopt;
        bytes.push_back(static_cast<char>(hexDigit(item[0]) * 16 + hexDigit(item[1])));
        if (comma == std::string_view::npos) break;
        s.remove_prefix(comma + 1);
    }
    return bytes;
}

std::optional<StoredValue> parseData(std::string_view s)
{
    StoredValue value;
    if (!s.empty() && s.front() == '"') {
        std::optional<std::string> text = parseQuoted(s);
        if (!text || !trimBlanks(s, kFileBlanks).empty()) return std::nullopt;
        value.type = kTextTag;
        value.data = std::move(*text);
        value.data.push_back('\0');
        return value;
    }
    if (s.starts_with("dword:")) {
        s.remove_prefix(6);
        // Exactly eight digits, so a line cut short is caught rather than read as a smaller number.
        if (s.size() != 8) return std::nullopt;
        uint32_t number = 0;
        for (char c : s) {
            if (hexDigit(c) < 0) return std::nullopt;
            number = number * 16 + static_cast<uint32_t>(hexDigit(c));
        }
        value.type = kNumberTag;
        for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<char>(number >> (8 * i)));
        return value;
    }
    if (s.starts_with("hex:")) {
        s.remove_prefix(4);
        value.type = kBinaryTag;
    } else if (s.starts_with("hex(")) {
        s.remove_prefix(4);
        const std::size_t close = s.find("):");
        if (close == std::string_view::npos || close == 0 || close > 8) return std::nullopt;
        uint32_t type = 0;
        for (char c : s.substr(0, close)) {
            if (hexDigit(c) < 0) return std::nullopt;
            type = type * 16 + static_cast<uint32_t>(hexDigit(c));
        }
        value.type = type;
        s.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    std::optional<std::string> bytes = parseHexList(s);
    if (!bytes) return std::nullopt;
    value.data = std::move(*bytes);
    return value;
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// A text is written as a quoted string only when that gives back the same bytes:
// printable ASCII and exactly one NUL, at the end.
bool fitsQuoted(std::string_view data)
{
    if (data.empty() || data.back() != '\0') return false;
    for (std::size_t i = 0; i + 1 < data.size(); ++i)
        if (!isPrintableAscii(static_cast<unsigned char>(data[i]))) return false;
    return true;
}

// One value as the lines of the file, without the final line end.
std::string formatValue(std::string_view name, const StoredValue& value)
{
    std::string out;
    std::string line = name.empty() ? "@=" : quote(name) + "=";
    if (value.type == kTextTag && fitsQuoted(value.data)) return line + quote(value.data.substr(0, value.data.size() - 1));
    char buffer[32];
    if (value.type == kNumberTag && value.data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i) number = number << 8 | static_cast<unsigned char>(value.data[static_cast<std::size_t>(i)]);
        std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
        return line + buffer;
    }
    std::snprintf(buffer, sizeof buffer, value.type == kBinaryTag ? "hex:" : "hex(%x):", value.type);
    line += buffer;
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned char>(value.data[i]));
        line += buffer;
        if (i + 1 < value.data.size()) {
            line += ",";
            if (line.size() > kHexWrapColumn) {
                out += line + "\\\n";
                line = "  ";
            }
        }
    }
    return out + line;
}

bool isBlankOrComment(std::string_view line)
{
    line = trimBlanks(line, kFileBlanks);
    return line.empty() || line.front() == ';';
}

// One line of the file, or one value with its continuation lines, kept as read
// until the program sets the value.
struct Item {
    std::string raw;
    bool isValue = false;
    std::string name;
    StoredValue value;
};

struct Section {
    std::string header;
    std::vector<Item> items;
    std::unordered_map<std::string, std::size_t> values;  // lower-case name -> its last item
};

}  // namespace

struct SettingsStore::Document {
    SettingsFileState state = SettingsFileState::Absent;
    bool setAside = false;
    std::string readBytes;              // the file as read, to recognise it when saving
    std::vector<std::string> preamble;  // lines between the header line and the first key
    std::vector<Section> sections;      // file order
    std::unordered_map<std::string, std::vector<std::size_t>> keys;  // lower-case path -> its sections

    // What this run wrote, in order: a key created (no value) or a value set.
    // A file that someone else changed meanwhile gets them again when saved.
    struct Change {
        std::string key;
        std::string name;
        std::optional<StoredValue> value;
        bool ifMissing = false;  // a value this copy did not change: the file's own one wins
    };
    std::vector<Change> changes;

    // The whole file or nothing: any line that is not understood makes the file damaged.
    bool parse(std::string_view text)
    {
        std::vector<std::string_view> lines;
        for (std::size_t start = 0; start <= text.size();) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            // CR CR LF, left by a text-mode copy of a CR LF file, is one line end too:
            // a CR kept at a line's end would be read as part of its end next time.
            while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            // The end of the last line is no line of its own.
            if (end < text.size() || start < text.size() || lines.empty()) lines.push_back(line);
            start = end + 1;
        }
        std::string_view first = lines[0];
        if (first.starts_with("\xEF\xBB\xBF")) first.remove_prefix(3);
        if (trimBlanks(first, kFileBlanks) != kHeader) return false;

        Section* current = nullptr;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            std::string_view line = trimBlanks(lines[i], kFileBlanks);
            if (isBlankOrComment(line)) {
                if (current != nullptr) current->items.push_back(Item{std::string(lines[i]), false, {}, {}});
                else preamble.emplace_back(lines[i]);
                continue;
            }
            if (line.front() == '[') {
                if (line.back() != ']') return false;
                const std::string_view inner = line.substr(1, line.size() - 2);
                const std::size_t sep = inner.find('\\');
                if (!equalsIgnoreCase(inner.substr(0, sep), kRootName)) return false;
                std::optional<std::string> lower;
                if (sep == std::string_view::npos) lower = std::string();
                else if (sep + 1 < inner.size()) lower = lowerKeyPath(inner.substr(sep + 1));
                if (!lower) return false;
                keys[*lower].push_back(sections.size());
                sections.push_back(Section{std::string(lines[i]), {}, {}});
                current = &sections.back();
                continue;
            }
            if (current == nullptr) return false;
            std::string name;
            if (line.front() == '@') {
                line.remove_prefix(1);
            } else {
                std::optional<std::string> quoted = parseQuoted(line);
                if (!quoted) return false;
                name = std::move(*quoted);
            }
            line = trimBlanks(line, kFileBlanks);
            if (line.empty() || line.front() != '=') return false;
            line = trimBlanks(line.substr(1), kFileBlanks);
            std::string raw(lines[i]);
            std::string joined(line);
            // A hex list may continue on the following lines after a trailing backslash.
            if (joined.starts_with("hex")) {
                while (!joined.empty() && joined.back() == '\\') {
                    joined.pop_back();
                    if (++i >= lines.size()) return false;
                    joined += trimBlanks(lines[i], kFileBlanks);
                    raw += '\n';
                    raw += lines[i];
                }
            }
            std::optional<StoredValue> value = parseData(joined);
            if (!value) return false;
            current->values[lowerAscii(name)] = current->items.size();
            current->items.push_back(Item{std::move(raw), true, std::move(name), std::move(*value)});
        }
        return true;
    }

    // The key has a section of its own, or is the parent of one.
    bool hasKey(const std::string& lower) const
    {
        if (keys.count(lower) != 0) return true;
        const std::string prefix = lower + "\\";
        for (const auto& [path, indexes] : keys)
            if (lower.empty() || path.starts_with(prefix)) return true;
        return false;
    }

    // The section and item holding the value, if any. With a key written twice, the later
    // value of a name is the one that counts.
    std::optional<std::pair<std::size_t, std::size_t>> locate(std::string_view key, std::string_view name) const
    {
        const std::optional<std::string> lower = lowerKeyPath(key);
        if (!lower) return std::nullopt;
        const auto it = keys.find(*lower);
        if (it == keys.end()) return std::nullopt;
        const std::string lowerName = lowerAscii(name);
        for (auto s = it->second.rbegin(); s != it->second.rend(); ++s) {
            const auto v = sections[*s].values.find(lowerName);
            if (v != sections[*s].values.end()) return std::make_pair(*s, v->second);
        }
        return std::nullopt;
    }

    const Item* find(std::string_view key, std::string_view name) const
    {
        const auto at = locate(key, name);
        return at ? &sections[at->first].items[at->second] : nullptr;
    }

    void addSection(const std::string& lower, std::string_view asGiven)
    {
        // A blank line keeps the new key apart from the lines before it.
        const bool blankBefore = sections.empty()
                                     ? !preamble.empty() && trimBlanks(preamble.back(), kFileBlanks).empty()
                                     : !sections.back().items.empty() && !sections.back().items.back().isValue &&
                                           trimBlanks(sections.back().items.back().raw, kFileBlanks).empty();
        if (!blankBefore) {
            if (sections.empty()) preamble.emplace_back();
            else sections.back().items.push_back(Item{});
        }
        keys[lower].push_back(sections.size());
        std::string header = "[" + std::string(kRootName) + (asGiven.empty() ? "" : "\\") + std::string(asGiven) + "]";
        sections.push_back(Section{std::move(header), {Item{}}, {}});
    }

    // Each missing level gets a section of its own, parents first.
    void createKey(std::string_view key)
    {
        for (std::size_t end = 0; end != std::string_view::npos;) {
            end = key.find('\\', end == 0 ? 0 : end + 1);
            const std::string_view level = key.substr(0, end);
            const std::string lower = lowerAscii(level);
            if (!hasKey(lower) || (end == std::string_view::npos && keys.count(lower) == 0)) addSection(lower, level);
        }
        changes.push_back(Change{std::string(key), {}, std::nullopt, true});
    }

    std::optional<SettingsError> set(std::string_view key, std::string_view name, StoredValue value,
                                     bool ifMissing = false)
    {
        const std::optional<std::string> lower = lowerKeyPath(key);
        if (!lower || !isValidName(name)) return SettingsError::InvalidName;
        if (!hasKey(*lower)) return SettingsError::NoSuchKey;
        changes.push_back(Change{std::string(key), std::string(name), value, ifMissing});
        if (const auto at = locate(key, name)) {
            if (ifMissing) return std::nullopt;
            // The name keeps the spelling it was first written with.
            Item& item = sections[at->first].items[at->second];
            item.raw = formatValue(item.name, value);
            item.value = std::move(value);
            return std::nullopt;
        }
        const std::string raw = formatValue(name, value);
        if (keys.count(*lower) == 0) addSection(*lower, key);
        Section& section = sections[keys[*lower].back()];
        // New values go after the key's last value, before blank lines and comments that end it.
        std::size_t at = section.items.size();
        while (at > 0 && !section.items[at - 1].isValue) --at;
        for (auto& [valueName, index] : section.values)
            if (index >= at) ++index;
        section.items.insert(section.items.begin() + static_cast<std::ptrdiff_t>(at),
                             Item{raw, true, std::string(name), std::move(value)});
        section.values[lowerAscii(name)] = at;
        return std::nullopt;
    }

    std::string text() const
    {
        std::size_t size = kHeader.size() + 1;
        for (const std::string& line : preamble) size += line.size() + 1;
        for (const Section& section : sections) {
            size += section.header.size() + 1;
            for (const Item& item : section.items) size += item.raw.size() + 1;
        }
        std::string out;
        out.reserve(size);
        out.append(kHeader).push_back('\n');
        for (const std::string& line : preamble) out.append(line).push_back('\n');
        for (const Section& section : sections) {
            out.append(section.header).push_back('\n');
            for (const Item& item : section.items) out.append(item.raw).push_back('\n');
        }
        return out;
    }

    // A value set as changed since the last save; keys and kept values alone are not worth a write.
    bool hasOwnChanges() const
    {
        for (const Change& change : changes)
            if (!change.ifMissing) return true;
        return false;
    }
};

SettingsStore::SettingsStore(std::string path) : m_path(std::move(path)), m_doc(std::make_unique<Document>())
{
    if (m_path.empty()) return;
    removeStaleTemporaryFiles(m_path);
    FileRead file = readRegularFile(m_path);
    switch (file.status) {
    case ReadStatus::Absent:
        return;
    case ReadStatus::NotRegular:
        m_doc->state = SettingsFileState::LeftAlone;
        return;
    case ReadStatus::Directory:
    case ReadStatus::Unreadable:
        m_doc->state = SettingsFileState::Damaged;
        return;
    case ReadStatus::Read:
        break;
    }
    if (m_doc->parse(file.bytes)) {
        m_doc->state = SettingsFileState::Read;
    } else {
        m_doc = std::make_unique<Document>();
        m_doc->state = SettingsFileState::Damaged;
    }
    m_doc->readBytes = std::move(file.bytes);
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::hasKey(std::string_view key) const
{
    const std::optional<std::string> lower = lowerKeyPath(key);
    return lower && m_doc->hasKey(*lower);
}

std::optional<SettingsError> SettingsStore::createKey(std::string_view key)
{
    if (!lowerKeyPath(key)) return SettingsError::InvalidName;
    m_doc->createKey(key);
    return std::nullopt;
}

std::optional<SettingValue> SettingsStore::value(std::string_view key, std::string_view name) const
{
    const Item* item = m_doc->find(key, name);
    if (item == nullptr) return std::nullopt;
    const std::string& data = item->value.data;
    if (item->value.type == kTextTag) {
        if (!data.empty() && data.back() == '\0') return data.substr(0, data.size() - 1);
        return data;
    }
    if (item->value.type == kNumberTag && data.size() == 4) {
        uint32_t bits = 0;
        for (int i = 3; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(data[static_cast<std::size_t>(i)]);
        return static_cast<int32_t>(bits);
    }
    return SettingBytes{data};
}

std::optional<std::string> SettingsStore::text(std::string_view key, std::string_view name) const
{
    std::optional<SettingValue> stored = value(key, name);
    if (!stored || !std::holds_alternative<std::string>(*stored)) return std::nullopt;
    return std::get<std::string>(std::move(*stored));
}

std::optional<int32_t> SettingsStore::number(std::string_view key, std::string_view name) const
{
    const std::optional<SettingValue> stored = value(key, name);
    if (!stored || !std::holds_alternative<int32_t>(*stored)) return std::nullopt;
    return std::get<int32_t>(*stored);
}

namespace {

StoredValue storedValue(const SettingValue& value)
{
    StoredValue stored;
    if (const std::string* text = std::get_if<std::string>(&value)) {
        stored = {kTextTag, *text};
        stored.data.push_back('\0');
    } else if (const int32_t* number = std::get_if<int32_t>(&value)) {
        stored.type = kNumberTag;
        const auto bits = static_cast<uint32_t>(*number);
        for (int i = 0; i < 4; ++i) stored.data.push_back(static_cast<char>(bits >> (8 * i)));
    } else {
        stored = {kBinaryTag, std::get<SettingBytes>(value).bytes};
    }
    return stored;
}

}  // namespace

std::optional<SettingsError> SettingsStore::set(std::string_view key, std::string_view name,
                                                const SettingValue& value)
{
    return m_doc->set(key, name, storedValue(value));
}

std::optional<SettingsError> SettingsStore::setIfMissing(std::string_view key, std::string_view name,
                                                         const SettingValue& value)
{
    return m_doc->set(key, name, storedValue(value), true);
}

void SettingsStore::setAsideBeforeSave() { m_doc->setAside = true; }

SettingsFileState SettingsStore::fileState() const { return m_doc->state; }

std::string SettingsStore::fileText() const { return m_doc->text(); }

bool SettingsStore::takeInFileAsItIsNow()
{
    Document& doc = *m_doc;
    const bool notUnderstood = doc.state == SettingsFileState::Damaged || doc.setAside;
    const FileRead now = readRegularFile(m_path);
    switch (now.status) {
    case ReadStatus::Absent:
        return true;
    case ReadStatus::NotRegular:
        return false;
    case ReadStatus::Directory:
    case ReadStatus::Unreadable:
        // A folder put in the way, or a file grown too large to read or made
        // unreadable: kept aside as the start-up keeps such a file, never lost.
        m_setAside = setAside(m_path);
        return !m_setAside.empty();
    case ReadStatus::Read:
        break;
    }
    if (now.bytes == doc.readBytes) {
        if (!notUnderstood) return true;
        m_setAside = setAside(m_path);
        return !m_setAside.empty();
    }
    // Changed since it was read (an editor, a repair of a damaged file, another
    // copy of the program): the file as it is now is taken in, and only what
    // this copy changed since its last save is written over it, so two copies
    // never undo each other's changes.
    auto merged = std::make_unique<Document>();
    if (!merged->parse(now.bytes)) {
        // A hand edit left half done is kept aside, never lost unseen.
        if (notUnderstood) {
            m_setAside = setAside(m_path);
            return !m_setAside.empty();
        }
        return !writeFileBeside(m_path, ".changed", now.bytes).empty();
    }
    for (const Document::Change& change : doc.changes) {
        if (change.value) merged->set(change.key, change.name, *change.value, change.ifMissing);
        else merged->createKey(change.key);
    }
    merged->state = SettingsFileState::Read;
    merged->readBytes = now.bytes;
    merged->changes = std::move(doc.changes);
    m_doc = std::move(merged);
    return true;
}

bool SettingsStore::save()
{
    if (m_path.empty()) return true;
    if (m_saved && !m_doc->hasOwnChanges()) return true;
    if (m_doc->state == SettingsFileState::LeftAlone) return false;
    const SaveTurn turn(m_path);
    if (!takeInFileAsItIsNow()) return false;
    Document& doc = *m_doc;
    std::string text = fileText();
    if (writeFileAtomically(m_path, text) != WriteStatus::Written) return false;
    doc.state = SettingsFileState::Read;
    doc.setAside = false;
    doc.readBytes = std::move(text);
    doc.changes.clear();
    m_saved = true;
    return true;
}

std::string defaultSettingsPath()
{
    const std::string folder = userConfigFolder();
    return folder.empty() ? folder : folder + "/system.reg";
}

}  // namespace trellum
