// SPDX-License-Identifier: MIT
#pragma once
// The constants file: two header lines, then one "name = value" line per
// constant, every line ended by CR LF. Reading is forgiving (LF or lone CR line
// ends, a last line without its end, any bytes); writing replaces the whole file
// atomically, so a crash or a full disk never leaves half a library behind.
//
// Texts in memory are UTF-8. A line that is not valid UTF-8 is taken as
// Latin-1 (the single-byte files of older installations) and converted, so the
// dialog can show it; an edited library is written back as UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "storage/file_io.h"

namespace trellum {

struct ConstantsFileContents {
    std::vector<std::string> names;   // file order
    std::vector<std::string> values;  // parallel to names, trimmed numeric texts
    bool faultyLines = false;         // lines whose value is not a number were dropped
    bool loadFailed = false;          // missing or unreadable file, a header line
                                      // missing, or a numeric line without "=":
                                      // reading stopped there
    bool droppedLines = false;        // a save would not write back every line read
    ReadStatus status = ReadStatus::Absent;
    std::string bytes;                // the file exactly as read
};

ConstantsFileContents readConstantsFile(const std::string& path);

// The bytes of a constants file holding names[i] = values[i] for every name.
std::string constantsFileText(const std::vector<std::string>& names, const std::vector<std::string>& values);

}  // namespace trellum
