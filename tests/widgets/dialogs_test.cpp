// SPDX-License-Identifier: MIT
// The dialog windows against their real models: the memory list's keys and
// menu, the constants list's long names, and the display lost under a dialog.

#include <QtTest>
#include <QtWidgets>

#include "app/constants_dialog.h"
#include "app/memory_dialog.h"
#include "shell/app_style.h"
#include "shell/dialogs/dialogs.h"
#include "shell/session_end.h"
#include "testing/recording_toolkit.h"
#include "patience.h"

using namespace trellum;
using namespace trellum::shell;

namespace {

template <typename T>
T* child(QWidget* window, const QString& name)
{
    T* widget = window->findChild<T*>(name);
    if (!widget) qFatal("no control %s", qPrintable(name));
    return widget;
}

void click(QWidget* window, const QString& button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

void clickRow(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Plays comma-separated steps on a dialog window: "row2" clicks that line of its
// list, "...Button" that button, "end", "alt+o" and "esc" are typed.
void play(QDialog* window, const QString& script)
{
    auto* list = window->findChild<QListWidget*>();
    // As a user meets the window: active, and the list focused for a list key.
    const auto activate = [window](QWidget* focus) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window, kPatienceMs));
        if (focus) focus->setFocus();
    };
    for (const QString& step : script.split(u',', Qt::SkipEmptyParts)) {
        if (step.startsWith(u"row")) clickRow(list, step.mid(3).toInt());
        else if (step.endsWith(u"Button")) click(window, step);
        else if (step == u"enter") QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        else if (step == u"end") {
            activate(list);
            QTest::keyClick(list, Qt::Key_End);
        } else if (step == u"alt+o") {
            // The Option menu opened from the keyboard, then closed with Esc.
            activate(nullptr);
            QTest::keyClick(window->focusWidget(), Qt::Key_O, Qt::AltModifier);
            auto* menu = child<QMenu>(window, "optionMenu");
            QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), kPatienceMs);
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY_WITH_TIMEOUT(!menu->isVisible(), kPatienceMs);
            QVERIFY(window->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(!qobject_cast<QMenuBar*>(window->focusWidget()), kPatienceMs);
        }
        else if (step == u"esc") QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
        else qFatal("unknown step %s", qPrintable(step));
    }
}

// A toolkit whose entry dialog is the real window, as in the program.
class WindowedToolkit : public RecordingToolkit {
public:
    void showConstantEntryDialog(ConstantEntryDialog& dialog) override
    {
        makeConstantEntryWindow(nullptr, dialog, appIcon())->exec();
    }
};

// The constants window, shown, over a library file holding `lines`.
struct ConstantsWindow {
    explicit ConstantsWindow(const QByteArray& lines)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write("This file constains constants for Trellum:\r\n"
                   "================================================\r\n" + lines);
        file.close();
        model.emplace(toolkit, path.toStdString());
        window = makeConstantsWindow(nullptr, *model, appIcon());
        window->show();
        list = child<QListWidget>(window.get(), "constantList");
    }
    QByteArray file() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString path = dir.filePath("constants.txt");
    WindowedToolkit toolkit;
    std::optional<ConstantsDialog> model;
    std::unique_ptr<ModelWindow> window;
    QListWidget* list;
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void memList_data();
    void memList();
    void lostDisplayCancelsModelsOnly();
    void longNamesEndInAnEllipsis();
};

void DialogsTest::memList_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("choice");
    QTest::newRow("line 3, Done") << "row2,doneButton" << "line 3";
    QTest::newRow("End before any choice chooses line 10") << "end,enter" << "line 10";
    QTest::newRow("Esc cancels") << "esc" << "nothing";
    QTest::newRow("Alt+O, Esc closes the menu, one Esc cancels") << "alt+o,esc" << "nothing";
}

void DialogsTest::memList()
{
    QFETCH(QString, script);
    QFETCH(QString, choice);
    MemoryDialog model(Caption::RetrieveNumber, {"1.5E-07", "42.", "0", "0", "0", "0", "0", "0", "0", "-3."});
    auto window = makeMemoryWindow(nullptr, model, appIcon());
    window->show();
    play(window.get(), script);
    QString chosen = "nothing";
    if (const std::optional<MemoryChoice>& made = model.choice(); made && made->slot)
        chosen = QString("line %1").arg(*made->slot + 1);
    QCOMPARE(chosen, choice);
    QVERIFY(model.isClosed());
    QVERIFY(!window->isVisible());
}

// With the display gone any request to it ends the process: the open dialogs'
// models are cancelled, newest first, and the windows are left alone.
void DialogsTest::lostDisplayCancelsModelsOnly()
{
    ConstantsWindow w("pi = 3.14159265358979\r\n");
    const auto entryWindow = [&w] {
        auto* query = dynamic_cast<ModelWindow*>(QApplication::activeModalWidget());
        if (query == w.window.get()) return static_cast<ModelWindow*>(nullptr);
        return query;
    };
    // A constant added and confirmed first, so the library has an edit to write.
    QTimer::singleShot(0, w.window.get(), [&] {
        ModelWindow* query = entryWindow();
        QVERIFY(query);
        QTest::keyClicks(child<QLineEdit>(query, "nameEdit"), "zz");
        QTest::keyClicks(child<QLineEdit>(query, "valueEdit"), "5");
        click(query, "okButton");
    });
    click(w.window.get(), "editButton");
    QVERIFY(!w.file().contains("zz"));

    // The entry window open again, a name typed but not confirmed, when the display goes.
    std::vector<ModelWindow*> open;
    bool windowsVisible = false;
    QByteArray written;
    QTimer::singleShot(0, w.window.get(), [&] {
        ModelWindow* query = entryWindow();
        QVERIFY(query);
        QTest::keyClicks(child<QLineEdit>(query, "nameEdit"), "yy");
        open = ModelWindow::openWindows();
        cancelOpenDialogModels();
        windowsVisible = query->isVisible() && w.window->isVisible();
        written = w.file();
        query->done(QDialog::Rejected);
    });
    click(w.window.get(), "editButton");

    QCOMPARE(open.size(), std::size_t{2});
    QCOMPARE(open.front(), w.window.get());
    QVERIFY(windowsVisible);
    QVERIFY(written.endsWith("pi = 3.14159265358979\r\nzz = 5\r\n"));
    // Back in the library's own handler, its cancelled model closes it.
    QVERIFY(!w.window->isVisible());
    QVERIFY(ModelWindow::openWindows().empty());
}

// The constants a new user finds, then a name wider than the list: all in view
// without scrolling sideways, a name that is cut ending in an ellipsis with its
// whole text in the tip.
void DialogsTest::longNamesEndInAnEllipsis()
{
    QFile starter(QStringLiteral(TRELLUM_STARTER_CONSTANTS));
    QVERIFY(starter.open(QIODevice::ReadOnly));
    const QString longName = QStringLiteral("magnetic flux quantum of a superconducting ring");
    ConstantsWindow w(starter.readAll().split('\n').mid(2).join('\n') + longName.toUtf8() + " = 2.067833848E-15\r\n");
    QCOMPARE(w.list->count(), 21);
    QVERIFY(w.list->fontMetrics().horizontalAdvance(longName) > w.list->viewport()->width());
    for (int row = 0; row < w.list->count(); ++row)
        QVERIFY2(w.list->visualItemRect(w.list->item(row)).right() <= w.list->viewport()->width(),
                 qPrintable(w.list->item(row)->text()));
    QCOMPARE(w.list->item(20)->toolTip(), longName);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
