// SPDX-License-Identifier: MIT
// Translations: which language the environment asks for, that every shipped
// language covers every text the library names, and that the window speaks the
// language once its translator is installed.

#include <array>
#include <fstream>
#include <memory>
#include <utility>

#include <QtTest>
#include <QtWidgets>

#include "app/calculator.h"
#include "app/key_table.h"
#include "app/constants_dialog.h"
#include "app/memory_dialog.h"
#include "shell/accessibility.h"
#include "shell/dialogs/dialogs.h"
#include "shell/i18n.h"
#include "shell/main_window.h"
#include "storage/constants_file.h"
#include "storage/settings_store.h"
#include "testing/recording_toolkit.h"

using namespace trellum;

namespace {

// The folder of the program built beside this test, which holds its .qm files.
const QString kProgramFolder = QStringLiteral(TRELLUM_PROGRAM_FOLDER);

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

// One message of a .ts file: its source, and its translation or plural forms.
struct TsMessage {
    QString context;
    QString source;
    QStringList forms;   // one for a plain message, the numerus forms of a plural one
    bool numerus = false;
};

QList<TsMessage> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QList<TsMessage> messages;
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message") messages.append(std::exchange(message, TsMessage{}));
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation" && !message.numerus) {
            message.forms = {xml.readElementText()};
        } else if (xml.name() == u"numerusform") {
            message.forms.append(xml.readElementText());
        }
    }
    return messages;
}

// The placeholders of a text, each once, sorted: "%1", "%2", "%n".
QStringList placeholdersOf(const QString& text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    for (const auto& match : placeholder.globalMatch(text)) found.append(match.captured());
    found.removeDuplicates();
    found.sort();
    return found;
}

// The mnemonic marks: "&" before a letter, "&&" being a literal "&".
int acceleratorsOf(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') ++count;
        ++i;
    }
    return count;
}

// What a text ends with, the full-width marks of Chinese and Japanese counting
// as their ASCII ones; a trailing blank is part of some texts.
QString endingOf(const QString& text)
{
    static const QHash<QChar, QChar> fullWidth = {
        {u'。', u'.'}, {u'！', u'!'}, {u'：', u':'}, {u'？', u'?'}};
    QString ending;
    if (text.endsWith(u' ')) ending += u' ';
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return ending;
    const QChar last = fullWidth.value(trimmed.back(), trimmed.back());
    if (QStringLiteral(".!:?").contains(last)) ending.prepend(last);
    return ending;
}

// Where a translation does not agree with its source: placeholders, mnemonic,
// end punctuation, an empty form. Empty when it agrees.
QString disagreement(const TsMessage& message, const QString& language = {})
{
    if (message.forms.isEmpty()) return QStringLiteral("no translation");
    for (const QString& form : message.forms) {
        if (form.isEmpty()) return QStringLiteral("an empty form");
        // A plural form for one (or two) may say its count in words; the last,
        // general form always shows the number.
        QStringList wanted = placeholdersOf(message.source);
        if (message.numerus && &form != &message.forms.back() && !form.contains(u"%n"))
            wanted.removeAll(QStringLiteral("%n"));
        if (placeholdersOf(form) != wanted)
            return QStringLiteral("placeholders %1 in \"%2\"").arg(placeholdersOf(form).join(u' '), form);
        if (acceleratorsOf(message.source) != acceleratorsOf(form))
            return QStringLiteral("%1 mnemonics in \"%2\"").arg(acceleratorsOf(form)).arg(form);
        // Japanese and Korean interfaces end an exclamation with a full stop.
        const QString sourceEnding = endingOf(message.source), formEnding = endingOf(form);
        const bool softened = (language == u"ja" || language == u"ko") && sourceEnding.startsWith(u'!') &&
                              formEnding == QString(sourceEnding).replace(0, 1, u'.');
        if (sourceEnding != formEnding && !softened)
            return QStringLiteral("ends in \"%1\" in \"%2\"").arg(endingOf(form), form);
    }
    return {};
}

}  // namespace

class I18nTest : public QObject {
    Q_OBJECT
private slots:
    void everyLanguageIsWhole_data();
    void everyLanguageIsWhole();
    void windowSpeaksTheInstalledLanguage();
    void qtTextsSpeakTheSameLanguage_data();
    void qtTextsSpeakTheSameLanguage();
    void englishLoadsNoTranslation();
    void fileNamesInARightToLeftMessageReadLeftToRight();
    void mirroredMemoryListKeepsNumbersInOrder();
    void rightToLeftMirrorsTheMenusButNotTheCalculator();
};

void I18nTest::everyLanguageIsWhole_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(TRELLUM_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << language;
}

