// SPDX-License-Identifier: MIT
#include "shell/main_window.h"

#include <algorithm>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QVBoxLayout>

#include "app/key_table.h"
#include "shell/accessibility.h"
#include "shell/app_style.h"
#include "shell/keyboard.h"
#include "shell/keypad_look.h"
#include "shell/legend.h"
#include "shell/platform.h"
#include "shell/qt_strings.h"
#include "shell/window_geometry.h"
#include "shell/session_end.h"

namespace trellum::shell {

namespace {

// The layout.
constexpr Twips kClientWidth = 3135_tw;
constexpr Twips kClientHeight = 4560_tw;
constexpr Twips kFunctionKeyWidth = 495_tw, kFunctionKeyHeight = 255_tw;
constexpr Twips kLowerKeySize = 375_tw;
// The exponent's type, and the smallest it shrinks to for a long pasted one.
constexpr qreal kExponentPoints = 7, kSmallestExponentPoints = 4;

// Keypad places of the key table's rows and columns: four rows of function
// keys, then four rows of lower keys with a gap before the fourth column.
constexpr Twips kFunctionTop = 240_tw, kFunctionRowStep = 360_tw, kFunctionLeft = 120_tw, kFunctionColumnStep = 600_tw;
constexpr Twips kLowerTop = 1800_tw, kLowerRowStep = 480_tw;
constexpr Twips kLowerLefts[] = {120_tw, 720_tw, 1320_tw, 2040_tw, 2640_tw};
constexpr int16_t kFirstLowerRow = 4;

struct KeyPlace {
    Twips left, top;
};

KeyPlace keyPlace(const KeyRow& key)
{
    if (key.row < kFirstLowerRow)
        return {kFunctionLeft + kFunctionColumnStep * key.column, kFunctionTop + kFunctionRowStep * key.row};
    return {kLowerLefts[key.column], kLowerTop + kLowerRowStep * (key.row - kFirstLowerRow)};
}

struct LegendDef {
    Twips top;
    Twips left;
    const char* name;
    const char* text;   // UTF-8
    Key keyBelow;       // the key whose second function it prints, which gives
                        // the legend its spoken name
};

const LegendDef kLegends[] = {
    {480_tw, 1440_tw, "powerOfTenLegend", "10^x", Key::Log},
    {480_tw, 2040_tw, "exponentialLegend", "e^x", Key::Ln},
    {840_tw, 240_tw, "factorialLegend", "X!  ", Key::Reciprocal},
    {840_tw, 1440_tw, "arcSineLegend", "sin\u00AD\u00B9", Key::Sin},
    {840_tw, 2040_tw, "arcCosineLegend", "cos\u00AD\u00B9", Key::Cos},
    {840_tw, 2640_tw, "arcTangentLegend", "tan\u00AD\u00B9", Key::Tan},
};

// Legends sit in the 120-twip gap between two rows; the keys below cover the rest.
constexpr Twips kLegendWidth = 375_tw, kLegendHeight = 195_tw;

// The menu bar's style: no keyboard navigation of the bar itself. A tap of Alt,
// or Esc out of an open menu, would give the bar the keyboard focus and it
// would swallow the following keys; "=" keeps the keyboard instead. Alt+S and
// Alt+H still open their menus, which are shortcuts of their own.
class MenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The width a label needs for `text`: its advance, or further where a glyph's
// ink reaches past it (the exponent's bold digits).
int neededWidth(const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font);
    return qCeil(qMax(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1));
}

// A pasted exponent may carry leading zeros ("-00000000000007"): shown with
// two digits as the engine writes its own, so it never crowds the indicators.
QString shownExponent(QString text)
{
    const qsizetype first = text.startsWith(u'-') ? 1 : 0;
    while (text.size() - first > 2 && text[first] == u'0') text.remove(first, 1);
    return text;
}

}  // namespace

// ---- MainWindow ----

