#include "shell/i18n.h"

#include <string_view>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "shell/qt_toolkit.h"

namespace trellum::shell {

QString trLibrary(const std::string& text)
{
    const QString translated = QCoreApplication::translate(kLibraryContext, text.c_str());
    if (translated != QString::fromUtf8(text)) return translated;
    // A text the library composed around a file name: translate its pattern and
    // put the name back.
    for (const char* pattern : libraryTexts()) {
        const std::string_view p(pattern);
        const std::size_t at = p.find("%1");
        if (at == std::string_view::npos) continue;
        const std::string_view prefix = p.substr(0, at), suffix = p.substr(at + 2);
        if (text.size() < prefix.size() + suffix.size() || !text.starts_with(prefix) || !text.ends_with(suffix))
            continue;
        const std::string inserted = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
        return QCoreApplication::translate(kLibraryContext, pattern).arg(toQString(inserted));
    }
    return translated;
}

const std::vector<const char*>& libraryTexts()
{
    // The library cannot use Qt's macros, so its texts are listed here for lupdate.
    // A library text missing from this list shows in English; the i18n widget test
    // drives the library and fails on any text it shows that is not listed.
    static const std::vector<const char*> texts = {
        // Error report and the trigonometric keys' own message.
        QT_TRANSLATE_NOOP("Trellum", "Divided by Zero!"),
        QT_TRANSLATE_NOOP("Trellum", "Out of Range!"),
        QT_TRANSLATE_NOOP("Trellum", "Not a positive integer!"),
        QT_TRANSLATE_NOOP("Trellum", "Not a positive number!"),
        QT_TRANSLATE_NOOP("Trellum", "Out of Range"),
        // Paste.
        QT_TRANSLATE_NOOP("Trellum", "Importing data is not a number "),
        // Memory bank dialog captions.
        QT_TRANSLATE_NOOP("Trellum", "Save a number"),
        QT_TRANSLATE_NOOP("Trellum", "Retrieve a number"),
        // Constants library: captions and messages.
        QT_TRANSLATE_NOOP("Trellum", "Load a constant"),
        QT_TRANSLATE_NOOP("Trellum", "Add a new constant"),
        QT_TRANSLATE_NOOP("Trellum", "Modify a constant"),
        QT_TRANSLATE_NOOP("Trellum", "Can't load constants Database!"),
        QT_TRANSLATE_NOOP("Trellum", "Constants Database contains errors!"),
        QT_TRANSLATE_NOOP("Trellum", "Fill in name and value of the constant."),
        QT_TRANSLATE_NOOP("Trellum", "Value of the constant is not a number!"),
        QT_TRANSLATE_NOOP("Trellum", "The name of a constant can't contain \"=\" or a line break."),
        QT_TRANSLATE_NOOP("Trellum",
                          "Can't save constants Database! The old file is kept and your changes stay in the list."),
        // Composed around the name of the copy kept beside the file.
        QT_TRANSLATE_NOOP("Trellum", "The constants file was changed by another program while this list was open. "
                                     "That version is kept as %1."),
        // Tray tip while the window is hidden (the caption itself is a name).
        QT_TRANSLATE_NOOP("Trellum", "Trellum (Hide)"),
    };
    return texts;
}

namespace {

// Qt lays the whole application out right to left when the installed
// translation answers "RTL" here; a language read left to right leaves it
// untranslated. Listed so that lupdate offers it to every language.
//: "RTL" in a language written right to left (Arabic, Hebrew); leave it untranslated otherwise.
[[maybe_unused]] constexpr const char* kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// "de_DE.UTF-8@euro" -> "de_DE"
QString stripCodeset(QString locale)
{
    for (qsizetype i = 0; i < locale.size(); ++i) {
        if (locale[i] == u'.' || locale[i] == u'@') {
            locale.truncate(i);
            break;
        }
    }
    return locale;
}

bool isEnglish(const QString& language) { return language == u"en" || language.startsWith(u"en_"); }

}  // namespace

QStringList uiLanguages(const QString& lcAll, const QString& lcMessages, const QString& lang,
                        const QString& language)
{
    const QString locale = stripCodeset(!lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang);
    if (locale.isEmpty() || locale == u"C" || locale == u"POSIX") return {};
    QStringList wanted = language.split(u':', Qt::SkipEmptyParts);
    wanted.append(locale);
    QStringList result;
    for (const QString& entry : wanted) {
        const QString name = stripCodeset(entry);
        if (name.isEmpty() || name == u"C" || name == u"POSIX") continue;
        if (isEnglish(name)) break;
        if (!result.contains(name)) result.append(name);
    }
    return result;
}

QString installTranslators(QCoreApplication& app, const QString& folder, const QString& qtFolder)
{
    const QString qtTranslations = qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
    const auto env = [](const char* name) { return qEnvironmentVariable(name); };
    const QStringList languages =
        uiLanguages(env("LC_ALL"), env("LC_MESSAGES"), env("LANG"), env("LANGUAGE"));
    for (const QString& language : languages) {
        // "de_AT" falls back to "de"; the program ships one file per language.
        QStringList candidates{language};
        if (const qsizetype underscore = language.indexOf(u'_'); underscore > 0)
            candidates.append(language.left(underscore));
        for (const QString& candidate : candidates) {
            // Files of their own beside the program, not resources in it: an
            // English start keeps none of the languages' pages resident. Looked
            // for first: QTranslator would try shorter names, down to the program.
            const QString file = QDir(folder).filePath(QStringLiteral("trellum_%1.qm").arg(candidate));
            if (!QFileInfo(file).isFile()) continue;
            auto* program = new QTranslator(&app);
            if (!program->load(file)) {
                delete program;
                continue;
            }
            QCoreApplication::installTranslator(program);
            // Qt's own texts (standard buttons, key names), when the system has them.
            auto* qt = new QTranslator(&app);
            if (qt->load(QStringLiteral("qtbase_%1").arg(candidate), qtTranslations))
                QCoreApplication::installTranslator(qt);
            else
                delete qt;
            // The file's own language: "de_AT" may have loaded trellum_de.qm.
            return program->language();
        }
    }
    return {};
}

}  // namespace trellum::shell
