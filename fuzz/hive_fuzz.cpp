// SPDX-License-Identifier: MIT
// The settings store on arbitrary file contents: the calculator's start-up on
// it never crashes; what the calculator then saves reads back whole; a file
// that could not be read is kept aside, unchanged.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/calculator.h"
#include "fuzz_files.h"
#include "storage/settings.h"
#include "storage/settings_store.h"
#include "testing/calculator_probe.h"
#include "testing/recording_toolkit.h"

namespace fs = std::filesystem;
using fuzz::readFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(fuzz::workDir(), ignored)) fs::remove_all(entry.path(), ignored);
    const std::string path = (fuzz::workDir() / "system.reg").string();
    const std::string original(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary) << original;

    trellum::SettingsStore store(path);
    const bool understood = store.fileState() == trellum::SettingsFileState::Read;

    trellum::RecordingToolkit toolkit;
    trellum::Calculator calc(toolkit, store);
    calc.start();
    calc.pressDigit(4);
    calc.memoryIn();  // no memory script: the dialog is closed, nothing stored
    calc.shutdown();

    if (!store.setAsidePath().empty() && readFile(store.setAsidePath()) != original) std::abort();
    if (!understood && store.setAsidePath().empty()) std::abort();

    // What was just saved is a file the next start reads whole, without setting it aside.
    trellum::SettingsStore next(path);
    if (next.fileState() != trellum::SettingsFileState::Read) std::abort();
    trellum::RecordingToolkit toolkit2;
    trellum::Calculator again(toolkit2, next);
    again.start();
    if (!next.setAsidePath().empty()) std::abort();
    using trellum::CalculatorProbe;
    if (CalculatorProbe::angleMode(again) != CalculatorProbe::angleMode(calc) ||
        CalculatorProbe::memorySlots(again) != CalculatorProbe::memorySlots(calc))
        std::abort();
    // A second shut-down without changes writes the same file again.
    const std::string saved = readFile(path);
    again.shutdown();
    if (readFile(path) != saved) std::abort();
    return 0;
}
