#pragma once
// A translation file is read by Qt without bounds checks of its own: one bit
// flipped on the disk can crash the start in QCoreApplication::translate. Only
// a file exactly as this build made it (its size and SHA-256 are recorded in
// the program from the .qm files the build produced) is ever loaded.

#include <QString>

namespace trellum::shell {

// Whether the .qm file at `path` is one this build made, unchanged. When it is
// not, one line on standard error says so and that the program stays English.
bool translationIsIntact(const QString& path);

}  // namespace trellum::shell
