// SPDX-License-Identifier: MIT
// What a screen reader finds in the real window (offscreen): spoken key names
// and descriptions, the display as a text in words, and what is said: each new
// result and indicator, nothing while digits are typed.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include <QtTest>
#include <QtWidgets>

#include "app/constants_dialog.h"
#include "app/key_table.h"
#include "app/memory_dialog.h"
#include "shell/accessibility.h"
#include "shell/dialogs/dialogs.h"
#include "shell/main_window.h"
#include "storage/settings_store.h"
#include "testing/recording_toolkit.h"
#include "patience.h"

using trellum::SettingsStore;
using trellum::shell::MainWindow;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void keysHaveSpokenNames();
    void displayIsATextInWords();
    void whatIsSaid_data();
    void whatIsSaid();
    void focusKeyAndWindowAreFound();
    void unavailableMenuItemSaysWhy();
    void dialogListsAreNamed();
};

void AccessibilityTest::keysHaveSpokenNames()
{
    SettingsStore settings;
    MainWindow window(settings);
    QSet<QString> names;
    for (QPushButton* key : window.keys()) {
        QVERIFY2(!key->accessibleName().isEmpty(), qPrintable(key->objectName()));
        QVERIFY2(!key->accessibleDescription().isEmpty(), qPrintable(key->objectName()));
        QVERIFY2(!key->toolTip().isEmpty() || key->objectName().startsWith(u"digit"), qPrintable(key->objectName()));
        names.insert(key->accessibleName());
    }
    QCOMPARE(names.size(), static_cast<qsizetype>(window.keys().size()));
    // Each key's name is its own, and the legends read as the second functions they print.
    QCOMPARE(window.findChild<QPushButton*>("ln")->accessibleName(), QStringLiteral("natural logarithm"));
    QCOMPARE(window.findChild<QLabel*>("arcSineLegend")->accessibleName(), QStringLiteral("arc sine"));
    QCOMPARE(window.findChild<QPushButton*>("sin")->toolTip(), QStringLiteral("sine (F7)"));
    QCOMPARE(window.findChild<QPushButton*>("sin")->accessibleDescription(),
             QStringLiteral("F7; with shift: arc sine; with hyp: hyperbolic sine; "
                            "with shift and hyp: inverse hyperbolic sine"));
}

void AccessibilityTest::displayIsATextInWords()
{
    SettingsStore settings;
    MainWindow window(settings);
    window.calculator().start();
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(window.lcd());
    QVERIFY(display && display->textInterface());
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("Display"));
    QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()), QStringLiteral("0"));
    QCOMPARE(display->text(QAccessible::Description), QStringLiteral("degrees"));
    for (const char* key : {"digit1", "point", "digit5", "exponent", "digit7", "changeSign",
                            "shift", "mode"})
        QTest::mouseClick(window.findChild<QPushButton*>(key), Qt::LeftButton);
    QCOMPARE(display->textInterface()->text(0, display->textInterface()->characterCount()),
             QStringLiteral("1.5 times ten to the power -7"));
    QCOMPARE(display->text(QAccessible::Description), QStringLiteral("shift, radians"));
    // The letters are folded into the description, not listed as children.
    QCOMPARE(display->childCount(), 0);
    // A reviewing screen reader reads what lies on the screen, placed by its
    // characters: the display's words lie on the panel, left to right.
    QAccessibleTextInterface* text = display->textInterface();
    const QRect panel(window.lcd()->mapToGlobal(QPoint(0, 0)), window.lcd()->size());
    int left = panel.left() - 1;
    for (int i = 0; i < text->characterCount(); ++i) {
        const QRect place = text->characterRect(i);
        QVERIFY2(!place.isEmpty() && panel.contains(place), qPrintable(QString::number(i)));
        QVERIFY2(place.left() > left, qPrintable(QString::number(i)));
        left = place.left();
    }
    QVERIFY(text->characterRect(text->characterCount()).isEmpty());
}

void AccessibilityTest::whatIsSaid_data()
{
    QTest::addColumn<QStringList>("keys");           // object names clicked, or strokes typed on "="
    QTest::addColumn<QStringList>("displayTexts");   // text updates of the display
    QTest::addColumn<QStringList>("announced");      // insertions into the "=" key
    const auto row = [](const char* name, QStringList keys, QStringList texts, QStringList announced) {
        QTest::newRow(name) << keys << texts << announced;
    };
    row("typing says nothing", {"digit2", "digit5", "add", "digit3"}, {}, {});
    row("a result after =", {"digit2", "digit5", "add", "digit3", "equals"},
        {"28"}, {"28"});
    row("shift on and off", {"shift", "shift"}, {}, {"shift", "shift off"});
    // The window modes change nothing on the display, yet a screen reader user
    // must hear them: the window gone from under the focus, the keypad gone.
    row("compact and back", {"Ctrl+S", "Ctrl+S"}, {}, {"compact window", "full window"});
    // No notification area offscreen: the window goes to the task bar instead.
    row("Esc hides", {"Esc"}, {}, {"minimised"});
    // News that comes while "=" lacks the focus (a dialog open, a message box)
    // is told when the key has it back, not lost to a reader looking
    // elsewhere; of several, only the latest.
    row("news waits for the focus", {"away", "digit9", "squareRoot", "mode", "back"}, {"3"}, {"radians"});
}

