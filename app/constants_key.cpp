// SPDX-License-Identifier: MIT
// The "Co" key: opens the constants dialog on this user's library and shows
// the value chosen there.

#include "app/calculator.h"
#include "app/constants_dialog.h"
#include "storage/constants_location.h"

namespace trellum {

// ---- The "Co" key ----

void Calculator::openConstants()
{
    // An installed copy cannot write beside the program: the library then lives
    // in the user's data folder, seeded from the starter file.
    const std::string path =
        m_constantsFile.empty()
            ? constantsFilePath(toolkit().programFolder(),
                                [this](const std::string& name) { return toolkit().starterConstantName(name); })
            : m_constantsFile;
    ConstantsDialog dialog(toolkit(), path);
    toolkit().showConstantsDialog(dialog);
    if (dialog.chosen()) showNumberText(*dialog.chosen());
    m_display.endEntry();
}

}  // namespace trellum
