// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace trellum {

// The ten memory slot texts. Whether the bank counts as empty (the "M"
// indicator) is worked out whenever a slot changes, here and nowhere else.
// What a slot puts on the display and in the memory list: its text as stored,
// which the display then shows by its own rule (cut to 15 characters, a "."
// added), so "(- 1" stored from an open bracket comes back as "(- 1.". Only a
// hand edit of the settings file can put a control character into a slot; the
// text ends before the first one, so "4\n2" shows "4." on one line. The bank
// keeps the text unchanged.
std::string slotDisplayText(const std::string& slot);

class MemoryBank {
public:
    using Slots = std::array<std::string, 10>;

    const Slots& memorySlots() const { return m_slots; }
    // The bank is empty when its values add up to exactly zero, so 5 and -5
    // count as empty. A sum beyond the double range (only from hand-edited
    // settings) is an infinity or NaN, never 0, and so counts as not empty.
    bool isEmpty() const { return m_empty; }

    void set(std::size_t slot, std::string text);
    void fill(const std::string& text);
    void assign(Slots slots);

private:
    void update();

    Slots m_slots{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    bool m_empty = true;
};

}  // namespace trellum
