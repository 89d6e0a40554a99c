#pragma once
// Logic of the memory bank dialog: ten lines, one per slot, a Flush preview, and
// Done/Cancel. The window (Qt, or a script in tests) forwards its events here and
// renders the public state; the outcome is left in the opener's MemChoice.

#include <array>
#include <cstdint>
#include <string>

namespace trellum {

class MemListDialog {
public:
    explicit MemListDialog(int16_t& memChoice) : m_memChoice(memChoice) {}

    // Rendered by the window.
    std::string Caption;                 // "Save a number" / "Retrieve a number"
    std::array<std::string, 10> lstMem;  // list lines, slot 1 first
    int16_t ListIndex = -1;              // selected line, -1 for none
    bool DoneEnabled = false;
    bool Unloaded = false;               // the window closes when this turns true

    // Fills the list lines from the slot texts, long ones cut short (ListText).
    void ShowSlots(const std::array<std::string, 10>& slots);
    void Form_Load();
    void lstMem_Click(int16_t index);    // the user selected line `index` (0-based)
    void mnuFlush_Click();
    void cmdDone_Click();
    void cmdCancel_Click();
    void Form_Close();                   // window closed with neither button

private:
    int16_t& m_memChoice;
};

}  // namespace trellum
