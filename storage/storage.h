// SPDX-License-Identifier: MIT
#pragma once
// storage/: what the calculator keeps between runs, as files.
//
//   settings_store.h, settings.h  the settings file (system.reg, REGEDIT4):
//                             window place, angle mode, always-on-top, memory
//                             slots as typed values; loaded once at start-up,
//                             saved once at shut-down
//   constants_file.h          constants.txt: read forgivingly
//   constants_location.h      which constants.txt this user reads and writes
//   file_io.h                 atomic writes, XDG folders, setting a damaged file aside
//
// The calculator and its dialogs (app/) call in here; nothing here knows a key,
// a dialog or a window. Numbers travel as texts (engine/number_text.h) so
// nothing is lost.

#include "storage/constants_file.h"
#include "storage/constants_location.h"
#include "storage/file_io.h"
#include "storage/settings.h"
#include "storage/settings_store.h"
