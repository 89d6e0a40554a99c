// SPDX-License-Identifier: MIT
#pragma once
// app/: the calculator as the program runs it. One Calculator per main window
// holds every piece of state its keys work on; it knows no window toolkit.
//
//   a click on a key, a keyboard key the shell has named (Key), the runner's
//   key tokens, a menu entry or the tray
//     -> press(Key) (keys.cpp), which runs the key's command below, or the
//        command itself (copy, paste, toggleCompact, ...)
//       -> engine/: the display register (read with takeDisplayValue, written
//          with showValue) and the evaluator with its operand stack
//       -> functions/: the mathematics of the function keys
//       -> the dialogs' models (memory_dialog.h, constants_dialog.h), which
//          the shell's windows render; what the user chose comes back typed
//       -> storage/: the settings file and the constants file
//       -> Toolkit (toolkit.h): message boxes (messages.h), dialogs, clipboard, window
//     -> the shell repaints from display(), the one read-only view of the state
//
// The display is the only register between keys: every value read back has the
// display's precision (15 characters of mantissa). Entry flags, prefixes and
// pending operations are private; indicators are derived from the state they show.
//
//   key.h, key_table.* the 40 keys and their captions, places, tokens, names
//   keys.cpp           press(Key): each key's command; keys typed on the keyboard
//   entry_keys.cpp     digits, point, EXP, DEL, C/AC, error reports
//   operator_keys.cpp  operators, brackets, "="
//   function_keys.cpp  MODE, SHIFT, hyp, the function keys, DMS
//   memory_keys.cpp    Min and MR with the memory dialog
//   constants_key.cpp  Co with the constants dialog
//   settings_keys.cpp  loadSettings and saveSettings
//   window_logic.cpp   start-up, shut-down, window modes, tray, clipboard
//   memory_dialog.h    the memory dialog's model; its outcome is a MemoryChoice
//   constants_dialog.h the constants and name/value dialogs' models
//   list_text.h        what a dialog list shows of a long text
//   messages.h         each message, caption and tip by name, with its English text
//   translatable.h     the marker lupdate reads in the library's texts

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <optional>
#include <string_view>

#include "app/key.h"
#include "app/memory_bank.h"
#include "app/toolkit.h"
#include "product.h"
#include "engine/display_register.h"
#include "engine/error_code.h"
#include "engine/evaluator.h"
#include "functions/functions.h"
#include "storage/settings_store.h"

namespace trellum {

enum class SettingsFound : int8_t;


// What the window shows, read-only. The texts are views into the calculator,
// valid until its next key.
struct DisplayState {
    std::string_view lcdText;  // mantissa and two spaces, or the bracket-level text
    std::string_view expText;  // exponent label caption
    bool expVisible = false;
    bool shiftIndicatorVisible = false;
    bool hypIndicatorVisible = false;
    bool memIndicatorVisible = false;
    std::array<bool, 3> modeDisplayVisible{};  // "D", "R", "G"
    bool finishedValue = false;  // a result, recalled or cleared value (newEntry): not a number being typed
};

class Calculator : private ErrorReporter {
public:
    Calculator(Toolkit& toolkit, SettingsStore& settings);

    DisplayState display() const;
    // The constants file the Co key uses; empty (the default) for this user's
    // library found from the program folder.
    void useConstantsFile(std::string path) { m_constantsFile = std::move(path); }

    // Presses a key of the keypad: what a click on it does, then the keyboard
    // focus back to "=". The commands below do not move the focus: called
    // directly, as tests do, they leave it where it is.
    void press(Key key);
    // A key typed on the keyboard, as the shell names it: the keypad key it
    // presses, or none (a key the calculator has no use for), which beeps.
    void typeKey(std::optional<Key> key);
    // Esc, which presses no key: hides the window to the tray while it shows.
    void typeEscape();

