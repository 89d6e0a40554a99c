// SPDX-License-Identifier: MIT
#include "storage/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "storage/file_io.h"
#include "storage/settings.h"
#include "testing/calculator_probe.h"
#include "testing/recording_toolkit.h"
#include "tests/unit/temp_folder.h"

namespace trellum {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr auto readAll = testing_support::readBytes;
constexpr auto writeAll = testing_support::writeBytes;
using Slots = std::array<std::string, 10>;

const std::string kPlace = "\"Top\"=dword:00000d20\n\"Left\"=dword:000012c0\n";

// A hive with `main` under the settings key and `memory` (null: no such key) under its Memory key.
std::string hive(const std::string& main, const char* memory = "")
{
    std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n" + main;
    if (memory) text += "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum\\Memory]\n" + std::string(memory);
    return text;
}

const std::string kValid = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n"
                           "\"Top\"=dword:00000d20\n\"OnTop\"=\"True\"\n\"Mem 1\"=hex(1):41,00\n";

class SettingsStoreTest : public testing_support::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        m_file = m_dir / "system.reg";
    }

    fs::path m_file;
};

// The calculator's own values in that file: what it loads, saves and keeps.
using SettingsTest = SettingsStoreTest;

// One run of the program: a fresh store, desktop and calculator on the same hive.
struct ProgramRun {
    explicit ProgramRun(const fs::path& path) : store(path), calculator(toolkit, store) {}
    SettingsStore store;
    RecordingToolkit toolkit;
    Calculator calculator;
};

// One start and one shut-down of the program on the same file.
void runProgram(const fs::path& file, const std::function<void(Calculator&)>& between = {})
{
    ProgramRun program(file);
    program.calculator.start();
    if (between) between(program.calculator);
    program.calculator.shutdown();
}

