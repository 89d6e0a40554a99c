// SPDX-License-Identifier: MIT
// Window-free logic of the application shell: start-up and shut-down order,
// the two window modes, tray tip, clipboard.

#include "app/calculator.h"
#include "app/messages.h"
#include "engine/number_text.h"
#include "storage/settings.h"
#include "storage/settings_store.h"

namespace trellum {

namespace {

// Whole window, frame included.
constexpr Twips kCompactHeight = 1370_tw;
constexpr Twips kFullHeight = 5250_tw;

}  // namespace

void Calculator::start()
{
    // Without the memory key loadSettings still applies what it read (place,
    // mode, on-top) and an empty bank; only a missing main key is a first run.
    if (loadSettings() == SettingsFound::Nothing) {
        // First run: an ordinary window, no z-order request.
        m_alwaysOnTop = false;
        m_angleMode = Angle::Degrees;
        if (m_toolkit.canPlaceWindow()) m_toolkit.centreWindow();
        m_memory.fill("0");
    }
    m_toolkit.showTrayIcon(TrayTip::Shown);
    m_toolkit.showWindow();
    press(Key::AllClear);
    m_toolkit.setKeypadCursor();
}

void Calculator::shutdown(Desktop desktop)
{
    // Nothing can be shown on a display that is gone, and its tray went with it.
    if (!saveSettings() && desktop == Desktop::Present)
        m_toolkit.showMessage(Message::SettingsNotSaved, {settings().path()});
    if (desktop == Desktop::Present) m_toolkit.hideTrayIcon();
}

void Calculator::switchOff()
{
    m_evaluator.clearStack();
    // The window's close is the program's one way out: it shuts down, once.
    m_toolkit.closeWindow();
}

void Calculator::toggleAlwaysOnTop() { setAlwaysOnTop(!m_alwaysOnTop); }

// The z-order is asked for whatever it is now, so a stored choice is applied as
// the window first shows.
void Calculator::setAlwaysOnTop(bool onTop)
{
    m_toolkit.setStaysOnTop(onTop);
    m_alwaysOnTop = onTop;
}

void Calculator::enterCompact()
{
    m_toolkit.setMenusShown(false);
    m_toolkit.setWindowHeight(kCompactHeight);
    if (!m_alwaysOnTop) m_toolkit.setStaysOnTop(true);
    m_compact = true;
}

void Calculator::toggleCompact()
{
    // The menus are hidden in compact mode, so Ctrl+S then needs a way back that
    // no menu offers: it leaves compact mode as the double click does.
    if (m_compact) {
        showFullWindow();
    } else {
        enterCompact();
    }
}

void Calculator::showFullWindow()
{
    if (m_compact) {
        m_toolkit.setWindowHeight(kFullHeight);
        m_toolkit.setMenusShown(true);
        if (!m_alwaysOnTop) m_toolkit.setStaysOnTop(false);
        m_compact = false;
    }
}

void Calculator::hideToTray()
{
    m_toolkit.hideWindow();
    m_toolkit.setTrayTip(TrayTip::Hidden);
}

void Calculator::showFromTray()
{
    if (m_toolkit.isWindowVisible()) {
        m_toolkit.activateWindow();
    } else {
        m_toolkit.showWindow();
        m_toolkit.setTrayTip(TrayTip::Shown);
    }
}

void Calculator::toggleShown()
{
    if (m_toolkit.isWindowVisible()) {
        hideToTray();
    } else {
        showFromTray();
    }
}

void Calculator::copy() { m_toolkit.setClipboardText(displayText()); }

void Calculator::paste()
{
    const std::string text = numberFromLocale(m_toolkit.clipboardText(), m_toolkit.decimalSeparator());
    if (isNumeric(text)) {
        // Surrounding blanks and a trailing newline are not part of the number.
        showNumberText(std::string(trimBlanks(text, kBlanksAndLineEnds)));
    } else {
        m_toolkit.showMessage(Message::PastedTextNotANumber, {});
    }
}

}  // namespace trellum
