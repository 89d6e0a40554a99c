// Translations: which language the environment asks for, that every shipped
// language covers every text the library shows, and that the window speaks the language
// once its translator is installed.

#include <array>
#include <fstream>
#include <memory>
#include <set>

#include <QtTest>
#include <QtWidgets>

#include "app/calculator.h"
#include "app/constants_dialog.h"
#include "app/memory_dialog.h"
#include "shell/dialogs/dialogs.h"
#include "shell/i18n.h"
#include "shell/main_window.h"
#include "storage/settings_store.h"
#include "testing/key_script.h"
#include "testing/recording_toolkit.h"

using namespace trellum;

namespace {

// The folder of the program built beside this test, which holds its .qm files.
const QString kProgramFolder = QStringLiteral(TRELLUM_PROGRAM_FOLDER);

// Records every text the library hands to the desktop: messages, dialog
// captions and the tray tip.
class TextRecorder : public RecordingToolkit {
public:
    std::set<std::string> texts;

    void showMessage(const std::string& text, MessageIcon icon, const std::string& title) override
    {
        texts.insert(text);
        texts.insert(title);
        RecordingToolkit::showMessage(text, icon, title);
    }
    void showMemoryDialog(MemoryDialog& dialog) override
    {
        texts.insert(dialog.caption());
        RecordingToolkit::showMemoryDialog(dialog);
    }
    void showConstantsDialog(ConstantsDialog& dialog) override
    {
        texts.insert(dialog.caption());
        RecordingToolkit::showConstantsDialog(dialog);
    }
    void showConstantEntryDialog(ConstantEntryDialog& dialog) override
    {
        texts.insert(dialog.caption());
        RecordingToolkit::showConstantEntryDialog(dialog);
    }
    void showTrayIcon(const std::string& tip) override
    {
        texts.insert(tip);
        RecordingToolkit::showTrayIcon(tip);
    }
    void setTrayTip(const std::string& tip) override
    {
        texts.insert(tip);
        RecordingToolkit::setTrayTip(tip);
    }
};

// An entry dialog answered with a name and a value, then OK (and Cancel when
// the dialog refuses them, so the script ends).
std::function<void(ConstantEntryDialog&)> answer(std::string name, std::string value)
{
    return [name, value](ConstantEntryDialog& q) {
        q.setName(name);
        q.setValue(value);
        q.accept();
        if (!q.isClosed()) q.cancel();
    };
}

// The locale variables of one test step, and the translators it installs
// removed again when it ends.
class LocaleScope {
public:
    explicit LocaleScope(const QByteArray& locale)
    {
        for (const char* name : kNames) m_saved.append(qgetenv(name));
        for (const char* name : kNames) qunsetenv(name);
        qputenv("LC_ALL", locale);
    }
    ~LocaleScope()
    {
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        for (int i = 0; i < m_saved.size(); ++i) qputenv(kNames[i], m_saved[i]);
    }
    static int translators() { return static_cast<int>(qApp->findChildren<QTranslator*>().size()); }

private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    QList<QByteArray> m_saved;
};

QString shrinkShortcut(const shell::MainWindow& window)
{
    const auto* shrink = window.findChild<QAction*>("shrinkAction");
    return shrink ? shrink->shortcut().toString(QKeySequence::NativeText) : QString();
}

}  // namespace

class I18nTest : public QObject {
    Q_OBJECT
private slots:
    void uiLanguages_data();
    void uiLanguages();
    void everyLibraryTextIsListed();
    void translationsCoverEveryText_data();
    void translationsCoverEveryText();
    void windowSpeaksTheInstalledLanguage();
    void qtTextsSpeakTheSameLanguage_data();
    void qtTextsSpeakTheSameLanguage();
    void withoutQtTranslationsTheTipStillMatchesTheMenu();
    void englishLoadsNoTranslation();
    void layoutDirectionFollowsTheLanguage_data();
    void layoutDirectionFollowsTheLanguage();
    void fileNamesInARightToLeftMessageReadLeftToRight_data();
    void fileNamesInARightToLeftMessageReadLeftToRight();
    void mirroredMemoryListKeepsNumbersInOrder();
    void rightToLeftMirrorsTheMenusButNotTheCalculator();
};

