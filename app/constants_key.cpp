// The "Co" key: opens the constants dialog on this user's library and shows
// the value chosen there.

#include "app/calculator.h"
#include "storage/const_dialog.h"
#include "storage/constants_location.h"

namespace trellum {

namespace {

constexpr const char* kLoadCaption = "Load a constant";

}  // namespace

// ---- The "Co" key ----

void Calculator::openConstants()
{
    // An installed copy cannot write beside the program: the library then lives
    // in the user's data folder, seeded from the starter file.
    const std::string path = ConstFilePath.empty() ? ConstantsFilePath(toolkit().ProgramFolder()) : ConstFilePath;
    ConstDialog dialog(toolkit());
    dialog.Form_Load(path);
    dialog.Caption = kLoadCaption;
    toolkit().ShowConstDialog(dialog);
    if (!dialog.Result.empty()) showNumberText(dialog.Result);
    m_display.EndEntry();
    toolkit().FocusEqual();
}

}  // namespace trellum
