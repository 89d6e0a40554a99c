#include "storage/constants_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "engine/number_text.h"
#include "storage/const_dialog.h"

namespace trellum {

namespace {

constexpr const char* kLineEnd = "\r\n";

// Reads the whole file. `complete` turns false when the file is missing,
// is not a readable regular file, or reading broke off; what was read is kept.
std::string readAll(const std::string& path, bool& complete)
{
    complete = false;
    std::string content;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return content;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return content;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) content.append(buffer, got);
    complete = std::ferror(file.get()) == 0;
    return content;
}

// A line ends at LF, CR LF or a lone CR; the last line needs no end.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool next(std::string_view& line)
    {
        if (m_pos >= m_text.size()) return false;
        const std::size_t end = m_text.find_first_of("\r\n", m_pos);
        if (end == std::string_view::npos) {
            line = m_text.substr(m_pos);
            m_pos = m_text.size();
            return true;
        }
        line = m_text.substr(m_pos, end - m_pos);
        m_pos = end + 1;
        if (m_text[end] == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') ++m_pos;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;   // overlong
            if (c == 0xED) high = 0x9F;  // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;  // beyond U+10FFFF
        } else {
            return false;
        }
        if (i + length > n) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if (k == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

std::string toUtf8(std::string_view line)
{
    if (isValidUtf8(line)) return std::string(line);
    std::string text;
    text.reserve(line.size() * 2);
    for (const char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            text += ch;
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
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

}  // namespace

ConstantsFileContents ReadConstantsFile(const std::string& path)
{
    ConstantsFileContents result;
    bool complete = false;
    const std::string content = readAll(path, complete);
    std::string_view text = content;
    if (!complete) {
        // Only the whole lines of a file that broke off are trusted.
        result.loadFailed = true;
        const std::size_t lastEnd = text.find_last_of("\r\n");
        if (lastEnd == std::string_view::npos) return result;
        text = text.substr(0, lastEnd + 1);
    }

    LineReader reader(text);
    std::string_view line;
    if (!reader.next(line) || !reader.next(line)) {
        result.loadFailed = true;
        return result;
    }
    while (reader.next(line)) {
        const std::string decoded = toUtf8(line);
        const std::string_view whole = decoded;
        const std::size_t p = whole.find('=');
        const std::string_view value = TrimBlanks(p == std::string_view::npos ? whole : whole.substr(p + 1));
        if (!IsNumeric(value)) {
            result.faultyLines = true;
            continue;
        }
        if (p == std::string_view::npos) {
            // A bare number cannot be split into name and value: the file is
            // not a constants file as far as the rest of it goes.
            result.loadFailed = true;
            return result;
        }
        result.names.emplace_back(TrimBlanks(whole.substr(0, p)));
        result.values.emplace_back(value);
    }
    return result;
}

std::string ConstantsFileText(const std::vector<std::string>& names, const std::vector<std::string>& values)
{
    std::string text = StringTable(103) + kLineEnd + StringTable(104) + kLineEnd;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += names[i];
        text += " = ";
        if (i < values.size()) text += values[i];
        text += kLineEnd;
    }
    return text;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    std::error_code error;
    // Replace what a link points to, not the link itself.
    fs::path target = path;
    if (fs::is_symlink(target, error)) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (error) return false;
        target = resolved;
    }
    if (fs::is_directory(target, error)) return false;

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = (folder / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                          std::to_string(attempt)))
                   .string();
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool ok = writeAll(fd, bytes);
    if (ok && existed) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder's entry.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace trellum
