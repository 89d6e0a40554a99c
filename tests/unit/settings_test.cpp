#include "storage/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "engine/recording_toolkit.h"

namespace trellum {
namespace {

namespace fs = std::filesystem;

const std::string kMain = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n";
const std::string kMemory = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum\\Memory]\n";

// One run of the program: a fresh store, desktop and calculator on the same hive.
struct ProgramRun {
    explicit ProgramRun(const std::string& hive) : registry(hive), calculator(toolkit, registry) {}
    Registry registry;
    RecordingToolkit toolkit;
    Calculator calculator;
};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trellum-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_hive = (m_dir / "system.reg").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::unique_ptr<ProgramRun> run() { return std::make_unique<ProgramRun>(m_hive); }
    void writeHive(const std::string& body) { std::ofstream(m_hive, std::ios::binary) << "REGEDIT4\n\n" << body; }

    fs::path m_dir;
    std::string m_hive;
};

TEST_F(SettingsTest, LoadAppliesEachStoredState)
{
    std::string tenSlots;
    for (int n = 1; n <= 10; ++n) tenSlots += "\"Mem " + std::to_string(n) + "\"=\"" + (n == 2 ? "2.5E+20" : "0") + "\"\n";
    const std::string full = kMain + "\"Top\"=dword:00000d20\n\"Left\"=dword:000012c0\n\"Mode\"=dword:00000001\n" +
                             "\"OnTop\"=\"False\"\n\n" + kMemory + tenSlots;
    const std::string place = "\"Top\"=dword:00000d20\n\"Left\"=dword:000012c0\n";
    struct Row {
        const char* name;
        std::optional<std::string> hive;  // none: no file at all
        bool result;
        int32_t top, left;                // RecordingToolkit centres at 4000, 8000; starts at 0, 0
        int16_t mode;
        bool onTop;
        std::array<std::string, 10> slots;
        bool memIndicator;
    };
    const std::array<std::string, 10> zeros{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    std::array<std::string, 10> restored = zeros;
    restored[1] = "2.5E+20";
    std::array<std::string, 10> cancelling = zeros;
    cancelling[0] = "5";
    cancelling[1] = "-5";
    const Row rows[] = {
        {"first_run_no_file", std::nullopt, false, 0, 0, 0, false, zeros, false},
        {"full", full, true, 3360, 4800, 1, false, restored, true},
        {"mode_2_grads", kMain + place + "\"Mode\"=dword:00000002\n" + kMemory, true, 3360, 4800, 2, false, zeros, false},
        {"mode_7_falls_back_to_degrees", kMain + place + "\"Mode\"=dword:00000007\n" + kMemory, true, 3360, 4800, 0,
         false, zeros, false},
        {"mode_as_text_is_ignored", kMain + place + "\"Mode\"=\"2\"\n" + kMemory, true, 3360, 4800, 0, false, zeros,
         false},
        // A shared holder would hand Left's 2 on to the missing Mode.
        {"missing_mode_is_not_the_previous_read", kMain + "\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n" + kMemory,
         true, 1, 2, 0, false, zeros, false},
        {"on_top_true", kMain + place + "\"OnTop\"=\"True\"\n" + kMemory, true, 3360, 4800, 0, true, zeros, false},
        {"on_top_false", kMain + place + "\"OnTop\"=\"False\"\n" + kMemory, true, 3360, 4800, 0, false, zeros, false},
        {"memory_key_missing", kMain + place + "\"Mode\"=dword:00000002\n\"OnTop\"=\"True\"\n", false, 3360, 4800, 2,
         true, zeros, false},
        {"top_70000_is_centred", kMain + "\"Top\"=dword:00011170\n\"Left\"=dword:000012c0\n" + kMemory, true, 4000, 4800,
         0, false, zeros, false},
        {"negative_left_in_range", kMain + "\"Top\"=dword:00000d20\n\"Left\"=dword:ffffff38\n" + kMemory, true, 3360,
         -200, 0, false, zeros, false},
        {"slots_5_and_minus_5_keep_m_dark", kMain + place + kMemory + "\"Mem 1\"=\"5\"\n\"Mem 2\"=\"-5\"\n", true, 3360,
         4800, 0, false, cancelling, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_hive);
        if (row.hive) writeHive(*row.hive);
        auto program = run();
        Calculator& calc = program->calculator;
        EXPECT_EQ(calc.LoadSettings(), row.result);
        if (!row.hive) continue;  // nothing applied: the start-up applies the first-run state
        EXPECT_EQ(program->toolkit.Top, row.top);
        EXPECT_EQ(program->toolkit.Left, row.left);
        EXPECT_EQ(calc.AngleMode, row.mode);
        EXPECT_EQ(calc.ModeDisplayVisible, (std::array<bool, 3>{row.mode == 0, row.mode == 1, row.mode == 2}));
        EXPECT_EQ(program->toolkit.FloatChecked, row.onTop);
        EXPECT_EQ(program->toolkit.TopMost, row.onTop);
        EXPECT_EQ(calc.MemorySlots, row.slots);
        EXPECT_EQ(calc.MemIndicatorVisible, row.memIndicator);
    }
}

TEST_F(SettingsTest, FirstShutDownWritesAllFourteenValues)
{
    auto program = run();
    program->toolkit.Top = 3360;
    program->toolkit.Left = -45;
    program->toolkit.FloatChecked = true;
    program->calculator.AngleMode = 2;
    program->calculator.MemorySlots[9] = "1.5E-07";
    program->calculator.SaveSettings();

    Registry registry(m_hive);
    HKEY key = 0;
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, 0x3F, &key), ERROR_SUCCESS);
    struct Expected {
        const char* name;
        uint32_t type;
        std::vector<uint8_t> data;
    };
    const Expected main[] = {{"Top", REG_DWORD, {0x20, 0x0d, 0, 0}},
                             {"Left", REG_DWORD, {0xd3, 0xff, 0xff, 0xff}},
                             {"Mode", REG_DWORD, {2, 0, 0, 0}},
                             {"OnTop", REG_SZ, {'T', 'r', 'u', 'e', 0}}};
    auto check = [&](const Expected& e) {
        SCOPED_TRACE(e.name);
        uint32_t type = 0;
        uint32_t size = 16;
        std::vector<uint8_t> data(size);
        ASSERT_EQ(registry.RegQueryValueExA(key, e.name, &type, data.data(), &size), ERROR_SUCCESS);
        EXPECT_EQ(type, e.type);
        EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + size), e.data);
    };
    for (const Expected& e : main) check(e);
    registry.RegCloseKey(key);
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMemoryKey, 0, 0x3F, &key), ERROR_SUCCESS);
    for (int n = 1; n <= 9; ++n) check({("Mem " + std::to_string(n)).c_str(), REG_SZ, {'0', 0}});
    check({"Mem 10", REG_SZ, {'1', '.', '5', 'E', '-', '0', '7', 0}});
    registry.RegCloseKey(key);
}

