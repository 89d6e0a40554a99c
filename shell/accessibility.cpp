// SPDX-License-Identifier: MIT
#include "shell/accessibility.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include <QAccessible>
#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QCoreApplication>
#include <QWidget>

#include "app/calculator.h"
#include "app/key_table.h"
#include "shell/i18n.h"
#include "shell/keyboard.h"
#include "shell/main_window.h"
#include "shell/qt_strings.h"

namespace trellum::shell {

namespace {

QString trKeys(const char* text) { return QCoreApplication::translate("Keys", text); }

QString trSpeech(const char* text) { return QCoreApplication::translate(kSpeechContext, text); }

// The window's DisplaySpeech; none while the window is built or torn down.
const DisplaySpeech* speechOf(const QWidget* widget)
{
    const auto* window = qobject_cast<const MainWindow*>(widget->window());
    return window ? window->speech() : nullptr;
}

// A plain read-only text for a widget's interface: no caret, no editing, and
// either nothing or all of it selected.
class ReadOnlyText : public QAccessibleTextInterface {
public:
    virtual QString plainText() const = 0;

    QString text(int startOffset, int endOffset) const override
    {
        return plainText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(plainText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = m_allSelected ? characterCount() : 0;
    }
    int selectionCount() const override { return m_allSelected && characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

protected:
    explicit ReadOnlyText(bool allSelected) : m_allSelected(allSelected) {}

private:
    bool m_allSelected;
};

// The display as a read-only text: name "Display", text the spoken number,
// description the lit indicators, both as the window's DisplaySpeech last heard
// them from the calculator. Its indicator and exponent labels are folded into
// it rather than listed as letters.
class DisplayAccessible : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit DisplayAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText), ReadOnlyText(false)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        //: Accessible name of the calculator's display panel, said before its number.
        case QAccessible::Name: return QCoreApplication::translate("Display", "Display");
        case QAccessible::Description: return speech() ? litWords(speech()->litIndicators()) : QString();
        case QAccessible::Value: return plainText();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString plainText() const override { return speech() ? speech()->spokenNumber() : QString(); }
    using QAccessibleWidget::text;

    // The words spread over the panel from left to right, in screen
    // coordinates: a reviewing screen reader places the text by them, and a
    // text without a place is not on the screen to it.
    QRect characterRect(int offset) const override
    {
        const int count = characterCount();
        if (offset < 0 || offset >= count) return {};
        const QRect panel(widget()->mapToGlobal(QPoint(0, 0)), widget()->size());
        const int left = panel.left() + panel.width() * offset / count;
        const int right = panel.left() + panel.width() * (offset + 1) / count;
        return {left, panel.top(), std::max(1, right - left), panel.height()};
    }

private:
    const DisplaySpeech* speech() const { return speechOf(widget()); }
};

// The "=" key, which holds the keyboard focus. Screen readers speak text
// changes of the focused object only (Orca ignores the display, a label), so
// the key also carries a text: the latest news of the display, inserted and
// selected as a calculator selects a new result, which is what makes it heard.
class FocusKeyAccessible : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit FocusKeyAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button), ReadOnlyText(true) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        s.readOnly = true;
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QString plainText() const override { return m_news; }
    using ReadOnlyText::text;

    // The description ends in the number on the display, so asking where one
    // is ("equals, push button, Enter; Display 42") tells the value the
    // key would work on. Screen readers ask for it afresh each time.
    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        const DisplaySpeech* speech = speechOf(widget());
        if (t != QAccessible::Description || !speech || speech->spokenNumber().isEmpty()) return text;
        if (!text.isEmpty()) text += QStringLiteral("; ");
        //: Said after the "=" key's description: the number on the display, %1, which that key would work on.
        //: "Display" names the calculator's display panel.
        return text + QCoreApplication::translate("Display", "Display %1").arg(speech->spokenNumber());
    }

    // Replaces the news. Only the insertion is reported: a reader told that
    // the selected old news was deleted says "selection deleted" first.
    void announce(const QString& news, const std::function<void(QAccessibleEvent&)>& send)
    {
        m_news = news;
        QAccessibleTextInsertEvent event(widget(), 0, news);
        send(event);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString m_news;
};

