// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/memory_bank.h"
#include "app/memory_dialog.h"
#include "testing/calculator_probe.h"
#include "testing/key_sequence.h"

namespace trellum {
namespace {

using Slots = std::array<std::string, 10>;
using Step = std::function<void(MemoryDialog&)>;

constexpr Key kMin = Key::MemoryIn;
constexpr Key kMR = Key::MemoryRecall;

// A calculator on a first run whose "Min"/"MR" presses can answer their dialog.
struct Bank : testing_support::KeySequence {
    using testing_support::KeySequence::press;

    // One "Min"/"MR" press whose dialog gets `steps`; a path that leaves the window open ends by closing it.
    void press(Key key, std::vector<Step> steps)
    {
        toolkit.memScripts.push_back([steps = std::move(steps)](MemoryDialog& d) {
            for (const Step& step : steps) step(d);
            if (!d.isClosed()) d.closeWindow();
        });
        calc.press(key);
    }

    const Slots& memory() const { return CalculatorProbe::memorySlots(calc); }
};

Step select(int line) { return [line](MemoryDialog& d) { d.select(line); }; }
const Step flush = [](MemoryDialog& d) { d.flush(); };
const Step done = [](MemoryDialog& d) { d.done(); };
const Step cancel = [](MemoryDialog& d) { d.cancel(); };

// Slots that begin with `texts`; the others hold `rest`.
Slots slots(std::initializer_list<const char*> texts, const char* rest = "0")
{
    Slots result;
    result.fill(rest);
    std::copy(texts.begin(), texts.end(), result.begin());
    return result;
}

// The paths walked in tests/golden/memory.keys (cancel, flush, flush and store,
// recall, the M going out on a zero sum) are not repeated here.
TEST(MemoryDialog, EachPathLeavesItsSlotsDisplayAndIndicator)
{
    // The bank starts with 3 in slot 1, so "M" is lit.
    const Slots start = slots({"3."});
    const Slots cleared = slots({}, "0.");
    const struct {
        const char* name;
        Key key;
        std::vector<Step> steps;
        Slots slots;
        std::string lcd = "7.  ";
        bool indicator = true;
    } rows[] = {
        {"store_reselected", kMin, {select(4), select(1), done}, slots({"3.", "7."})},
        {"store_done_while_disabled", kMin, {done}, start},
        {"store_flush_window_closed", kMin, {flush}, cleared, "7.  ", false},
        {"store_flush_twice", kMin, {flush, flush, select(1), done}, slots({"0.", "7."}, "0.")},
        {"recall_flush_cancel", kMR, {flush, select(0), cancel}, start},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Bank bank;
        bank.press("3 MIN:1");
        ASSERT_EQ(bank.memory(), start);
        bank.press("7");
        bank.press(row.key, row.steps);
        EXPECT_EQ(bank.memory(), row.slots);
        EXPECT_EQ(bank.calc.display().lcdText, row.lcd);
        EXPECT_EQ(bank.calc.display().memIndicatorVisible, row.indicator);
        EXPECT_TRUE(bank.toolkit.events.empty());
        bank.press("5");
        EXPECT_EQ(bank.calc.display().lcdText, "5.  ") << "the next digit must start a new number";
    }
}

TEST(MemoryBank, IsEmptyExactlyWhenTheSlotsAddUpToZero)
{
    const struct {
        const char* name;
        Slots slots;
        bool empty;
    } rows[] = {
        {"flushed_zeros", slots({}, "0."), true},
        {"texts_without_number_count_zero", slots({"abc", "", "E5"}), true},
        {"leading_number_counts", slots({"4x"}), false},
        {"sum_overflows_to_infinity", slots({"1E+308", "1E+308"}), false},
        // In slot order, 1E+16 + 1 rounds back to 1E+16, so the sum is exactly 0.
        {"rounding_in_slot_order", slots({"1E+16", "1", "-1E+16"}), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryBank bank;
        bank.assign(row.slots);
        EXPECT_EQ(bank.isEmpty(), row.empty);
    }
}

// A huge slot text from a hand-edited settings file, which no key would store:
// shortened in the dialog's list, kept whole in the bank. How recalled texts
// show is showNumberText's, walked in tests/golden/paste.keys, after the
// control-character cut of tests/files/memory_slot_texts_test.sh.
TEST(MemoryDialog, RecallShowsForeignSlotTextsAsWritten)
{
    Bank bank;
    const std::string huge = "1" + std::string(10 << 20, '0');
    CalculatorProbe::setMemorySlots(bank.calc, slots({"0", "0", huge.c_str()}));
    std::string line;
    bank.press(kMR, {[&line](MemoryDialog& d) { line = d.lines()[2]; }, select(2), done});
    EXPECT_LE(line.size(), 64u);
    EXPECT_TRUE(line.starts_with("1000"));
    EXPECT_EQ(bank.memory()[2], huge);
}

}  // namespace
}  // namespace trellum
