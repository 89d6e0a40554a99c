#pragma once
// Translations. The library keeps producing English texts (messages, dialog
// captions, the tray tip); the shell translates them where they meet Qt, in the
// context "Trellum". Shell texts use tr() or QCoreApplication::translate.
// Number texts never pass through here: they keep "." whatever the language.

#include <string>
#include <vector>

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace trellum::shell {

// Translation context of the texts that come from the library.
inline constexpr const char* kLibraryContext = "Trellum";

// A library text in the user's language (unchanged when it has no translation).
// A text made from a listed pattern with "%1" (a message naming a file) is
// translated by its pattern, the inserted part kept as it is.
QString trLibrary(const std::string& text);

// Every text the library shows to the user, in English, as lupdate sees them;
// a text the library composes is listed as its pattern with "%1".
const std::vector<const char*>& libraryTexts();

// The languages to look for, best first, from the locale variables as gettext
// reads them: LC_ALL, then LC_MESSAGES, then LANG pick the locale; a C or POSIX
// locale means English whatever LANGUAGE says; otherwise LANGUAGE (a colon list)
// comes before the locale. English anywhere in the list ends it: nothing after
// it is wanted. Each entry is "de_DE" or "de" (codeset and modifier removed).
QStringList uiLanguages(const QString& lcAll, const QString& lcMessages, const QString& lang,
                        const QString& language);

// Loads and installs the program's translation (trellum_LANG.qm in `folder`,
// beside the program) for the first language of the user's environment that has
// one, and Qt's own texts in that language (standard buttons, key names in menus)
// from `qtFolder` (empty: Qt's translations folder) when the system has them.
// English and C locales load nothing at all, so they start as fast as before.
// Returns the language loaded ("de", "pt_BR"), or an empty string for English.
QString installTranslators(QCoreApplication& app, const QString& folder, const QString& qtFolder = {});

}  // namespace trellum::shell