void I18nTest::uiLanguages_data()
{
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing set") << "" << "" << "" << "" << QStringList{};
    QTest::newRow("C") << "" << "" << "C" << "" << QStringList{};
    QTest::newRow("POSIX") << "POSIX" << "" << "de_DE.UTF-8" << "" << QStringList{};
    QTest::newRow("C.UTF-8 ignores LANGUAGE") << "" << "" << "C.UTF-8" << "de" << QStringList{};
    QTest::newRow("LC_ALL=C beats a German LANG") << "C" << "" << "de_DE.UTF-8" << "" << QStringList{};
    QTest::newRow("German LANG") << "" << "" << "de_DE.UTF-8" << "" << QStringList{"de_DE"};
    QTest::newRow("modifier removed") << "" << "" << "de_AT.UTF-8@euro" << "" << QStringList{"de_AT"};
    QTest::newRow("LC_MESSAGES beats LANG") << "" << "fr_FR.UTF-8" << "de_DE.UTF-8" << "" << QStringList{"fr_FR"};
    QTest::newRow("LC_ALL beats LC_MESSAGES") << "de_CH.UTF-8" << "fr_FR.UTF-8" << "" << "" << QStringList{"de_CH"};
    QTest::newRow("LANGUAGE comes first") << "" << "" << "de_DE.UTF-8" << "fr:de" << QStringList{"fr", "de", "de_DE"};
    QTest::newRow("English locale") << "" << "" << "en_GB.UTF-8" << "" << QStringList{};
    QTest::newRow("English first in LANGUAGE") << "" << "" << "de_DE.UTF-8" << "en_US:de" << QStringList{};
    QTest::newRow("English after French") << "" << "" << "en_US.UTF-8" << "fr:en" << QStringList{"fr"};
}

void I18nTest::uiLanguages()
{
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QCOMPARE(shell::uiLanguages(lcAll, lcMessages, lang, language), expected);
}

// Drives the library into every message, caption and tip it has, and checks
// that each is in the list lupdate sees (and that the list holds nothing else).
void I18nTest::everyLibraryTextIsListed()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TextRecorder toolkit;
    toolkit.folder = dir.path().toStdString();
    SettingsStore settings;
    Calculator calc(toolkit, settings);
    calc.start();
    const auto press = [&](const char* tokens) {
        for (const QString& token : QString::fromLatin1(tokens).split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(pressToken(calc, toolkit, token.toStdString()), qPrintable(token));
    };
    press("1 / 0 = 9 EXP 9 9 * 1 0 0 = 1 . 5 SHIFT INV 5 NEG SQRT 2 SHIFT SIN PASTE:abc MIN:X MR:X");
    calc.hideToTray();

    // A library that can be neither read nor written (its folder is a file): the
    // load message, adds refused and accepted, then the failed save.
    {
        std::ofstream blocker(dir.filePath("file").toStdString());
    }
    calc.useConstantsFile(dir.filePath("file/constants.txt").toStdString());
    toolkit.constScripts.push_back([&toolkit](ConstantsDialog& d) {
        toolkit.entryScripts.push_back(answer("", "1"));
        toolkit.entryScripts.push_back(answer("g", "fast"));
        toolkit.entryScripts.push_back(answer("a=b", "1"));
        toolkit.entryScripts.push_back(answer("g", "9.81"));
        for (int i = 0; i < 4; ++i) d.edit();
        d.cancel();
        d.closeWindow();
    });
    calc.openConstants();
    // A faulty line, then a constant modified.
    {
        std::ofstream file(dir.filePath("constants.txt").toStdString());
        file << "head\nhead\ng = 9.81\nbad = x\n";
    }
    calc.useConstantsFile(dir.filePath("constants.txt").toStdString());
    // Another program changes the file while the list is open.
    toolkit.constScripts.push_back([&toolkit, &dir](ConstantsDialog& d) {
        d.select(0);
        toolkit.entryScripts.push_back(answer("g", "9.8"));
        d.edit();
        std::ofstream(dir.filePath("constants.txt").toStdString()) << "head\nhead\nc = 299792458\n";
        d.cancel();
    });
    calc.openConstants();

    // A listed text with "%1" stands for the texts made from it.
    const auto madeFrom = [](const std::string& text, const std::string& listed) {
        const std::size_t at = listed.find("%1");
        if (at == std::string::npos) return text == listed;
        const std::string prefix = listed.substr(0, at), suffix = listed.substr(at + 2);
        return text.size() > prefix.size() + suffix.size() && text.starts_with(prefix) && text.ends_with(suffix);
    };
    toolkit.texts.erase(kProductName);
    for (const std::string& text : toolkit.texts) {
        bool found = false;
        for (const char* listed : shell::libraryTexts()) found = found || madeFrom(text, listed);
        QVERIFY2(found, qPrintable(QStringLiteral("not listed for translation: \"%1\"").arg(QString::fromStdString(text))));
    }
    for (const char* listed : shell::libraryTexts()) {
        bool shown = false;
        for (const std::string& text : toolkit.texts) shown = shown || madeFrom(text, listed);
        QVERIFY2(shown, qPrintable(QStringLiteral("listed but never shown: \"%1\"").arg(QString::fromUtf8(listed))));
    }
}

