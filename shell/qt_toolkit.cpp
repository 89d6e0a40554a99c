// SPDX-License-Identifier: MIT
#include "shell/qt_toolkit.h"

#include <cstdio>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QGridLayout>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

#include "shell/accessibility.h"
#include "shell/app_style.h"
#include "shell/dialogs/dialogs.h"
#include "shell/i18n.h"
#include "shell/main_window.h"
#include "shell/platform.h"
#include "shell/qt_strings.h"
#include "shell/window_geometry.h"
#include "product.h"

namespace trellum::shell {

namespace {

// Asks the X11 window manager to keep the window above others, or no longer,
// with the EWMH _NET_WM_STATE message to the root window; false where there is no
// X11. Changing Qt::WindowStaysOnTopHint on the QWindow would do it too, but
// Qt's xcb plugin then destroys the X window and makes a new one at its next
// show, and whatever held the old id (a window-manager rule, a screen reader)
// loses the window. The manager acts on mapped windows only.
bool askWindowManagerAbove(QWindow& window, bool above)
{
    // The offscreen platform answers for X11 too, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window.handle()) return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    const auto xWindow = static_cast<xcb_window_t>(window.winId());
    const auto atom = [connection](const char* name) { return x11Atom(connection, name); };
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, xWindow), nullptr);
    if (!tree) return false;
    const xcb_window_t root = tree->root;
    std::free(tree);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xWindow;
    message.type = atom("_NET_WM_STATE");
    message.data.data32[0] = above ? 1 : 0;   // _NET_WM_STATE_ADD or _REMOVE
    message.data.data32[1] = atom("_NET_WM_STATE_ABOVE");
    message.data.data32[3] = 1;               // asked by an application
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

}  // namespace

// A native Wayland window is placed by the compositor, which reports made-up
// positions for it.
QtToolkit::QtToolkit(MainWindow& window) : m_window(window), m_placeable(!isNativeWayland()) {}

QtToolkit::~QtToolkit() = default;

void QtToolkit::showMessage(Message message, const MessageArguments& arguments)
{
    showMessageBox(translated(message, arguments), messageIconOf(message));
}

