#pragma once
// app/: the calculator as the program runs it. One Calculator per main window
// holds every piece of state its keys work on; it knows no window toolkit.
//
//   key, keyboard or menu event (shell/, or testing/'s key tokens)
//     -> a handler below, named after its control and event (key_table.h maps
//        each key to it)
//       -> engine/: the display register (read with GetDisplayValue, written
//          with ShowValue) and the evaluator with its operand stack
//       -> functions/: the mathematics of the function keys
//       -> the dialogs' models (memory_dialog.h, constants_dialog.h), which
//          the shell's windows render; what the user chose comes back typed
//       -> storage/: the settings file and the constants file
//       -> Toolkit (toolkit.h): message boxes (messages.h), dialogs, clipboard, window
//     -> the shell repaints from Display(), the one read-only view of the state
//
// The display is the only register between keys: every value read back has the
// display's precision (15 characters of mantissa). Entry flags, prefixes and
// pending operations are private; indicators are derived from the state they show.
//
//   entry_keys.cpp     digits, point, EXP, DEL, C/AC, error reports
//   operator_keys.cpp  operators, brackets, "="
//   function_keys.cpp  MODE, SHIFT, hyp, the function keys, DMS
//   memory_keys.cpp    Min and MR with the memory dialog
//   constants_key.cpp  Co with the constants dialog
//   settings_keys.cpp  LoadSettings and SaveSettings
//   keyboard_map.cpp   the keyboard, through key_table.h
//   window_logic.cpp   start-up, shut-down, window modes, tray, clipboard

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/memory_bank.h"
#include "app/toolkit.h"
#include "product.h"
#include "engine/display_register.h"
#include "engine/error_code.h"
#include "engine/evaluator.h"
#include "functions/functions.h"

namespace trellum {

class SettingsStore;
enum class SettingsFound : int8_t;

// Index values of the control arrays.
enum CleanIndex : int16_t { kAllClear = 0, kClearEntry = 1 };
enum BracketIndex : int16_t { kOpenBracket = 0, kCloseBracket = 1 };
enum PowersIndex : int16_t { kSquare = 0, kSquareRoot = 1, kXPowerY = 2 };
enum ExtendedIndex : int16_t { kChangeSign = 0, kReciprocal = 1 };  // kReciprocal is x! after SHIFT
enum MemIndex : int16_t { kMemoryIn = 0, kMemoryRecall = 1 };
enum OperatorIndex : int16_t { kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4, kPower = 5 };
// Trigonometric keys take the TrigFunction values and log keys the LogFunction
// values (functions.h).

// What the window shows, read-only. The texts are views into the calculator,
// valid until its next key.
struct DisplayState {
    std::string_view LcdText;  // mantissa and two spaces, or the bracket-level text
    std::string_view ExpText;  // exponent label caption
    bool ExpVisible = false;
    bool ShiftIndicatorVisible = false;
    bool HypIndicatorVisible = false;
    bool MemIndicatorVisible = false;
    std::array<bool, 3> ModeDisplayVisible{};  // "D", "R", "G"
    bool FinishedValue = false;  // a result, recalled or cleared value (NewEntry): not a number being typed
};

class Calculator : private ErrorReporter {
public:
    Calculator(Toolkit& toolkit, SettingsStore& settings);

    DisplayState Display() const;
    // The constants file the Co key uses; empty (the default) for this user's
    // library found from the program folder.
    void UseConstantsFile(std::string path) { ConstFilePath = std::move(path); }

    // ---- Entry keys (entry_keys.cpp) ----
    void sscmdDigit_Click(int16_t Index);
    void sscmdDot_Click();
    void sscmdExp_Click();
    void cmdDel_Click();
    void sscmdClean_Click(int16_t Index);      // CleanIndex
    void ReportError(ErrorCode code) override;

    // ---- Evaluator (operator_keys.cpp) ----
    void sscmdOperator_Click(int16_t Index);   // OperatorIndex
    void cmdBracket_Click(int16_t Index);      // BracketIndex
    void sscmdEqual_Click();

    // ---- Keyboard map (keyboard_map.cpp): Windows virtual-key codes ----
    void sscmdEqual_KeyDown(int16_t KeyCode, int16_t Shift);

    // ---- Angle mode, prefixes and functions (function_keys.cpp) ----
    void cmdMode_Click();
    void cmdShift_Click();
    void cmdHyp_Click();
    void cmdTrigFunc_Click(int16_t Index);     // TrigFunction kSin..kTan
    void cmdLogs_Click(int16_t Index);         // LogFunction kLog, kLn
    void cmdPowers_Click(int16_t Index);       // PowersIndex
    void cmdExtended_Click(int16_t Index);     // ExtendedIndex
    void cmdAngle_Click();

    // ---- Memory bank (memory_keys.cpp) ----
    void cmdMem_Click(int16_t Index);          // MemIndex
    bool MemoryIsEmpty() const;

    // ---- Constants library (constants_key.cpp) ----
    void sscmdConst_Click();

    // ---- Settings (settings_keys.cpp) ----
    SettingsFound LoadSettings();  // which of the two keys it found
    void SaveSettings();

    // ---- Application shell logic (window_logic.cpp) ----
    void Form_Load();            // start-up sequence; the shell calls it once
    void Form_Unload();          // shut-down sequence; runs at most once
    void sscmdOff_Click();       // OFF and tray "Exit"
    void mnuFloat_Click();
    void mnuShrink_Click();
    void mnuShrink_Shortcut();   // Ctrl+S: into compact mode and, from there, back
    void sspaLCD_DblClick();
    void mnuHide_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void UpdateTrayTip(const std::string& suffix);
    void TrayLeftButtonDown();   // shows or raises the window
    const std::string& TrayTip() const { return m_trayTip; }

private:
    // Test-only read access to the private state (testing/calculator_probe.h).
    friend class CalculatorProbe;

    double GetDisplayValue() { return m_display.GetDisplayValue(); }
    void ShowValue(double value) { m_display.ShowValue(value); }
    void ShowNumberText(const std::string& text) { m_display.ShowNumberText(text); }
    std::string GetDisplayText() const { return m_display.GetDisplayText(); }
    // Also drops the prefixes and an angle entered part by part.
    void ResetEntry();
    Toolkit& toolkit() { return m_toolkit; }
    SettingsStore& settings() { return m_settings; }

    Toolkit& m_toolkit;
    SettingsStore& m_settings;
    DisplayRegister m_display{*this};
    Evaluator m_evaluator{m_display, *this};

    bool ShiftOn = false;
    bool HypOn = false;
    int16_t DmsStep = 0;
    double DmsTotal = 0;
    Angle AngleMode = Angle::Degrees;
    MemoryBank m_memory;
    std::string ConstFilePath;         // empty: constants.txt in the program folder
    std::string m_trayTip;
    bool m_unloaded = false;
};

}  // namespace trellum
