#pragma once
// A Toolkit that records what the logic asked of the desktop and answers dialogs
// from a script. Used by the tests, the key-script runner, the soak and the fuzzers.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/toolkit.h"

namespace trellum {

class RecordingToolkit : public Toolkit {
public:
    // What the key caused, in order: "beep", "msg:!:TEXT", "msg:i:TEXT", "clip:TEXT", ...
    std::vector<std::string> Events;

    // Scripted answers for the next modal dialogs, consumed in order. A dialog
    // opened with no script left is closed through its window's close command.
    std::deque<std::function<void(MemoryDialog&)>> MemScripts;
    std::deque<std::function<void(ConstantsDialog&)>> ConstScripts;
    std::deque<std::function<void(ConstantEntryDialog&)>> EntryScripts;

    // Simulated desktop.
    std::string Clipboard;
    Twips Top, Left, Height = 5250_tw;
    bool Visible = false;
    bool StaysOnTop = false;
    bool MenusShown = true;
    bool WindowClosed = false;
    bool TrayIconShown = false;
    bool Placeable = true;       // false: a windowing system that places windows itself
    std::string TrayTip;
    std::string Folder = ".";
    char Separator = '.';        // the locale's decimal separator
    int FocusCount = 0;

    void showMessage(const std::string& text, MessageIcon icon, const std::string& title) override;
    void beep() override { Events.push_back("beep"); }
    void focusEqualsKey() override { ++FocusCount; }
    void showMemoryDialog(MemoryDialog& dialog) override;
    void showConstantsDialog(ConstantsDialog& dialog) override;
    void showConstantEntryDialog(ConstantEntryDialog& dialog) override;
    void showAboutDialog() override { Events.push_back("about"); }
    std::string clipboardText() override { return Clipboard; }
    void setClipboardText(const std::string& text) override;
    Twips windowTop() override { return Top; }
    Twips windowLeft() override { return Left; }
    void moveWindow(Twips top, Twips left) override { Top = top; Left = left; }
    void setWindowHeight(Twips height) override { Height = height; }
    void centerWindow() override { Top = 4000_tw; Left = 8000_tw; }
    void keepWindowOnScreen() override {}
    bool canPlaceWindow() override { return Placeable; }
    bool isWindowVisible() override { return Visible; }
    void showWindow() override { Visible = true; }
    void hideWindow() override { Visible = false; }
    void activateWindow() override {}
    void closeWindow() override { WindowClosed = true; Visible = false; }
    void setKeypadCursor() override {}
    void setMenusShown(bool shown) override { MenusShown = shown; }
    void setStaysOnTop(bool onTop) override { StaysOnTop = onTop; }
    void showTrayIcon(const std::string& tip) override { TrayIconShown = true; TrayTip = tip; }
    void setTrayTip(const std::string& tip) override { TrayTip = tip; }
    void hideTrayIcon() override { TrayIconShown = false; }
    std::string programFolder() override { return Folder; }
    char decimalSeparator() override { return Separator; }
};

}  // namespace trellum