TEST_F(SettingsTest, StateSurvivesManyRestarts)
{
    const std::array<std::string, 10> slots{"1.5E-07", "-1.23456789012345E+100", "  7  ", "caf\xe9", "a=b",
                                            "\"q\"", "C:\\x", "0", "", "3.14159265358979"};
    {
        auto first = run();
        first->toolkit.Top = 120;
        first->toolkit.Left = 32767;
        first->toolkit.FloatChecked = true;
        first->calculator.AngleMode = 1;
        first->calculator.MemorySlots = slots;
        first->calculator.SaveSettings();
    }
    for (int restart = 0; restart < 8; ++restart) {
        SCOPED_TRACE(restart);
        auto program = run();
        ASSERT_TRUE(program->calculator.LoadSettings());
        EXPECT_EQ(program->calculator.MemorySlots, slots);
        EXPECT_EQ(program->calculator.AngleMode, 1);
        EXPECT_EQ(program->toolkit.Top, 120);
        EXPECT_EQ(program->toolkit.Left, 32767);
        EXPECT_TRUE(program->toolkit.TopMost);
        program->calculator.SaveSettings();
    }
}

TEST_F(SettingsTest, ValuesWrittenAreReadBackIntoTheHolder)
{
    Registry registry;
    HKEY key = 0;
    registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, 0x3F, &key);
    const uint8_t binary[2] = {1, 2};
    registry.RegSetValueExA(key, "other_type_keeps_holder", 3, binary, 2);
    struct Row {
        const char* name;
        uint32_t type;  // 0: nothing is written
        SettingsValue written;
        int32_t status;
        SettingsValue read;  // the holder starts as "before"
    };
    const std::string before = "before";
    const Row rows[] = {
        {"absent_keeps_holder", 0, {}, ERROR_FILE_NOT_FOUND, before},
        {"unknown_type_writes_nothing", 7, 1.0, ERROR_FILE_NOT_FOUND, before},
        {"other_type_keeps_holder", 0, {}, -1, before},
        {"text_comes_back_without_nul", REG_SZ, std::string("True"), ERROR_SUCCESS, std::string("True")},
        {"negative_dword", REG_DWORD, -5.0, ERROR_SUCCESS, -5.0},
        {"rounds_down", REG_DWORD, 2.4, ERROR_SUCCESS, 2.0},
        {"rounds_up_below_zero", REG_DWORD, -2.6, ERROR_SUCCESS, -3.0},
        {"tie_to_even_down", REG_DWORD, 2.5, ERROR_SUCCESS, 2.0},
        {"tie_to_even_up", REG_DWORD, 3.5, ERROR_SUCCESS, 4.0},
        {"held_at_int32_end", REG_DWORD, 1e12, ERROR_SUCCESS, 2147483647.0},
        {"numeric_text_as_dword", REG_DWORD, std::string("12"), ERROR_SUCCESS, 12.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.type != 0) WriteSettingsValue(registry, key, row.name, row.type, row.written);
        SettingsValue holder = before;
        EXPECT_EQ(ReadSettingsValue(registry, key, row.name, holder), row.status);
        EXPECT_EQ(holder, row.read);
    }
}

}  // namespace
}  // namespace trellum
