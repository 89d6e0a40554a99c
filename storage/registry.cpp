#include "storage/registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

namespace trellum {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kRootName = "HKEY_LOCAL_MACHINE";
constexpr HKEY kFirstHandle = 0x1000;
// Hex lists are wrapped as the export tool wraps them, so lines stay near 80 columns.
constexpr std::size_t kHexWrapColumn = 76;

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

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

// Key and value names must survive the plain-ASCII hive file unescaped in section
// headers, so they are limited to printable ASCII.
bool isPrintableAscii(unsigned char c)
{
    return c >= 0x20 && c <= 0x7E;
}

bool isValidName(std::string_view name)
{
    for (char c : name)
        if (!isPrintableAscii(static_cast<unsigned char>(c))) return false;
    return true;
}

// Orders key paths as a tree: the separator sorts before every other character,
// so each key's children follow it directly.
struct PathLess {
    bool operator()(const std::string& a, const std::string& b) const
    {
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char ca = a[i] == '\\' ? 0 : static_cast<unsigned char>(a[i]);
            const unsigned char cb = b[i] == '\\' ? 0 : static_cast<unsigned char>(b[i]);
            if (ca != cb) return ca < cb;
        }
        return a.size() < b.size();
    }
};

struct Value {
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

struct Key {
    std::string path;  // as first created, without the root; "" is the root itself
    std::vector<Value> values;

