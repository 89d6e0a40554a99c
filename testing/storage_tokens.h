// SPDX-License-Identifier: MIT
#pragma once
// Key-script tokens for the memory bank and constants dialogs. Each token opens
// the dialog through its key and answers it with a scripted sequence of the
// dialog's own events:
//   MIN:n  MR:n    select line n (1..10), Done
//   MIN:F  MR:F    Flush, Done with nothing selected
//   MIN:Fn MR:Fn   Flush, select line n, Done
//   MIN:X  MR:X    Cancel
//   MIN:W  MR:W    close the dialog's window
//   CO:n           select constant n (counted from 1), OK; the window is closed
//                  instead when there is no constant n
//   CO:X           Cancel

#include <string_view>

namespace trellum {

class Calculator;
class RecordingToolkit;

// Presses the key the token names and answers its dialog. Returns false, with
// nothing pressed, for a token that is not one of the above or is malformed.
bool pressStorageToken(Calculator& calc, RecordingToolkit& toolkit, std::string_view token);

}  // namespace trellum
