// SPDX-License-Identifier: MIT
#include "shell/session_end.h"

#include <QApplication>
#include <QDialog>

#include "shell/dialogs/dialogs.h"

namespace trellum::shell {

void cancelOpenDialogs()
{
    // Each dialog leaves the modal stack when it hides; a bound keeps a dialog
    // that reopens another from holding the program forever.
    for (int open = 0; open < 32; ++open) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        dialog->reject();
        if (QApplication::activeModalWidget() == dialog) return;
    }
}

void cancelOpenDialogModels()
{
    const std::vector<ModelWindow*> open = ModelWindow::openWindows();
    for (auto window = open.rbegin(); window != open.rend(); ++window) (*window)->cancelModel();
}

}  // namespace trellum::shell
