// SPDX-License-Identifier: MIT
#include "shell/i18n.h"

#include <memory>
#include <optional>
#include <utility>

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

// Qt gives a plain label, a message box's text and a tip the direction of
// their first strong character, so "Trellum الإصدار 2.1" would read left to
// right. A right-to-left translation starts each of its texts with a
// right-to-left mark, which also holds when a Latin file name fills a blank.
constexpr char16_t kRightToLeftMark = 0x200F;

QString translatedText(const char* text) { return QCoreApplication::translate(kTextContext, text); }

}  // namespace

QString translated(Message message, const MessageArguments& arguments)
{
    // Filled after translation, in one pass, so a file name is never translated.
    return toQString(fillBlanks(toStdString(translatedText(messageText(message))), arguments));
}

QString translated(Caption caption) { return translatedText(captionText(caption)); }

QString translated(TrayTip tip) { return translatedText(trayTipText(tip)); }

QString translatedConstantName(const std::string& name)
{
    // A name is data in the user's file, not a line of the interface: no mark.
    QString text = QCoreApplication::translate("Constants", name.c_str());
    if (text.startsWith(QChar(kRightToLeftMark))) text.remove(0, 1);
    return text;
}

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
// translation answers "RTL" here, left to right when it answers "LTR". Listed
// so that lupdate offers it to every language.
//: "RTL" in a language written right to left (Arabic, Hebrew), "LTR" in every other.
[[maybe_unused]] constexpr const char* kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// The names of the starter library (packaging/constants.txt), for a user's
// first library, which is copied from it with the names in the user's language.
// Each is its symbol, kept as it is, a blank, and a short name; the file
// cannot hold a "=" or a line break in a name.
[[maybe_unused]] constexpr const char* kStarterConstantNames[] = {
    //: The speed of light in vacuum (symbol c).
    QT_TRANSLATE_NOOP("Constants", "c speed of light"),
    //: The Planck constant (symbol h).
    QT_TRANSLATE_NOOP("Constants", "h Planck"),
    //: The reduced Planck constant; keep "/(2 pi)" (symbol hbar).
    QT_TRANSLATE_NOOP("Constants", "hbar Planck/(2 pi)"),
    //: The elementary charge (symbol e).
    QT_TRANSLATE_NOOP("Constants", "e elementary charge"),
    //: The Avogadro constant (symbol NA).
    QT_TRANSLATE_NOOP("Constants", "NA Avogadro"),
    //: The Boltzmann constant (symbol k).
    QT_TRANSLATE_NOOP("Constants", "k Boltzmann"),
    //: The molar gas constant (symbol R).
    QT_TRANSLATE_NOOP("Constants", "R molar gas"),
    //: The Faraday constant (symbol F).
    QT_TRANSLATE_NOOP("Constants", "F Faraday"),
    //: The Newtonian constant of gravitation (symbol G).
    QT_TRANSLATE_NOOP("Constants", "G gravitation"),
    //: The standard acceleration of gravity (symbol g).
    QT_TRANSLATE_NOOP("Constants", "g standard gravity"),
    //: The electron mass (symbol me).
    QT_TRANSLATE_NOOP("Constants", "me electron mass"),
    //: The proton mass (symbol mp).
    QT_TRANSLATE_NOOP("Constants", "mp proton mass"),
    //: The neutron mass (symbol mn).
    QT_TRANSLATE_NOOP("Constants", "mn neutron mass"),
    //: The atomic mass unit (symbol u).
    QT_TRANSLATE_NOOP("Constants", "u atomic mass unit"),
    //: The vacuum electric permittivity (symbol eps0).
    QT_TRANSLATE_NOOP("Constants", "eps0 electric const"),
    //: The vacuum magnetic permeability (symbol mu0).
    QT_TRANSLATE_NOOP("Constants", "mu0 magnetic const"),
    //: The fine-structure constant (symbol alpha).
    QT_TRANSLATE_NOOP("Constants", "alpha fine-structure"),
    //: The Bohr radius (symbol a0).
    QT_TRANSLATE_NOOP("Constants", "a0 Bohr radius"),
    //: The Stefan-Boltzmann constant (symbol sigma).
    QT_TRANSLATE_NOOP("Constants", "sigma Stefan-Boltzmann"),
    //: The standard atmosphere (symbol atm).
    QT_TRANSLATE_NOOP("Constants", "atm standard pressure"),
};