    Value* find(std::string_view name)
    {
        for (Value& v : values)
            if (equalsIgnoreCase(v.name, name)) return &v;
        return nullptr;
    }
    void set(Value value)
    {
        if (Value* existing = find(value.name)) {
            existing->type = value.type;
            existing->data = std::move(value.data);
        } else {
            values.push_back(std::move(value));
        }
    }
};

// Keyed by the lower-case path: key names compare without regard to case.
using Hive = std::map<std::string, Key, PathLess>;

Hive emptyHive()
{
    Hive hive;
    hive.emplace("", Key{});
    return hive;
}

// Splits a sub-key path into its names; an empty path names the root itself.
std::optional<std::vector<std::string>> splitPath(std::string_view path)
{
    std::vector<std::string> parts;
    if (path.empty()) return parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find('\\', start);
        const std::string_view part = path.substr(start, end == std::string_view::npos ? path.size() - start : end - start);
        if (part.empty() || !isValidName(part)) return std::nullopt;
        parts.emplace_back(part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

std::string joinPath(const std::string& base, const std::string& name)
{
    return base.empty() ? name : base + "\\" + name;
}

// Creates the key and its missing parents; returns the lower-case path.
std::string createKey(Hive& hive, const std::string& basePath, const std::vector<std::string>& parts, bool& created)
{
    std::string path = basePath;
    std::string lower = lowerAscii(basePath);
    for (const std::string& part : parts) {
        lower = joinPath(lower, lowerAscii(part));
        auto it = hive.find(lower);
        if (it == hive.end()) {
            hive.emplace(lower, Key{joinPath(path, part), {}});
            created = true;
            path = joinPath(path, part);
        } else {
            path = it->second.path;
        }
    }
    return lower;
}

// ---- Reading the export text ----

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = lowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

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

std::optional<std::vector<uint8_t>> parseHexList(std::string_view s)
{
    std::vector<uint8_t> bytes;
    s = trimBlanks(s);
    if (s.empty()) return bytes;
    while (true) {
        const std::size_t comma = s.find(',');
        const std::string_view item = trimBlanks(s.substr(0, comma));
        if (item.size() != 2 || hexDigit(item[0]) < 0 || hexDigit(item[1]) < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(hexDigit(item[0]) * 16 + hexDigit(item[1])));
        if (comma == std::string_view::npos) break;
        s.remove_prefix(comma + 1);
    }
    return bytes;
}

std::optional<Value> parseData(std::string_view s)
{
    Value value;
    if (!s.empty() && s.front() == '"') {
        std::optional<std::string> text = parseQuoted(s);
        if (!text || !trimBlanks(s).empty()) return std::nullopt;
        value.type = REG_SZ;
        value.data.assign(text->begin(), text->end());
        value.data.push_back(0);
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
        value.type = REG_DWORD;
        for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<uint8_t>(number >> (8 * i)));
        return value;
    }
    if (s.starts_with("hex:")) {
        s.remove_prefix(4);
        value.type = REG_BINARY;
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
    std::optional<std::vector<uint8_t>> bytes = parseHexList(s);
    if (!bytes) return std::nullopt;
    value.data = std::move(*bytes);
    return value;
}

// The whole file or nothing: any line that is not understood makes the hive unreadable.
std::optional<Hive> parseHive(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    if (lines.empty()) return std::nullopt;
    std::string_view first = lines[0];
    if (first.starts_with("\xEF\xBB\xBF")) first.remove_prefix(3);
    if (trimBlanks(first) != kHeader) return std::nullopt;

    Hive hive = emptyHive();
    Key* current = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string_view line = trimBlanks(lines[i]);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (line.back() != ']') return std::nullopt;
            const std::string_view inner = line.substr(1, line.size() - 2);
            const std::size_t sep = inner.find('\\');
            if (!equalsIgnoreCase(inner.substr(0, sep), kRootName)) return std::nullopt;
            const std::optional<std::vector<std::string>> parts =
                splitPath(sep == std::string_view::npos ? std::string_view{} : inner.substr(sep + 1));
            if (!parts || (sep != std::string_view::npos && parts->empty())) return std::nullopt;
            bool created = false;
            current = &hive.at(createKey(hive, "", *parts, created));
            continue;
        }
        if (current == nullptr) return std::nullopt;
        std::string name;
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else {
            std::optional<std::string> quoted = parseQuoted(line);
            if (!quoted) return std::nullopt;
            name = std::move(*quoted);
        }
        line = trimBlanks(line);
        if (line.empty() || line.front() != '=') return std::nullopt;
        line = trimBlanks(line.substr(1));
        std::string joined(line);
        // A hex list may continue on the following lines after a trailing backslash.
        if (joined.starts_with("hex")) {
            while (!joined.empty() && joined.back() == '\\') {
                joined.pop_back();
                if (++i >= lines.size()) return std::nullopt;
                joined += trimBlanks(lines[i]);
            }
        }
        std::optional<Value> value = parseData(joined);
        if (!value) return std::nullopt;
        value->name = std::move(name);
        current->set(std::move(*value));
    }
    return hive;
}

// ---- Writing the export text ----

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

// A REG_SZ is written as a quoted string only when that gives back the same bytes:
// printable ASCII and exactly one NUL, at the end.
bool fitsQuoted(const std::vector<uint8_t>& data)
{
    if (data.empty() || data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < data.size(); ++i)
        if (!isPrintableAscii(data[i])) return false;
    return true;
}

void writeValue(std::string& out, const Value& value)
{
    std::string line = value.name.empty() ? "@=" : quote(value.name) + "=";
    if (value.type == REG_SZ && fitsQuoted(value.data)) {
        line += quote(std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size() - 1));
        out += line + "\n";
        return;
    }
    char buffer[32];
    if (value.type == REG_DWORD && value.data.size() == 4) {
        const uint32_t number = static_cast<uint32_t>(value.data[0]) | static_cast<uint32_t>(value.data[1]) << 8 |
                                static_cast<uint32_t>(value.data[2]) << 16 | static_cast<uint32_t>(value.data[3]) << 24;
        std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
        out += line + buffer + "\n";
        return;
    }
    if (value.type == REG_BINARY) {
        line += "hex:";
    } else {
        std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
        line += buffer;
    }
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02x", value.data[i]);
        line += buffer;
        if (i + 1 < value.data.size()) {
            line += ",";
            if (line.size() > kHexWrapColumn) {
                out += line + "\\\n";
                line = "  ";
            }
        }
    }
    out += line + "\n";
}

std::string serialiseHive(const Hive& hive)
{
    std::string out = std::string(kHeader) + "\n\n";
    for (const auto& [lower, key] : hive) {
        if (lower.empty() && key.values.empty()) continue;
        out += "[" + std::string(kRootName) + (key.path.empty() ? "" : "\\" + key.path) + "]\n";
        for (const Value& value : key.values) writeValue(out, value);
        out += "\n";
    }
    return out;
}

// ---- Files ----

enum class ReadResult { Absent, Read, Unreadable };

