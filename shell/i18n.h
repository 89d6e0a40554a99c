// SPDX-License-Identifier: MIT
#pragma once
// Translations. The library names the texts it shows (messages, dialog
// captions, the tray tip) and marks their English texts for lupdate; the shell
// translates them by name where they meet Qt. Shell texts use tr() or
// QCoreApplication::translate, each with a `//:` comment for the translators.
// Number texts never pass through here: they keep "." whatever the language.

#include <functional>
#include <string>

#include <QString>
#include <QStringList>

#include "app/messages.h"

class QCoreApplication;

namespace trellum::shell {

// The library's texts in the user's language, by name (app/messages.h), each
// looked up in the context its table marks it with. A message's blanks are
// filled after translation, so a file name is never translated.
QString translated(Message message, const MessageArguments& arguments);
QString translated(Caption caption);
QString translated(TrayTip tip);

// A starter constant's name (packaging/constants.txt) in the user's language;
// any other name as it is.
QString translatedConstantName(const std::string& name);

// A text with a count in it ("%n open brackets"), in its plural form for `n`.
// English loads no translator, so the English forms come from the source text
// itself, which writes a plural ending in brackets: "bracket(s)".
QString translatedPlural(const char* context, const char* text, const char* disambiguation, int n);

// Loads and installs the program's translation (trellum_LANG.qm in `folder`,
// beside the program, when it is the one this build made) for the first
// language of the user's environment (process/languages.h) that has one, and Qt's
// own texts in that language (qtbase_LANG, else qt_LANG) from `qtFolder`
// (empty: Qt's translations folder) when the system has them. A .qm file named
// by TRELLUM_TRANSLATION is loaded instead, unchecked: a translator's own.
// English and C locales load nothing at all, so they start as fast as before.
// Returns the language loaded ("de", "pt_BR"), or an empty string for English.
QString installTranslators(QCoreApplication& app, const QString& folder, const QString& qtFolder = {});

// The help's texts ("trellum --help", context "CommandLine") in the language
// installTranslators would choose, before any application exists; the
// translation is read only when a text is first asked for.
std::function<QString(const char*)> commandLineTranslation(const QString& folder);

}  // namespace trellum::shell
