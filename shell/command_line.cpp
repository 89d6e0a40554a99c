// SPDX-License-Identifier: MIT
#include "shell/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>

#include "process/start_guards.h"
#include "product.h"

namespace trellum::shell {

namespace {

struct QtOption {
    const char* name;
    const char* valueName;  // nullptr: a switch
    const char* help;       // nullptr: accepted but not listed
};

// The options QApplication takes out of the arguments itself. They are declared
// here only so that the parser lets them through; the common ones are listed in
// the help.
const QtOption kQtOptions[] = {
    //: Help of the -platform option, printed by "trellum --help"; keep "Qt:" and the names in brackets.
    {"platform", "name", QT_TRANSLATE_NOOP("CommandLine", "Qt: the windowing system (xcb, wayland, offscreen, ...).")},
    //: Help of the -display option: the X server's display, not the calculator's.
    {"display", "display", QT_TRANSLATE_NOOP("CommandLine", "Qt: the X display to use (on xcb).")},
    //: Help of the -style option; keep the style names in brackets.
    {"style", "style", QT_TRANSLATE_NOOP("CommandLine", "Qt: the widget style (Fusion, Windows, ...).")},
    //: Help of the -stylesheet option.
    {"stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "Qt: a style sheet to apply.")},
    //: Help of the -reverse option.
    {"reverse", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Qt: lay the window out right to left.")},
    {"qwindowgeometry", "geometry", nullptr},
    {"geometry", "geometry", nullptr},
    {"platformpluginpath", "path", nullptr},
    {"platformtheme", "name", nullptr},
    {"plugin", "plugin", nullptr},
    {"qwindowicon", "icon", nullptr},
    {"icon", "icon", nullptr},
    {"qwindowtitle", "title", nullptr},
    {"title", "title", nullptr},
    {"session", "session", nullptr},
    {"name", "name", nullptr},
    {"qmljsdebugger", "settings", nullptr},
    {"widgetcount", nullptr, nullptr},
    {"testability", nullptr, nullptr},
    {"nograb", nullptr, nullptr},
    {"dograb", nullptr, nullptr},
    {"sync", nullptr, nullptr},
};

// The help's own texts, marked for lupdate.
//: Printed by "trellum --help" below its first line.
constexpr const char* kDescription =
    QT_TRANSLATE_NOOP("CommandLine", "Trellum, a scientific calculator drawn like a hand-held one.");
//: Help of the -h, --help option.
constexpr const char* kHelpHelp = QT_TRANSLATE_NOOP("CommandLine", "Print this help and exit.");
//: Help of the -v, --version option.
constexpr const char* kVersionHelp = QT_TRANSLATE_NOOP("CommandLine", "Print the version and exit.");
//: Help of the --toggle option, for a desktop's keyboard shortcut.
constexpr const char* kToggleHelp = QT_TRANSLATE_NOOP(
    "CommandLine", "Hide the running calculator to the tray when it is shown, else show it; start it when none runs.");
//: First line of "trellum --help"; %1 is the program's name, "trellum". Keep "[ ]".
constexpr const char* kUsage = QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [options]");
//: Heading of the option list of "trellum --help".
constexpr const char* kOptions = QT_TRANSLATE_NOOP("CommandLine", "Options:");

QString english(const char* text) { return QString::fromUtf8(text); }

// Every option the program takes, its help in the language `tr` gives.
void addOptions(QCommandLineParser& parser, const HelpTranslation& tr)
{
    // Qt's own options are single-dash words ("-platform xcb"), so every
    // single-dash word is one option; -h and -v are then simply short names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(tr(kDescription));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, tr(kHelpHelp)});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, tr(kVersionHelp)});
    // For a desktop's keyboard shortcut: a hot-key that needs no keyboard grab,
    // on X11 and Wayland alike.
    parser.addOption({QStringLiteral("toggle"), tr(kToggleHelp)});
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), qt.help ? tr(qt.help) : QString(),
                                  QString::fromLatin1(qt.valueName ? qt.valueName : ""));
        if (!qt.help) option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Qt's layout of the help, with its English headings replaced by ours: Qt's
// own translations need an application, which does not exist yet.
QString helpText(const QString& program, const HelpTranslation& tr)
{
    QCommandLineParser parser;
    addOptions(parser, tr);
    QString text = parser.helpText();
    text = tr(kUsage).arg(program) + text.mid(text.indexOf(u'\n'));
    text.replace(QStringLiteral("\nOptions:\n"), u'\n' + tr(kOptions) + u'\n');
    return text;
}

}  // namespace

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

CommandLine parseCommandLine(const QStringList& arguments, const HelpTranslation& translate)
{
    QCommandLineParser parser;
    addOptions(parser, english);
    CommandLine result;
    const QString program = QStringLiteral("trellum");
    if (!parser.parse(arguments)) {
        result.run = false;
        result.exitStatus = 2;
        result.error = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, parser.errorText());
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.run = false;
        result.output = helpText(program, translate ? translate : english);
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.run = false;
        result.output = QStringLiteral("%1 %2\n").arg(program, QString::fromLatin1(kVersion));
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.run = false;
        result.exitStatus = 2;
        result.error = QStringLiteral("%1: unexpected argument '%2'\nTry '%1 --help' for more information.\n")
                           .arg(program, parser.positionalArguments().first());
        return result;
    }
    // Files Qt reads whole, or opens before the window shows, that could never
    // be read to their end.
    const struct {
        const char* option;
        std::string (*problemOf)(const std::string&);
    } guardedFiles[] = {
        {"stylesheet", styleSheetProblem},
        {"qwindowicon", windowIconProblem},
        {"icon", windowIconProblem},
    };
    for (const auto& guarded : guardedFiles) {
        const QString option = QString::fromLatin1(guarded.option);
        if (!parser.isSet(option)) continue;
        for (const QString& path : parser.values(option)) {
            const QString problem = QString::fromLocal8Bit(guarded.problemOf(QFile::encodeName(path).toStdString()));
            if (problem.isEmpty()) continue;
            result.run = false;
            result.exitStatus = 2;
            result.error = QStringLiteral("%1: %2\n").arg(program, problem);
            return result;
        }
    }
    result.platformGiven = parser.isSet(QStringLiteral("platform"));
    result.toggle = parser.isSet(QStringLiteral("toggle"));
    return result;
}

}  // namespace trellum::shell
