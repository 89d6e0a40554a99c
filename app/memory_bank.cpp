// SPDX-License-Identifier: MIT
#include "app/memory_bank.h"

#include <algorithm>
#include <utility>

#include "engine/number_text.h"

namespace trellum {

std::string slotDisplayText(const std::string& slot)
{
    const auto control = std::find_if(slot.begin(), slot.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
    return std::string(slot.begin(), control);
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