void QtToolkit::showMessageBox(const QString& text, MessageIcon icon)
{
    if (m_unattended) {
        std::fprintf(stderr, "trellum: %s\n", text.toLocal8Bit().constData());
        return;
    }
    // The display shows what the command had done up to the message.
    m_window.render();
    // Over the window the user is working in: a dialog that raised it (the
    // constant entry), else the calculator while it shows. A window hidden or
    // ending is no place: the box then stands in the middle of the screen.
    QWidget* over = QApplication::activeModalWidget();
    if (!over && m_window.isVisible() && !m_window.isMinimized() && !m_window.isEnding()) over = &m_window;
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromLatin1(kProductName), text, QMessageBox::Ok, over);
    box.setTextFormat(Qt::PlainText);
    // A short message makes a box so narrow that the window manager cuts its
    // title ("Tre… m"): it is at least as wide as the title beside the frame's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int least = titleWidth(&box) + TwipsScale::of(&box).toPixels(1500_tw);
        grid->addItem(new QSpacerItem(least, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    if (!over) {
        // Qt would centre a box without a parent on the focused window all the
        // same, and push it to the screen's edge when that stands in a corner.
        box.setWindowIcon(m_window.windowIcon());
        box.adjustSize();
        QRect place(QPoint(), box.size());
        place.moveCenter(m_window.screen()->availableGeometry().center());
        box.move(place.topLeft());
    }
    m_box = &box;
    box.exec();
    m_box = nullptr;
}

void QtToolkit::answerNoMore()
{
    m_unattended = true;
    if (m_box == nullptr) return;
    std::fprintf(stderr, "trellum: %s\n", m_box->text().toLocal8Bit().constData());
    m_box->reject();
}

void QtToolkit::beep()
{
    ++m_beeps;
    QApplication::beep();
}

void QtToolkit::focusEqualsKey() { m_window.equalKey()->setFocus(Qt::OtherFocusReason); }

void QtToolkit::showMemoryDialog(MemoryDialog& dialog)
{
    m_window.render();
    makeMemoryWindow(&m_window, dialog, m_window.windowIcon())->exec();
}

void QtToolkit::showConstantsDialog(ConstantsDialog& dialog)
{
    m_window.render();
    makeConstantsWindow(&m_window, dialog, m_window.windowIcon())->exec();
}

void QtToolkit::showConstantEntryDialog(ConstantEntryDialog& dialog)
{
    m_window.render();
    makeConstantEntryWindow(&m_window, dialog, m_window.windowIcon())->exec();
}

void QtToolkit::showAboutDialog() { makeAboutWindow(&m_window, m_window.windowIcon())->exec(); }

std::string QtToolkit::clipboardText() const
{
    // One format, asked for once: the owner's list of formats comes first, and
    // when an owner that never answers lets that time out, nothing more is asked.
    // "text/plain" stands for UTF8_STRING, STRING and TEXT alike.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    QString subtype = QStringLiteral("plain");
    return clipboard ? toStdString(clipboard->text(subtype, QClipboard::Clipboard)) : std::string();
}

// The comma is the only other separator a pasted number may carry: the others
// (the Arabic one, say) come with digits of their own, which are no number here.
char QtToolkit::decimalSeparator() const { return QLocale().decimalPoint() == u"," ? ',' : '.'; }

void QtToolkit::setClipboardText(const std::string& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(toQString(text), QClipboard::Clipboard);
}

Twips QtToolkit::windowTop() const { return m_window.twipsScale().toTwips(m_window.frameGeometry().top()); }

Twips QtToolkit::windowLeft() const { return m_window.twipsScale().toTwips(m_window.frameGeometry().left()); }

void QtToolkit::moveWindow(Twips top, Twips left)
{
    const TwipsScale& scale = m_window.twipsScale();
    m_window.move(scale.toPlacePixels(left), scale.toPlacePixels(top));
}

void QtToolkit::setWindowHeight(Twips height)
{
    // The height asked for is the whole window's, frame and caption included.
    const int frameExtra = m_window.frameGeometry().height() - m_window.geometry().height();
    const int whole = m_window.twipsScale().toPixels(std::clamp(height, 0_tw, 1'000'000_tw));
    int client = whole - frameExtra;
    // The twips grow with QT_SCALE_FACTOR, the window manager's frame does not:
    // a short window would show the top of the first row of keys. A window
    // shorter than the keypad therefore ends above its keys at every scale.
    if (client < m_window.fullClientHeight()) client = std::min(client, m_window.firstKeyRowTop());
    // Frames differ between window managers: never grow past the full keypad,
    // so the full height brings back exactly the layout the window started with.
    m_window.setFixedHeight(std::clamp(client, 1, m_window.fullClientHeight()));
}

void QtToolkit::centreWindow()
{
    centreOnScreen(&m_window);
    if (!m_window.isVisible()) m_window.centreWhenFramed();
}

void QtToolkit::keepWindowOnScreen()
{
    const QRect frame = m_window.frameGeometry();
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) return;
    for (const QScreen* screen : screens) {
        if (screen->geometry().intersects(frame)) return;
    }
    pullInsideNearestScreen(&m_window);
    // Before the first showing the frame is not known yet: pulled in by its
    // client area, the title bar and borders would still hang off the screen.
    if (!m_window.isVisible()) m_window.pullInsideWhenFramed();
}

void pullInsideNearestScreen(QWidget* window)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) return;
    const QMargins extents = reportedFrameExtents(window);
    const QRect client = window->geometry();
    const QRect frame = client.marginsAdded(extents);
    const QPoint centre = frame.center();
    const QScreen* nearest = screens.front();
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QScreen* screen : screens) {
        const QRect g = screen->geometry();
        const qint64 dx = std::max({g.left() - centre.x(), 0, centre.x() - g.right()});
        const qint64 dy = std::max({g.top() - centre.y(), 0, centre.y() - g.bottom()});
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = screen;
        }
    }
    // The whole window, frame included, inside the nearest screen when it fits.
    const QRect area = nearest->availableGeometry();
    const int x = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    // Placed by its client area: see centreOnScreen.
    window->setGeometry(QRect(QPoint(x + extents.left(), y + extents.top()), client.size()));
}

