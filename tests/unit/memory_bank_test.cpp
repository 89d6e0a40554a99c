#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <sstream>

#include "app/calculator.h"
#include "app/memory_bank.h"
#include "storage/mem_list_dialog.h"
#include "storage/settings_store.h"
#include "testing/calculator_probe.h"
#include "testing/key_script.h"
#include "testing/recording_toolkit.h"
#include "testing/storage_tokens.h"

namespace trellum {
namespace {

using Slots = std::array<std::string, 10>;
using Step = std::function<void(MemListDialog&)>;

constexpr Key kMin = Key::MemoryIn;
constexpr Key kMR = Key::MemoryRecall;

struct Bank {
    RecordingToolkit toolkit;
    SettingsStore settings;
    Calculator calc{toolkit, settings};

    // One "Min"/"MR" press whose dialog gets `steps`; a path that leaves the window open ends by closing it.
    void press(Key key, std::vector<Step> steps)
    {
        toolkit.MemScripts.push_back([steps = std::move(steps)](MemListDialog& d) {
            for (const Step& step : steps) step(d);
            if (!d.Unloaded) d.Form_Close();
        });
        calc.press(key);
    }

    // Presses blank-separated key tokens.
    void keys(const std::string& tokens)
    {
        std::istringstream in(tokens);
        for (std::string token; in >> token;) ASSERT_TRUE(PressToken(calc, toolkit, token)) << token;
    }

