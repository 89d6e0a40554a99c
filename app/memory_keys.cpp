// The memory bank: ten slot texts, stored and recalled through the memory
// dialog. The slots change only after the dialog has closed, from the outcome
// code it left in MemChoice.

#include "app/calculator.h"
#include "engine/number_text.h"
#include "storage/mem_list_dialog.h"

namespace trellum {

namespace {

constexpr const char* kFlushedSlot = "0.";

}  // namespace

void Calculator::memoryIn() { memoryDialog(true); }

void Calculator::memoryRecall() { memoryDialog(false); }

void Calculator::memoryDialog(bool store)
{
    MemChoice = kMemNothing;
    MemListDialog dialog(MemChoice);
    dialog.Caption = store ? "Save a number" : "Retrieve a number";
    MemoryBank::Slots shown;
    for (std::size_t slot = 0; slot < shown.size(); ++slot) shown[slot] = SlotNumberText(m_memory.MemorySlots()[slot]);
    dialog.ShowSlots(shown);
    m_toolkit.ShowMemListDialog(dialog);

    if (MemChoice >= kMemFirstLine && MemChoice <= kMemLastLine) {
        const auto slot = static_cast<std::size_t>(MemChoice - kMemFirstLine);
        if (store) {
            m_memory.Set(slot, displayText());
        } else {
            showNumberText(SlotNumberText(m_memory.MemorySlots()[slot]));
        }
    } else if (MemChoice == kMemFlushed) {
        m_memory.Fill(kFlushedSlot);
    } else if (MemChoice >= kMemFlushedFirstLine && MemChoice <= kMemFlushedLastLine) {
        m_memory.Fill(kFlushedSlot);
        if (store) {
            m_memory.Set(static_cast<std::size_t>(MemChoice - kMemFlushedFirstLine), displayText());
        } else {
            showNumberText(kFlushedSlot);
        }
    }
    m_display.EndEntry();
    m_toolkit.FocusEqual();
}

bool Calculator::MemoryIsEmpty() const { return m_memory.IsEmpty(); }

}  // namespace trellum