ReadResult readFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code ec;
        return std::filesystem::exists(path, ec) || ec ? ReadResult::Unreadable : ReadResult::Absent;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return ReadResult::Unreadable;
    text = buffer.str();
    return ReadResult::Read;
}

// Folders of the user's configuration are private to the user.
bool makeFolders(const std::filesystem::path& folder)
{
    if (folder.empty()) return true;
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) return true;
    if (!makeFolders(folder.parent_path())) return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// Replaces the file in one step: a crash or a full disk leaves either the old
// file or the new one, never a mixture.
bool writeFileAtomically(const std::string& path, const std::string& text)
{
    std::string temp = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    else ::fchmod(fd, 0644);
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fflush(file) == 0 && ok;
    ok = ::fsync(::fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself must reach the disk for the new file to outlive a power cut.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
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

// Moves a damaged hive out of the way under a name no other file has; returns it.
std::optional<std::string> setAside(const std::string& path)
{
    const std::string base = path + ".damaged-" + timestamp();
    for (int n = 1; n <= 1000; ++n) {
        const std::string candidate = n == 1 ? base : base + "-" + std::to_string(n);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, candidate.c_str(), RENAME_NOREPLACE) == 0) return candidate;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) return std::nullopt;
        // File systems without no-replace renames: test first, then rename.
        std::error_code ec;
        if (std::filesystem::exists(candidate, ec) || ec) continue;
        if (std::rename(path.c_str(), candidate.c_str()) == 0) return candidate;
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

struct Registry::Impl {
    Hive hive = emptyHive();
    std::map<HKEY, std::string> handles;  // handle -> lower-case key path
    HKEY nextHandle = kFirstHandle;
    bool dirty = false;
    // The file on disk could not be read: it must be set aside before anything replaces it.
    bool damaged = false;

    HKEY open(const std::string& lowerPath)
    {
        HKEY handle = nextHandle;
        while (handle == 0 || handle == HKEY_LOCAL_MACHINE || handles.count(handle) != 0) handle += 4;
        nextHandle = handle + 4;
        handles.emplace(handle, lowerPath);
        return handle;
    }

    Key* keyOf(HKEY handle)
    {
        auto it = handles.find(handle);
        if (it == handles.end()) return nullptr;
        auto key = hive.find(it->second);
        return key == hive.end() ? nullptr : &key->second;
    }

    // The base path for a sub-key: the root, or the key behind an open handle.
    std::optional<std::string> basePath(HKEY root)
    {
        if (root == HKEY_LOCAL_MACHINE) return std::string();
        Key* key = keyOf(root);
        if (key == nullptr) return std::nullopt;
        return key->path;
    }
};

Registry::Registry(std::string hivePath) : m_hivePath(std::move(hivePath)), m_impl(std::make_unique<Impl>()) {}

Registry::~Registry()
{
    // A caller that forgot to close its keys still gets its changes kept.
    if (m_impl->dirty) save();
}

void Registry::loadIfIdle()
{
    if (!m_impl->handles.empty() || m_hivePath.empty()) return;
    m_impl->dirty = false;
    std::string text;
    switch (readFile(m_hivePath, text)) {
    case ReadResult::Absent:
        m_impl->hive = emptyHive();
        m_impl->damaged = false;
        return;
    case ReadResult::Unreadable:
        m_impl->hive = emptyHive();
        m_impl->damaged = true;
        return;
    case ReadResult::Read:
        break;
    }
    std::optional<Hive> hive = parseHive(text);
    m_impl->damaged = !hive.has_value();
    m_impl->hive = hive ? std::move(*hive) : emptyHive();
}

bool Registry::save()
{
    if (m_hivePath.empty()) {
        m_impl->dirty = false;
        return true;
    }
    std::error_code ec;
    // A hive kept as a link (say into a dotfiles folder) stays a link: write its target.
    std::string target = m_hivePath;
    if (std::filesystem::is_symlink(target, ec)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) target = resolved.string();
    }
    if (!makeFolders(std::filesystem::path(target).parent_path())) return false;
    if (m_impl->damaged) {
        std::string text;
        const ReadResult read = readFile(target, text);
        // Another copy of the program may have replaced the damaged file meanwhile.
        const bool stillDamaged =
            read == ReadResult::Unreadable || (read == ReadResult::Read && !parseHive(text).has_value());
        if (stillDamaged) {
            std::optional<std::string> aside = setAside(target);
            if (!aside) return false;
            m_setAside = *aside;
        }
        m_impl->damaged = false;
    }
    if (!writeFileAtomically(target, serialiseHive(m_impl->hive))) return false;
    m_impl->dirty = false;
    return true;
}

