// What a screen reader finds in the real window (offscreen): spoken key names,
// descriptions whose keyboard key really presses the key, the display as a text
// in words, and its events: one per new result, none while digits are typed.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

#include <QtTest>
#include <QtWidgets>

#include "app/key_table.h"
#include "testing/recording_toolkit.h"
#include "shell/accessibility.h"
#include "shell/dialogs/dialogs.h"
#include "shell/main_window.h"
#include "storage/const_dialog.h"
#include "storage/mem_list_dialog.h"
#include "storage/settings_store.h"

using trellum::SettingsStore;
using trellum::shell::MainWindow;

namespace {

struct Heard {
    QAccessible::Event type;
    QString text;   // inserted text of a text update
};


// The window's state as the keys leave it: display, exponent and indicators,
// the titles of the modal windows that opened, and whether the window closed.
QString stateOf(MainWindow& window, const QStringList& modals, bool closed)
{
    QStringList lit;
    for (QLabel* label : window.lcd()->findChildren<QLabel*>())
        if (!label->isHidden()) lit.append(label->objectName() + u'=' + label->text());
    lit.sort();
    return window.lcd()->text() + u'|' + lit.join(u',') + u'|' + modals.join(u',') + (closed ? QStringLiteral("|closed") : QString());
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void spokenNumber_data();
    void spokenNumber();
    void keysHaveSpokenNames();
    void describedKeyboardKeyPressesTheKey_data();
    void describedKeyboardKeyPressesTheKey();
    void displayIsATextInWords();
    void displayEventsOnlyForNewResults();
    void dialogListsAreNamed();
};

void AccessibilityTest::spokenNumber_data()
{
    QTest::addColumn<QString>("numberText");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("whole number loses its point") << "42." << "42";
    QTest::newRow("reset display") << "0.  " << "0";
    QTest::newRow("negative fraction") << "-2.5" << "-2.5";
    QTest::newRow("negative exponent") << "1.5E-07" << "1.5 times ten to the power -7";
    QTest::newRow("whole mantissa, positive exponent") << "1.E15" << "1 times ten to the power 15";
    QTest::newRow("plus sign dropped") << "1E+100" << "1 times ten to the power 100";
    QTest::newRow("exponent being typed") << "5.E00" << "5 times ten to the power 0";
    QTest::newRow("minus zero exponent") << "5.E-00" << "5 times ten to the power 0";
    QTest::newRow("bracket level") << "(- 2" << "open brackets: 2";
    QTest::newRow("only a sign left") << "-." << "-0";
}

void AccessibilityTest::spokenNumber()
{
    QFETCH(QString, numberText);
    QFETCH(QString, spoken);
    QCOMPARE(trellum::shell::SpokenNumber(numberText), spoken);
}

void AccessibilityTest::keysHaveSpokenNames()
{
    SettingsStore settings;
    MainWindow window(settings);
    QSet<QString> names;
    for (QPushButton* key : window.keys()) {
        QVERIFY2(!key->accessibleName().isEmpty(), qPrintable(key->objectName()));
        QVERIFY2(!key->accessibleDescription().isEmpty(), qPrintable(key->objectName()));
        names.insert(key->accessibleName());
    }
    QCOMPARE(names.size(), static_cast<qsizetype>(window.keys().size()));
    // Every name of the key table reaches lupdate (digits are their own names).
    const std::vector<const char*>& listed = trellum::shell::ListedKeyNames();
    for (const trellum::KeyRow& row : trellum::KeyTable()) {
        const bool digit = std::strlen(row.accessibleName) == 1 && std::isdigit(static_cast<unsigned char>(row.accessibleName[0]));
        const bool found = std::any_of(listed.begin(), listed.end(),
                                       [&row](const char* name) { return std::strcmp(name, row.accessibleName) == 0; });
        QVERIFY2(digit || found, row.accessibleName);
    }
    // The captions a speech synthesiser read as nonsense.
    const std::pair<const char*, const char*> spoken[] = {
        {"cmdPowers_0", "square"},          {"cmdPowers_1", "square root"},
        {"cmdLogs_1", "natural logarithm"}, {"sscmdDot", "decimal point"},
        {"cmdBracket_0", "open bracket"},   {"cmdAngle", "degrees minutes seconds"},
        {"sscmdConst", "constants"},        {"cmdMem_0", "memory in"},
        {"cmdPowers_2", "x to the power y"},
    };
    for (const auto& [object, name] : spoken)
        QCOMPARE(window.findChild<QPushButton*>(object)->accessibleName(), QString::fromLatin1(name));
    // The legends read as the second functions they print.
    QCOMPARE(window.findChild<QLabel*>("Label1")->accessibleName(), QStringLiteral("ten to the power x"));
    QCOMPARE(window.findChild<QLabel*>("Label3")->accessibleName(), QStringLiteral("arc sine"));
    QCOMPARE(window.findChild<QPushButton*>("cmdTrigFunc_0")->accessibleDescription(),
             QStringLiteral("F7; with shift: arc sine; with hyp: hyperbolic sine; "
                            "with shift and hyp: inverse hyperbolic sine"));
}

void AccessibilityTest::describedKeyboardKeyPressesTheKey_data()
{
    QTest::addColumn<QString>("key");
    SettingsStore settings;
    MainWindow window(settings);
    for (QPushButton* key : window.keys()) QTest::newRow(qPrintable(key->objectName())) << key->objectName();
}

// The keyboard key a description names, typed, does what a click on the key
// does: the description and the keyboard map cannot drift apart.
void AccessibilityTest::describedKeyboardKeyPressesTheKey()
{
    QFETCH(QString, key);
    const auto run = [&key](bool typed) {
        SettingsStore settings;
        MainWindow window(settings);
        window.calculator().Form_Load();
        bool closed = false;
        connect(&window, &MainWindow::closed, &window, [&closed] { closed = true; });
        for (const char* setup : {"sscmdDigit_2", "sscmdOperator_1", "sscmdDigit_1", "sscmdDot", "sscmdDigit_5"})
            QTest::mouseClick(window.findChild<QPushButton*>(setup), Qt::LeftButton);
        // Dialogs and messages the key opens are noted and closed.
        QStringList modals;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&modals] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modals.append(modal->objectName() + u':' + modal->windowTitle());
                modal->close();
            }
        });
        closer.start(5);
        QPushButton* button = window.findChild<QPushButton*>(key);
        if (typed) {
            const auto [control, index] = [&key] {
                const qsizetype cut = key.lastIndexOf(u'_');
                return cut > 0 && key.at(cut + 1).isDigit()
                           ? std::pair{key.left(cut).toLatin1(), static_cast<int16_t>(key.mid(cut + 1).toInt())}
                           : std::pair{key.toLatin1(), static_cast<int16_t>(-1)};
            }();
            const int keyboard = trellum::shell::KeyboardKeyOf(control.constData(), index);
            if (keyboard == 0) return QStringLiteral("no keyboard key");
            QTest::keyClick(window.equalKey(), static_cast<Qt::Key>(keyboard & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(keyboard & Qt::KeyboardModifierMask));
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
        closer.stop();
        return stateOf(window, modals, closed);
    };
    const QString clicked = run(false);
    QCOMPARE(run(true), clicked);
}