MainWindow::MainWindow(SettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_twipsScale(TwipsScale::ofPrimaryScreen()), m_toolkit(*this), m_calc(m_toolkit, settings)
{
    setObjectName("calculator");
    installAccessibility();
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setContextMenuPolicy(Qt::PreventContextMenu);
    // A fixed-size window: no maximise button for the window manager to offer.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName("client");
    buildDisplay(client);
    buildKeypad(client);
    m_speech = std::make_unique<DisplaySpeech>(m_lcd, m_equal);
    m_client = client;
    // The bar on top and the client below it, which moves up when compact
    // mode hides the bar.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(client);
    buildMenus();

    // Measured once while the menus show: a bar whose menus are hidden has no height hint.
    m_fullClientHeight = menuBar()->sizeHint().height() + m_twipsScale.toPixels(kClientHeight);
    setFixedSize(m_twipsScale.toPixels(kClientWidth), m_fullClientHeight);
    render();
}

MainWindow::~MainWindow() = default;

QLabel* MainWindow::addIndicator(const char* name, const QString& text, Twips left, Twips width)
{
    auto* label = new QLabel(text, m_lcd);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Regular weight: a font left without one would take the display's bold.
    QFont font(QStringLiteral("DejaVu Sans"), 6, QFont::Normal);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0x1c, 0x24, 0x1a));
    label->setPalette(pal);
    label->setGeometry(m_twipsScale.rect(left, 30_tw, width, 195_tw));
    return label;
}

void MainWindow::buildDisplay(QWidget* client)
{
    m_display = new ClickFrame(PanelLook::Display, client);
    m_display->setObjectName("displayFrame");
    // A right-to-left language mirrors menus and dialogs, not the calculator:
    // the display reads as on a hand-held one sold there, number left to right.
    m_display->setLayoutDirection(Qt::LeftToRight);
    m_display->setGeometry(m_twipsScale.rect(0_tw, 0_tw, kClientWidth, 975_tw));
    connect(m_display, &ClickFrame::pressed, this, [this] { m_toolkit.focusEqualsKey(); });

    m_lcd = new LcdPanel(m_display);
    m_lcd->setGeometry(m_twipsScale.rect(240_tw, 240_tw, 2655_tw, 495_tw));
    connect(m_lcd, &LcdPanel::clicked, this, [this] { m_toolkit.focusEqualsKey(); });
    connect(m_lcd, &LcdPanel::doubleClicked, this, [this] { forward([this] { m_calc.showFullWindow(); }); });

    m_shiftIndicator = addIndicator("shiftIndicator", QStringLiteral("S"), 240_tw, 195_tw);
    m_hypIndicator = addIndicator("hypIndicator", QStringLiteral("hyp"), 450_tw, 270_tw);
    m_memIndicator = addIndicator("memoryIndicator", QStringLiteral("M"), 720_tw, 195_tw);
    const char* modeNames[] = {"degreesIndicator", "radiansIndicator", "gradsIndicator"};
    const char* modeTexts[] = {"D", "R", "G"};
    for (int i = 0; i < 3; ++i) {
        m_modeDisplay[i] = addIndicator(modeNames[i], QString::fromLatin1(modeTexts[i]), 1200_tw + 360_tw * i, 195_tw);
    }
    m_expLabel = addIndicator("exponent", QStringLiteral("88"), 2400_tw, 195_tw);
    QFont expFont = m_expLabel->font();
    expFont.setPointSizeF(kExponentPoints);
    expFont.setBold(true);
    m_expLabel->setFont(expFont);
}

void MainWindow::fitExponentLabel()
{
    // Measured when an exponent is first shown: the label starts hidden, and
    // its type need not be loaded before the first paint.
    if (m_expLabelFitted) return;
    m_expLabelFitted = true;
    // The widest exponent, "-99", is wider than the label's 195 twips in this
    // type: the label grows to the left so that its last digit keeps clear of
    // the panel's right bevel instead of being cut by it.
    QRect expRect = m_expLabel->geometry();
    expRect.setWidth(qMax(expRect.width(), neededWidth(m_expLabel->font(), QStringLiteral("-99"))));
    const int rightLimit = m_lcd->width() - 3;   // the 1-pixel bevel and a pixel of room
    if (expRect.right() > rightLimit) expRect.moveRight(rightLimit);
    m_expLabel->setGeometry(expRect);
    m_expRect = expRect;
    fitExponent(m_expLabel->text());
}