void I18nTest::translationsCoverEveryText_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(TRELLUM_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << language;
}

void I18nTest::translationsCoverEveryText()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/trellum_%1.qm").arg(language)));
    for (const char* text : shell::libraryTexts()) {
        const QString translated = translator.translate(shell::kLibraryContext, text);
        QVERIFY2(!translated.isEmpty() && translated != QString::fromUtf8(text), text);
        // A trailing blank of the English text is part of it; keep it.
        QCOMPARE(translated.endsWith(u' '), QByteArray(text).endsWith(' '));
        QCOMPARE(translated.contains(u"%1"), QByteArray(text).contains("%1"));
    }
}

void I18nTest::windowSpeaksTheInstalledLanguage()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/trellum_de.qm")));
    QCoreApplication::installTranslator(&translator);
    SettingsStore settings;
    {
        shell::MainWindow window(settings);
        QCOMPARE(window.settingsMenu()->title(), QStringLiteral("&Einstellungen"));
        QCOMPARE(window.alwaysOnTopAction()->text(), QStringLiteral("Immer im Vor&dergrund"));
        // Captions on the keys and the display's number stay as they are.
        QCOMPARE(window.findChild<QPushButton*>("ln")->text(), QStringLiteral("In"));
        window.calculator().start();
        QTest::mouseClick(window.findChild<QPushButton*>("digit1"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("point"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("digit5"), Qt::LeftButton);
        QCOMPARE(window.lcd()->text(), QStringLiteral("1.5  "));
    }
    // German captions longer than the design's buttons are not cut.
    {
        MemoryDialog memory("", {});
        auto window = shell::makeMemoryWindow(nullptr, memory, QIcon());
        for (auto* button : window->findChildren<QPushButton*>()) {
            const QString caption = button->text().remove(u'&');
            QVERIFY2(button->contentsRect().width() >= button->fontMetrics().horizontalAdvance(caption),
                     qPrintable(caption));
        }
        QCOMPARE(window->findChild<QPushButton*>("cancelButton")->text(), QStringLiteral("&Abbrechen"));
    }
    // A message composed around a file name keeps the name.
    QCOMPARE(shell::trLibrary("The constants file was changed by another program while this list was open. "
                              "That version is kept as /tmp/c.txt.changed."),
             QStringLiteral("Die Konstantendatei wurde von einem anderen Programm geändert, während diese Liste "
                            "offen war. Diese Fassung wurde als /tmp/c.txt.changed aufbewahrt."));
    QCOMPARE(shell::trLibrary("Out of Range!"), QStringLiteral("Außerhalb des Wertebereichs!"));
    QCoreApplication::removeTranslator(&translator);
}

void I18nTest::qtTextsSpeakTheSameLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(TRELLUM_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << language;
}

// Qt's standard buttons and the key names of the menus' shortcuts come from
// Qt's own translations (qt6-translations-l10n), in the program's language.
void I18nTest::qtTextsSpeakTheSameLanguage()
{
    QFETCH(QString, language);
    LocaleScope scope(language.toUtf8() + ".UTF-8");
    QCOMPARE(shell::installTranslators(*qApp, kProgramFolder), language);
    // Qt has no texts of its own in some languages (Swedish, Portugal's
    // Portuguese); those keep Qt's English buttons and key names.
    QTranslator probe;
    const bool qtSpeaksIt =
        probe.load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCOMPARE(LocaleScope::translators(), qtSpeaksIt ? 2 : 1);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    const QString cancel = box.button(QDialogButtonBox::Cancel)->text().remove(u'&');
    QVERIFY2((cancel != u"Cancel") == qtSpeaksIt, qPrintable(cancel));
    SettingsStore settings;
    shell::MainWindow window(settings);
    const QString shortcut = shrinkShortcut(window);
    QVERIFY2(window.findChild<QAction*>("shrinkAction")->toolTip().contains(shortcut), qPrintable(shortcut));
    if (language == u"de") QCOMPARE(shortcut, QStringLiteral("Strg+S"));
    // Compact mode keeps the window; it must not read as the desktop's word for
    // minimising one.
    const QString compact = window.findChild<QAction*>("shrinkAction")->text().remove(u'&');
    QVERIFY2(compact.compare(QCoreApplication::translate("QMdiSubWindow", "Minimize"), Qt::CaseInsensitive) != 0,
             qPrintable(compact));
}

// Without Qt's translations the program still speaks its language, and the
// compact mode's tip names the shortcut as the menu shows it.
void I18nTest::withoutQtTranslationsTheTipStillMatchesTheMenu()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    LocaleScope scope("de_DE.UTF-8");
    QCOMPARE(shell::installTranslators(*qApp, kProgramFolder, empty.path()), QStringLiteral("de"));
    QCOMPARE(LocaleScope::translators(), 1);
    SettingsStore settings;
    shell::MainWindow window(settings);
    QCOMPARE(shrinkShortcut(window), QStringLiteral("Ctrl+S"));
    QCOMPARE(window.findChild<QAction*>("shrinkAction")->toolTip(),
             QStringLiteral("Nur die Anzeige; erneutes Ctrl+S blendet das Tastenfeld wieder ein"));
}