void AccessibilityTest::displayIsATextInWords()
{
    SettingsStore settings;
    MainWindow window(settings);
    window.calculator().Form_Load();
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(window.lcd());
    QVERIFY(display && display->textInterface());
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("Display"));
    QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()), QStringLiteral("0"));
    QCOMPARE(display->text(QAccessible::Description), QStringLiteral("degrees"));
    for (const char* key : {"sscmdDigit_1", "sscmdDot", "sscmdDigit_5", "sscmdExp", "sscmdDigit_7", "cmdExtended_0",
                            "cmdShift", "cmdMode"})
        QTest::mouseClick(window.findChild<QPushButton*>(key), Qt::LeftButton);
    QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()),
             QStringLiteral("1.5 times ten to the power -7"));
    QCOMPARE(display->text(QAccessible::Description), QStringLiteral("shift, radians"));
    // The letters are folded into the description, not listed as children.
    QCOMPARE(display->childCount(), 0);
}

void AccessibilityTest::displayEventsOnlyForNewResults()
{
    std::vector<Heard> heard;
    {
        SettingsStore settings;
        MainWindow window(settings);
        window.displaySpeech().IsListening = [] { return true; };
        window.displaySpeech().Send = [&heard, &window](QAccessibleEvent& event) {
            QCOMPARE(event.object(), window.lcd());
            QString text;
            if (event.type() == QAccessible::TextUpdated)
                text = static_cast<QAccessibleTextUpdateEvent&>(event).textInserted();
            heard.push_back({event.type(), text});
        };
        window.calculator().Form_Load();
        const auto press = [&window](const char* key) {
            QTest::mouseClick(window.findChild<QPushButton*>(key), Qt::LeftButton);
        };
        const auto texts = [&heard] {
            QStringList t;
            for (const Heard& h : heard)
                if (h.type == QAccessible::TextUpdated) t.append(h.text);
            heard.clear();
            return t;
        };
        texts();
        for (const char* key : {"sscmdDigit_2", "sscmdDigit_5", "sscmdOperator_1", "sscmdDigit_3"}) press(key);
        QCOMPARE(texts(), QStringList{});
        press("sscmdEqual");
        QCOMPARE(texts(), QStringList{"28"});
        press("cmdPowers_0");
        QCOMPARE(texts(), QStringList{"784"});
        press("sscmdEqual");   // nothing new to say
        QCOMPARE(texts(), QStringList{});
        press("cmdShift");
        QCOMPARE(heard.size(), std::size_t{1});
        QCOMPARE(heard.front().type, QAccessible::DescriptionChanged);
    }
}

