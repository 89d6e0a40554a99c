// The memory bank: ten slot texts, stored and recalled through the memory
// dialog. The slots change only after the dialog has closed, from the outcome
// code it left in MemChoice.

#include "engine/calculator.h"
#include "engine/number_text.h"
#include "storage/mem_list_dialog.h"

namespace trellum {

namespace {

constexpr const char* kFlushedSlot = "0.";

}  // namespace

void Calculator::cmdMem_Click(int16_t Index)
{
    const bool store = Index == 0;
    MemChoice = 0;
    MemListDialog dialog(MemChoice);
    dialog.Caption = store ? "Save a number" : "Retrieve a number";
    dialog.ShowSlots(MemorySlots);
    toolkit().ShowMemListDialog(dialog);

    if (MemChoice >= 1 && MemChoice <= 10) {
        const auto slot = static_cast<std::size_t>(MemChoice - 1);
        if (store) {
            MemorySlots[slot] = GetDisplayText();
            MemIndicatorVisible = !MemoryIsEmpty();
        } else {
            ShowNumberText(MemorySlots[slot]);
        }
    } else if (MemChoice == 20) {
        MemorySlots.fill(kFlushedSlot);
        MemIndicatorVisible = false;
    } else if (MemChoice >= 21 && MemChoice <= 30) {
        MemorySlots.fill(kFlushedSlot);
        if (store) {
            MemorySlots[static_cast<std::size_t>(MemChoice - 21)] = GetDisplayText();
            MemIndicatorVisible = !MemoryIsEmpty();
        } else {
            ShowNumberText(kFlushedSlot);
            MemIndicatorVisible = false;
        }
    }
    NewEntry = true;
    toolkit().FocusEqual();
}

// The bank is empty when its values add up to exactly zero, so 5 and -5 count as
// empty. A sum beyond the double range (only from hand-edited settings) is an
// infinity or NaN, never 0, and so counts as not empty.
bool Calculator::MemoryIsEmpty() const
{
    double sum = 0.0;
    for (const std::string& slot : MemorySlots) sum = sum + ValueOfText(slot);
    return sum == 0.0;
}

}  // namespace trellum
