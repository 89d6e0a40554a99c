// SPDX-License-Identifier: MIT
// The constants library: the constants dialog and the name/value entry dialog.
// The file is read once per opening and written only when the dialog closes
// through OK or Cancel after an edit.

#include "app/constants_dialog.h"

#include "app/list_text.h"
#include "app/messages.h"
#include "app/toolkit.h"
#include "engine/number_text.h"
#include "storage/constants_file.h"
#include "storage/file_io.h"

namespace trellum {

namespace {

bool hasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

// ---- Name/value entry dialog ----

ConstantEntryDialog::ConstantEntryDialog(Toolkit& toolkit, Purpose purpose, std::string name, std::string value)
    : m_toolkit(toolkit), m_purpose(purpose), m_name(std::move(name)), m_value(std::move(value))
{
}

Caption ConstantEntryDialog::caption() const
{
    return m_purpose == Purpose::Add ? Caption::AddConstant : Caption::ModifyConstant;
}

void ConstantEntryDialog::accept()
{
    // Blanks count as content here; they are trimmed only when the caller stores the texts.
    if (m_name.empty() || m_value.empty()) return m_toolkit.showMessage(Message::ConstantEntryIncomplete, {});
    // isNumeric forgives line breaks around a pasted number; a stored value may not hold one.
    const std::string value = numberFromLocale(m_value, m_toolkit.decimalSeparator());
    if (!isNumeric(value) || hasLineBreak(value)) return m_toolkit.showMessage(Message::ConstantValueNotANumber, {});
    if (m_name.find('=') != std::string::npos || hasLineBreak(m_name))
        return m_toolkit.showMessage(Message::ConstantNameInvalid, {});
    m_value = value;  // the file and the display read only "."
    m_accepted = true;
    m_closed = true;
}

void ConstantEntryDialog::cancel()
{
    m_accepted = false;
    m_closed = true;
}

void ConstantEntryDialog::closeWindow() { cancel(); }

// ---- Constants dialog ----

ConstantsDialog::ConstantsDialog(Toolkit& toolkit, std::string filePath)
    : m_toolkit(toolkit), m_filePath(std::move(filePath))
{
    load();
}

Caption ConstantsDialog::caption() const { return Caption::LoadConstant; }

void ConstantsDialog::load()
{
    ConstantsFileContents contents = readConstantsFile(m_filePath);
    m_fileWasRead = contents.status == ReadStatus::Read;
    m_readBytes = std::move(contents.bytes);
    m_dropsLines = contents.droppedLines;
    m_names = std::move(contents.names);
    m_values = std::move(contents.values);
    if (contents.loadFailed) {
        m_toolkit.showMessage(Message::ConstantsNotLoaded, {});
    } else if (contents.faultyLines) {
        m_toolkit.showMessage(Message::ConstantsHaveErrors, {});
    }
}

bool ConstantsDialog::save()
{
    const std::string text = constantsFileText(m_names, m_values);
    const FileRead now = readRegularFile(m_filePath);
    if (now.status == ReadStatus::Read && (!m_fileWasRead || now.bytes != m_readBytes)) {
        // Someone else's edit is kept, not overwritten: beside the file, under a name we tell.
        const std::string keptAs = writeFileBeside(m_filePath, ".changed", now.bytes);
        if (keptAs.empty()) {
            m_toolkit.showMessage(Message::ConstantsNotSaved, {});
            return false;
        }
        m_toolkit.showMessage(Message::ConstantsChangedMeanwhile, {keptAs});
    } else if (now.status == ReadStatus::Read && m_dropsLines) {
        // The user was warned of the faulty lines; their text still survives the save.
        if (writeFileBeside(m_filePath, ".bak", now.bytes).empty()) {
            m_toolkit.showMessage(Message::ConstantsNotSaved, {});
            return false;
        }
    }
    if (writeFileAtomically(m_filePath, text) != WriteStatus::Written) {
        m_toolkit.showMessage(Message::ConstantsNotSaved, {});
        return false;
    }
    m_fileWasRead = true;
    m_readBytes = text;
    m_dropsLines = false;
    return true;
}

std::string ConstantsDialog::listEntry(std::size_t index) const
{
    return index < m_names.size() ? listText(m_names[index]) : std::string();
}

void ConstantsDialog::select(int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_names.size()) return;
    m_selected = static_cast<std::size_t>(index);
    m_toolTip = listText(m_values[*m_selected]);
}

void ConstantsDialog::edit()
{
    const std::optional<std::size_t> k = m_selected;
    ConstantEntryDialog entry = k ? ConstantEntryDialog(m_toolkit, ConstantEntryDialog::Purpose::Modify, m_names[*k],
                                                        m_values[*k])
                                  : ConstantEntryDialog(m_toolkit, ConstantEntryDialog::Purpose::Add);
    m_toolkit.showConstantEntryDialog(entry);
    if (!entry.accepted()) return;

    std::string name(trimBlanks(entry.name()));
    std::string value(trimBlanks(entry.value()));
    if (!k) {
        m_names.push_back(std::move(name));
        m_values.push_back(std::move(value));
    } else {
        m_names[*k] = std::move(name);
        m_values[*k] = std::move(value);
        m_toolTip = listText(m_values[*k]);  // the entry stays selected: its tip must not show the old value
    }
    m_changed = true;
}

void ConstantsDialog::deleteSelected()
{
    if (!m_selected) return;
    const std::size_t k = *m_selected;
    m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(k));
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(k));
    if (!m_names.empty()) {
        select(static_cast<int32_t>(k < m_names.size() ? k : k - 1));
    } else {
        m_selected.reset();
        m_toolTip.clear();
    }
    m_changed = true;
}

void ConstantsDialog::accept()
{
    if (!m_selected) return;
    // A library that could not be written stays on screen, so no edit is lost
    // unless the user closes the window.
    if (!saveIfChanged()) return;
    m_chosen = m_values[*m_selected];
    m_closed = true;
}

void ConstantsDialog::cancel()
{
    if (!saveIfChanged()) return;
    m_closed = true;
}

void ConstantsDialog::closeWindow()
{
    m_chosen.reset();
    m_closed = true;
}

bool ConstantsDialog::saveIfChanged() { return !m_changed || save(); }

}  // namespace trellum
