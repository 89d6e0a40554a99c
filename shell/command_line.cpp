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
    {"platform", "name", "Qt: the windowing system (xcb, wayland, offscreen, ...)."},
    {"display", "display", "Qt: the X display to use (on xcb)."},
    {"style", "style", "Qt: the widget style (Fusion, Windows, ...)."},
    {"stylesheet", "file", "Qt: a style sheet to apply."},
    {"reverse", nullptr, "Qt: lay the window out right to left."},
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

}  // namespace

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform xcb"), so every
    // single-dash word is one option; -h and -v are then simply short names.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Trellum, a scientific calculator drawn like a hand-held one."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    // For a desktop's keyboard shortcut: a hot-key that needs no keyboard grab,
    // on X11 and Wayland alike.
    const QCommandLineOption toggle(QStringLiteral("toggle"),
                                    QStringLiteral("Hide the running calculator to the tray when it is shown, "
                                                   "else show it; start it when none runs."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(toggle);
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString::fromLatin1(qt.help ? qt.help : ""),
                                  QString::fromLatin1(qt.valueName ? qt.valueName : ""));
        if (!qt.help) option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine result;
    const QString program = QStringLiteral("trellum");
    if (!parser.parse(arguments)) {
        result.run = false;
        result.exitStatus = 2;
        result.error = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.run = false;
        // Without a QCoreApplication the parser does not know the program's name.
        QString text = parser.helpText();
        const qsizetype start = text.indexOf(QStringLiteral("Usage: "));
        if (start >= 0) {
            const qsizetype name = start + 7;
            const qsizetype end = text.indexOf(QLatin1Char(' '), name);
            text.replace(name, (end < 0 ? text.size() : end) - name, program);
        }
        result.output = text;
        return result;
    }
    if (parser.isSet(version)) {
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
    result.toggle = parser.isSet(toggle);
    return result;
}

}  // namespace trellum::shell