// The reason a menu item is unavailable, kept on the item for its interface.
constexpr char kUnavailableReason[] = "trellumUnavailableReason";

// A greyed menu item that says why it is greyed: Qt's menu items have no
// description, so this one stands in for the whole item. Menus find it through
// the factory, as they look their items up there first.
class ExplainedMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit ExplainedMenuItem(QAction* item) : m_item(item) {}

    bool isValid() const override { return m_item && menu(); }
    QObject* object() const override { return m_item; }
    QWindow* window() const override { return menu() ? menu()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return QString(m_item->text()).remove(u'&');
        case QAccessible::Description: return m_item->property(kUnavailableReason).toString();
        case QAccessible::Accelerator: return m_item->shortcut().toString();
        default: return {};
        }
    }

    QRect rect() const override
    {
        QMenu* owner = menu();
        if (!owner) return {};
        const QRect place = owner->actionGeometry(m_item);
        return {owner->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !m_item->isVisible() || !menu() || !menu()->isVisible();
        s.disabled = !m_item->isEnabled();
        s.checkable = m_item->isCheckable();
        s.checked = m_item->isChecked();
        s.focused = menu() && menu()->activeAction() == m_item;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return m_item->isEnabled() ? QStringList{pressAction()} : QStringList{}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && m_item->isEnabled()) m_item->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu() const
    {
        if (!m_item) return nullptr;
        for (QObject* owner : m_item->associatedObjects())
            if (auto* found = qobject_cast<QMenu*>(owner)) return found;
        return nullptr;
    }

    QPointer<QAction> m_item;
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == u"QAction" && object && object->property(kUnavailableReason).isValid())
        return new ExplainedMenuItem(static_cast<QAction*>(object));
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == u"trellum::shell::LcdPanel") return new DisplayAccessible(widget);
    if (className == u"trellum::shell::EqualKey") return new FocusKeyAccessible(widget);
    // A plain frame would read as a window of its own ("frame"), and a reviewing
    // screen reader would take the keypad for the whole window, without the display.
    if (className == u"trellum::shell::ClickFrame") return new QAccessibleWidget(widget, QAccessible::Grouping);
    // A plain widget would read as a pane ("filler"); the calculator is a window.
    if (className == u"trellum::shell::MainWindow") return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

void describeKey(QWidget* widget, Key key)
{
    const KeyRow& row = rowOf(key);
    widget->setAccessibleName(trKeys(row.accessibleName));
    QStringList parts;
    if (const KeyboardName keyboard = keyboardNameOf(key); keyboard.text) {
        parts.append(QCoreApplication::translate("Keys", keyboard.text, keyboard.disambiguation));
        // The tip tells a mouse user which keyboard key does the same; a digit's is itself.
        if (qstrcmp(keyboard.text, row.accessibleName) != 0) {
            //: Tool tip of a calculator key: %1 is what the key does, as its spoken name ("sine"), %2 the
            //: keyboard key that presses it ("F7"), both translated elsewhere.
            const QString tip = QCoreApplication::translate("Keys", "%1 (%2)");
            widget->setToolTip(tip.arg(widget->accessibleName(), parts.back()));
        }
    }
    if (row.note) parts.append(trKeys(row.note));
    if (row.secondFunctions) parts.append(trKeys(row.secondFunctions));
    widget->setAccessibleDescription(parts.join(QStringLiteral("; ")));
}

bool describeLegend(QWidget* legend, Key keyBelow)
{
    const KeyRow& below = rowOf(keyBelow);
    if (!below.withShift) return false;
    legend->setAccessibleName(trKeys(below.withShift));
    return true;
}

