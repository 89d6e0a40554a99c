// SPDX-License-Identifier: MIT
// Every text of the dialogs and menus fits its control in every shipped
// language (buttons, labels, list lines, window titles, menu entries) and no two
// controls overlap. Fixed font and style, so the widths are the same on every machine.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QtTest>
#include <QtWidgets>

#include "app/constants_dialog.h"
#include "app/memory_dialog.h"
#include "shell/app_style.h"
#include "shell/dialogs/dialogs.h"
#include "shell/main_window.h"
#include "shell/window_geometry.h"
#include "storage/settings_store.h"
#include "testing/recording_toolkit.h"
#include "patience.h"

using namespace trellum;
using namespace trellum::shell;

namespace {

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    return text.replace(u'\x01', u'&');
}

// Every dialog the program shows, once with each caption its model can carry.
// The models outlive their windows, which refer to them.
struct AllDialogs {
    AllDialogs()
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write("head\r\nhead\r\npi = 3.14159265358979\r\ng = 9.80665\r\n");
        file.close();
        constants.emplace(toolkit, path.toStdString());
        windows.emplace_back("save", makeMemoryWindow(nullptr, save, appIcon()));
        windows.emplace_back("retrieve", makeMemoryWindow(nullptr, retrieve, appIcon()));
        windows.emplace_back("constants", makeConstantsWindow(nullptr, *constants, appIcon()));
        windows.emplace_back("add", makeConstantEntryWindow(nullptr, add, appIcon()));
        windows.emplace_back("modify", makeConstantEntryWindow(nullptr, modify, appIcon()));
        windows.emplace_back("about", makeAboutWindow(nullptr, appIcon()));
        // Shown, so the lists lay out their viewports.
        for (auto& [name, window] : windows) window->show();
    }

    QTemporaryDir dir;
    QString path = dir.filePath("constants.txt");
    RecordingToolkit toolkit;
    const std::array<std::string, MemoryDialog::kLines> slotTexts{
        "-3.14159265358979", "1.5E-07", "0.", "0.", "0.", "0.", "0.", "0.", "0.", "-42."};
    MemoryDialog save{Caption::SaveNumber, slotTexts}, retrieve{Caption::RetrieveNumber, slotTexts};
    std::optional<ConstantsDialog> constants;  // once its file is written
    ConstantEntryDialog add{toolkit, ConstantEntryDialog::Purpose::Add};
    ConstantEntryDialog modify{toolkit, ConstantEntryDialog::Purpose::Modify};
    std::vector<std::pair<QString, std::unique_ptr<ModelWindow>>> windows;
};

// What does not fit in one window, one line per fault.
QStringList misfitsOf(QWidget* window)
{
    QStringList faults;
    const QString title = window->windowTitle();
    if (titleWidth(window) > titleRoom(window))
        faults << QStringLiteral("title \"%1\" needs %2 px, the title bar leaves %3")
                      .arg(title)
                      .arg(titleWidth(window))
                      .arg(titleRoom(window));
    QList<QWidget*> controls;
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisibleTo(window) && !control->isWindow()) controls << control;
    for (QWidget* control : controls) {
        const QString name = control->objectName();
        if (!window->rect().contains(control->geometry()))
            faults << QStringLiteral("%1 reaches outside the window").arg(name);
        const QFontMetrics metrics = control->fontMetrics();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
            const QString text = withoutMnemonic(button->text());
            if (metrics.horizontalAdvance(text) > room)
                faults << QStringLiteral("button \"%1\" needs %2 px, has %3").arg(text).arg(metrics.horizontalAdvance(text)).arg(room);
        } else if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
            if (metrics.horizontalAdvance(label->text()) > label->contentsRect().width())
                faults << QStringLiteral("label \"%1\" is cut").arg(label->text());
        } else if (auto* list = qobject_cast<QListWidget*>(control)) {
            const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
            for (int row = 0; row < list->count(); ++row)
                if (metrics.horizontalAdvance(list->item(row)->text()) + margin > list->viewport()->width())
                    faults << QStringLiteral("list line \"%1\" is cut").arg(list->item(row)->text());
        } else if (auto* bar = qobject_cast<QMenuBar*>(control)) {
            for (QAction* action : bar->actions()) {
                const QRect place = bar->actionGeometry(action);
                if (place.isEmpty() || !bar->rect().contains(place))
                    faults << QStringLiteral("menu \"%1\" does not fit the menu bar").arg(action->text());
            }
        }
    }
    // The design's controls sit side by side; a translation must not push one
    // over another.
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                faults << QStringLiteral("%1 overlaps %2").arg(controls[i]->objectName(), controls[j]->objectName());
    return faults;
}

// What does not fit in one menu: each entry's text and shortcut side by side.
QStringList misfitsOf(QMenu* menu)
{
    QStringList faults;
    menu->ensurePolished();
    menu->adjustSize();
    const QFontMetrics metrics = menu->fontMetrics();
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        const QString text = withoutMnemonic(action->text());
        const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
        const int needed = metrics.horizontalAdvance(text) + (shortcut.isEmpty() ? 0 : metrics.horizontalAdvance(shortcut));
        // The room the entry is drawn in, as far as the menu shows it.
        const int room = menu->actionGeometry(action).intersected(menu->rect()).width();
        if (needed > room) faults << QStringLiteral("menu entry \"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room);
    }
    return faults;
}

// The program's translation and Qt's own for one language, installed while
// the object lives.
class Language {
public:
    explicit Language(const QString& language)
    {
        if (!m_program.load(QStringLiteral(":/i18n/trellum_%1.qm").arg(language)))
            qFatal("no translation for %s", qPrintable(language));
        QCoreApplication::installTranslator(&m_program);
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (m_qt.load(QStringLiteral("qtbase_%1").arg(language), qtFolder) ||
            m_qt.load(QStringLiteral("qt_%1").arg(language), qtFolder))
            QCoreApplication::installTranslator(&m_qt);
        else
            qWarning("Qt's own translation for %s is not installed (qt6-translations-l10n)", qPrintable(language));
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&m_qt);
        QCoreApplication::removeTranslator(&m_program);
    }

private:
    QTranslator m_program, m_qt;
};

}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
};

void TextFitTest::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

void TextFitTest::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString& language : QStringLiteral(TRELLUM_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << language;
}

void TextFitTest::everyTextFits()
{
    QFETCH(QString, language);
    std::unique_ptr<Language> installed;
    if (!language.isEmpty()) installed = std::make_unique<Language>(language);

    QStringList faults;
    AllDialogs dialogs;
    for (auto& [name, window] : dialogs.windows) {
        for (const QString& fault : misfitsOf(window.get())) faults << name + ": " + fault;
        for (QMenu* menu : window->findChildren<QMenu*>())
            for (const QString& fault : misfitsOf(menu)) faults << name + " " + menu->objectName() + ": " + fault;
        // The memory list's buttons stand under it, none reaching past its edge.
        if (auto* list = window->findChild<QListWidget*>("slotList")) {
            for (auto* button : window->findChildren<QPushButton*>())
                if (button->geometry().right() > list->geometry().right())
                    faults << name + ": " + button->objectName() + " reaches past the list";
        }
    }
    SettingsStore settings;
    MainWindow main(settings);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main, kPatienceMs));
    for (const QString& fault : misfitsOf(&main)) faults << "main window: " + fault;
    for (QMenu* menu : {main.settingsMenu(), main.helpMenu(), main.trayMenu()})
        for (const QString& fault : misfitsOf(menu)) faults << menu->objectName() + ": " + fault;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
