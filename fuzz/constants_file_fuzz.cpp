// SPDX-License-Identifier: MIT
// The constants reader on arbitrary file contents: no crash, every constant kept
// has a numeric value, at most one message, and what it kept survives a write
// and a second read unchanged.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/constants_dialog.h"
#include "engine/number_text.h"
#include "fuzz_files.h"
#include "storage/constants_file.h"
#include "storage/file_io.h"
#include "testing/recording_toolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string original(reinterpret_cast<const char*>(data), size);
    const std::string path = (fuzz::workDir() / "constants.txt").string();
    const std::string copy = (fuzz::workDir() / "copy.txt").string();
    std::ofstream(path, std::ios::binary) << original;

    trellum::RecordingToolkit toolkit;
    trellum::ConstantsDialog dialog(toolkit, path);
    if (dialog.values().size() != dialog.names().size() || toolkit.events.size() > 1) std::abort();
    for (const std::string& value : dialog.values())
        if (!trellum::isNumeric(value)) std::abort();

    // A fresh file: the dialog's own file is the one it read, and that case follows.
    std::filesystem::remove(copy);
    const std::string text = trellum::constantsFileText(dialog.names(), dialog.values());
    if (trellum::writeFileAtomically(copy, text) != trellum::WriteStatus::Written) std::abort();
    trellum::RecordingToolkit toolkit2;
    trellum::ConstantsDialog reread(toolkit2, copy);
    if (!toolkit2.events.empty()) std::abort();
    if (reread.names() != dialog.names() || reread.values() != dialog.values()) std::abort();

    // Saved over the file it read: whatever the save drops survives in the backup.
    const std::string backup = path + ".bak";
    std::filesystem::remove(backup);
    trellum::RecordingToolkit toolkit3;
    trellum::ConstantsDialog same(toolkit3, path);
    toolkit3.events.clear();
    if (!same.save() || !toolkit3.events.empty()) std::abort();
    if (std::filesystem::exists(backup) && fuzz::readFile(backup) != original) std::abort();
    return 0;
}
