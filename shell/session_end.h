#pragma once
// The end of a session while a dialog is open: a logout or a signal ends the
// program as OFF does, but OFF is never pressed behind a modal dialog, so the
// dialogs are ended first, each the way its Cancel ends it.

namespace trellum::shell {

// Ends the open modal dialogs, the newest first, as Esc or Cancel would: the
// constants dialog writes the edits made in it, the others drop what was not
// confirmed. A dialog that refuses to close stops the walk.
void CancelOpenDialogs();

}  // namespace trellum::shell