// What a screen reader hears: the display's own events for any client, and
// the announcements through the focused "=" key, which Orca speaks.
void AccessibilityTest::whatIsSaid()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, displayTexts);
    QFETCH(QStringList, announced);
    SettingsStore settings;
    MainWindow window(settings);
    QStringList texts;
    QStringList said;
    window.displaySpeech().isListening = [] { return true; };
    window.displaySpeech().eventSink = [&](QAccessibleEvent& event) {
        if (event.object() == window.lcd() && event.type() == QAccessible::TextUpdated)
            texts.append(static_cast<QAccessibleTextUpdateEvent&>(event).textInserted());
        if (event.object() != window.equalKey()) return;
        QCOMPARE(event.type(), QAccessible::TextInserted);
        // The key's text is the news when the event is sent, all of it selected.
        QAccessibleTextInterface* text = event.accessibleInterface()->textInterface();
        const QString inserted = static_cast<QAccessibleTextInsertEvent&>(event).textInserted();
        QCOMPARE(text->text(0, text->characterCount()), inserted);
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, static_cast<int>(inserted.size())));
        said.append(inserted);
    };
    window.calculator().start();
    window.show();   // the first picture of the display is not news
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window, kPatienceMs));
    QVERIFY(window.equalKey()->hasFocus());
    QLineEdit elsewhere;   // "away" gives it the focus, as a dialog takes it; "back" returns it
    // A key's object name is clicked, anything else typed on "=".
    for (const QString& key : keys) {
        if (key == u"away") {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere, kPatienceMs));
        } else if (key == u"back") {
            elsewhere.hide();
            window.activateWindow();
        } else if (QPushButton* button = window.findChild<QPushButton*>(key)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            const QKeyCombination stroke = QKeySequence::fromString(key)[0];
            QTest::keyClick(window.equalKey(), stroke.key(), stroke.keyboardModifiers());
        }
    }
    QCOMPARE(texts, displayTexts);
    QTRY_COMPARE_WITH_TIMEOUT(said, announced, kPatienceMs);
}

void AccessibilityTest::focusKeyAndWindowAreFound()
{
    SettingsStore settings;
    MainWindow window(settings);
    window.calculator().start();
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(window.equalKey());
    QCOMPARE(key->role(), QAccessible::Button);
    QCOMPARE(key->text(QAccessible::Name), QStringLiteral("equals"));
    // Asking where one is tells the number the key works on.
    QCOMPARE(key->text(QAccessible::Description), QStringLiteral("Enter; Display 0"));
    QVERIFY(key->state().focusable);
    QTest::mouseClick(window.findChild<QPushButton*>("digit4"), Qt::LeftButton);
    QCOMPARE(key->text(QAccessible::Description), QStringLiteral("Enter; Display 4"));
    QTest::mouseClick(window.findChild<QPushButton*>("square"), Qt::LeftButton);
    QVERIFY(key->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(window.lcd()->text().trimmed(), QStringLiteral("16."));
    QCOMPARE(key->text(QAccessible::Description), QStringLiteral("Enter; Display 16"));
}

void AccessibilityTest::unavailableMenuItemSaysWhy()
{
    SettingsStore settings;
    MainWindow window(settings);
    const QString reason = QStringLiteral("Not here");
    trellum::shell::explainUnavailable(window.alwaysOnTopAction(), reason);
    window.alwaysOnTopAction()->setChecked(true);   // the stored choice stays shown
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window.settingsMenu());
    QAccessibleInterface* item = nullptr;
    for (int i = 0; i < menu->childCount(); ++i)
        if (menu->child(i)->text(QAccessible::Name) == u"Always On Top") item = menu->child(i);
    QVERIFY(item);
    QCOMPARE(item->text(QAccessible::Description), reason);
    QCOMPARE(item->role(), QAccessible::MenuItem);
    QVERIFY(item->state().disabled);
    QVERIFY(item->state().checked);
    QCOMPARE(item->parent()->object(), window.settingsMenu());
    QCOMPARE(menu->indexOfChild(item),
             static_cast<int>(window.settingsMenu()->actions().indexOf(window.alwaysOnTopAction())));
    QVERIFY(item->actionInterface()->actionNames().isEmpty());
    QCOMPARE(window.alwaysOnTopAction()->toolTip(), reason);
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
    trellum::MemoryDialog memory(trellum::Caption::RetrieveNumber,
                                 {"1.5E-07", "42.", "0", "0", "0", "0", "0", "0", "0", "-3."});
    auto memWindow = trellum::shell::makeMemoryWindow(nullptr, memory, QIcon());
    const QStringList memoryLines = spokenList(memWindow->findChild<QListWidget*>("slotList"));
    QCOMPARE(memoryLines.value(0), QStringLiteral("Memory slots"));
    QCOMPARE(memoryLines.value(1), QStringLiteral("slot 1 holds 1.5 times ten to the power -7|"));
    QCOMPARE(memoryLines.value(2), QStringLiteral("slot 2 holds 42|"));
    QCOMPARE(memoryLines.value(10), QStringLiteral("slot 10 holds -3|"));

    QTemporaryDir dir;
    const std::string library = dir.filePath("constants.txt").toStdString();
    std::ofstream(library, std::ios::binary) << "This file constains constants for Trellum:\r\n"
                                             << std::string(48, '=') << "\r\ng = 9.80665\r\nc = 299792458\r\n";
    trellum::RecordingToolkit toolkit;
    trellum::ConstantsDialog constants(toolkit, library);
    auto constWindow = trellum::shell::makeConstantsWindow(nullptr, constants, QIcon());
    QCOMPARE(spokenList(constWindow->findChild<QListWidget*>("constantList")),
             (QStringList{"Constants", "g|9.80665", "c|299792458"}));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