void MainWindow::fitExponent(const QString& text)
{
    // A pasted exponent may have more digits than the two the engine writes
    // ("-0005"): the label grows to the left over the free part of the panel's
    // top, and past that its type shrinks, so the number is never shown cut.
    if (!m_expLabelFitted) return;
    QFont type = m_expLabel->font();
    type.setPointSizeF(kExponentPoints);
    const int right = m_expRect.right();
    const int left = m_modeDisplay[2]->geometry().right() + 2;
    while (neededWidth(type, text) > right - left && type.pointSizeF() > kSmallestExponentPoints)
        type.setPointSizeF(type.pointSizeF() - 0.5);
    m_expLabel->setFont(type);
    QRect place = m_expRect;
    place.setLeft(std::max(1, std::min(place.left(), right - neededWidth(type, text))));
    m_expLabel->setGeometry(place);
}

void MainWindow::buildKeypad(QWidget* client)
{
    // Created after the display frame, so it lies above the display's lower edge.
    m_keypad = new ClickFrame(PanelLook::Keypad, client);
    m_keypad->setObjectName("keypad");
    // Keys stay where they are printed, and "1/x" reads "1/x", in every language.
    m_keypad->setLayoutDirection(Qt::LeftToRight);
    m_keypad->setGeometry(m_twipsScale.rect(0_tw, 840_tw, kClientWidth, 3735_tw));
    connect(m_keypad, &ClickFrame::pressed, this, [this](Qt::MouseButton button, QPoint at) {
        if (button == Qt::RightButton) {
            m_settingsMenu->popup(at);
        } else {
            m_toolkit.focusEqualsKey();
        }
    });

    QFont functionFont(QStringLiteral("DejaVu Sans"), 6);
    // Legends first: the keys, created later, stack above them.
    QFont legendFont(QStringLiteral("DejaVu Sans"), 5);
    for (const LegendDef& def : kLegends) {
        auto* legend = new Legend(QString::fromUtf8(def.text), m_keypad);
        legend->setObjectName(QString::fromLatin1(def.name));
        describeLegend(legend, def.keyBelow);
        legend->setFont(legendFont);
        legend->setGeometry(m_twipsScale.rect(def.left, def.top, kLegendWidth, kLegendHeight));
    }

    QFont lowerFont(QStringLiteral("DejaVu Sans"), 9);
    lowerFont.setBold(true);
    QFont smallLowerFont(QStringLiteral("DejaVu Sans"), 6);
    smallLowerFont.setBold(true);
    for (const KeyRow& def : keyTable()) {
        const bool isFunction =
            def.group == KeyGroup::Function || def.group == KeyGroup::Shift || def.group == KeyGroup::Off;
        const KeyPlace place = keyPlace(def);
        KeyButton* key = nullptr;
        if (def.group == KeyGroup::Equal) {
            m_equal = new EqualKey(def, m_keyFaces, m_keypad);
            m_equal->setFocusPolicy(Qt::StrongFocus);
            connect(m_equal, &EqualKey::typed, this, [this](const Typed& typed) {
                forward([this, typed] { typed.escape ? m_calc.typeEscape() : m_calc.typeKey(typed.key); });
            });
            key = m_equal;
        } else {
            key = new KeyButton(def, m_keyFaces, m_keypad);
            // Clicks leave the keyboard with "=", where the keyboard map listens.
            key->setFocusPolicy(Qt::NoFocus);
        }
        key->setAutoDefault(false);
        key->setObjectName(QString::fromLatin1(def.name));
        describeKey(key, def.key);
        if (isFunction) {
            key->setFont(functionFont);
            key->setGeometry(m_twipsScale.rect(place.left, place.top, kFunctionKeyWidth, kFunctionKeyHeight));
        } else {
            key->setFont(QString::fromUtf8(def.caption).size() > 1 ? smallLowerFont : lowerFont);
            key->setGeometry(m_twipsScale.rect(place.left, place.top, kLowerKeySize, kLowerKeySize));
        }
        const Key pressed = def.key;
        connect(key, &QPushButton::clicked, this, [this, pressed] { forward([this, pressed] { m_calc.press(pressed); }); });
        m_keys.push_back(key);
    }
}