// A window minimised for want of a tray counts as hidden, so a later click on
// the icon restores it and the tip together.
bool QtToolkit::isWindowVisible() const { return m_window.isVisible() && !m_window.isMinimized(); }

void QtToolkit::showWindow()
{
    // The start-up shows the window in the middle of its sequence, after the
    // settings set the indicators: the first paint must already show them.
    m_window.render();
    if (m_window.isMinimized()) {
        m_window.showNormal();
    } else {
        m_window.show();
    }
    askStaysOnTopAgain();
    m_window.activateWindow();
}

void QtToolkit::hideWindow()
{
    // Without a notification area a hidden window could never come back, so it
    // goes to the task bar instead. Said before the window goes: a screen
    // reader follows the focus away with it.
    if (m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable()) {
        //: Spoken when the window hides into its notification-area (tray) icon.
        m_window.displaySpeech().say(QCoreApplication::translate("Display", "hidden in the tray"));
        m_window.hide();
    } else {
        //: Spoken when the window is minimised instead, for want of a notification area.
        m_window.displaySpeech().say(QCoreApplication::translate("Display", "minimised"));
        m_window.showMinimized();
    }
}

void QtToolkit::activateWindow()
{
    if (m_window.isMinimized()) {
        m_window.showNormal();
        askStaysOnTopAgain();
    }
    m_window.raise();
    m_window.activateWindow();
}

void QtToolkit::closeWindow() { m_window.close(); }

void QtToolkit::setKeypadCursor()
{
    const QCursor cursor = keypadCursor();
    m_window.keypadFrame()->setCursor(cursor);
    for (QPushButton* key : m_window.keys()) key->setCursor(cursor);
}

void QtToolkit::setMenusShown(bool shown)
{
    // Compact mode is otherwise unseen by a screen reader.
    if (shown != m_window.settingsMenu()->menuAction()->isVisible()) {
        //: Spoken when the window leaves compact mode and shows its keypad again.
        const QString full = QCoreApplication::translate("Display", "full window");
        //: Spoken when the window shrinks to the display alone (compact mode).
        const QString compact = QCoreApplication::translate("Display", "compact window");
        m_window.displaySpeech().say(shown ? full : compact);
    }
    m_window.settingsMenu()->menuAction()->setVisible(shown);
    m_window.helpMenu()->menuAction()->setVisible(shown);
    // A bar whose menus are all hidden would still take its height.
    m_window.menuBar()->setVisible(shown);
}

void QtToolkit::setStaysOnTop(bool onTop)
{
    Qt::WindowFlags flags = m_window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    QWindow* handle = m_window.windowHandle();
    if (!handle) {
        // No native window yet: it is made with the choice.
        m_window.setWindowFlags(flags);
        return;
    }
    // The native window stays the one it is (QWidget::setWindowFlags would make a
    // new one); the widget's flags keep the choice, which showWindow() asks for again.
    m_window.overrideWindowFlags(flags);
    if (!askWindowManagerAbove(*handle, onTop)) handle->setFlags(flags);
}

void QtToolkit::askStaysOnTopAgain()
{
    // A window manager forgets a hidden window's state; the X window's own
    // flags may still be those it was made with.
    if (QWindow* handle = m_window.windowHandle())
        askWindowManagerAbove(*handle, m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void QtToolkit::showTrayIcon(TrayTip tip)
{
    if (!m_tray) {
        m_tray = std::make_unique<QSystemTrayIcon>(m_window.windowIcon());
        QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, &m_window, &MainWindow::trayActivated);
    }
    m_tray->setToolTip(translated(tip));
    m_tray->show();
}

void QtToolkit::setTrayTip(TrayTip tip)
{
    if (m_tray) m_tray->setToolTip(translated(tip));
}

void QtToolkit::hideTrayIcon()
{
    if (!m_tray) return;
    m_tray->hide();
    m_tray.reset();
}

std::string QtToolkit::programFolder() const
{
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

std::string QtToolkit::starterConstantName(const std::string& name)
{
    return translatedConstantName(name).toStdString();
}

}  // namespace trellum::shell