void explainUnavailable(QAction* item, const QString& reason)
{
    item->setEnabled(false);
    item->setToolTip(reason);
    item->setProperty(kUnavailableReason, reason);
}

QString spokenNumber(const SpokenNumber& number)
{
    if (number.bracketLevel) {
        //: Spoken for the display while brackets are open and no number is typed yet: %n is how many are open.
        return translatedPlural("Display", QT_TRANSLATE_N_NOOP("Display", "%n open bracket(s)"), nullptr,
                                number.openBrackets);
    }
    const QString digits = QString::fromLatin1(number.digits);
    if (number.powerOfTen.empty()) return digits;
    //: Spoken for a number with an exponent, 1.5E-07: %1 the digits before the exponent (1.5), %2 the
    //: power of ten (-7).
    return QCoreApplication::translate("Display", "%1 times ten to the power %2")
        .arg(digits, QString::fromLatin1(number.powerOfTen));
}

QString litWords(const Indicators& lit)
{
    QStringList words;
    for (const Indicator indicator : lit) words.append(trSpeech(litWord(indicator)));
    return words.join(QStringLiteral(", "));
}

void installAccessibility()
{
    // Qt keeps one list of factories per process; adding ours twice would only
    // make it asked twice.
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}

DisplaySpeech::DisplaySpeech(QWidget* display, QWidget* focusKey) : m_display(display), m_focusKey(focusKey)
{
    focusKey->installEventFilter(this);
}

// News that came while "=" lacked the focus (a dialog's choice, a message box)
// is told once the key has it back: a screen reader speaks only changes of the
// focused object, and takes the focus only after Qt has announced it.
bool DisplaySpeech::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_focusKey && event->type() == QEvent::FocusIn && !m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &DisplaySpeech::announcePending, Qt::QueuedConnection);
    return false;
}

void DisplaySpeech::say(const QString& news)
{
    if (!listening() || !m_focusKey->hasFocus()) return;
    if (auto* key = dynamic_cast<FocusKeyAccessible*>(QAccessible::queryAccessibleInterface(m_focusKey)))
        key->announce(news, [this](QAccessibleEvent& e) { send(e); });
}

void DisplaySpeech::announcePending()
{
    if (m_pending.isEmpty() || !m_focusKey->hasFocus()) return;
    if (auto* key = dynamic_cast<FocusKeyAccessible*>(QAccessible::queryAccessibleInterface(m_focusKey)))
        key->announce(std::exchange(m_pending, QString()), [this](QAccessibleEvent& e) { send(e); });
}

bool DisplaySpeech::listening() const { return isListening ? isListening() : QAccessible::isActive(); }

void DisplaySpeech::send(QAccessibleEvent& event)
{
    if (eventSink)
        eventSink(event);
    else
        QAccessible::updateAccessibility(&event);
}

void DisplaySpeech::refresh(const DisplayState& shown)
{
    // Compared with what the previous key left, so a result equal to the
    // number just typed is not read out again, and typing says nothing.
    const QString text = shell::spokenNumber(spokenNumberOf(shown));
    const QString before = std::exchange(m_lastText, text);
    const Indicators lit = litIndicatorsOf(shown);
    const Indicators litBefore = std::exchange(m_lastLit, lit);
    // The first picture of the display is what the window shows, not news.
    if (!std::exchange(m_primed, true) || !listening()) return;

    const bool newResult = shown.finishedValue && text != before;
    QStringList announcement;
    if (newResult) {
        QAccessibleTextUpdateEvent event(m_display, 0, before, text);
        send(event);
        announcement.append(text);
    }
    if (lit != litBefore) {
        QAccessibleEvent event(m_display, QAccessible::DescriptionChanged);
        send(event);
        for (const char* news : indicatorNews(litBefore, lit, newResult)) announcement.append(trSpeech(news));
    }
    if (announcement.isEmpty()) return;
    // Only the latest news is worth telling when the focus comes back.
    m_pending = announcement.join(QStringLiteral(", "));
    announcePending();
}

}  // namespace trellum::shell