// An English locale costs nothing at start-up: no file is even looked for.
void I18nTest::englishLoadsNoTranslation()
{
    LocaleScope scope("en_GB.UTF-8");
    QCOMPARE(shell::installTranslators(*qApp, kProgramFolder), QString());
    QCOMPARE(LocaleScope::translators(), 0);
}

void I18nTest::layoutDirectionFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(TRELLUM_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << language;
}

// The program's own translation turns Qt right to left for Arabic and Hebrew,
// also where Qt's translations are not installed, and back when it goes.
void I18nTest::layoutDirectionFollowsTheLanguage()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/trellum_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(direction, QLocale(language).textDirection());
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void I18nTest::fileNamesInARightToLeftMessageReadLeftToRight_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("ar") << "ar";
    QTest::newRow("he") << "he";
}

// The copy's file name inside a right-to-left message keeps its own order:
// the leading "/" drawn left of the name, not at its far end.
void I18nTest::fileNamesInARightToLeftMessageReadLeftToRight()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/trellum_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    const QString name = QStringLiteral("/tmp/c.txt.changed");
    const QString line = shell::trLibrary("The constants file was changed by another program while this list was "
                                          "open. That version is kept as /tmp/c.txt.changed.");
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(!line.startsWith(u"The"), qPrintable(line));
    QTextLayout layout(line, QFont(QStringLiteral("DejaVu Sans"), 9));
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    // Where the glyph of one character is drawn.
    const auto drawnAt = [&layout](qsizetype at) {
        for (const QGlyphRun& run : layout.glyphRuns(int(at), 1))
            if (!run.positions().isEmpty()) return run.positions().front().x();
        return -1.0;
    };
    const qsizetype at = line.indexOf(name);
    QVERIFY(at >= 0);
    const qreal slash = drawnAt(at), first = drawnAt(at + 1), last = drawnAt(at + name.size() - 1);
    QVERIFY2(slash >= 0 && slash < first && first < last,
             qPrintable(QStringLiteral("%1: \"/\" at %2, name from %3 to %4").arg(line).arg(slash).arg(first).arg(last)));
}

