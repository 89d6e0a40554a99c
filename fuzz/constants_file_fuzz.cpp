// SPDX-License-Identifier: MIT
// The constants reader on arbitrary file contents: no crash, every constant kept
// has a numeric value, at most one message, and what it kept survives a write
// and a second read unchanged.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/constants_dialog.h"
#include "engine/number_text.h"
#include "storage/constants_file.h"
#include "storage/file_io.h"
#include "testing/recording_toolkit.h"

namespace {

const std::filesystem::path& workDir()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("trellum-fuzz-const-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

void writeFile(const std::string& path, const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

void checkLists(const trellum::ConstantsDialog& dialog)
{
    if (dialog.values().size() != dialog.names().size()) std::abort();
    for (const std::string& value : dialog.values())
        if (!trellum::isNumeric(value)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = (workDir() / "constants.txt").string();
    const std::string copy = (workDir() / "copy.txt").string();
    writeFile(path, data, size);

    trellum::RecordingToolkit toolkit;
    trellum::ConstantsDialog dialog(toolkit, path);
    checkLists(dialog);
    if (toolkit.events.size() > 1) std::abort();

    // A fresh file: the dialog's own file is the one it read, and that case follows.
    std::remove(copy.c_str());
    const std::string text = trellum::constantsFileText(dialog.names(), dialog.values());
    if (trellum::writeFileAtomically(copy, text) != trellum::WriteStatus::Written) std::abort();
    trellum::RecordingToolkit toolkit2;
    trellum::ConstantsDialog reread(toolkit2, copy);
    if (!toolkit2.events.empty()) std::abort();
    if (reread.names() != dialog.names() || reread.values() != dialog.values()) std::abort();

    // Saved over the file it read: whatever the save drops survives in the backup.
    const std::string backup = path + ".bak";
    std::remove(backup.c_str());
    trellum::RecordingToolkit toolkit3;
    trellum::ConstantsDialog same(toolkit3, path);
    toolkit3.events.clear();
    if (!same.save() || !toolkit3.events.empty()) std::abort();
    const std::string original(reinterpret_cast<const char*>(data), size);
    std::FILE* kept = std::fopen(backup.c_str(), "rb");
    if (kept != nullptr) {
        std::string bytes(size + 1, '\0');
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), kept);
        std::fclose(kept);
        if (bytes.substr(0, got) != original) std::abort();
    }
    return 0;
}
