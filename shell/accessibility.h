#pragma once
// What a screen reader says about the calculator. Keys are named as a person
// would say them ("square root", not "√") with their keyboard key and what
// SHIFT and hyp make of them; the display is a text holding the shown number
// in words a speech synthesiser reads correctly ("1.5 times ten to the power -7"),
// described by its lit indicators.
//
//   MainWindow::buildKeypad -> DescribeKey (the key table's name and keyboard key,
//                              plus SHIFT/hyp variants by control and Index)
//   MainWindow::render      -> DisplaySpeech::refresh -> accessibility events
//   AT-SPI client           -> DisplayAccessible (the display's interface)

#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

class QAccessibleEvent;
class QWidget;

namespace trellum::shell {

// Names a keypad key as the key table (app/key_table.h) names it and describes
// it by the keyboard key the table gives it and what SHIFT and hyp make of it.
// Keys are found by control name and Index (-1 for a key that is not in a
// control array). Returns false for a key the table does not know.
bool DescribeKey(QWidget* key, const char* control, int16_t index);

// The key table's names as listed here for translation (lupdate cannot read
// the library), for the test that checks the list is complete.
const std::vector<const char*>& ListedKeyNames();

// Names a legend above a key ("10^x", "sin\u00AD\u00B9") by what SHIFT makes of
// the key below it, the same words as that key's description.
bool DescribeLegend(QWidget* legend, const char* control);

// The keyboard key that presses a keypad key, as Qt names it for typing (for
// the tests that check the descriptions against the keyboard map): a Qt::Key,
// with Qt::KeypadModifier where the keypad key is meant. 0 when there is none.
int KeyboardKeyOf(const char* control, int16_t index);

// A number text ("42.", "1.5E-07", "-2.5") as it is read out: the digits as
// shown, without the trailing point of a whole number, and an exponent in words.
// The bracket-level text ("(- 2") reads as the open bracket count.
QString SpokenNumber(const QString& numberText);

// Registers the display's accessibility interface with Qt; cheap and idempotent.
void InstallAccessibility();

// Sends the display's accessibility events: a text change when a new finished
// value is shown (a result after "=" or a function key, a recalled value, a
// cleared display), not while digits are typed and not on repaints; a
// description change when an indicator goes on or off. Does nothing while no
// assistive technology listens.
class DisplaySpeech {
public:
    explicit DisplaySpeech(QWidget* display) : m_display(display) {}
    void refresh(bool finishedValue);

    // Whether an assistive technology listens, and where the events go: Qt's
    // accessibility bridge when unset. The offscreen platform has no bridge, so
    // widget tests set both to see the events.
    std::function<bool()> IsListening;
    std::function<void(QAccessibleEvent&)> Send;

private:
    void send(QAccessibleEvent& event);

    QWidget* m_display;
    QString m_lastText;         // the display as the previous refresh left it
    QString m_lastIndicators;
};

}  // namespace trellum::shell
