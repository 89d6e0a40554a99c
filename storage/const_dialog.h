#pragma once
// Logic of the constants dialog ("Load a constant") and of the name/value entry
// dialog it opens. The windows forward their events here and render the public
// state; reading and writing constants.txt happens in LoadConstants/SaveConstants.

#include <cstdint>
#include <string>
#include <vector>

namespace trellum {

class DialogHost;

// Texts of the program's string table, by number.
const std::string& StringTable(int id);

class QueryDialog {
public:
    explicit QueryDialog(DialogHost& host) : m_host(host) {}

    std::string Caption;      // "Add a new constant" / "Modify a constant"
    int16_t Mode = 1;         // 1 add, 2 modify
    std::string txtName;
    std::string txtVal;
    bool Accepted = false;
    bool Hidden = false;      // the window closes when this turns true

    void Form_Load() {}
    void cmdOk_Click();
    void cmdCancel_Click();
    void Form_Close();        // window closed: not accepted

private:
    DialogHost& m_host;
};

class ConstDialog {
public:
    explicit ConstDialog(DialogHost& host) : m_host(host) {}

    // Rendered by the window.
    std::string Caption;
    std::vector<std::string> lstConst;         // names, file order
    std::vector<std::string> ConstValues{""};  // one more element than lstConst
    // A list position, not a control-array Index: 32 bits, so a library of any
    // length is selectable entry by entry.
    int32_t ListIndex = -1;
    std::string ToolTip;                       // shortened as ListText

    bool OkEnabled = false;
    bool DelEnabled = false;
    bool ConstsChanged = false;
    std::string ConstFilePath;
    std::string Result;                        // value text chosen, empty for none
    bool Hidden = false;                       // the window closes when this turns true

    void Form_Load(const std::string& filePath);
    void LoadConstants(const std::string& filePath);
    // False when the file could not be written; the list is kept either way.
    bool SaveConstants(const std::string& filePath);

    // What the list shows for entry `index`: its name, cut short when long.
    std::string ListEntry(std::size_t index) const;

    void lstConst_Click(int32_t index);
    void cmdEdit_Click();
    void cmdDel_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void Form_Close();                         // window closed: no value, nothing written

private:
    // False when an edited library could not be written (the dialog then stays open).
    bool saveIfChanged();

    DialogHost& m_host;
    // The file as LoadConstants found it, to notice a change made behind the
    // dialog's back and the lines a save would drop.
    bool m_fileWasRead = false;
    std::string m_readBytes;
    bool m_dropsLines = false;
};

}  // namespace trellum
