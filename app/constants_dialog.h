// SPDX-License-Identifier: MIT
#pragma once
// The constants dialog ("Load a constant") and the name/value entry dialog it
// opens. The windows forward what the user does here and render the state;
// constants.txt is read when the dialog opens and written when it closes
// through OK or Cancel after an edit.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/messages.h"

namespace trellum {

class Toolkit;

// The name/value entry dialog, for a new constant or one being modified.
class ConstantEntryDialog {
public:
    enum class Purpose { Add, Modify };

    // Add: empty fields; Modify: the constant's name and value.
    ConstantEntryDialog(Toolkit& toolkit, Purpose purpose, std::string name = {}, std::string value = {});

    Purpose intent() const { return m_purpose; }
    Caption caption() const;  // "Add a new constant" / "Modify a constant"
    const std::string& name() const { return m_name; }
    const std::string& value() const { return m_value; }
    bool accepted() const { return m_accepted; }
    bool isClosed() const { return m_closed; }

    // What the user does. The texts are taken as typed; blanks count as content.
    void setName(std::string name) { m_name = std::move(name); }
    void setValue(std::string value) { m_value = std::move(value); }
    void accept();          // accepted and closed, or a message saying what is wrong
    void cancel();
    void closeWindow();

private:
    Toolkit& m_toolkit;
    Purpose m_purpose;
    std::string m_name;
    std::string m_value;
    bool m_accepted = false;
    bool m_closed = false;
};

class ConstantsDialog {
public:
    // Reads the library at `filePath`, telling the user about a file that could
    // not be read whole.
    ConstantsDialog(Toolkit& toolkit, std::string filePath);

    // Rendered by the window.
    Caption caption() const;                                         // "Load a constant"
    const std::vector<std::string>& names() const { return m_names; }    // file order
    const std::vector<std::string>& values() const { return m_values; }  // one per name
    // What the list shows for entry `index`: its name, cut short when long.
    std::string listEntry(std::size_t index) const;
    // A list position of 32 bits, so a library of any length is selectable entry by entry.
    std::optional<std::size_t> selected() const { return m_selected; }
    const std::string& toolTip() const { return m_toolTip; }  // the selected value, cut short
    bool okEnabled() const { return m_selected.has_value(); }
    bool deleteEnabled() const { return m_selected.has_value(); }
    bool isClosed() const { return m_closed; }

    // What the user does.
    void select(int32_t index);  // an index outside the list is ignored
    void edit();                 // modifies the selected constant, or adds one when none is
    void deleteSelected();
    void accept();
    void cancel();
    void closeWindow();          // no value, nothing written

    // The value text chosen with OK; nothing otherwise.
    const std::optional<std::string>& chosen() const { return m_chosen; }

    // Writes the list to the file. False, with the list kept, when it could not be written.
    bool save();

private:
    void load();
    // False when an edited library could not be written (the dialog then stays open).
    bool saveIfChanged();

    Toolkit& m_toolkit;
    std::string m_filePath;
    std::vector<std::string> m_names;
    std::vector<std::string> m_values;
    std::optional<std::size_t> m_selected;
    std::string m_toolTip;
    bool m_changed = false;
    bool m_closed = false;
    std::optional<std::string> m_chosen;
    // The file as it was read, to notice a change made behind the dialog's back
    // and the lines a save would drop.
    bool m_fileWasRead = false;
    std::string m_readBytes;
    bool m_dropsLines = false;
};

}  // namespace trellum
