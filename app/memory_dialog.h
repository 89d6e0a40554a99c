// SPDX-License-Identifier: MIT
#pragma once
// The memory bank dialog: ten lines, one per slot, a Flush preview, and
// Done/Cancel. The window (Qt, or a script in tests) forwards what the user does
// here and renders the state; the opener reads what was chosen once it closes.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "app/messages.h"

namespace trellum {

// What the user chose in the memory dialog.
struct MemoryChoice {
    bool flushed = false;              // every slot becomes "0." first
    std::optional<std::size_t> slot;   // the slot chosen with Done, from 0
    bool operator==(const MemoryChoice&) const = default;
};

class MemoryDialog {
public:
    static constexpr std::size_t kLines = 10;

    // `slots` are the bank's texts; long ones are shown cut short (listText).
    MemoryDialog(Caption caption, const std::array<std::string, kLines>& slots);

    // Rendered by the window.
    Caption caption() const { return m_caption; }
    const std::array<std::string, kLines>& lines() const { return m_lines; }
    std::optional<std::size_t> selectedLine() const { return m_selected; }
    bool doneEnabled() const { return m_doneEnabled; }
    bool isClosed() const { return m_closed; }

    // What the user does.
    void select(int line);  // from 0; a line outside the list is ignored
    void flush();           // shown at once, applied when the dialog has closed
    void done();
    void cancel();
    void closeWindow();     // closed with neither button

    // Nothing when the dialog was cancelled, or closed before any choice.
    const std::optional<MemoryChoice>& choice() const { return m_choice; }

private:
    Caption m_caption;
    std::array<std::string, kLines> m_lines;
    std::optional<std::size_t> m_selected;
    bool m_doneEnabled = false;
    bool m_flushed = false;
    bool m_closed = false;
    std::optional<MemoryChoice> m_choice;
};

}  // namespace trellum