void MainWindow::buildMenus()
{
    auto* barStyle = new MenuBarStyle;
    barStyle->setParent(menuBar());
    menuBar()->setStyle(barStyle);
    //: Menu bar: the first menu (copy, paste, compact window, hide, always on top). & marks the Alt key letter.
    m_settingsMenu = menuBar()->addMenu(tr("&Settings"));
    m_settingsMenu->setObjectName("settingsMenu");
    //: Settings menu: copies the displayed number to the clipboard (Ctrl+C).
    QAction* copy = m_settingsMenu->addAction(tr("&Copy"));
    copy->setObjectName("copyAction");
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copy, &QAction::triggered, this, [this] { forward([this] { m_calc.copy(); }); });
    //: Settings menu: puts a number from the clipboard on the display (Ctrl+V).
    QAction* paste = m_settingsMenu->addAction(tr("&Paste"));
    paste->setObjectName("pasteAction");
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(paste, &QAction::triggered, this, [this] { forward([this] { m_calc.paste(); }); });
    //: Settings menu: shrinks the window to the display alone (compact mode, Ctrl+S). Not "minimise": the
    //: window stays on screen.
    QAction* shrink = m_settingsMenu->addAction(tr("Shrin&k"));
    shrink->setObjectName("shrinkAction");
    shrink->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // The tip names the shortcut as the menu shows it, in the same language.
    //: Tip of the Settings menu's Shrink item. %1 is its shortcut as the menu shows it (Ctrl+S).
    shrink->setToolTip(tr("Only the display; %1 again brings the keypad back")
                           .arg(shrink->shortcut().toString(QKeySequence::NativeText)));
    connect(shrink, &QAction::triggered, this, [this] { forward([this] { m_calc.toggleCompact(); }); });
    //: Settings menu: hides the window into its notification-area (tray) icon.
    QAction* hide = m_settingsMenu->addAction(tr("&Hide"));
    hide->setObjectName("hideAction");
    hide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(hide, &QAction::triggered, this, [this] { forward([this] { m_calc.hideToTray(); }); });
    //: Settings menu, a check item: keeps the window above all others.
    m_alwaysOnTopAction = m_settingsMenu->addAction(tr("Always On &Top"));
    m_alwaysOnTopAction->setObjectName("alwaysOnTopAction");
    m_alwaysOnTopAction->setCheckable(true);
    if (isNativeWayland()) {
        // The choice stays as stored, checked or not, for the next run on X11.
        explainUnavailable(m_alwaysOnTopAction,
                           //: Tip and spoken description of the greyed "Always On Top" item on Wayland.
                           //: "Wayland" and "X11" are names of display systems: keep them.
                           tr("Not available on Wayland, which keeps no window above others; run on X11 to use it"));
    }
    m_settingsMenu->setToolTipsVisible(true);
    // The mark Qt flips is drawn again from the calculator's choice by render().
    connect(m_alwaysOnTopAction, &QAction::triggered, this,
            [this] { forward([this] { m_calc.toggleAlwaysOnTop(); }); });
    // The shortcuts also belong to the window itself, so they keep working in
    // compact mode, where the menu bar is hidden.
    addActions({copy, paste, shrink, hide});

    //: Menu bar: the second menu, with the About item.
    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName("helpMenu");
    //: Help menu and the tray icon's menu: opens the About box.
    QAction* about = m_helpMenu->addAction(tr("&About..."));
    about->setObjectName("aboutAction");
    connect(about, &QAction::triggered, this, [this] { forward([this] { m_toolkit.showAboutDialog(); }); });

    m_trayMenu = new QMenu(QStringLiteral("Pop"), this);
    m_trayMenu->setObjectName("trayMenu");
    //: Help menu and the tray icon's menu: opens the About box.
    QAction* trayAbout = m_trayMenu->addAction(tr("&About..."));
    trayAbout->setObjectName("trayAboutAction");
    connect(trayAbout, &QAction::triggered, this, [this] { forward([this] { m_toolkit.showAboutDialog(); }); });
    m_trayMenu->addSeparator()->setObjectName("traySeparator");
    //: The tray icon's menu: ends the program.
    QAction* exit = m_trayMenu->addAction(tr("E&xit"));
    exit->setObjectName("exitAction");
    connect(exit, &QAction::triggered, this, [this] { forward([this] { m_calc.switchOff(); }); });
}

