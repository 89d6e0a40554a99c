#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace trellum {

// The ten memory slot texts. Whether the bank counts as empty (the "M"
// indicator) is worked out whenever a slot changes, here and nowhere else.
// What a slot text stands for, as a number text: the text itself when it is
// numeric (every text a key stores), without blanks or line ends around it,
// else the number it starts with, as the sum rule reads it. A hand-edited
// "4\n2" or "4\"2" so never reaches the display, the list or the clipboard as
// written; the bank keeps the text unchanged.
std::string slotNumberText(const std::string& slot);

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