// The program's translation, read in place from the bytes it was given for
// as long as it lives.
class InterfaceTranslator : public QTranslator {
public:
    InterfaceTranslator(QByteArray bytes, QObject* parent) : QTranslator(parent), m_bytes(std::move(bytes)) {}

    bool loadBytes()
    {
        if (m_bytes.isEmpty() ||
            !load(reinterpret_cast<const uchar*>(m_bytes.constData()), static_cast<int>(m_bytes.size())))
            return false;
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
    QByteArray m_bytes;
    bool m_rightToLeft = false;
};

// The bytes of the program's translation: the file TRELLUM_TRANSLATION names,
// unchecked as a translator asked, else the checked file of the first language
// of the user's environment that has one. Empty for English.
QByteArray translationBytes(const QString& folder)
{
    if (const QString named = qEnvironmentVariable("TRELLUM_TRANSLATION"); !named.isEmpty()) {
        if (QByteArray bytes = namedTranslation(named); !bytes.isEmpty()) return bytes;
    }
    const auto env = [](const char* name) { return qEnvironmentVariable(name).toStdString(); };
    for (const std::string& wanted : uiLanguages(env("LC_ALL"), env("LC_MESSAGES"), env("LANG"), env("LANGUAGE"))) {
        const QString language = QString::fromStdString(wanted);
        // "de_AT" falls back to "de"; the program ships one file per language.
        QStringList candidates{language};
        if (const qsizetype underscore = language.indexOf(u'_'); underscore > 0)
            candidates.append(language.left(underscore));
        for (const QString& candidate : candidates) {
            // Files of their own beside the program, not resources in it: an
            // English start keeps none of the languages' pages resident.
            const QString file = QDir(folder).filePath(QStringLiteral("trellum_%1.qm").arg(candidate));
            if (QFileInfo(file).isFile()) return checkedTranslation(file);
        }
    }
    return {};
}

std::unique_ptr<QTranslator> programTranslation(const QString& folder)
{
    auto translator = std::make_unique<InterfaceTranslator>(translationBytes(folder), nullptr);
    return translator->loadBytes() ? std::move(translator) : nullptr;
}

}  // namespace

std::function<QString(const char*)> commandLineTranslation(const QString& folder)
{
    // Read on the first text asked for: a start without --help never reads it.
    auto translator = std::make_shared<std::optional<std::unique_ptr<QTranslator>>>();
    return [translator, folder](const char* text) {
        if (!translator->has_value()) *translator = programTranslation(folder);
        const QTranslator* loaded = translator->value().get();
        const QString translation = loaded ? loaded->translate("CommandLine", text) : QString();
        return translation.isEmpty() ? QString::fromUtf8(text) : translation;
    };
}

QString installTranslators(QCoreApplication& app, const QString& folder, const QString& qtFolder)
{
    std::unique_ptr<QTranslator> program = programTranslation(folder);
    if (!program) return {};
    // The file's own language: "de_AT" may have loaded trellum_de.qm.
    const QString language = program->language();
    program->setParent(&app);
    QCoreApplication::installTranslator(program.release());
    // Qt's own texts (standard buttons, key names, the line edit's menu).
    // Debian ships some languages of Qt (Swedish, Portugal's Portuguese) only
    // as the older whole catalogue qt_LANG.
    const QString qtTranslations = qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
    auto* qt = new QTranslator(&app);
    if (!language.isEmpty() && (qt->load(QStringLiteral("qtbase_%1").arg(language), qtTranslations) ||
                                qt->load(QStringLiteral("qt_%1").arg(language), qtTranslations)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

}  // namespace trellum::shell