// What a screen reader says for the list and its lines (their accessible names).
QStringList spokenList(QListWidget* list)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
    QStringList spoken{iface->text(QAccessible::Name)};
    QAccessibleTableInterface* table = iface->tableInterface();
    for (int row = 0; table && row < table->rowCount(); ++row) {
        QAccessibleInterface* cell = table->cellAt(row, 0);
        spoken.append(cell->text(QAccessible::Name) + u'|' + cell->text(QAccessible::Description));
    }
    return spoken;
}

void AccessibilityTest::dialogListsAreNamed()
{
    int16_t choice = 0;
    trellum::MemListDialog memory(choice);
    memory.lstMem = {"1.5E-07", "42.", "0", "0", "0", "0", "0", "0", "0", "-3."};
    auto memWindow = trellum::shell::MakeMemListWindow(nullptr, memory, QIcon());
    const QStringList memoryLines = spokenList(memWindow->findChild<QListWidget*>("lstMem"));
    QCOMPARE(memoryLines.value(0), QStringLiteral("Memory slots"));
    QCOMPARE(memoryLines.value(1), QStringLiteral("slot 1: 1.5 times ten to the power -7|"));
    QCOMPARE(memoryLines.value(2), QStringLiteral("slot 2: 42|"));
    QCOMPARE(memoryLines.value(10), QStringLiteral("slot 10: -3|"));

    trellum::RecordingToolkit toolkit;
    trellum::ConstDialog constants(toolkit);
    constants.lstConst = {"g", "c"};
    constants.ConstValues = {"9.80665", "299792458", ""};
    auto constWindow = trellum::shell::MakeConstWindow(nullptr, constants, QIcon());
    QCOMPARE(spokenList(constWindow->findChild<QListWidget*>("lstConst")),
             (QStringList{"Constants", "g|9.80665", "c|299792458"}));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
