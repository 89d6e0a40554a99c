// The key table against what the keys do: one row per key, each reachable by
// its own place, keyboard codes and token, and its spoken SHIFT and hyp
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

// One key table drives the keypad, the keyboard and the runner: a repeated
// code, token, control or place would leave a key unreachable or hidden.
TEST(KeyTable, EveryKeyHasItsOwnPlaceCodesTokenAndName)
{
    std::set<std::pair<std::string, int>> controls;
    std::set<std::pair<int, int>> places;
    std::set<int> codes;
    std::set<std::string> tokens, names;
    for (const KeyRow& key : KeyTable()) {
        SCOPED_TRACE(std::string(key.control) + " " + std::to_string(key.index));
        EXPECT_TRUE(controls.emplace(key.control, key.index).second);
        EXPECT_TRUE(places.emplace(key.row, key.column).second);
        EXPECT_TRUE(key.row >= 0 && key.row < 8 && key.column >= 0 && key.column < 5);
        for (const int16_t code : key.virtualKeys) {
            if (code == 0) continue;
            EXPECT_TRUE(codes.insert(code).second) << code;
            EXPECT_EQ(FindKeyByVirtualKey(code), &key) << code;
        }
        if (*key.token != '\0') {
            EXPECT_TRUE(tokens.insert(key.token).second) << key.token;
            EXPECT_EQ(FindKeyByToken(key.token), &key);
        }
        EXPECT_TRUE(names.insert(key.accessibleName).second) << key.accessibleName;
    }
}

// A variant is described where the prefix makes the key give another result
// (display and messages) than the key alone, and nowhere else; the SHIFT-and-hyp
// variant where that result is neither the SHIFT nor the hyp one. 0.5 lies
// inside every inverse function's domain but that of the inverse hyperbolic cosine.
TEST(KeyTable, SpokenVariantsAreWhatShiftAndHypChange)
{
    for (const KeyRow& key : KeyTable()) {
        const std::string token = key.token;
        if (token.empty()) continue;   // OFF ends the program alike with any prefix
        SCOPED_TRACE(std::string(key.control) + " " + std::to_string(key.index));
        // Memory and constants keys open their dialog, which is cancelled.
        const bool dialog = token == "MIN" || token == "MR" || token == "CO";
        const auto result = [&](const std::string& prefixes) {
            KeySequence seq;
            const std::string events = seq.press("0 . 5 " + prefixes + " " + token + (dialog ? ":X" : ""));
            return seq.shown() + " | " + events;
        };
        const std::string alone = result(""), shifted = result("SHIFT"), hyp = result("HYP"),
                          both = result("SHIFT HYP");
        EXPECT_EQ(key.withShift != nullptr, shifted != alone) << alone << " / " << shifted;
        EXPECT_EQ(key.withHyp != nullptr, hyp != alone) << alone << " / " << hyp;
        EXPECT_EQ(key.withBoth != nullptr, both != shifted && both != hyp) << shifted << " / " << hyp << " / " << both;
    }
}

}  // namespace
}  // namespace trellum
