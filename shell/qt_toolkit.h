// SPDX-License-Identifier: MIT
#pragma once
// The Toolkit of the real program: every visible effect the calculator's logic
// asks for, carried out on the main window with Qt.

#include <memory>
#include <string>

#include <QString>

#include "app/toolkit.h"

class QMessageBox;
class QSystemTrayIcon;
class QWidget;

namespace trellum::shell {

class MainWindow;

// Moves a window, frame included, inside the screen nearest to it (as far as
// it fits); the frame counts once the window manager has reported it.
void pullInsideNearestScreen(QWidget* window);

class QtToolkit : public Toolkit {
public:
    explicit QtToolkit(MainWindow& window);
    ~QtToolkit() override;

    void showMessage(Message message, const MessageArguments& arguments) override;
    // The message box of showMessage, for a text already in the user's language.
    void showMessageBox(const QString& text, MessageIcon icon);
    // No one is there to answer (the session ends, a signal came): messages go
    // to standard error from now on, the one on screen too, which closes.
    void answerNoMore();
    void beep() override;
    void focusEqualsKey() override;

    void showMemoryDialog(MemoryDialog& dialog) override;
    void showConstantsDialog(ConstantsDialog& dialog) override;
    void showConstantEntryDialog(ConstantEntryDialog& dialog) override;
    void showAboutDialog() override;

    std::string clipboardText() const override;
    void setClipboardText(const std::string& text) override;

    Twips windowTop() const override;
    Twips windowLeft() const override;
    void moveWindow(Twips top, Twips left) override;
    void setWindowHeight(Twips height) override;
    void centreWindow() override;
    void keepWindowOnScreen() override;
    bool canPlaceWindow() const override { return m_placeable; }

    bool isWindowVisible() const override;
    void showWindow() override;
    void hideWindow() override;
    void activateWindow() override;
    void closeWindow() override;
    void setKeypadCursor() override;

    void setMenusShown(bool shown) override;
    void setStaysOnTop(bool onTop) override;

    void showTrayIcon(TrayTip tip) override;
    void setTrayTip(TrayTip tip) override;
    void hideTrayIcon() override;

    std::string programFolder() const override;
    std::string starterConstantName(const std::string& name) override;
    char decimalSeparator() const override;

    // For tests: what a user would hear or see in the tray.
    int beepCount() const { return m_beeps; }
    QSystemTrayIcon* trayIcon() const { return m_tray.get(); }

private:
    void askStaysOnTopAgain();

    MainWindow& m_window;
    std::unique_ptr<QSystemTrayIcon> m_tray;
    int m_beeps = 0;
    bool m_placeable = true;
    bool m_unattended = false;
    QMessageBox* m_box = nullptr;   // the message box waiting for its OK
};

}  // namespace trellum::shell
