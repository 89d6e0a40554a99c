// SPDX-License-Identifier: MIT
#pragma once
// The end of a session while a dialog is open: a logout or a signal ends the
// program as OFF does, but OFF is never pressed behind a modal dialog, so the
// dialogs are ended first, each the way its Cancel ends it.

namespace trellum::shell {

// Ends the open modal dialogs, the newest first, as Esc or Cancel would: the
// constants dialog writes the edits made in it, the others drop what was not
// confirmed. A dialog that refuses to close stops the walk.
void cancelOpenDialogs();

// The same for a display that has gone: only the dialogs' models are told, the
// newest first, and no window is touched, since Xlib ends the process at the
// first request that finds the connection dead and what was to be written
// would be lost.
void cancelOpenDialogModels();

}  // namespace trellum::shell
