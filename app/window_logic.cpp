// Window-free logic of the application shell: start-up and shut-down order,
// the two window modes, tray tip, clipboard.

#include "app/calculator.h"
#include "engine/number_text.h"
#include "storage/settings.h"

namespace trellum {

namespace {

// Whole window, frame included.
constexpr Twips kCompactHeight = 1370_tw;
constexpr Twips kFullHeight = 5250_tw;
constexpr std::size_t kTipLength = 64;    // the tray cuts longer tips

}  // namespace

void Calculator::start()
{
    // Without the memory key loadSettings still applies what it read (place,
    // mode, on-top) and an empty bank; only a missing main key is a first run.
    if (loadSettings() == SettingsFound::Nothing) {
        // First run: an ordinary window, no z-order request.
        m_alwaysOnTop = false;
        m_angleMode = Angle::Degrees;
        if (m_toolkit.canPlaceWindow()) m_toolkit.centerWindow();
        m_memory.fill("0");
    }
    m_trayTip = kWindowCaption;
    m_toolkit.showTrayIcon(m_trayTip);
    m_toolkit.showWindow();
    allClear();
    m_toolkit.setKeypadCursor();
}

void Calculator::shutdown()
{
    if (m_shutDown) return;
    m_shutDown = true;
    saveSettings();
    m_toolkit.hideTrayIcon();
}

void Calculator::switchOff()
{
    m_evaluator.clearStack();
    shutdown();
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
    m_toolkit.focusEqualsKey();
}

void Calculator::hideToTray()
{
    m_toolkit.hideWindow();
    updateTrayTip(" (Hide)");
}

void Calculator::updateTrayTip(const std::string& suffix)
{
    m_trayTip = (std::string(kWindowCaption) + suffix).substr(0, kTipLength);
    m_toolkit.setTrayTip(m_trayTip);
}

void Calculator::showFromTray()
{
    if (m_toolkit.isWindowVisible()) {
        m_toolkit.activateWindow();
    } else {
        m_toolkit.showWindow();
        updateTrayTip("");
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
        const std::size_t first = text.find_first_not_of(" \t\r\n");
        showNumberText(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
    } else {
        showMessage(m_toolkit, Message::PastedTextNotANumber);
    }
}

}  // namespace trellum
