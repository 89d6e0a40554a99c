// SPDX-License-Identifier: MIT
// What a screen reader finds in the real window (offscreen): the display's
// words placed on the panel, the number told on "=", why a greyed item is
// greyed, and what is said: each new result and indicator, nothing while
// digits are typed.

#include <memory>

#include <QtTest>
#include <QtWidgets>

#include "shell/accessibility.h"
#include "shell/main_window.h"
#include "storage/settings_store.h"
#include "patience.h"

using trellum::SettingsStore;
using trellum::shell::MainWindow;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void displayWordsLieOnThePanel();
    void whatIsSaid_data();
    void whatIsSaid();
    void equalsKeyTellsTheNumber();
    void unavailableMenuItemSaysWhy();

private:
    void click(const char* key) { QTest::mouseClick(m_window->findChild<QPushButton*>(key), Qt::LeftButton); }

    SettingsStore m_settings;   // in memory
    std::unique_ptr<MainWindow> m_window;
};

void AccessibilityTest::init()
{
    m_window = std::make_unique<MainWindow>(m_settings);
}

// A reviewing screen reader reads what lies on the screen, placed by its
// characters: the display's words lie on the panel, left to right.
void AccessibilityTest::displayWordsLieOnThePanel()
{
    m_window->calculator().start();
    for (const char* key : {"digit1", "point", "digit5", "exponent", "digit7", "changeSign"}) click(key);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(m_window->lcd())->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("1.5 times ten to the power -7"));
    const QRect panel(m_window->lcd()->mapToGlobal(QPoint(0, 0)), m_window->lcd()->size());
    int left = panel.left() - 1;
    for (int i = 0; i < text->characterCount(); ++i) {
        const QRect place = text->characterRect(i);
        QVERIFY2(!place.isEmpty() && panel.contains(place), qPrintable(QString::number(i)));
        QVERIFY2(place.left() > left, qPrintable(QString::number(i)));
        left = place.left();
    }
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
    row("a result after =", {"digit2", "digit5", "add", "digit3", "equals"}, {"28"}, {"28"});
    row("shift on and off", {"shift", "shift"}, {}, {"shift", "shift off"});
    // The window modes change nothing on the display, yet a screen reader user
    // must hear them: the window gone from under the focus, the keypad gone.
    row("compact and back", {"Ctrl+S", "Ctrl+S"}, {}, {"compact window", "full window"});
    row("Esc hides", {"Esc"}, {}, {"minimised"});   // no notification area offscreen
    // News that comes while "=" lacks the focus (a dialog open, a message box)
    // is told when the key has it back; of several, only the latest.
    row("news waits for the focus", {"away", "digit9", "squareRoot", "mode", "back"}, {"3"}, {"radians"});
}

// What a screen reader hears: the display's own events for any client, and
// the announcements through the focused "=" key, which Orca speaks.
void AccessibilityTest::whatIsSaid()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, displayTexts);
    QFETCH(QStringList, announced);
    MainWindow& window = *m_window;
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
    QLineEdit elsewhere;   // "away" gives it the focus, as a dialog takes it; "back" returns it
    for (const QString& key : keys) {
        if (key == u"away") {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere, kPatienceMs));
        } else if (key == u"back") {
            elsewhere.hide();
            window.activateWindow();
        } else if (window.findChild<QPushButton*>(key)) {
            click(qPrintable(key));
        } else {
            const QKeyCombination stroke = QKeySequence::fromString(key)[0];
            QTest::keyClick(window.equalKey(), stroke.key(), stroke.keyboardModifiers());
        }
    }
    QCOMPARE(texts, displayTexts);
    QTRY_COMPARE_WITH_TIMEOUT(said, announced, kPatienceMs);
}

// Asking where one is on "=" tells the number the key works on.
void AccessibilityTest::equalsKeyTellsTheNumber()
{
    m_window->calculator().start();
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(m_window->equalKey());
    click("digit4");
    QCOMPARE(key->text(QAccessible::Description), QStringLiteral("Enter; Display 4"));
}

void AccessibilityTest::unavailableMenuItemSaysWhy()
{
    const QString reason = QStringLiteral("Not here");
    trellum::shell::explainUnavailable(m_window->alwaysOnTopAction(), reason);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(m_window->settingsMenu());
    QAccessibleInterface* item = nullptr;
    for (int i = 0; i < menu->childCount(); ++i)
        if (menu->child(i)->text(QAccessible::Name) == u"Always On Top") item = menu->child(i);
    QVERIFY(item);
    QCOMPARE(item->text(QAccessible::Description), reason);
    QVERIFY(item->state().disabled);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
