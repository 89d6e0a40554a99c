// The key table against what the keys do: one row per key, each reachable by
// its own place and token, and its spoken SHIFT and hyp
// variants naming exactly what those prefixes change.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "app/key_table.h"
#include "testing/key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;

// One key table drives the keypad, the spoken names and the runner: a row out
// of the keys' order, or a repeated name, token or place, would leave a key
// unreachable, hidden or pressing another.
TEST(KeyTable, EveryKeyHasItsOwnRowPlaceTokenAndName)
{
    std::set<std::pair<int, int>> places;
    std::set<std::string> widgetNames, tokens, names;
    for (std::size_t i = 0; i < keyTable().size(); ++i) {
        const KeyRow& row = keyTable()[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(static_cast<std::size_t>(row.key), i);
        EXPECT_EQ(&rowOf(row.key), &row);
        EXPECT_TRUE(widgetNames.insert(row.name).second);
        EXPECT_TRUE(places.emplace(row.row, row.column).second);
        EXPECT_TRUE(row.row >= 0 && row.row < 8 && row.column >= 0 && row.column < 5);
        if (*row.token != '\0') {
            EXPECT_TRUE(tokens.insert(row.token).second) << row.token;
            EXPECT_EQ(keyOfToken(row.token), row.key);
        }
        EXPECT_TRUE(names.insert(row.accessibleName).second) << row.accessibleName;
    }
}

// A variant is described where the prefix makes the key give another result
// (display and messages) than the key alone, and nowhere else; the SHIFT-and-hyp
// variant where that result is neither the SHIFT nor the hyp one. 0.5 lies
// inside every inverse function's domain but that of the inverse hyperbolic cosine.
TEST(KeyTable, SpokenVariantsAreWhatShiftAndHypChange)
{
    for (const KeyRow& key : keyTable()) {
        const std::string token = key.token;
        if (token.empty()) continue;   // OFF ends the program alike with any prefix
        SCOPED_TRACE(key.name);
        // Memory and constants keys open their dialog, which is cancelled.
        const bool dialog = token == "MIN" || token == "MR" || token == "CO";
        const auto result = [&](const std::string& prefixes) {
            KeySequence seq;
            const std::string events = seq.press("0 . 5 " + prefixes + " " + token + (dialog ? ":X" : ""));
            return seq.shown() + " | " + events;
        };
        const std::string alone = result(""), shifted = result("SHIFT"), hyp = result("HYP"),
                          both = result("SHIFT HYP");
        const std::string said = key.secondFunctions ? key.secondFunctions : "";
        const auto says = [&said](const char* prefix) { return said.find(prefix) != std::string::npos; };
        EXPECT_EQ(key.withShift != nullptr, shifted != alone) << alone << " / " << shifted;
        EXPECT_EQ(says("with shift: "), shifted != alone) << alone << " / " << shifted;
        EXPECT_EQ(says("with hyp: "), hyp != alone) << alone << " / " << hyp;
        EXPECT_EQ(says("with shift and hyp: "), both != shifted && both != hyp)
            << shifted << " / " << hyp << " / " << both;
    }
}

}  // namespace
}  // namespace trellum
