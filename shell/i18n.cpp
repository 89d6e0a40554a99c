#include "shell/i18n.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "process/languages.h"
#include "shell/qt_strings.h"
#include "shell/translation_check.h"

namespace trellum::shell {

namespace {

QString translatedText(const char* text) { return QCoreApplication::translate(kTextContext, text); }

}  // namespace

QString translated(Message message, const MessageArguments& arguments)
{
    // Filled after translation, in one pass, so a file name is never translated.
    return toQString(fillBlanks(toStdString(translatedText(messageText(message))), arguments));
}

QString translated(Caption caption) { return translatedText(captionText(caption)); }

QString translated(TrayTip tip) { return translatedText(trayTipText(tip)); }

QString translatedPlural(const char* context, const char* text, const char* disambiguation, int n)
{
    const QString translation = QCoreApplication::translate(context, text, disambiguation, n);
    QString untranslated = QString::fromUtf8(text);
    untranslated.replace(QStringLiteral("%n"), QString::number(n));
    if (translation != untranslated) return translation;
    return untranslated.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}

namespace {

// Qt lays the whole application out right to left when the installed
// translation answers "RTL" here; a language read left to right leaves it
// untranslated. Listed so that lupdate offers it to every language.
//: "RTL" in a language written right to left (Arabic, Hebrew); leave it untranslated otherwise.
[[maybe_unused]] constexpr const char* kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// Qt gives a plain label, a message box's text and a tip the direction of
// their first strong character, so "Trellum الإصدار 2.1" would read left to
// right. A right-to-left translation starts each of its texts with a
// right-to-left mark, which also holds when a Latin file name fills a blank.
constexpr char16_t kRightToLeftMark = 0x200F;

class InterfaceTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool loadFile(const QString& file)
    {
        if (!load(file)) return false;
        m_rightToLeft = QTranslator::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == u"RTL";
        return true;
    }

    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        if (m_rightToLeft && !text.isEmpty() && qstrcmp(source, "QT_LAYOUT_DIRECTION") != 0)
            text.prepend(QChar(kRightToLeftMark));
        return text;
    }

private:
    bool m_rightToLeft = false;
};

}  // namespace

QString installTranslators(QCoreApplication& app, const QString& folder, const QString& qtFolder)
{
    const QString qtTranslations = qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
    const auto env = [](const char* name) { return qEnvironmentVariable(name).toStdString(); };
    for (const std::string& wanted : uiLanguages(env("LC_ALL"), env("LC_MESSAGES"), env("LANG"), env("LANGUAGE"))) {
        const QString language = QString::fromStdString(wanted);
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
            if (!translationIsIntact(file)) return {};
            auto* program = new InterfaceTranslator(&app);
            if (!program->loadFile(file)) {
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
