#include "storage/mem_list_dialog.h"

#include "storage/list_text.h"

namespace trellum {

namespace {

// The code Flush leaves behind; Done adds the 1-based line, Cancel takes one off.
constexpr int16_t kFlushed = 20;

}  // namespace

void MemListDialog::ShowSlots(const std::array<std::string, 10>& slots)
{
    for (std::size_t i = 0; i < slots.size(); ++i) lstMem[i] = ListText(slots[i]);
}

void MemListDialog::Form_Load()
{
    // The opener fills the list before the window loads it, so only the
    // selection and the default button start over here.
    ListIndex = -1;
    DoneEnabled = false;
}

void MemListDialog::lstMem_Click(int16_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= lstMem.size()) return;
    ListIndex = index;
    DoneEnabled = true;
}

void MemListDialog::mnuFlush_Click()
{
    // Only a preview: the slots change when the opener reads the code.
    lstMem.fill("0.");
    DoneEnabled = true;
    m_memChoice = kFlushed;
}

void MemListDialog::cmdDone_Click()
{
    if (!DoneEnabled) return;
    m_memChoice = static_cast<int16_t>(m_memChoice + ListIndex + 1);
    Unloaded = true;
}

void MemListDialog::cmdCancel_Click()
{
    m_memChoice = static_cast<int16_t>(m_memChoice - 1);
    Unloaded = true;
}

void MemListDialog::Form_Close() { Unloaded = true; }

}  // namespace trellum