// Every translation keeps its source's placeholders, its one mnemonic and its
// end punctuation, and a plural message has every form its language needs
// (lupdate lays them out; translations.complete keeps the files as it does),
// each filled. Every text the library names (messages, captions, the tray tip),
// every spoken text of the key table and every name of the starter constants
// has its translation: a text nobody marked for lupdate has none in any
// language. The program's
// own translation turns Qt right to left for Arabic and Hebrew, also where
// Qt's translations are not installed, and back when it goes.
void I18nTest::everyLanguageIsWhole()
{
    QFETCH(QString, language);
    const QList<TsMessage> messages = readTs(QStringLiteral(TRELLUM_TS_DIR "/trellum_%1.ts").arg(language));
    QVERIFY(!messages.isEmpty());
    QStringList faults;
    for (const TsMessage& message : messages) {
        if (const QString found = disagreement(message, language); !found.isEmpty())
            faults.append(QStringLiteral("%1 \"%2\": %3").arg(message.context, message.source, found));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/trellum_%1.qm").arg(language)));
    std::vector<std::pair<const char*, const char*>> texts;   // context, source
    for (std::size_t i = 0; i < kMessageCount; ++i)
        texts.emplace_back(kTextContext, messageText(static_cast<Message>(i)));
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        texts.emplace_back(kTextContext, captionText(static_cast<Caption>(i)));
    texts.emplace_back(kTextContext, trayTipText(TrayTip::Hidden));
    for (const KeyRow& row : keyTable()) {
        if (row.group == KeyGroup::Digit && row.key != Key::Point) continue;   // a digit is its own name
        for (const char* text : {row.accessibleName, row.note, row.withShift, row.secondFunctions})
            if (text) texts.emplace_back("Keys", text);
    }
    // The starter library's names, which a user's first library takes in their language.
    const std::vector<std::string> starterNames = readConstantsFile(TRELLUM_STARTER_CONSTANTS).names;
    QVERIFY(!starterNames.empty());
    for (const std::string& name : starterNames) texts.emplace_back("Constants", name.c_str());
    for (const auto& [context, text] : texts) {
        const QString translated = translator.translate(context, text);
        QVERIFY2(!translated.isEmpty(), text);
    }

    QCoreApplication::installTranslator(&translator);
    const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(direction, QLocale(language).textDirection());
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
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
    }
    // A message is translated by its name, and a file name filled in stays as it is.
    QCOMPARE(shell::translated(Message::ConstantsChangedMeanwhile, {"/tmp/%2.txt.changed"}),
             QStringLiteral("Die Konstantendatei wurde von einem anderen Programm geändert, während diese Liste "
                            "offen war. Diese Fassung wurde als /tmp/%2.txt.changed aufbewahrt."));
    QCOMPARE(shell::translated(TrayTip::Hidden), QStringLiteral("Trellum (ausgeblendet)"));
    // Counts take the language's plural forms.
    QCOMPARE(shell::spokenNumber(spokenNumberOf("(- 1")), QStringLiteral("1 offene Klammer"));
    QCOMPARE(shell::spokenNumber(spokenNumberOf("(- 3")), QStringLiteral("3 offene Klammern"));
    QCoreApplication::removeTranslator(&translator);
}

void I18nTest::qtTextsSpeakTheSameLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "sv", "pt_PT"}) QTest::newRow(language) << QString::fromLatin1(language);
}

// Qt's standard buttons, its line edit's menu and the key names of the menus'
// shortcuts come from Qt's own translations (qt6-translations-l10n), in the
// program's language: from the older whole catalogue qt_LANG where Debian has
// no qtbase_LANG (Swedish, Portugal's Portuguese).
void I18nTest::qtTextsSpeakTheSameLanguage()
{
    QFETCH(QString, language);
    LocaleScope scope(language.toUtf8() + ".UTF-8");
    QCOMPARE(shell::installTranslators(*qApp, kProgramFolder), language);
    QCOMPARE(LocaleScope::translators(), 2);
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    QVERIFY2(undo != u"&Undo", qPrintable(undo));
    if (language != u"de") return;
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    SettingsStore settings;
    shell::MainWindow window(settings);
    // The tip names the shortcut as the menu shows it.
    QCOMPARE(window.findChild<QAction*>("shrinkAction")->toolTip(),
             QStringLiteral("Nur die Anzeige; erneutes Strg+S blendet das Tastenfeld wieder ein"));
}

// An English locale costs nothing at start-up: no file is even looked for.
void I18nTest::englishLoadsNoTranslation()
{
    LocaleScope scope("en_GB.UTF-8");
    QCOMPARE(shell::installTranslators(*qApp, kProgramFolder), QString());
    QCOMPARE(LocaleScope::translators(), 0);
}

// Every text of a right-to-left language reads right to left, also where it
// begins with a Latin word or a file name; the copy's file name inside one
// keeps its own order: the leading "/" drawn left of the name, not at its far end.
void I18nTest::fileNamesInARightToLeftMessageReadLeftToRight()
{
    const LocaleScope scope("ar");
    QCOMPARE(shell::installTranslators(*qApp, kProgramFolder), QStringLiteral("ar"));
    const QString name = QStringLiteral("/tmp/c.txt.changed");
    const QString line = shell::translated(Message::ConstantsChangedMeanwhile, {"/tmp/c.txt.changed"});
    for (const QString& text : {line, QCoreApplication::translate("Dialogs", "Trellum Version %1"),
                                shell::translated(TrayTip::Hidden)})
        QVERIFY2(text.isRightToLeft(), qPrintable(text));
    QVERIFY2(!line.contains(u"The"), qPrintable(line));
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
    MemoryDialog memory(Caption::SaveNumber, slotTexts);
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
