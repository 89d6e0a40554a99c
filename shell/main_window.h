// SPDX-License-Identifier: MIT
#pragma once
// The main window: the display above a keypad of 40 keys, drawn like a hand-held
// calculator. It owns the Calculator and renders its public display state after
// every event it forwards; all decisions are the Calculator's.
//
//   click / key / menu / tray event -> forward(): a Calculator command -> render()
//   the command's visible effects   -> QtToolkit -> this window

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QFrame>
#include <QLabel>
#include <QMargins>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QWidget>

#include "app/calculator.h"
#include "shell/click_frame.h"
#include "shell/equal_key.h"
#include "shell/keyboard.h"
#include "shell/keypad_look.h"
#include "shell/lcd_panel.h"
#include "shell/qt_toolkit.h"
#include "shell/twips_scale.h"
#include "shell/window_geometry.h"

class QAction;
class QMenu;
class QMenuBar;

namespace trellum {
class SettingsStore;
}

namespace trellum::shell {

class DisplaySpeech;

// A plain widget with the menu bar in its layout: a QMainWindow's docking and
// tool-bar machinery, which this window never uses, kept about 400 KiB of Qt's
// code resident in every start.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(SettingsStore& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    Calculator& calculator() { return m_calc; }
    QtToolkit& toolkit() { return m_toolkit; }
    const TwipsScale& twipsScale() const { return m_twipsScale; }

    // Shows the Calculator's state: LCD text, exponent, indicators, and the
    // always-on-top choice as its menu item's check mark.
    void render();
    // Runs a Calculator command, then renders.
    void forward(const std::function<void()>& command);

    QAction* alwaysOnTopAction() const { return m_alwaysOnTopAction; }
    QMenuBar* menuBar() const { return m_menuBar; }
    // Everything below the menu bar: the display and the keypad.
    QWidget* client() const { return m_client; }
    QMenu* settingsMenu() const { return m_settingsMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    QMenu* trayMenu() const { return m_trayMenu; }
    EqualKey* equalKey() const { return m_equal; }
    LcdPanel* lcd() const { return m_lcd; }
    QLabel* expLabel() const { return m_expLabel; }
    QFrame* keypadFrame() const { return m_keypad; }
    QFrame* displayFrame() const { return m_display; }
    const std::vector<QPushButton*>& keys() const { return m_keys; }
    DisplaySpeech& displaySpeech() { return *m_speech; }
    // The same, or null before the window has built it and while it is torn down.
    const DisplaySpeech* speech() const { return m_speech.get(); }

    // Client height in pixels of the full window: menu bar and the whole keypad.
    int fullClientHeight() const { return m_fullClientHeight; }
    // Client y in pixels where the keypad's first row of keys begins.
    int firstKeyRowTop() const;

    void trayActivated(QSystemTrayIcon::ActivationReason reason);

    // The program's one way out. OFF and the tray's Exit (through the window's
    // close), the close button, the session's end, a signal and the display
    // going away all ask here; the first request ends the program, the rest
    // find it ending. Unattended: the session ends or a signal asked, so a
    // failure to save goes to standard error, never to a box no one answers
    // (asked so while a box is up, the box goes). Gone: the display connection
    // broke, so only what needs no display is done, and Qt ends the process right after.
    enum class Display { Present, Unattended, Gone };
    void end(Display display = Display::Present);
    bool isEnding() const { return m_ending; }
    // `trellum --toggle` from a desktop shortcut: hides the window to the tray
    // while it shows, else shows it.
    void toggleShown();
    // Centres the window again once the window manager has framed it: before the
    // first showing the frame's size is unknown and the centring is off by it.
    void centreWhenFramed();
    // Likewise pulls the window inside its screen again once framed, after a
    // stored place off every screen was corrected without the frame.
    void pullInsideWhenFramed();

signals:
    // The end has begun: nothing may answer later launches any more.
    void ending();
    // The window has closed and the calculator has shut down: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildDisplay(QWidget* client);
    void buildKeypad(QWidget* client);
    void buildMenus();
    QLabel* addIndicator(const char* name, const QString& text, Twips left, Twips width);
    void fitExponentLabel();
    void fitExponent(const QString& text);

    TwipsScale m_twipsScale;
    int m_fullClientHeight = 0;
    QtToolkit m_toolkit;
    Calculator m_calc;

    ClickFrame* m_display = nullptr;
    LcdPanel* m_lcd = nullptr;
    QLabel* m_shiftIndicator = nullptr;
    QLabel* m_hypIndicator = nullptr;
    QLabel* m_memIndicator = nullptr;
    QLabel* m_modeDisplay[3] = {};
    QLabel* m_expLabel = nullptr;
    bool m_expLabelFitted = false;
    QRect m_expRect;   // its place for the engine's own exponents, up to "-99"
    ClickFrame* m_keypad = nullptr;
    KeyFaces m_keyFaces;
    EqualKey* m_equal = nullptr;
    std::vector<QPushButton*> m_keys;

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    QMenu* m_settingsMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_alwaysOnTopAction = nullptr;
    PlaceWhenFramed m_placeWhenFramed;
    bool m_ending = false;
    std::unique_ptr<DisplaySpeech> m_speech;   // the display's accessibility events
};

}  // namespace trellum::shell