TEST_F(SettingsStoreTest, FilesOfThePreviousVersionLoadAndComeBackByteForByte)
{
    const Slots exoticSlots{"1.5E-07", "caf\xe9 \"q\" C:\\x", "5.", "1\t2\n", std::string(40, '\xe9'),
                            "", "  7  ", "0", "0", "0.3333333333333"};
    struct Row {
        const char* name;
        Slots slots;
        int16_t mode;
    };
    const Row rows[] = {
        {"typical", {"1.5E-07", "0", "5.", "0", "0", "0", "0", "0", "0", "0.3333333333333"}, 2},
        {"exotic", exoticSlots, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string original = readAll(std::string(TRELLUM_TEST_DATA "/settings/") + row.name + ".reg");
        ASSERT_FALSE(original.empty());
        writeAll(m_file, original);
        runProgram(m_file, [&](Calculator& calc) {
            EXPECT_EQ(CalculatorProbe::memorySlots(calc), row.slots);
            EXPECT_EQ(static_cast<int16_t>(CalculatorProbe::angleMode(calc)), row.mode);
        });
        EXPECT_EQ(readAll(m_file), original);
        EXPECT_EQ(folder(), std::vector<std::string>{"system.reg"});
    }
}

TEST_F(SettingsStoreTest, WhatTheProgramDoesNotKnowIsWrittenBackAsItWasRead)
{
    // Comments, blank lines, CR LF ends, other keys and types, a key written twice.
    const std::string original =
        "REGEDIT4\r\n; kept by hand\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
        "\"Blob\" = hex:01,02,\\\r\n    03\r\n"
        "@=\"default\"\r\n"
        "; a note\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\r\n"
        "\"Mode\"=dword:00000001\r\n\"Extra\"=hex(7):61,00,00,00\r\n\r\n"
        "[hkey_local_machine\\software\\other]\r\n\"Second\"=\"x\"\r\n";
    writeAll(m_file, original);
    runProgram(m_file);
    const std::string text = readAll(m_file);
    std::string unknown = original;
    std::erase(unknown, '\r');
    // Every line of the original but the Mode value is still there, in order.
    std::size_t at = 0;
    for (std::size_t start = 0, end; start < unknown.size(); start = end + 1) {
        end = unknown.find('\n', start);
        const std::string line = unknown.substr(start, end - start);
        if (line.empty() || line.starts_with("\"Mode\"")) continue;
        const std::size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << "lost: " << line;
        at = found + line.size();
    }
    SettingsStore again(m_file);
    EXPECT_EQ(again.text("SOFTWARE\\Other", "Second"), "x");
    EXPECT_EQ(again.value("SOFTWARE\\Other", "Blob"), SettingValue(SettingBytes{"\x01\x02\x03"}));
    EXPECT_EQ(again.number(kSettingsKey, "Mode"), 1);
    EXPECT_EQ(again.text(kMemoryKey, "Mem 10"), "0");
}

TEST_F(SettingsStoreTest, FileThatCannotBeReadIsSetAsideUnchangedBeforeItIsReplaced)
{
    const struct {
        const char* name;
        std::string text;
    } rows[] = {
        {"wrong_header", "REGEDIT5\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n"},
        {"binary_junk", std::string("\x00\xff\x12REGEDIT4", 11)},
        {"unknown_escape", kValid + "\"Bad\"=\"a\\nb\"\n"},
        {"dangling_continuation", kValid + "\"X\"=hex:01,\\\n"},
        {"truncated_in_dword", kValid.substr(0, kValid.find("d20"))},
        // Read as the format, but not as the program writes it: a hand edit.
        {"mode_out_of_range", hive("\"Mode\"=dword:00000007\n")},
        {"slot_as_number", hive(kPlace, "\"Mem 1\"=dword:0000002a\n")},
        {"place_as_bytes", hive("\"Top\"=hex:01,02\n")},
        {"on_top_neither_true_nor_false", hive("\"OnTop\"=\"maybe\"\n")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        writeAll(m_file, row.text);
        SettingsStore store(m_file);
        RecordingToolkit toolkit;
        Calculator calc(toolkit, store);
        calc.start();
        EXPECT_EQ(readAll(m_file), row.text) << "touched by the start";
        calc.shutdown();
        ASSERT_FALSE(store.setAsidePath().empty());
        EXPECT_EQ(readAll(store.setAsidePath()), row.text);
        EXPECT_TRUE(readAll(m_file).starts_with("REGEDIT4\n"));
        EXPECT_EQ(folder().size(), 2u);
    }
}

// A logout saves when the session asks and again when the program ends: the
// second save writes only what changed in between. A hand edit made between
// the two shows whether the file was written.
TEST_F(SettingsStoreTest, ASaveWithNothingChangedWritesNothing)
{
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "value changed" : "value kept");
        fs::remove(m_file);
        SettingsStore store(m_file);
        store.createKey(kSettingsKey);
        store.set(kSettingsKey, "Top", int32_t{1});
        ASSERT_TRUE(store.save());
        writeAll(m_file, "edited by hand\n");
        if (changed) store.set(kSettingsKey, "Top", int32_t{2});
        else store.setIfMissing(kSettingsKey, "Top", int32_t{1});
        ASSERT_TRUE(store.save());
        EXPECT_EQ(readAll(m_file) == "edited by hand\n", !changed);
    }
}

TEST_F(SettingsStoreTest, ASaveThatFailsIsShownWithTheFilesPath)
{
    writeAll(m_file, kValid);
    SettingsStore store(m_file);
    RecordingToolkit toolkit;
    Calculator calc(toolkit, store);
    calc.start();
    // A FIFO is never written through.
    fs::remove(m_file);
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    calc.shutdown();
    EXPECT_EQ(toolkit.events, std::vector<std::string>{"msg:!:Settings could not be saved to " + m_file.string() + "."});
}

