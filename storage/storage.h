#pragma once
// storage/: what the calculator keeps between runs, and the dialogs that edit it.
//
//   settings_store.h, settings.h  the settings file (system.reg, REGEDIT4):
//                             window place, angle mode, always-on-top, memory
//                             slots; loaded once at start-up, saved once at shut-down
//   constants_file.h          constants.txt: read forgivingly
//   constants_location.h      which constants.txt this user reads and writes
//   file_io.h                 atomic writes, XDG folders, setting a damaged file aside
//   const_dialog.h            models of the constants and name/value dialogs
//   mem_list_dialog.h         model of the memory dialog; list_text.h its line texts
//
// The calculator (app/) calls in here; the dialog models talk to the desktop
// only through dialog_host.h (the application's Toolkit is one), and the windows in shell/ render their public
// state. Numbers travel as texts (engine/number_text.h) so nothing is lost.

#include "storage/const_dialog.h"
#include "storage/constants_file.h"
#include "storage/constants_location.h"
#include "storage/mem_list_dialog.h"
#include "storage/file_io.h"
#include "storage/list_text.h"
#include "storage/settings.h"
#include "storage/settings_store.h"
