// SPDX-License-Identifier: MIT
#pragma once
// The only door from the calculator's logic to a desktop: message boxes, the beep,
// keyboard focus, modal dialogs, clipboard, the window's place and modes, the tray.
// The Qt shell implements it for the real program; RecordingToolkit implements it
// for tests, the key-script runner and the soak.

#include <string>

#include "app/messages.h"
#include "app/twips.h"

namespace trellum {

class MemoryDialog;
class ConstantsDialog;
class ConstantEntryDialog;

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Modal message box titled with the program's name, with one OK button:
    // the message by name (app/messages.h), its blanks filled from `arguments`.
    virtual void showMessage(Message message, const MessageArguments& arguments) = 0;
    virtual void beep() = 0;
    // Keyboard focus to the "=" key, which takes the keys typed on the keyboard;
    // Calculator::press gives it back so after every key.
    virtual void focusEqualsKey() = 0;

    // Modal dialogs. Each returns when the dialog has closed (Done/Cancel/OK
    // or its window closed); the dialog object holds the outcome.
    virtual void showMemoryDialog(MemoryDialog& dialog) = 0;
    virtual void showConstantsDialog(ConstantsDialog& dialog) = 0;
    virtual void showConstantEntryDialog(ConstantEntryDialog& dialog) = 0;
    // The decimal separator of the user's locale: a number typed or pasted with
    // it is read as with ".". Numbers are always stored and shown with ".".
    virtual char decimalSeparator() const { return '.'; }
    virtual void showAboutDialog() = 0;

    // Clipboard, plain text; empty when it holds no text.
    virtual std::string clipboardText() const = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // The main window's place (its frame's top-left corner) and whole height.
    virtual Twips windowTop() const = 0;
    virtual Twips windowLeft() const = 0;
    virtual void moveWindow(Twips top, Twips left) = 0;
    virtual void setWindowHeight(Twips height) = 0;
    virtual void centreWindow() = 0;   // in the middle of its screen
    // Moves the window onto a screen when the stored place would leave it unseen.
    virtual void keepWindowOnScreen() = 0;
    // False where the windowing system places windows itself (a native Wayland
    // session): the stored place is then neither applied nor overwritten.
    virtual bool canPlaceWindow() const { return true; }

    // Main window lifecycle.
    virtual bool isWindowVisible() const = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    virtual void activateWindow() = 0;     // bring to the front with the focus
    virtual void closeWindow() = 0;        // ends the program, which shuts the calculator down once
    // The hand-shaped pointer over the keypad and its keys.
    virtual void setKeypadCursor() = 0;

    // The window modes are the calculator's (Calculator::alwaysOnTop, isCompact);
    // these carry them out. The menu bar with its two menus shows in the full
    // window only.
    virtual void setMenusShown(bool shown) = 0;
    // Above every ordinary window, or back among them.
    virtual void setStaysOnTop(bool onTop) = 0;

    // The notification-area icon, there from start-up to shut-down; its tip says
    // whether the window is hidden.
    virtual void showTrayIcon(TrayTip tip) = 0;
    virtual void setTrayTip(TrayTip tip) = 0;
    virtual void hideTrayIcon() = 0;

    // The folder of the program (holds constants.txt).
    virtual std::string programFolder() const = 0;
    // A starter constant's name in the user's language, for the library a
    // user starts with when none of their own exists yet.
    virtual std::string starterConstantName(const std::string& name) { return name; }
};

}  // namespace trellum
