#pragma once
// The calculator: one object per main window, holding what the window shows and
// every piece of state its keys work on. It knows no window toolkit.
//
//   key or menu event (shell, keyboard map, key-script runner)
//     -> a handler below (named after its control and event)
//       -> reads the display (GetDisplayValue), computes, writes it back
//          (ShowValue / ShowNumberText); pending operations wait on `Stack`
//     -> the shell repaints from the public display state
//
// The display is the calculator's only register between keys: every value read
// back has the display's precision (15 characters of mantissa).
//
// Handlers live in the folder of their subsystem:
//   engine/     display register and entry, evaluator, keyboard map, window logic
//   functions/  angle mode and prefixes, trigonometry, logarithms and powers, DMS
//   storage/    memory bank, constants library, settings persistence

#include <array>
#include <cstdint>
#include <string>

#include "engine/operand_stack.h"
#include "engine/toolkit.h"

namespace trellum {

class SettingsStore;
enum class SettingsFound : int8_t;

inline constexpr const char* kProductName = "Trellum";
inline constexpr const char* kWindowCaption = "Trellum";
inline constexpr const char* kAppTitle = "Trellum 2.1";
inline constexpr const char* kLcdReset = "0.  ";

// The 15-digit value, 7 units in the last place below the double nearest to pi.
// Conversions and the inverse end points use it; inverse results are rounded to
// 9 places, which hides the difference there.
inline constexpr double Pi = 3.14159265358979;

// Operator codes kept on the stack as doubles.
enum OperatorCode : int16_t { kBracketMarker = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4, kPower = 5 };

class Calculator {
public:
    Calculator(Toolkit& toolkit, SettingsStore& settings);

    // ---- Display register: what the window shows (rendered by the shell) ----
    std::string LcdText = kLcdReset;   // mantissa and two spaces, or the bracket-level text
    std::string ExpText = "00";        // exponent label caption
    bool ExpVisible = false;           // exponent label visibility
    bool ShiftIndicatorVisible = false;
    bool HypIndicatorVisible = false;
    bool MemIndicatorVisible = false;
    std::array<bool, 3> ModeDisplayVisible{true, false, false};  // "D", "R", "G"

    // ---- Entry flags and form-level state ----
    bool NewEntry = true;
    bool ExpShown = false;
    bool PointTyped = false;
    bool ShiftOn = false;
    bool HypOn = false;
    int16_t DmsStep = 0;
    double DmsTotal = 0;
    int16_t OpenBrackets = 0;
    double CurrentValue = 0;
    int16_t AngleMode = 0;             // 0 degrees, 1 radians, 2 grads
    OperandStack Stack;
    std::array<std::string, 10> MemorySlots{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    int16_t MemChoice = 0;             // outcome code of the memory dialog
    std::string ConstFilePath;         // empty: constants.txt in the program folder

    // ---- Display operations (engine/display.cpp) ----
    double GetDisplayValue();
    void ShowValue(double value);
    void ShowNumberText(const std::string& text);
    std::string GetDisplayText() const;
    void ResetEntry();
    void AppendDigit(char digit);

    // ---- Entry keys (engine/display.cpp) ----
    void sscmdDigit_Click(int16_t Index);
    void sscmdDot_Click();
    void sscmdExp_Click();
    void cmdDel_Click();
    void sscmdClean_Click(int16_t Index);   // 0 AC, 1 C

    // ---- Evaluator (engine/evaluator.cpp) ----
    void sscmdOperator_Click(int16_t Index); // 1 +, 2 -, 3 x, 4 /, 5 x^y
    void cmdBracket_Click(int16_t Index);    // 0 open, 1 close
    void sscmdEqual_Click();
    double ApplyOperator(double left, int16_t code, double right);
    void ReportError(int16_t code);

    // ---- Keyboard map (engine/keyboard_map.cpp): Windows virtual-key codes ----
    void sscmdEqual_KeyDown(int16_t KeyCode, int16_t Shift);

    // ---- Angle mode and prefixes (functions/angle_mode.cpp) ----
    void cmdMode_Click();
    void cmdShift_Click();
    void cmdHyp_Click();

    // ---- Functions (functions/trig.cpp, functions/logs_powers.cpp, functions/dms.cpp) ----
    void cmdTrigFunc_Click(int16_t& Index);  // 0 sin, 1 cos, 2 tan; +3 with hyp
    void cmdLogs_Click(int16_t Index);       // 0 log, 1 ln; +2 with SHIFT
    void cmdPowers_Click(int16_t Index);     // 0 x^2, 1 sqrt, 2 x^y
    void cmdExtended_Click(int16_t Index);   // 0 +/-, 1 1/x or x!
    void cmdAngle_Click();

    // ---- Memory bank (storage/memory_bank.cpp) ----
    void cmdMem_Click(int16_t Index);        // 0 Min, 1 MR
    bool MemoryIsEmpty() const;

    // ---- Constants library (storage/const_dialog.cpp) ----
    void sscmdConst_Click();

    // ---- Settings (storage/settings.cpp) ----
    SettingsFound LoadSettings();  // which of the two keys it found
    void SaveSettings();

    // ---- Application shell logic (engine/shell_logic.cpp) ----
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

    Toolkit& toolkit() { return m_toolkit; }
    SettingsStore& settings() { return m_settings; }

private:
    void showModeLabel();
    void closeBracket();

    Toolkit& m_toolkit;
    SettingsStore& m_settings;
    std::string m_trayTip;
    bool m_unloaded = false;
};

}  // namespace trellum
