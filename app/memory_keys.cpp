// SPDX-License-Identifier: MIT
// The memory bank: ten slot texts, stored and recalled through the memory
// dialog. The slots change only after the dialog has closed, from what the
// user chose there.

#include "app/calculator.h"
#include "app/memory_dialog.h"

namespace trellum {

namespace {

constexpr const char* kFlushedSlot = "0.";

}  // namespace

void Calculator::memoryIn() { memoryDialog(true); }

void Calculator::memoryRecall() { memoryDialog(false); }

void Calculator::memoryDialog(bool store)
{
    // Listed and recalled as stored, a hand-edited line end aside.
    MemoryBank::Slots shown;
    for (std::size_t slot = 0; slot < shown.size(); ++slot) shown[slot] = slotDisplayText(m_memory.memorySlots()[slot]);
    MemoryDialog dialog(store ? Caption::SaveNumber : Caption::RetrieveNumber, shown);
    m_toolkit.showMemoryDialog(dialog);

    if (const std::optional<MemoryChoice>& choice = dialog.choice()) {
        if (choice->flushed) m_memory.fill(kFlushedSlot);
        if (choice->slot) {
            if (store) {
                m_memory.set(*choice->slot, displayText());
            } else {
                showNumberText(slotDisplayText(m_memory.memorySlots()[*choice->slot]));
            }
        }
    }
    m_display.endEntry();
}

bool Calculator::memoryIsEmpty() const { return m_memory.isEmpty(); }

}  // namespace trellum
