// SPDX-License-Identifier: MIT
#include "app/memory_dialog.h"

#include "app/list_text.h"

namespace trellum {

MemoryDialog::MemoryDialog(Caption caption, const std::array<std::string, kLines>& slots)
    : m_caption(caption)
{
    for (std::size_t i = 0; i < kLines; ++i) m_lines[i] = listText(slots[i]);
}

void MemoryDialog::select(int line)
{
    if (line < 0 || static_cast<std::size_t>(line) >= kLines) return;
    m_selected = static_cast<std::size_t>(line);
    m_doneEnabled = true;
}

void MemoryDialog::flush()
{
    // Only a preview: the slots change when the opener reads the choice.
    m_lines.fill("0.");
    m_doneEnabled = true;
    m_flushed = true;
    // A window closed after a Flush keeps it; only Cancel takes it back.
    m_choice = MemoryChoice{true, std::nullopt};
}

void MemoryDialog::done()
{
    if (!m_doneEnabled) return;
    m_choice = MemoryChoice{m_flushed, m_selected};
    m_closed = true;
}

void MemoryDialog::cancel()
{
    m_choice.reset();
    m_closed = true;
}

void MemoryDialog::closeWindow() { m_closed = true; }

}  // namespace trellum
