// SPDX-License-Identifier: MIT
#pragma once
// The command line, read before any window or display exists: --help and
// --version answer at once without a desktop, a mistake ends with status 2, and
// Qt's own options (-platform, -style, -display, ...) are let through for
// QApplication to take.

#include <functional>

#include <QString>
#include <QStringList>

namespace trellum::shell {

struct CommandLine {
    bool run = true;            // false: print `output` (or `error`) and end with `exitStatus`
    int exitStatus = 0;
    QString output;             // for standard output
    QString error;              // for standard error
    bool platformGiven = false; // -platform on the command line chooses the windowing system
    bool toggle = false;        // --toggle: hide the running copy when it shows, else show it
};

// A text of the help (context "CommandLine") in the user's language.
using HelpTranslation = std::function<QString(const char* text)>;

// `arguments` as given to main(), the program's name first. `translate` is
// asked only when the help is printed (empty: English).
CommandLine parseCommandLine(const QStringList& arguments, const HelpTranslation& translate = {});

// The arguments of main() as text, without needing a QCoreApplication.
QStringList argumentsOf(int argc, char* argv[]);

}  // namespace trellum::shell
