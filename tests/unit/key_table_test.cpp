// SPDX-License-Identifier: MIT
// The key table's spoken SHIFT and hyp variants name exactly what those prefixes change.

#include <gtest/gtest.h>

#include <string>

#include "app/key_table.h"
#include "testing/key_sequence.h"

namespace trellum {
namespace {

using testing_support::KeySequence;

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
