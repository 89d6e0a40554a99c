#include "storage/settings.h"
#include "storage/settings_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "testing/calculator_probe.h"
#include "testing/recording_toolkit.h"
#include "tests/unit/file_bytes.h"
#include "tests/unit/temp_folder.h"

namespace trellum {
namespace {

namespace fs = std::filesystem;
using Slots = std::array<std::string, 10>;

const std::string kPlace = "\"Top\"=dword:00000d20\n\"Left\"=dword:000012c0\n";

// A hive with `main` under the settings key and `memory` (null: no such key) under its Memory key.
std::string hive(const std::string& main, const char* memory = "")
{
    std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n" + main;
    if (memory) text += "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum\\Memory]\n" + std::string(memory);
    return text;
}

// One run of the program: a fresh store, desktop and calculator on the same hive.
struct ProgramRun {
    explicit ProgramRun(const std::string& path) : store(path), calculator(toolkit, store) {}
    SettingsStore store;
    RecordingToolkit toolkit;
    Calculator calculator;
};

class SettingsTest : public testing_support::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        m_hive = (m_dir / "system.reg").string();
    }

    std::string m_hive;
};

TEST_F(SettingsTest, LoadAppliesEachStoredState)
{
    std::string tenSlots;
    for (int n = 1; n <= 10; ++n)
        tenSlots += "\"Mem " + std::to_string(n) + "\"=\"" + (n == 2 ? "2.5E+20" : "0") + "\"\n";
    struct Row {
        const char* name;
        std::optional<std::string> hive;  // none: no file at all
        SettingsFound result = SettingsFound::BothKeys;
        int32_t top = 3360, left = 4800;  // RecordingToolkit centres at 4000, 8000
        int16_t mode = 0;
        bool onTop = false;
        Slots slots = {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
        bool memIndicator = false;
    };
    const Row rows[] = {
        {.name = "first_run_no_file", .hive = std::nullopt, .result = SettingsFound::Nothing},
        {.name = "full", .hive = hive(kPlace + "\"Mode\"=dword:00000001\n\"OnTop\"=\"False\"\n", tenSlots.c_str()),
         .mode = 1, .slots = {"0", "2.5E+20", "0", "0", "0", "0", "0", "0", "0", "0"}, .memIndicator = true},
        {.name = "mode_7_falls_back_to_degrees", .hive = hive(kPlace + "\"Mode\"=dword:00000007\n")},
        {.name = "mode_as_text_is_ignored", .hive = hive(kPlace + "\"Mode\"=\"2\"\n")},
        // A shared holder would hand Left's 2 on to the missing Mode.
        {.name = "missing_mode_is_not_the_previous_read",
         .hive = hive("\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n"), .top = 1, .left = 2},
        {.name = "on_top_in_any_case_with_blanks", .hive = hive(kPlace + "\"OnTop\"=\" tRUE \"\n"), .onTop = true},
        {.name = "memory_key_missing", .hive = hive(kPlace + "\"Mode\"=dword:00000002\n\"OnTop\"=\"True\"\n", nullptr),
         .result = SettingsFound::MainKeyOnly, .mode = 2, .onTop = true},
        // Top 70000 does not fit the window's coordinates: centred, and the in-range Left still applies.
        {.name = "top_out_of_range_negative_left_in_range",
         .hive = hive("\"Top\"=dword:00011170\n\"Left\"=dword:ffffff38\n"), .top = 4000, .left = -200},
        {.name = "slots_5_and_minus_5_keep_m_dark", .hive = hive(kPlace, "\"Mem 1\"=\"5\"\n\"Mem 2\"=\"-5\"\n"),
         .slots = {"5", "-5", "0", "0", "0", "0", "0", "0", "0", "0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_hive);
        if (row.hive) testing_support::writeBytes(m_hive, *row.hive);
        ProgramRun program(m_hive);
        Calculator& calc = program.calculator;
        EXPECT_EQ(calc.loadSettings(), row.result);
        if (!row.hive) continue;  // nothing applied: the start-up applies the first-run state
        EXPECT_EQ(program.toolkit.top.value, row.top);
        EXPECT_EQ(program.toolkit.left.value, row.left);
        EXPECT_EQ(calc.display().modeDisplayVisible,
                  (std::array<bool, 3>{row.mode == 0, row.mode == 1, row.mode == 2}));
        EXPECT_EQ(calc.alwaysOnTop(), row.onTop);
        EXPECT_EQ(program.toolkit.staysOnTop, row.onTop);
        EXPECT_EQ(CalculatorProbe::memorySlots(calc), row.slots);
        EXPECT_EQ(calc.display().memIndicatorVisible, row.memIndicator);
    }
}

TEST_F(SettingsTest, ShutDownWritesEachValueWithItsTypeAndRestartsKeepThem)
{
    const Slots slots{"1.5E-07", "-1.23456789012345E+100", "  7  ", "caf\xe9", "a=b", "\"q\"", "C:\\x", "0", "",
                      "3.14159265358979"};
    ProgramRun first(m_hive);
    first.toolkit.top = Twips(-45);
    first.toolkit.left = Twips(32767);
    first.calculator.toggleAlwaysOnTop();
    first.calculator.cycleAngleMode();
    first.calculator.cycleAngleMode();  // grads
    CalculatorProbe::setMemorySlots(first.calculator, slots);
    first.calculator.saveSettings();

    const SettingsStore stored(m_hive);
    EXPECT_EQ(stored.number(kSettingsKey, "Top"), -45);
    EXPECT_EQ(stored.number(kSettingsKey, "Left"), 32767);
    EXPECT_EQ(stored.number(kSettingsKey, "Mode"), 2);
    EXPECT_EQ(stored.text(kSettingsKey, "OnTop"), "True");
    for (std::size_t n = 1; n <= 10; ++n) {
        EXPECT_EQ(stored.value(kMemoryKey, "Mem " + std::to_string(n)), SettingValue(slots[n - 1]));
    }

    for (int restart = 0; restart < 8; ++restart) {
        SCOPED_TRACE(restart);
        ProgramRun program(m_hive);
        ASSERT_EQ(program.calculator.loadSettings(), SettingsFound::BothKeys);
        EXPECT_EQ(CalculatorProbe::memorySlots(program.calculator), slots);
        EXPECT_EQ(CalculatorProbe::angleMode(program.calculator), Angle::Grads);
        EXPECT_EQ(program.toolkit.top.value, -45);
        EXPECT_EQ(program.toolkit.left.value, 32767);
        EXPECT_TRUE(program.calculator.alwaysOnTop());
        EXPECT_TRUE(program.toolkit.staysOnTop);
        program.calculator.saveSettings();
    }
}

// Compact mode keeps the window on top without it being the user's choice:
// only the choice is stored, and every run starts with the full window.
TEST_F(SettingsTest, NextRunHasTheAlwaysOnTopChoiceAndTheFullWindow)
{
    struct Row {
        const char* name;
        std::vector<void (Calculator::*)()> commands;
        const char* stored;
    };
    const Row rows[] = {
        {"compact", {&Calculator::toggleCompact}, "False"},
        {"on_top_then_compact", {&Calculator::toggleAlwaysOnTop, &Calculator::toggleCompact}, "True"},
        {"compact_and_back", {&Calculator::toggleCompact, &Calculator::showFullWindow}, "False"},
        {"on_top_twice", {&Calculator::toggleAlwaysOnTop, &Calculator::toggleAlwaysOnTop}, "False"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_hive);
        {
            ProgramRun first(m_hive);
            first.calculator.start();
            for (auto command : row.commands) (first.calculator.*command)();
            first.calculator.shutdown();
        }
        EXPECT_EQ(SettingsStore(m_hive).text(kSettingsKey, "OnTop"), row.stored);

        ProgramRun next(m_hive);
        next.calculator.start();
        const bool onTop = std::string(row.stored) == "True";
        EXPECT_EQ(next.calculator.alwaysOnTop(), onTop);
        EXPECT_EQ(next.toolkit.staysOnTop, onTop);
        EXPECT_FALSE(next.calculator.isCompact());
        EXPECT_TRUE(next.toolkit.menusShown);
        // Ctrl+S in the new run shrinks rather than leaving a compact mode it never entered.
        next.calculator.toggleCompact();
        EXPECT_FALSE(next.toolkit.menusShown);
        EXPECT_TRUE(next.toolkit.staysOnTop);
    }
}

// A native Wayland window: the compositor places it and reports a made-up place.
TEST_F(SettingsTest, WindowThatCannotBePlacedKeepsTheStoredPlace)
{
    struct Row {
        const char* name;
        std::string stored;        // the settings key's values before the run
        const char* topAfter;      // the stored "Top" after the run; null: none
    };
    const Row rows[] = {
        {"stored_place_kept", kPlace + "\"Mode\"=dword:00000000\n", "dword:00000d20"},
        {"first_run_stores_no_place", "", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_hive);
        if (!row.stored.empty()) testing_support::writeBytes(m_hive, hive(row.stored));
        ProgramRun program(m_hive);
        program.toolkit.placeable = false;
        program.toolkit.top = Twips(-45);
        program.toolkit.left = Twips(-450);
        program.calculator.start();
        EXPECT_EQ(program.toolkit.top.value, -45) << "no place applied, not even a centring";
        EXPECT_EQ(program.toolkit.left.value, -450);
        program.calculator.cycleAngleMode();
        program.calculator.shutdown();

        const std::string text = testing_support::readBytes(m_hive);
        EXPECT_NE(text.find("\"Mode\"=dword:00000001"), std::string::npos) << text;
        if (row.topAfter) {
            EXPECT_NE(text.find(std::string("\"Top\"=") + row.topAfter), std::string::npos) << text;
            EXPECT_NE(text.find("\"Left\"=dword:000012c0"), std::string::npos) << text;
        } else {
            EXPECT_EQ(text.find("\"Top\""), std::string::npos) << text;
            EXPECT_EQ(text.find("\"Left\""), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace trellum