int32_t Registry::RegCreateKeyExA(HKEY root, const std::string& subKey, uint32_t /*options*/, uint32_t /*access*/,
                                  HKEY* result)
{
    return openKey(root, subKey, result, true);
}

int32_t Registry::RegOpenKeyExA(HKEY root, const std::string& subKey, uint32_t /*options*/, uint32_t /*access*/,
                                HKEY* result)
{
    return openKey(root, subKey, result, false);
}

int32_t Registry::openKey(HKEY root, const std::string& subKey, HKEY* result, bool create)
{
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = 0;
    loadIfIdle();
    const std::optional<std::string> base = m_impl->basePath(root);
    if (!base) return ERROR_INVALID_HANDLE;
    const std::optional<std::vector<std::string>> parts = splitPath(subKey);
    // A malformed path names no key that could exist: opening says so, creating refuses it.
    if (!parts) return create ? ERROR_INVALID_PARAMETER : ERROR_FILE_NOT_FOUND;
    std::string lower;
    if (create) {
        bool created = false;
        lower = createKey(m_impl->hive, *base, *parts, created);
        if (created) m_impl->dirty = true;
    } else {
        lower = lowerAscii(*base);
        for (const std::string& part : *parts) lower = joinPath(lower, lowerAscii(part));
        if (m_impl->hive.find(lower) == m_impl->hive.end()) return ERROR_FILE_NOT_FOUND;
    }
    *result = m_impl->open(lower);
    return ERROR_SUCCESS;
}

int32_t Registry::RegQueryValueExA(HKEY key, const std::string& valueName, uint32_t* type, uint8_t* data,
                                   uint32_t* size)
{
    Key* k = m_impl->keyOf(key);
    if (k == nullptr) return ERROR_INVALID_HANDLE;
    if (data != nullptr && size == nullptr) return ERROR_INVALID_PARAMETER;
    const Value* value = k->find(valueName);
    if (value == nullptr) return ERROR_FILE_NOT_FOUND;
    if (type != nullptr) *type = value->type;
    const uint32_t actual = static_cast<uint32_t>(value->data.size());
    if (data == nullptr) {
        if (size != nullptr) *size = actual;
        return ERROR_SUCCESS;
    }
    if (*size < actual) {
        *size = actual;
        return ERROR_MORE_DATA;
    }
    if (actual != 0) std::memcpy(data, value->data.data(), actual);
    *size = actual;
    return ERROR_SUCCESS;
}

int32_t Registry::RegSetValueExA(HKEY key, const std::string& valueName, uint32_t type, const uint8_t* data,
                                 uint32_t size)
{
    Key* k = m_impl->keyOf(key);
    if (k == nullptr) return ERROR_INVALID_HANDLE;
    if ((data == nullptr && size != 0) || !isValidName(valueName)) return ERROR_INVALID_PARAMETER;
    Value value{valueName, type, {}};
    if (size != 0) value.data.assign(data, data + size);
    k->set(std::move(value));
    m_impl->dirty = true;
    return ERROR_SUCCESS;
}

int32_t Registry::RegCloseKey(HKEY key)
{
    if (key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
    if (m_impl->handles.erase(key) == 0) return ERROR_INVALID_HANDLE;
    if (m_impl->handles.empty() && m_impl->dirty) save();
    return ERROR_SUCCESS;
}

std::string DefaultHivePath()
{
    std::string config;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    // XDG folders are absolute paths; a relative value counts as unset.
    if (xdg != nullptr && xdg[0] == '/') {
        config = xdg;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home != nullptr && home[0] == '/' ? home : "";
        if (homeDir.empty()) {
            if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) homeDir = pw->pw_dir;
        }
        if (homeDir.empty()) return {};
        config = homeDir + "/.config";
    }
    return config + "/trellum/system.reg";
}

}  // namespace trellum