namespace {

// A memory window's first line as drawn, cropped to its ink, and where the
// list and the Done button stand.
struct MemoryLook {
    QImage ink;
    QRect inkPlace, list, done;
    int width;
};

// How many rows hold dark ink in two columns of a cropped line.
int inkRows(const QImage& ink, int column)
{
    int rows = 0;
    for (int y = 0; y < ink.height(); ++y)
        if (qGray(ink.pixel(column, y)) < 128 || qGray(ink.pixel(column + 1, y)) < 128) ++rows;
    return rows;
}

MemoryLook memoryLook()
{
    std::array<std::string, MemoryDialog::kLines> slotTexts;
    slotTexts.fill("0.");
    slotTexts[0] = "-1.5";
    MemoryDialog memory("Save a number", slotTexts);
    auto window = shell::makeMemoryWindow(nullptr, memory, QIcon());
    window->show();
    auto* list = window->findChild<QListWidget*>("slotList");
    const QImage shot = list->viewport()->grab().toImage();
    const QRect line = list->visualItemRect(list->item(0));
    const QRgb paper = shot.pixel(line.topLeft());
    QRect ink;
    for (int y = line.top(); y <= line.bottom(); ++y)
        for (int x = line.left(); x <= line.right(); ++x)
            if (shot.pixel(x, y) != paper) ink |= QRect(x, y, 1, 1);
    return {shot.copy(ink), ink, list->geometry(), window->findChild<QPushButton*>("doneButton")->geometry(),
            window->width()};
}

}  // namespace

// Right to left the memory window is mirrored (Done at the right, the lines
// flush right) while each line reads as written: the same ink, sign first.
void I18nTest::mirroredMemoryListKeepsNumbersInOrder()
{
    const MemoryLook leftToRight = memoryLook();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const MemoryLook rightToLeft = memoryLook();
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);

    QVERIFY(!leftToRight.ink.isNull());
    // "-1.5" begins with the minus, one or two rows of ink, and ends with the
    // 5, which fills the line; "1.5-" would be the other way round.
    for (const MemoryLook* look : {&leftToRight, &rightToLeft})
        QVERIFY2(inkRows(look->ink, 0) < inkRows(look->ink, look->ink.width() - 2),
                 look == &leftToRight ? "left to right" : "right to left");
    QVERIFY2(rightToLeft.inkPlace.right() > rightToLeft.list.width() / 2 &&
                 leftToRight.inkPlace.left() < leftToRight.list.width() / 2,
             "the line is not flush with the side the list reads from");
    QCOMPARE(rightToLeft.done.x(), rightToLeft.width - leftToRight.done.right() - 1);
    QCOMPARE(rightToLeft.list.x(), rightToLeft.width - leftToRight.list.right() - 1);
}

// Right to left the menu bar and dialogs mirror, while the keypad and the
// display stay as printed on a calculator: the same pixels either way.
void I18nTest::rightToLeftMirrorsTheMenusButNotTheCalculator()
{
    struct Look {
        QImage calculator;
        int settingsX, helpX;
    };
    const auto look = [] {
        SettingsStore settings;
        shell::MainWindow window(settings);
        window.show();
        window.calculator().start();
        for (const char* name : {"digit1", "point", "digit5", "exponent", "digit7", "changeSign"})
            QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
        QMenuBar* bar = window.findChild<QMenuBar*>();
        return Look{window.findChild<QWidget*>("client")->grab().toImage(),
                    bar->actionGeometry(window.settingsMenu()->menuAction()).center().x(),
                    bar->actionGeometry(window.helpMenu()->menuAction()).center().x()};
    };
    const Look leftToRight = look();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const Look rightToLeft = look();
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);

    QVERIFY(leftToRight.settingsX < leftToRight.helpX);
    QVERIFY(rightToLeft.settingsX > rightToLeft.helpX);
    QVERIFY(!leftToRight.calculator.isNull());
    QVERIFY(rightToLeft.calculator == leftToRight.calculator);
}

QTEST_MAIN(I18nTest)
#include "i18n_test.moc"
