// SPDX-License-Identifier: MIT
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
    std::vector<std::string> events;

    // Scripted answers for the next modal dialogs, consumed in order. A dialog
    // opened with no script left is closed through its window's close command.
    std::deque<std::function<void(MemoryDialog&)>> memScripts;
    std::deque<std::function<void(ConstantsDialog&)>> constScripts;
    std::deque<std::function<void(ConstantEntryDialog&)>> entryScripts;

    // Simulated desktop.
    std::string clipboard;
    Twips top, left, height = 5250_tw;
    bool visible = false;
    bool staysOnTop = false;
    bool menusShown = true;
    bool windowClosed = false;
    bool trayIconShown = false;
    bool placeable = true;       // false: a windowing system that places windows itself
    std::string trayTip;         // in English
    std::string folder = ".";
    char separator = '.';        // the locale's decimal separator
    int focusCount = 0;

    // Recorded in English with the blanks filled, as "msg:!:TEXT".
    void showMessage(Message message, const MessageArguments& arguments) override;
    void beep() override { events.push_back("beep"); }
    void focusEqualsKey() override { ++focusCount; }
    void showMemoryDialog(MemoryDialog& dialog) override;
    void showConstantsDialog(ConstantsDialog& dialog) override;
    void showConstantEntryDialog(ConstantEntryDialog& dialog) override;
    void showAboutDialog() override { events.push_back("about"); }
    std::string clipboardText() const override { return clipboard; }
    void setClipboardText(const std::string& text) override;
    Twips windowTop() const override { return top; }
    Twips windowLeft() const override { return left; }
    void moveWindow(Twips toTop, Twips toLeft) override { top = toTop; left = toLeft; }
    void setWindowHeight(Twips toHeight) override { height = toHeight; }
    void centreWindow() override { top = 4000_tw; left = 8000_tw; }
    void keepWindowOnScreen() override {}
    bool canPlaceWindow() const override { return placeable; }
    bool isWindowVisible() const override { return visible; }
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }
    void activateWindow() override {}
    void closeWindow() override { windowClosed = true; visible = false; }
    void setKeypadCursor() override {}
    void setMenusShown(bool shown) override { menusShown = shown; }
    void setStaysOnTop(bool onTop) override { staysOnTop = onTop; }
    void showTrayIcon(TrayTip tip) override { trayIconShown = true; trayTip = trayTipText(tip); }
    void setTrayTip(TrayTip tip) override { trayTip = trayTipText(tip); }
    void hideTrayIcon() override { trayIconShown = false; }
    std::string programFolder() const override { return folder; }
    char decimalSeparator() const override { return separator; }
};

}  // namespace trellum
