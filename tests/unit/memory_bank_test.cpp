#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/calculator.h"
#include "engine/recording_toolkit.h"
#include "storage/mem_list_dialog.h"
#include "storage/registry.h"
#include "storage/storage_tokens.h"

namespace trellum {
namespace {

using Slots = std::array<std::string, 10>;
using Steps = std::function<void(MemListDialog&)>;

constexpr int16_t kMin = 0;
constexpr int16_t kMR = 1;

struct Bank {
    RecordingToolkit toolkit;
    Registry registry;
    Calculator calc{toolkit, registry};

    // Runs one "Min"/"MR" press whose dialog is answered by `steps`.
    void press(int16_t index, Steps steps)
    {
        toolkit.MemScripts.push_back(std::move(steps));
        calc.cmdMem_Click(index);
    }
};

Steps select(int16_t line) { return [line](MemListDialog& d) { d.lstMem_Click(line); }; }
Steps flush() { return [](MemListDialog& d) { d.mnuFlush_Click(); }; }
Steps done() { return [](MemListDialog& d) { d.cmdDone_Click(); }; }
Steps cancel() { return [](MemListDialog& d) { d.cmdCancel_Click(); }; }
Steps closeWindow() { return [](MemListDialog& d) { d.Form_Close(); }; }

Steps sequence(std::vector<Steps> steps)
{
    return [steps = std::move(steps)](MemListDialog& d) {
        for (const auto& step : steps) step(d);
        // A path that leaves the window open ends with its close command.
        if (!d.Unloaded) d.Form_Close();
    };
}

Slots flushedExcept(std::size_t slot, const std::string& text)
{
    Slots slots;
    slots.fill("0.");
    slots[slot] = text;
    return slots;
}

// The bank starts with 3 in slot 1 (so "M" is lit) and 7 on the display.
const Slots kStart{"3.", "0", "0", "0", "0", "0", "0", "0", "0", "0"};

struct PathCase {
    const char* name;
    int16_t key;
    Steps steps;
    int16_t memChoice;
    Slots slots;
    std::string lcd;
    bool indicator;
};

class MemoryDialogPath : public testing::TestWithParam<PathCase> {};

TEST_P(MemoryDialogPath, LeavesCodeSlotsDisplayAndIndicator)
{
    const PathCase& row = GetParam();
    Bank bank;
    bank.calc.MemorySlots = kStart;
    bank.calc.MemIndicatorVisible = true;
    bank.calc.ShowNumberText("7");
    bank.calc.NewEntry = false;

    bank.press(row.key, row.steps);

    EXPECT_EQ(bank.calc.MemChoice, row.memChoice);
    EXPECT_EQ(bank.calc.MemorySlots, row.slots);
    EXPECT_EQ(bank.calc.LcdText, row.lcd);
    EXPECT_EQ(bank.calc.MemIndicatorVisible, row.indicator);
    EXPECT_TRUE(bank.calc.NewEntry) << "the next digit must start a new number";
    EXPECT_EQ(bank.toolkit.FocusCount, 1);
    EXPECT_TRUE(bank.toolkit.Events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryDialogPath,
    testing::Values(
        PathCase{"StoreFirstLine", kMin, sequence({select(0), done()}), 1,
                 {"7.", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, "7.  ", true},
        PathCase{"StoreLastLine", kMin, sequence({select(9), done()}), 10,
                 {"3.", "0", "0", "0", "0", "0", "0", "0", "0", "7."}, "7.  ", true},
        PathCase{"StoreReselected", kMin, sequence({select(4), select(1), done()}), 2,
                 {"3.", "7.", "0", "0", "0", "0", "0", "0", "0", "0"}, "7.  ", true},
        PathCase{"StoreCancel", kMin, sequence({select(2), cancel()}), -1, kStart, "7.  ", true},
        PathCase{"StoreFlushCancel", kMin, sequence({flush(), cancel()}), 19, kStart, "7.  ", true},
        PathCase{"StoreWindowClosed", kMin, sequence({select(2), closeWindow()}), 0, kStart, "7.  ", true},
        PathCase{"StoreDoneWhileDisabled", kMin, sequence({done()}), 0, kStart, "7.  ", true},
        PathCase{"StoreFlushDone", kMin, sequence({flush(), done()}), 20, flushedExcept(0, "0."), "7.  ", false},
        PathCase{"StoreFlushWindowClosed", kMin, sequence({flush(), closeWindow()}), 20, flushedExcept(0, "0."),
                 "7.  ", false},
        PathCase{"StoreFlushThirdLine", kMin, sequence({flush(), select(2), done()}), 23, flushedExcept(2, "7."),
                 "7.  ", true},
        PathCase{"StoreLineThenFlushKeepsSelection", kMin, sequence({select(5), flush(), done()}), 26,
                 flushedExcept(5, "7."), "7.  ", true},
        PathCase{"StoreFlushTwice", kMin, sequence({flush(), flush(), select(1), done()}), 22,
                 flushedExcept(1, "7."), "7.  ", true},
        PathCase{"RecallFirstLine", kMR, sequence({select(0), done()}), 1, kStart, "3.  ", true},
        PathCase{"RecallZeroSlotKeepsIndicator", kMR, sequence({select(6), done()}), 7, kStart, "0.  ", true},
        PathCase{"RecallCancel", kMR, sequence({select(0), cancel()}), -1, kStart, "7.  ", true},
        PathCase{"RecallWindowClosed", kMR, sequence({}), 0, kStart, "7.  ", true},
        PathCase{"RecallFlushCancel", kMR, sequence({flush(), select(0), cancel()}), 19, kStart, "7.  ", true},
        PathCase{"RecallFlushDone", kMR, sequence({flush(), done()}), 20, flushedExcept(0, "0."), "7.  ", false},
        PathCase{"RecallFlushFifthLine", kMR, sequence({flush(), select(4), done()}), 25, flushedExcept(0, "0."),
                 "0.  ", false}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST(MemoryDialog, ListsSlotsAsStoredAndPreviewsFlush)
{
    Bank bank;
    bank.calc.MemorySlots = {"1.5E-07", "-2.", "0", "0", "0", "0", "0", "0", "0", "0"};
    const Slots before = bank.calc.MemorySlots;
    bank.press(kMR, [&](MemListDialog& d) {
        EXPECT_EQ(d.Caption, "Retrieve a number");
        EXPECT_EQ(d.lstMem, before);
        EXPECT_FALSE(d.DoneEnabled);
        EXPECT_EQ(d.ListIndex, -1);
        d.mnuFlush_Click();
        EXPECT_EQ(d.lstMem, flushedExcept(0, "0."));
        EXPECT_EQ(bank.calc.MemorySlots, before) << "flush is only a preview until Done";
        EXPECT_TRUE(d.DoneEnabled);
        EXPECT_EQ(d.ListIndex, -1);
        d.cmdCancel_Click();
    });
    EXPECT_EQ(bank.calc.MemorySlots, before);

    bank.press(kMin, [](MemListDialog& d) {
        EXPECT_EQ(d.Caption, "Save a number");
        d.Form_Close();
    });
}

TEST(MemoryDialog, IgnoresClicksOutsideTheList)
{
    int16_t choice = 0;
    MemListDialog dialog(choice);
    dialog.lstMem_Click(10);
    dialog.lstMem_Click(-1);
    EXPECT_FALSE(dialog.DoneEnabled);
    EXPECT_EQ(dialog.ListIndex, -1);
}

TEST(MemoryBank, StoringFiveAndMinusFiveTurnsIndicatorOff)
{
    Bank bank;
    bank.calc.ShowNumberText("5");
    bank.press(kMin, sequence({select(0), done()}));
    EXPECT_TRUE(bank.calc.MemIndicatorVisible);
    bank.calc.ShowNumberText("-5");
    bank.press(kMin, sequence({select(1), done()}));
    EXPECT_EQ(bank.calc.MemorySlots[0], "5.");
    EXPECT_EQ(bank.calc.MemorySlots[1], "-5.");
    EXPECT_FALSE(bank.calc.MemIndicatorVisible);
}

TEST(MemoryBank, StoresTheDisplayTextWithItsExponent)
{
    Bank bank;
    bank.calc.ShowNumberText("1.5E-07");
    bank.press(kMin, sequence({select(3), done()}));
    EXPECT_EQ(bank.calc.MemorySlots[3], "1.5E-07");
    bank.calc.ShowNumberText("2");
    bank.press(kMR, sequence({select(3), done()}));
    EXPECT_EQ(bank.calc.LcdText, "1.5  ");
    EXPECT_EQ(bank.calc.ExpText, "-07");
}

struct SumCase {
    const char* name;
    Slots slots;
    bool empty;
};

class MemoryIsEmptySum : public testing::TestWithParam<SumCase> {};

TEST_P(MemoryIsEmptySum, FollowsTheSumOfTheSlots)
{
    Bank bank;
    bank.calc.MemorySlots = GetParam().slots;
    EXPECT_EQ(bank.calc.MemoryIsEmpty(), GetParam().empty);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryIsEmptySum,
    testing::Values(
        SumCase{"FirstRunZeros", {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, true},
        SumCase{"FlushedZeros", {"0.", "0.", "0.", "0.", "0.", "0.", "0.", "0.", "0.", "0."}, true},
        SumCase{"OneNumber", {"0", "0", "0", "0", "0", "0", "0", "0", "0", "-0.001"}, false},
        SumCase{"FiveAndMinusFiveCancel", {"5.", "-5.", "0", "0", "0", "0", "0", "0", "0", "0"}, true},
        SumCase{"TextsWithoutNumberCountZero", {"abc", "", "E5", "0", "0", "0", "0", "0", "0", "0"}, true},
        SumCase{"LeadingNumberCounts", {"4x", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, false},
        SumCase{"SumOverflowsToInfinity", {"1E+308", "1E+308", "0", "0", "0", "0", "0", "0", "0", "0"}, false},
        SumCase{"InfinitiesGiveNaN", {"1E+999", "-1E+999", "0", "0", "0", "0", "0", "0", "0", "0"}, false},
        // In slot order, 1E+16 + 1 rounds back to 1E+16, so the sum is exactly 0.
        SumCase{"RoundingInSlotOrder", {"1E+16", "1", "-1E+16", "0", "0", "0", "0", "0", "0", "0"}, true},
        SumCase{"RoundingInSlotOrderOtherWay", {"1E+16", "-1E+16", "1", "0", "0", "0", "0", "0", "0", "0"}, false}),
    [](const testing::TestParamInfo<SumCase>& info) { return std::string(info.param.name); });

struct TokenCase {
    const char* token;
    bool known;
};

class StorageTokens : public testing::TestWithParam<TokenCase> {};

TEST_P(StorageTokens, AcceptsOnlyWellFormedTokens)
{
    Bank bank;
    bank.toolkit.Folder = "/nonexistent-trellum-folder";
    EXPECT_EQ(PressStorageToken(bank.calc, bank.toolkit, GetParam().token), GetParam().known);
    // A refused token opens nothing; an accepted one consumed its script.
    EXPECT_EQ(bank.toolkit.FocusCount, GetParam().known ? 1 : 0);
    EXPECT_TRUE(bank.toolkit.MemScripts.empty());
    EXPECT_TRUE(bank.toolkit.ConstScripts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, StorageTokens,
    testing::Values(TokenCase{"MR:10", true}, TokenCase{"MIN:F", true}, TokenCase{"MR:F7", true},
                    TokenCase{"MIN:W", true}, TokenCase{"CO:X", true}, TokenCase{"MIN:0", false},
                    TokenCase{"MIN:11", false}, TokenCase{"MIN:01", false}, TokenCase{"MR:-1", false},
                    TokenCase{"MR:FX", false}, TokenCase{"MIN", false}, TokenCase{"CO:0", false},
                    TokenCase{"CO:99999", false}),
    [](const testing::TestParamInfo<TokenCase>& info) {
        std::string name;
        for (const char c : std::string(info.param.token)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name + (info.param.known ? "_known" : "_refused") + std::to_string(info.index);
    });

}  // namespace
}  // namespace trellum
