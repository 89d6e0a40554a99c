// SPDX-License-Identifier: MIT
#pragma once
// A translation file is read by Qt without bounds checks of its own: one bit
// flipped on the disk can crash the start in QCoreApplication::translate. Only
// a file exactly as this build made it (its size and SHA-256 are recorded in
// the program from the .qm files the build produced) is ever loaded, and it is
// loaded from the very bytes that were checked: a name handed to QTranslator
// would be opened again, and tried with other endings first.

#include <QByteArray>
#include <QString>

namespace trellum::shell {

// The bytes of the .qm file at `path` when it is one this build made,
// unchanged. When it is not, empty, and one line on standard error says so and
// that the program stays English.
QByteArray checkedTranslation(const QString& path);

// The bytes of a .qm file the user named to try a translation of their own:
// not checked against the build, only read as a regular file of a sane size.
// Empty, with a line on standard error, when it cannot be read.
QByteArray namedTranslation(const QString& path);

}  // namespace trellum::shell
