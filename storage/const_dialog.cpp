// The constants library: the "Co" key, the constants dialog and the name/value
// entry dialog. The file is read once per opening and written only when the
// dialog closes through OK or Cancel after an edit.

#include "storage/const_dialog.h"
#include "storage/constants_location.h"

#include <map>

#include "engine/number_text.h"
#include "product.h"
#include "storage/constants_file.h"
#include "storage/dialog_host.h"
#include "storage/file_io.h"
#include "storage/list_text.h"

namespace trellum {

namespace {

constexpr const char* kAddCaption = "Add a new constant";
constexpr const char* kModifyCaption = "Modify a constant";
// A name with "=" would split at the wrong place when read back, and a line
// break would split its line: either would lose the constant.
constexpr const char* kBadName = "The name of a constant can't contain \"=\" or a line break.";
constexpr const char* kSaveFailed =
    "Can't save constants Database! The old file is kept and your changes stay in the list.";

// The other version of a file changed while the dialog was open, kept beside it.
std::string changedMessage(const std::string& keptAs)
{
    return "The constants file was changed by another program while this list was open. "
           "That version is kept as " + keptAs + ".";
}

bool hasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

const std::string& StringTable(int id)
{
    static const std::map<int, std::string> table = {
        {103, "This file constains constants for Trellum:"},
        {104, std::string(48, '=')},
        {107, "Can't load constants Database!"},
        {108, "Constants Database contains errors!"},
        {110, "Fill in name and value of the constant."},
        {111, "Value of the constant is not a number!"},
    };
    static const std::string none;
    const auto it = table.find(id);
    return it == table.end() ? none : it->second;
}

// ---- Name/value entry dialog ----

void QueryDialog::cmdOk_Click()
{
    // Blanks count as content here; they are trimmed only when the caller stores the texts.
    if (txtName.empty() || txtVal.empty()) {
        m_host.MsgBox(StringTable(110), MsgIcon::Information, kProductName);
        return;
    }
    // IsNumeric forgives line breaks around a pasted number; a stored value may not hold one.
    const std::string value = NumberFromLocale(txtVal, m_host.DecimalSeparator());
    if (!IsNumeric(value) || hasLineBreak(value)) {
        m_host.MsgBox(StringTable(111), MsgIcon::Information, kProductName);
        return;
    }
    if (txtName.find('=') != std::string::npos || hasLineBreak(txtName)) {
        m_host.MsgBox(kBadName, MsgIcon::Information, kProductName);
        return;
    }
    txtVal = value;   // the file and the display read only "."
    Accepted = true;
    Hidden = true;
}

void QueryDialog::cmdCancel_Click()
{
    Accepted = false;
    Hidden = true;
}

void QueryDialog::Form_Close()
{
    Accepted = false;
    Hidden = true;
}

// ---- Constants dialog ----

void ConstDialog::Form_Load(const std::string& filePath)
{
    ConstsChanged = false;
    ConstFilePath = filePath;
    LoadConstants(filePath);
}

void ConstDialog::LoadConstants(const std::string& filePath)
{
    ConstantsFileContents contents = ReadConstantsFile(filePath);
    m_fileWasRead = contents.status == ReadStatus::Read;
    m_readBytes = std::move(contents.bytes);
    m_dropsLines = contents.droppedLines;
    lstConst = std::move(contents.names);
    ConstValues = std::move(contents.values);
    ConstValues.emplace_back();
    if (contents.loadFailed) {
        m_host.MsgBox(StringTable(107), MsgIcon::Exclamation, kProductName);
    } else if (contents.faultyLines) {
        m_host.MsgBox(StringTable(108), MsgIcon::Information, kProductName);
    }
}

bool ConstDialog::SaveConstants(const std::string& filePath)
{
    const std::string text = ConstantsFileText(lstConst, ConstValues);
    const FileRead now = ReadRegularFile(filePath);
    std::string keptAs;
    if (now.status == ReadStatus::Read && (!m_fileWasRead || now.bytes != m_readBytes)) {
        // Someone else's edit is kept, not overwritten: beside the file, under a name we tell.
        keptAs = WriteFileBeside(filePath, ".changed", now.bytes);
        if (keptAs.empty()) {
            m_host.MsgBox(kSaveFailed, MsgIcon::Exclamation, kProductName);
            return false;
        }
        m_host.MsgBox(changedMessage(keptAs), MsgIcon::Information, kProductName);
    } else if (now.status == ReadStatus::Read && m_dropsLines) {
        // The user was warned of the faulty lines; their text still survives the save.
        if (WriteFileBeside(filePath, ".bak", now.bytes).empty()) {
            m_host.MsgBox(kSaveFailed, MsgIcon::Exclamation, kProductName);
            return false;
        }
    }
    if (WriteFileAtomically(filePath, text) != WriteStatus::Written) {
        m_host.MsgBox(kSaveFailed, MsgIcon::Exclamation, kProductName);
        return false;
    }
    m_fileWasRead = true;
    m_readBytes = text;
    m_dropsLines = false;
    return true;
}

std::string ConstDialog::ListEntry(std::size_t index) const
{
    return index < lstConst.size() ? ListText(lstConst[index]) : std::string();
}

void ConstDialog::lstConst_Click(int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= lstConst.size()) return;
    ListIndex = index;
    ToolTip = ListText(ConstValues[static_cast<std::size_t>(index)]);
    OkEnabled = true;
    DelEnabled = true;
}

void ConstDialog::cmdEdit_Click()
{
    QueryDialog query(m_host);
    const bool adding = ListIndex < 0 || static_cast<std::size_t>(ListIndex) >= lstConst.size();
    if (adding) {
        query.Caption = kAddCaption;
        query.Mode = 1;
    } else {
        const auto k = static_cast<std::size_t>(ListIndex);
        query.Caption = kModifyCaption;
        query.txtName = lstConst[k];
        query.txtVal = ConstValues[k];
        query.Mode = 2;
    }
    m_host.ShowQueryDialog(query);
    if (!query.Accepted) return;

    std::string name(TrimBlanks(query.txtName));
    std::string value(TrimBlanks(query.txtVal));
    if (adding) {
        lstConst.push_back(std::move(name));
        ConstValues.back() = std::move(value);
        ConstValues.emplace_back();
    } else {
        const auto k = static_cast<std::size_t>(ListIndex);
        lstConst[k] = std::move(name);
        ConstValues[k] = std::move(value);
        ToolTip = ListText(ConstValues[k]);  // the entry stays selected: its tip must not show the old value
    }
    ConstsChanged = true;
}

void ConstDialog::cmdDel_Click()
{
    if (ListIndex < 0 || static_cast<std::size_t>(ListIndex) >= lstConst.size()) return;
    const auto k = static_cast<std::size_t>(ListIndex);
    ConstValues.erase(ConstValues.begin() + static_cast<std::ptrdiff_t>(k));
    lstConst.erase(lstConst.begin() + static_cast<std::ptrdiff_t>(k));
    if (!lstConst.empty()) {
        lstConst_Click(static_cast<int32_t>(k < lstConst.size() ? k : k - 1));
    } else {
        ListIndex = -1;
        ToolTip.clear();
        DelEnabled = false;
        OkEnabled = false;
    }
    ConstsChanged = true;
}

void ConstDialog::cmdOk_Click()
{
    if (ListIndex < 0 || static_cast<std::size_t>(ListIndex) >= lstConst.size()) return;
    // A library that could not be written stays on screen, so no edit is lost
    // unless the user closes the window.
    if (!saveIfChanged()) return;
    Result = ConstValues[static_cast<std::size_t>(ListIndex)];
    Hidden = true;
}

void ConstDialog::cmdCancel_Click()
{
    if (!saveIfChanged()) return;
    Hidden = true;
}

void ConstDialog::Form_Close()
{
    Result.clear();
    Hidden = true;
}

bool ConstDialog::saveIfChanged() { return !ConstsChanged || SaveConstants(ConstFilePath); }

}  // namespace trellum