    // ---- Entry keys (entry_keys.cpp) ----
    void pressDigit(int digit);   // 0..9
    void pressPoint();
    void pressExponent();         // EXP; pi with nothing typed
    void deleteLast();            // DEL
    void clearEntry();            // C
    void allClear();              // AC
    void reportError(ErrorCode code) override;

    // ---- Evaluator (operator_keys.cpp) ----
    void pressOperator(Operator op);
    void openBracket();
    void closeBracket();
    void equals();

    // ---- Angle mode, prefixes and functions (function_keys.cpp) ----
    void cycleAngleMode();
    void toggleShift();
    void toggleHyp();
    void pressTrig(TrigFunction function);   // Sin, Cos or Tan: SHIFT and hyp choose the variant
    void pressLog(LogFunction function);     // Log or Ln: SHIFT chooses the power
    void square();
    void squareRoot();
    void changeSign();
    void pressReciprocal();                  // 1/x, or x! after SHIFT
    void pressDegreesMinutesSeconds();

    // ---- Memory bank (memory_keys.cpp) ----
    void memoryIn();
    void memoryRecall();
    bool memoryIsEmpty() const;

    // ---- Constants library (constants_key.cpp) ----
    void openConstants();

    // ---- Settings (settings_keys.cpp) ----
    SettingsFound loadSettings();  // which of the two keys it found
    bool saveSettings();           // false when the file could not be written

    // ---- Application shell logic (window_logic.cpp) ----
    void start();                // start-up sequence; the shell calls it once
    // Shut-down sequence, run once by whoever ends the program (the window, the
    // runner). Without a desktop (the display connection broke) it only saves.
    enum class Desktop { Present, Gone };
    void shutdown(Desktop desktop = Desktop::Present);
    void switchOff();            // OFF and tray "Exit"
    void toggleAlwaysOnTop();
    void toggleCompact();        // Ctrl+S: into compact mode and, from there, back
    void showFullWindow();       // a double click on the display: out of compact mode
    void hideToTray();
    void copy();
    void paste();
    void showFromTray();         // a click on the tray icon: shows or raises the window
    void toggleShown();          // `trellum --toggle`: hides the window while it shows, else shows it

    // The window modes. Always on top is the user's choice, kept in the settings
    // (the menu's check mark shows it); compact mode starts off in every run and
    // keeps the window on top while it lasts, whatever the choice.
    bool alwaysOnTop() const { return m_alwaysOnTop; }
    bool isCompact() const { return m_compact; }

private:
    // Test-only read access to the private state (testing/calculator_probe.h).
    friend class CalculatorProbe;

    double takeDisplayValue() { return m_display.takeDisplayValue(); }
    void showValue(double value) { m_display.showValue(value); }
    void showNumberText(const std::string& text) { m_display.showNumberText(text); }
    std::string displayText() const { return m_display.displayText(); }
    void runCommand(Key key);
    void memoryDialog(bool store);
    void enterCompact();
    void setAlwaysOnTop(bool onTop);
    // Also drops the prefixes and an angle entered part by part.
    void resetEntry();
    Toolkit& toolkit() { return m_toolkit; }
    SettingsStore& settings() { return m_settings; }

    Toolkit& m_toolkit;
    SettingsStore& m_settings;
    DisplayRegister m_display{*this};
    Evaluator m_evaluator{m_display, *this};

    bool m_shift = false;
    bool m_hyp = false;
    int16_t m_dmsStep = 0;
    double m_dmsTotal = 0;
    Angle m_angleMode = Angle::Degrees;
    MemoryBank m_memory;
    std::string m_constantsFile;       // empty: constants.txt in the program folder
    bool m_alwaysOnTop = false;
    bool m_compact = false;
    // Each saved value as this copy last read or saved it (a missing one as
    // its first-run default): one still the same at a save is not this copy's
    // change, and the file keeps what another copy saved meanwhile.
    std::map<std::string, SettingValue> m_settingsAsRead;
};

}  // namespace trellum