    const Slots& memory() const { return CalculatorProbe::MemorySlots(calc); }
};

Step select(int16_t line) { return [line](MemListDialog& d) { d.lstMem_Click(line); }; }
const Step flush = [](MemListDialog& d) { d.mnuFlush_Click(); };
const Step done = [](MemListDialog& d) { d.cmdDone_Click(); };
const Step cancel = [](MemListDialog& d) { d.cmdCancel_Click(); };
const Step closeWindow = [](MemListDialog& d) { d.Form_Close(); };

// Slots that begin with `texts`; the others hold `rest`.
Slots slots(std::initializer_list<const char*> texts, const char* rest = "0")
{
    Slots result;
    result.fill(rest);
    std::copy(texts.begin(), texts.end(), result.begin());
    return result;
}

Slots with(Slots base, std::size_t slot, const char* text)
{
    base[slot] = text;
    return base;
}

TEST(MemoryDialog, EachPathLeavesItsCodeSlotsDisplayAndIndicator)
{
    // The bank starts with 3 in slot 1, so "M" is lit.
    const Slots start = slots({"3."});
    const Slots flushed = slots({}, "0.");
    struct Row {
        const char* name;
        Key key;
        std::vector<Step> steps;
        int16_t memChoice;
        Slots slots;
        std::string lcd = "7.  ";
        bool indicator = true;
        const char* display = "7";  // keys typed before Min/MR
    };
    const Row rows[] = {
        {"store_last_line", kMin, {select(9), done}, 10, with(start, 9, "7.")},
        {"store_reselected", kMin, {select(4), select(1), done}, 2, with(start, 1, "7.")},
        {"store_cancelling_number_darkens_m", kMin, {select(1), done}, 2, with(start, 1, "-3."), "-3.  ", false, "3 NEG"},
        {"store_cancel", kMin, {select(2), cancel}, -1, start},
        {"store_window_closed", kMin, {select(2), closeWindow}, 0, start},
        {"store_done_while_disabled", kMin, {done}, 0, start},
        {"store_flush_done", kMin, {flush, done}, 20, flushed, "7.  ", false},
        {"store_flush_window_closed", kMin, {flush, closeWindow}, 20, flushed, "7.  ", false},
        {"store_line_then_flush_keeps_selection", kMin, {select(5), flush, done}, 26, with(flushed, 5, "7.")},
        {"store_flush_twice", kMin, {flush, flush, select(1), done}, 22, with(flushed, 1, "7.")},
        {"recall_first_line", kMR, {select(0), done}, 1, start, "3.  "},
        {"recall_zero_slot_keeps_indicator", kMR, {select(6), done}, 7, start, "0.  "},
        {"recall_flush_cancel", kMR, {flush, select(0), cancel}, 19, start},
        {"recall_flush_done", kMR, {flush, done}, 20, flushed, "7.  ", false},
        {"recall_flush_fifth_line", kMR, {flush, select(4), done}, 25, flushed, "0.  ", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Bank bank;
        bank.keys("3 MIN:1");
        ASSERT_EQ(bank.memory(), start);
        bank.keys(row.display);
        const int focus = bank.toolkit.FocusCount;
        bank.press(row.key, row.steps);
        EXPECT_EQ(bank.memory(), row.slots);
        EXPECT_EQ(bank.calc.Display().LcdText, row.lcd);
        EXPECT_EQ(bank.calc.Display().MemIndicatorVisible, row.indicator);
        EXPECT_EQ(bank.toolkit.FocusCount, focus + 1);
        EXPECT_TRUE(bank.toolkit.Events.empty());
        bank.keys("5");
        EXPECT_EQ(bank.calc.Display().LcdText, "5.  ") << "the next digit must start a new number";

        // The same steps on the dialog alone leave the outcome code the calculator acted on.
        int16_t memChoice = 0;
        MemListDialog dialog(memChoice);
        for (const Step& step : row.steps) step(dialog);
        EXPECT_EQ(memChoice, row.memChoice);
    }
}

TEST(MemoryDialog, ListsSlotsAsStoredIgnoresClicksOutsideAndOnlyPreviewsFlush)
{
    Bank bank;
    bank.keys("1 . 5 EXP 7 NEG MIN:1 2 NEG MIN:2");
    const Slots before = slots({"1.5E-07", "-2."});
    ASSERT_EQ(bank.memory(), before);
    bank.press(kMR, {[&](MemListDialog& d) {
        EXPECT_EQ(d.Caption, "Retrieve a number");
        EXPECT_EQ(d.lstMem, before);
        d.lstMem_Click(10);
        d.lstMem_Click(-1);
        EXPECT_FALSE(d.DoneEnabled);
        EXPECT_EQ(d.ListIndex, -1);
        d.mnuFlush_Click();
        EXPECT_EQ(d.lstMem, slots({}, "0."));
        EXPECT_EQ(bank.memory(), before) << "flush is only a preview until Done";
        EXPECT_TRUE(d.DoneEnabled);
        EXPECT_EQ(d.ListIndex, -1);
        d.cmdCancel_Click();
    }});
    EXPECT_EQ(bank.memory(), before);
    bank.press(kMin, {[](MemListDialog& d) { EXPECT_EQ(d.Caption, "Save a number"); }});
}

TEST(MemoryBank, IsEmptyExactlyWhenTheSlotsAddUpToZero)
{
    struct Row {
        const char* name;
        Slots slots;
        bool empty;
    };
    const Row rows[] = {
        {"first_run_zeros", slots({}), true},
        {"flushed_zeros", slots({}, "0."), true},
        {"one_number_in_the_last_slot", with(slots({}), 9, "-0.001"), false},
        {"five_and_minus_five_cancel", slots({"5.", "-5."}), true},
        {"texts_without_number_count_zero", slots({"abc", "", "E5"}), true},
        {"leading_number_counts", slots({"4x"}), false},
        {"sum_overflows_to_infinity", slots({"1E+308", "1E+308"}), false},
        {"infinities_give_nan", slots({"1E+999", "-1E+999"}), false},
        // In slot order, 1E+16 + 1 rounds back to 1E+16, so the sum is exactly 0.
        {"rounding_in_slot_order", slots({"1E+16", "1", "-1E+16"}), true},
        {"rounding_in_slot_order_other_way", slots({"1E+16", "-1E+16", "1"}), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryBank bank;
        bank.Assign(row.slots);
        EXPECT_EQ(bank.IsEmpty(), row.empty);
    }
}

TEST(StorageTokens, AcceptsOnlyWellFormedTokens)
{
    const std::pair<const char*, bool> rows[] = {
        {"MR:10", true},   {"MIN:F", true},   {"MR:F7", true},   {"MIN:W", true},  {"CO:X", true},
        {"MIN:0", false},  {"MIN:11", false}, {"MIN:01", false}, {"MR:-1", false}, {"MR:FX", false},
        {"MIN", false},    {"CO:0", false},   {"CO:1234567890", false}};
    for (const auto& [token, known] : rows) {
        SCOPED_TRACE(token);
        Bank bank;
        bank.toolkit.Folder = "/nonexistent-trellum-folder";
        EXPECT_EQ(PressStorageToken(bank.calc, bank.toolkit, token), known);
        // A refused token opens nothing; an accepted one consumed its script.
        EXPECT_EQ(bank.toolkit.FocusCount, known ? 1 : 0);
        EXPECT_TRUE(bank.toolkit.MemScripts.empty());
        EXPECT_TRUE(bank.toolkit.ConstScripts.empty());
    }
}

// A slot from a hand-edited settings file is recalled as written: the exponent
// keeps its digits, and a whole number too long to cut shows as its value.
TEST(MemoryDialog, RecallShowsForeignSlotTextsAsWritten)
{
    Bank bank;
    CalculatorProbe::SetMemorySlots(bank.calc, slots({"1E-5", "12345678901234567890"}));
    bank.press(kMR, {select(0), done});
    EXPECT_EQ(std::string(bank.calc.Display().LcdText) + "E" + std::string(bank.calc.Display().ExpText), "1.  E-5");
    bank.press(kMR, {select(1), done});
    EXPECT_EQ(std::string(bank.calc.Display().LcdText) + "E" + std::string(bank.calc.Display().ExpText), "1.2345678901234  E19");
}

TEST(MemoryBankTest, LongSlotTextsAreShortenedInTheDialogAndKeptWhole)
{
    Bank bank;
    const std::string huge = "1" + std::string(10 << 20, '0');
    Slots stored = slots({});
    stored[0] = huge;  // a hand-edited settings file; no key stores such a text
    CalculatorProbe::SetMemorySlots(bank.calc, stored);
    std::string shown;
    bank.press(kMR, {[&shown](MemListDialog& d) { shown = d.lstMem[0]; }, select(0), done});
    EXPECT_LE(shown.size(), 64u);
    EXPECT_TRUE(shown.starts_with("1000"));
    EXPECT_EQ(bank.memory()[0], huge);
}

}  // namespace
}  // namespace trellum
