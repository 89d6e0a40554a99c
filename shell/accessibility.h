// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader says about the calculator. Keys are named as a person
// would say them ("square root", not "√") with their keyboard key and what
// SHIFT and hyp make of them; the display is a text holding the shown number
// in words a speech synthesiser reads correctly ("1.5 times ten to the power -7"),
// described by its lit indicators.
//
//   MainWindow::buildKeypad -> describeKey (the key table's name, keyboard key,
//                              note and SHIFT/hyp variants), describeLegend
//   MainWindow::render      -> DisplaySpeech::refresh(the calculator's DisplayState)
//                              -> what is worth saying (app/display_speech.h)
//                              -> the display's events, and an announcement
//                              through the focused "=" key
//   AT-SPI client           -> DisplayAccessible (the display's interface), which
//                              reads the state the DisplaySpeech last took

#include <functional>

#include <QObject>
#include <QString>

#include "app/display_speech.h"
#include "app/key.h"

class QAccessibleEvent;
class QAction;
class QWidget;

namespace trellum {
struct DisplayState;
}

namespace trellum::shell {

// Names a keypad key as the key table (app/key_table.h) names it and describes
// it by the keyboard key that presses it (keyboard.h), its note and what SHIFT
// and hyp make of it.
void describeKey(QWidget* widget, Key key);

// Names a legend above a key ("10^x", "sin\u00AD\u00B9") by what SHIFT makes of
// the key below it, the same words as that key's description. Returns false
// for a key without a SHIFT variant.
bool describeLegend(QWidget* legend, Key keyBelow);

// Greys out a menu item that cannot work here and says why, in its tip and as
// its accessible description, which Qt's own menu items lack.
void explainUnavailable(QAction* item, const QString& reason);

// A number as it is read out, in the user's language: "1.5 times ten to the
// power -7", "2 open brackets".
QString spokenNumber(const SpokenNumber& number);

// Registers the display's accessibility interface with Qt; cheap and idempotent.
void installAccessibility();

// The lit indicators as the display's description says them: "shift, degrees".
QString litWords(const Indicators& lit);

// Sends the display's accessibility events: a text change when a new finished
// value is shown (a result after "=" or a function key, a recalled value, a
// cleared display), not while digits are typed and not on repaints; a
// description change when an indicator goes on or off. Screen readers speak
// only what changes on the focused object, so the same news is announced
// through the key holding the focus ("=") as well, once it holds it again if a
// dialog has it. Does nothing while no assistive technology listens.
class DisplaySpeech : public QObject {
public:
    DisplaySpeech(QWidget* display, QWidget* focusKey);
    // Takes the state the window has just painted; the display's accessible
    // interface reads it back from here rather than from the widgets.
    void refresh(const DisplayState& shown);

    // The display as the last refresh left it: the number in words, and the lit
    // indicators in reading order.
    const QString& spokenNumber() const { return m_lastText; }
    const Indicators& litIndicators() const { return m_lastLit; }

    // News that is not on the display (the window hidden, compact mode), told
    // through "=" at once. Dropped when "=" lacks the focus: by the time it has
    // it back, the news is old.
    void say(const QString& news);

    // Whether an assistive technology listens, and where the events go: Qt's
    // accessibility bridge when unset. The offscreen platform has no bridge, so
    // widget tests set both to see the events.
    std::function<bool()> isListening;
    std::function<void(QAccessibleEvent&)> eventSink;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool listening() const;
    void send(QAccessibleEvent& event);
    void announcePending();

    QWidget* m_display;
    QWidget* m_focusKey;
    QString m_lastText;          // the display as the previous refresh left it
    Indicators m_lastLit;
    bool m_primed = false;
    QString m_pending;           // news waiting for "=" to hold the focus again
};

}  // namespace trellum::shell
