#pragma once
// What the program checks of its environment before Qt starts, so that a
// hostile value ends in a clear message instead of a hang, an exhausted memory
// or an unusable window, and what it prints without a window is known to have
// been written.

#include <QString>

namespace trellum::shell {

// Larger style sheets and window icons are refused: Qt would read any file whole.
inline constexpr qint64 kMaxStyleSheetBytes = qint64{1} << 20;
inline constexpr qint64 kMaxWindowIconBytes = qint64{16} << 20;
// A scale factor outside these bounds gives no usable window.
inline constexpr double kMinScaleFactor = 0.5;
inline constexpr double kMaxScaleFactor = 8;

// Why the file given with -stylesheet must not be read (a FIFO would never
// end, a device never stops, a huge file fills the memory), or empty.
QString styleSheetProblem(const QString& path);
// The same for the image given with -qwindowicon (or -icon), opened as the
// window is made: a FIFO there would hold the start for good.
QString windowIconProblem(const QString& path);

// Drops a QT_SCALE_FACTOR that is not a number within the bounds above, with
// one warning line on standard error, so the window keeps its design size.
void ignoreUnusableScaleFactor();

// Writes the texts to standard output and standard error. The exit status is
// `status`, or 1 (after a message) when standard output could not take its text.
int printAndExitStatus(const QString& output, const QString& error, int status);

}  // namespace trellum::shell
