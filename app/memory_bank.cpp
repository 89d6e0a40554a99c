#include "app/memory_bank.h"

#include <utility>

#include "engine/number_text.h"

namespace trellum {

std::string slotNumberText(const std::string& slot)
{
    if (!isNumeric(slot)) return numberText(valueOfText(slot));
    // As for a paste: blanks and line ends around the number are not part of it.
    const std::size_t first = slot.find_first_not_of(" \t\r\n");
    return slot.substr(first, slot.find_last_not_of(" \t\r\n") - first + 1);
}

void MemoryBank::set(std::size_t slot, std::string text)
{
    m_slots[slot] = std::move(text);
    update();
}

void MemoryBank::fill(const std::string& text)
{
    m_slots.fill(text);
    update();
}

void MemoryBank::assign(Slots slots)
{
    m_slots = std::move(slots);
    update();
}

void MemoryBank::update()
{
    double sum = 0.0;
    for (const std::string& slot : m_slots) sum = sum + valueOfText(slot);
    m_empty = sum == 0.0;
}

}  // namespace trellum
