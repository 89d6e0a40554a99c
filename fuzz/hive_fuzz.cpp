// The settings hive on arbitrary file contents: opening keys, querying values
// and the calculator's own start-up reading never crash; what the calculator
// then saves reads back; a hive that could not be read is kept aside, unchanged.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/calculator.h"
#include "testing/calculator_probe.h"
#include "testing/recording_toolkit.h"
#include "storage/registry.h"

namespace {

namespace fs = std::filesystem;

const fs::path& workDir()
{
    static const fs::path dir = [] {
        auto d = fs::temp_directory_path() / ("trellum-fuzz-hive-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void queryAll(trellum::Registry& registry)
{
    using namespace trellum;
    static const char* const keys[] = {"SOFTWARE\\Quorbel\\Trellum", "SOFTWARE\\Quorbel\\Trellum\\Memory",
                                       "SOFTWARE", ""};
    static const char* const names[] = {"Top", "Left", "Mode", "OnTop", "Mem 1", "Mem 10", ""};
    for (const char* path : keys) {
        HKEY key = 0;
        if (registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS_3F, &key) != ERROR_SUCCESS) continue;
        for (const char* name : names) {
            uint32_t type = 0;
            uint32_t size = 0;
            if (registry.RegQueryValueExA(key, name, &type, nullptr, &size) != ERROR_SUCCESS) continue;
            std::string buffer(size, '\0');
            uint32_t got = size;
            registry.RegQueryValueExA(key, name, &type, reinterpret_cast<uint8_t*>(buffer.data()), &got);
            if (got > size) std::abort();
            // A buffer one byte short must be refused, not overrun.
            if (size > 0) {
                uint32_t shortSize = size - 1;
                std::string shortBuffer(shortSize, '\0');
                registry.RegQueryValueExA(key, name, &type, reinterpret_cast<uint8_t*>(shortBuffer.data()),
                                          &shortSize);
            }
        }
        registry.RegCloseKey(key);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(workDir(), ignored)) fs::remove_all(entry.path(), ignored);
    const std::string hive = (workDir() / "system.reg").string();
    const std::string original(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream(hive, std::ios::binary) << original;
    }

    trellum::Registry registry(hive);
    queryAll(registry);

    trellum::RecordingToolkit toolkit;
    trellum::Calculator calc(toolkit, registry);
    calc.Form_Load();
    calc.sscmdDigit_Click(4);
    calc.cmdMem_Click(0);  // no memory script: the dialog is closed, nothing stored
    calc.Form_Unload();

    if (!registry.SetAsidePath().empty() && readFile(registry.SetAsidePath()) != original) std::abort();

    // What was just saved is a hive the next start reads without setting it aside.
    trellum::Registry next(hive);
    trellum::RecordingToolkit toolkit2;
    trellum::Calculator again(toolkit2, next);
    again.Form_Load();
    if (!next.SetAsidePath().empty()) std::abort();
    using trellum::CalculatorProbe;
    if (CalculatorProbe::AngleMode(again) != CalculatorProbe::AngleMode(calc) ||
        CalculatorProbe::MemorySlots(again) != CalculatorProbe::MemorySlots(calc))
        std::abort();
    return 0;
}