int MainWindow::firstKeyRowTop() const
{
    int top = m_keypad->height();
    for (const QPushButton* key : m_keys) top = std::min(top, key->y());
    const int menu = menuBar()->isVisibleTo(this) ? menuBar()->sizeHint().height() : 0;
    return menu + m_keypad->y() + top;
}

void MainWindow::render()
{
    const DisplayState shown = m_calc.display();
    m_lcd->setText(toQString(std::string(shown.lcdText)));
    if (shown.expVisible) fitExponentLabel();
    const QString exponent = shownExponent(toQString(std::string(shown.expText)));
    if (exponent != m_expLabel->text()) {
        m_expLabel->setText(exponent);
        fitExponent(exponent);
    }
    m_expLabel->setVisible(shown.expVisible);
    m_shiftIndicator->setVisible(shown.shiftIndicatorVisible);
    m_hypIndicator->setVisible(shown.hypIndicatorVisible);
    m_memIndicator->setVisible(shown.memIndicatorVisible);
    for (std::size_t i = 0; i < 3; ++i) m_modeDisplay[i]->setVisible(shown.modeDisplayVisible[i]);
    m_alwaysOnTopAction->setChecked(m_calc.alwaysOnTop());
    m_speech->refresh(shown);
}

void MainWindow::forward(const std::function<void()>& command)
{
    command();
    render();
}

void MainWindow::trayActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: forward([this] { m_calc.showFromTray(); }); break;
    case QSystemTrayIcon::Context: m_trayMenu->popup(QCursor::pos()); break;
    default: break;   // double and middle clicks mean nothing here
    }
}

void MainWindow::toggleShown()
{
    // A dialog waiting for its answer keeps the window it belongs to on screen.
    if (QApplication::activeModalWidget()) {
        trayActivated(QSystemTrayIcon::Trigger);
        return;
    }
    forward([this] { m_calc.toggleShown(); });
}

void MainWindow::centreWhenFramed() { m_placeWhenFramed.ask([this] { centreOnScreen(this); }); }

void MainWindow::pullInsideWhenFramed()
{
    // A centred window is inside its screen already.
    if (!m_placeWhenFramed.pending()) m_placeWhenFramed.ask([this] { pullInsideNearestScreen(this); });
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    m_placeWhenFramed.settle(this);
    return handled;
}

void MainWindow::end(Display display)
{
    if (display == Display::Unattended) m_toolkit.answerNoMore();
    if (m_ending) return;
    m_ending = true;
    const bool present = display != Display::Gone;
    // 1. A launch from now on waits until this copy is gone, then reads what it saved.
    emit ending();
    // 2. The open dialogs end as their Cancel ends them (OFF is never pressed
    //    behind one); on a lost display only their models are told.
    if (present) cancelOpenDialogs();
    else cancelOpenDialogModels();
    // 3. Settings and memory bank saved (a failure told), then the tray icon removed.
    m_calc.shutdown(present ? Calculator::Desktop::Present : Calculator::Desktop::Gone);
    // Any request to a lost display would end the process in Xlib or Qt.
    if (!present) return;
    // 4. The window goes (its close event finds the end begun) and the event loop ends.
    close();
    emit closed();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    end();
    event->accept();
}

}  // namespace trellum::shell
