// SPDX-License-Identifier: MIT
#pragma once
// Marks a text of the library for translation. The library knows no Qt, so it
// cannot use Qt's QT_TRANSLATE_NOOP; lupdate is told to read this macro as that
// one (-tr-function-alias in shell/CMakeLists.txt), and the shell translates the
// text in the named context when it shows it. The `//:` comment before a marked
// text reaches the translators as it does for Qt's own macro.

#define TRELLUM_TRANSLATE_NOOP(context, text) text