TEST_F(SettingsTest, LoadAppliesEachStoredState)
{
    struct Row {
        const char* name;
        std::string hive;
        SettingsFound result = SettingsFound::BothKeys;
        int32_t top = 3360, left = 4800;  // RecordingToolkit centres at 4000, 8000
        int16_t mode = 0;
        bool onTop = false;
        Slots slots = {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
        bool memIndicator = false;
    };
    const Row rows[] = {
        {.name = "full", .hive = hive(kPlace + "\"Mode\"=dword:00000001\n\"OnTop\"=\"False\"\n", "\"Mem 2\"=\"2.5E+20\"\n"),
         .mode = 1, .slots = {"0", "2.5E+20", "0", "0", "0", "0", "0", "0", "0", "0"}, .memIndicator = true},
        {.name = "mode_7_falls_back_to_degrees", .hive = hive(kPlace + "\"Mode\"=dword:00000007\n")},
        // A shared holder would hand Left's 2 on to the missing Mode.
        {.name = "missing_mode_is_not_the_previous_read",
         .hive = hive("\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n"), .top = 1, .left = 2},
        {.name = "memory_key_missing", .hive = hive(kPlace + "\"Mode\"=dword:00000002\n\"OnTop\"=\"True\"\n", nullptr),
         .result = SettingsFound::MainKeyOnly, .mode = 2, .onTop = true},
        // Top 70000 does not fit the window's coordinates: centred, and the in-range Left still applies.
        {.name = "top_out_of_range_negative_left_in_range",
         .hive = hive("\"Top\"=dword:00011170\n\"Left\"=dword:ffffff38\n"), .top = 4000, .left = -200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeAll(m_file, row.hive);
        ProgramRun program(m_file);
        Calculator& calc = program.calculator;
        EXPECT_EQ(calc.loadSettings(), row.result);
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

// Two copies of the program on one file, each started before the other ended
// (on two displays, in a sandbox, across an upgrade): whichever ends first,
// neither undoes what the other changed, and of one value both changed the
// copy that ends last wins.
TEST_F(SettingsTest, TwoCopiesKeepEachOthersChanges)
{
    using Change = std::function<void(Calculator&)>;
    auto storeIn = [](std::size_t slot, const char* text) -> Change {
        return [=](Calculator& calc) {
            Slots slots = CalculatorProbe::memorySlots(calc);
            slots[slot] = text;
            CalculatorProbe::setMemorySlots(calc, slots);
        };
    };
    struct Row {
        const char* name;
        bool firstRun;           // no file before the two start
        Change first, second;    // the first copy ends first
        bool savesBetween;       // the first saves (a logout) before the second changes and ends
        Slots slots = {"0", "0", "7", "0", "9", "0", "0", "0", "0", "0"};
        int32_t mode = 0;
        const char* onTop = "False";
    };
    const Slots lastWins = {"0", "0", "9", "0", "0", "0", "0", "0", "0", "0"};
    const Row rows[] = {
        {"slots_on_a_first_run", true, storeIn(2, "7"), storeIn(4, "9"), false},
        {"slots_with_a_file", false, storeIn(2, "7"), storeIn(4, "9"), false},
        {"one_slot_changed_by_both_first_saved_twice", false, storeIn(2, "7"), storeIn(2, "9"), true, lastWins},
        {"one_slot_changed_by_both", false, storeIn(2, "7"), storeIn(2, "9"), false, lastWins},
        {"mode_and_on_top", false, &Calculator::cycleAngleMode, &Calculator::toggleAlwaysOnTop, false,
         Slots{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, 1, "True"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_file);
        if (!row.firstRun) runProgram(m_file);
        ProgramRun first(m_file), second(m_file);
        first.calculator.start();
        second.calculator.start();
        row.first(first.calculator);
        if (row.savesBetween) first.calculator.saveSettings();
        row.second(second.calculator);
        if (row.savesBetween) second.calculator.shutdown();
        first.calculator.shutdown();
        second.calculator.shutdown();
        ProgramRun next(m_file);
        next.calculator.start();
        EXPECT_EQ(CalculatorProbe::memorySlots(next.calculator), row.slots);
        EXPECT_EQ(next.store.number(kSettingsKey, "Mode"), row.mode);
        EXPECT_EQ(next.store.text(kSettingsKey, "OnTop"), row.onTop);
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_file);
        {
            ProgramRun first(m_file);
            first.calculator.start();
            for (auto command : row.commands) (first.calculator.*command)();
            first.calculator.shutdown();
        }
        EXPECT_EQ(SettingsStore(m_file).text(kSettingsKey, "OnTop"), row.stored);

        ProgramRun next(m_file);
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
    writeAll(m_file, hive(kPlace));
    ProgramRun program(m_file);
    program.toolkit.placeable = false;
    program.toolkit.top = Twips(-45);
    program.calculator.start();
    EXPECT_EQ(program.toolkit.top.value, -45) << "no place applied, not even a centring";
    program.calculator.cycleAngleMode();
    program.calculator.shutdown();
    const std::string text = readAll(m_file);
    EXPECT_NE(text.find("\"Mode\"=dword:00000001"), std::string::npos) << text;
    EXPECT_NE(text.find(kPlace), std::string::npos) << text;
}

}  // namespace
}  // namespace trellum
