#pragma once
// What the dialog models ask of the desktop: a message box and the modal
// name/value entry dialog. The application's Toolkit is one; declaring the two
// here keeps storage free of the calculator and its window.

#include <cstdint>
#include <string>

namespace trellum {

class QueryDialog;

enum class MsgIcon : int16_t { Exclamation = 48, Information = 64 };

class DialogHost {
public:
    virtual ~DialogHost() = default;

    // Modal message box with one OK button.
    virtual void MsgBox(const std::string& text, MsgIcon icon, const std::string& title) = 0;
    // Returns when the dialog has unloaded (OK/Cancel or its window closed);
    // the dialog object holds the outcome.
    virtual void ShowQueryDialog(QueryDialog& dialog) = 0;
    // The decimal separator of the user's locale: a number typed or pasted with
    // it is read as with ".". Numbers are always stored and shown with ".".
    virtual char DecimalSeparator() { return '.'; }
};

}  // namespace trellum
