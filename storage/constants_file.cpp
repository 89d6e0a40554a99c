// SPDX-License-Identifier: MIT
#include "storage/constants_file.h"

#include "engine/number_text.h"

namespace trellum {

namespace {

constexpr const char* kLineEnd = "\r\n";
// The two header lines every version has written; "constains" included, so a
// file written by an earlier version is recognised as one of ours.
const std::string kHeaderTitle = "This file constains constants for Trellum:";
const std::string kHeaderRule(48, '=');

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

}  // namespace

ConstantsFileContents readConstantsFile(const std::string& path)
{
    ConstantsFileContents result;
    FileRead file = readRegularFile(path);
    result.status = file.status;
    result.bytes = std::move(file.bytes);
    const std::string_view text = result.bytes;
    if (file.status != ReadStatus::Read) {
        result.loadFailed = true;
        return result;
    }

    LineReader reader(text);
    std::string_view line;
    std::string_view header[2];
    if (!reader.next(header[0]) || !reader.next(header[1])) {
        result.loadFailed = true;
        result.droppedLines = !text.empty();
        return result;
    }
    // Header lines are rewritten as ours: other text there would be lost unseen.
    if (header[0] != kHeaderTitle || header[1] != kHeaderRule) result.droppedLines = true;
    while (reader.next(line)) {
        const std::string decoded = toUtf8(line);
        const std::string_view whole = decoded;
        const std::size_t p = whole.find('=');
        const std::string_view value = trimBlanks(p == std::string_view::npos ? whole : whole.substr(p + 1));
        if (!isNumeric(value)) {
            result.faultyLines = true;
            result.droppedLines = true;
            continue;
        }
        if (p == std::string_view::npos) {
            // A bare number cannot be split into name and value: the file is
            // not a constants file as far as the rest of it goes.
            result.loadFailed = true;
            result.droppedLines = true;
            return result;
        }
        result.names.emplace_back(trimBlanks(whole.substr(0, p)));
        result.values.emplace_back(value);
    }
    return result;
}

std::string constantsFileText(const std::vector<std::string>& names, const std::vector<std::string>& values)
{
    std::string text = kHeaderTitle + kLineEnd + kHeaderRule + kLineEnd;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += names[i];
        text += " = ";
        if (i < values.size()) text += values[i];
        text += kLineEnd;
    }
    return text;
}

}  // namespace trellum
