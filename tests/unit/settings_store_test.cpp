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
#include "storage/settings.h"
#include "testing/calculator_probe.h"
#include "testing/recording_toolkit.h"
#include "tests/unit/temp_folder.h"

namespace trellum {
namespace {

namespace fs = std::filesystem;

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

const std::string kValid = hive("\"Top\"=dword:00000d20\n\"OnTop\"=\"True\"\n\"Mem 1\"=hex(1):41,00\n", nullptr);

class SettingsStoreTest : public testing_support::TempFolderTest {
protected:
    fs::path m_file = m_dir / "system.reg";
};

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

// A file of the previous version, with another vendor's key and slot texts no
// key would store, loads; saved with the angle mode changed (grads to
// degrees), it comes back byte for byte but for that value.
TEST_F(SettingsStoreTest, FilesOfThePreviousVersionLoadAndComeBackByteForByte)
{
    std::string original = readAll(TRELLUM_TEST_DATA "/settings/exotic.reg");
    const std::size_t mode = original.find("\"Mode\"=dword:00000002");
    ASSERT_NE(mode, std::string::npos);
    writeAll(m_file, original);
    runProgram(m_file, [](Calculator& calc) {
        EXPECT_EQ(CalculatorProbe::memorySlots(calc), (Slots{"1.5E-07", "caf\xe9 \"q\" C:\\x", "5.", "1\t2\n",
                                                            std::string(40, '\xe9'), "", "  7  ", "0", "0",
                                                            "0.3333333333333"}));
        EXPECT_EQ(static_cast<int>(CalculatorProbe::angleMode(calc)), 2);
        EXPECT_TRUE(calc.alwaysOnTop());
        calc.cycleAngleMode();
    });
    EXPECT_EQ(readAll(m_file), original.replace(mode, 21, "\"Mode\"=dword:00000000"));
    EXPECT_EQ(folder(), std::vector<std::string>{"system.reg"});
}

TEST_F(SettingsStoreTest, FileThatCannotBeReadIsSetAsideUnchangedBeforeItIsReplaced)
{
    const struct {
        const char* name;
        std::string text;
    } rows[] = {
        {"binary_junk", std::string("\x00\xff\x12REGEDIT4", 11)},
        {"unknown_escape", kValid + "\"Bad\"=\"a\\nb\"\n"},
        {"truncated_in_dword", kValid.substr(0, kValid.find("d20"))},
        // Read as the format, but not as the program writes it: a hand edit.
        {"mode_out_of_range", hive("\"Mode\"=dword:00000007\n")},
        {"slot_as_number", hive(kPlace, "\"Mem 1\"=dword:0000002a\n")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        writeAll(m_file, row.text);
        ProgramRun program(m_file);
        program.calculator.start();
        EXPECT_EQ(readAll(m_file), row.text) << "touched by the start";
        program.calculator.shutdown();
        ASSERT_FALSE(program.store.setAsidePath().empty());
        EXPECT_EQ(readAll(program.store.setAsidePath()), row.text);
        EXPECT_TRUE(readAll(m_file).starts_with("REGEDIT4\n"));
        EXPECT_EQ(folder().size(), 2u);
    }
}

TEST_F(SettingsStoreTest, ASaveThatFailsIsShownWithTheFilesPath)
{
    writeAll(m_file, kValid);
    ProgramRun program(m_file);
    program.calculator.start();
    // A FIFO is never written through.
    fs::remove(m_file);
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    program.calculator.shutdown();
    EXPECT_EQ(program.toolkit.events,
              std::vector<std::string>{"msg:!:Settings could not be saved to " + m_file.string() + "."});
}

TEST_F(SettingsStoreTest, LoadAppliesEachStoredState)
{
    const struct {
        const char* name;
        std::string hive;
        int32_t top, left;  // RecordingToolkit centres at 4000, 8000
    } rows[] = {
        // A shared holder would hand Left's 2 on to the missing Mode.
        {"missing_mode_is_not_the_previous_read", hive("\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n"), 1, 2},
        // Top 70000 does not fit the window's coordinates: centred, and the in-range Left still applies.
        {"top_out_of_range_negative_left_in_range", hive("\"Top\"=dword:00011170\n\"Left\"=dword:ffffff38\n"), 4000,
         -200},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeAll(m_file, row.hive);
        ProgramRun program(m_file);
        program.calculator.loadSettings();
        EXPECT_EQ(program.toolkit.top.value, row.top);
        EXPECT_EQ(program.toolkit.left.value, row.left);
        EXPECT_EQ(static_cast<int>(CalculatorProbe::angleMode(program.calculator)), 0);
    }
}

// Two copies of the program on one file, each started before the other ended
// (on two displays, in a sandbox, across an upgrade): whichever ends first,
// neither undoes what the other changed, and of one value both changed the
// copy that ends last wins.
TEST_F(SettingsStoreTest, TwoCopiesKeepEachOthersChanges)
{
    using Change = std::function<void(Calculator&)>;
    auto storeIn = [](std::size_t slot, const char* text) -> Change {
        return [=](Calculator& calc) {
            Slots slots = CalculatorProbe::memorySlots(calc);
            slots[slot] = text;
            CalculatorProbe::setMemorySlots(calc, slots);
        };
    };
    const struct {
        const char* name;
        bool firstRun;           // no file before the two start
        Change first, second;    // the first copy ends first
        bool savesBetween;       // the first saves (a logout) before the second changes and ends
        Slots slots = {"0", "0", "7", "0", "9", "0", "0", "0", "0", "0"};
        int32_t mode = 0;
        const char* onTop = "False";
    } rows[] = {
        {"slots_on_a_first_run", true, storeIn(2, "7"), storeIn(4, "9"), false},
        {"one_slot_changed_by_both_first_saved_twice", false, storeIn(2, "7"), storeIn(2, "9"), true,
         {"0", "0", "9", "0", "0", "0", "0", "0", "0", "0"}},
        {"mode_and_on_top", false, &Calculator::cycleAngleMode, &Calculator::toggleAlwaysOnTop, false,
         Slots{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, 1, "True"},
    };
    for (const auto& row : rows) {
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
// the next run starts with the full window, not on top.
TEST_F(SettingsStoreTest, CompactModeIsNotRememberedAsAlwaysOnTop)
{
    runProgram(m_file, [](Calculator& calc) { calc.toggleCompact(); });
    ProgramRun next(m_file);
    next.calculator.start();
    EXPECT_FALSE(next.calculator.alwaysOnTop());
    EXPECT_FALSE(next.toolkit.staysOnTop);
    EXPECT_TRUE(next.toolkit.menusShown);
}

// A native Wayland window: the compositor places it and reports a made-up place.
TEST_F(SettingsStoreTest, WindowThatCannotBePlacedKeepsTheStoredPlace)
{
    writeAll(m_file, hive(kPlace));
    ProgramRun program(m_file);
    program.toolkit.placeable = false;
    program.toolkit.top = Twips(-45);
    program.calculator.start();
    EXPECT_EQ(program.toolkit.top.value, -45) << "no place applied, not even a centring";
    program.calculator.shutdown();
    EXPECT_NE(readAll(m_file).find(kPlace), std::string::npos) << readAll(m_file);
}

}  // namespace
}  // namespace trellum
