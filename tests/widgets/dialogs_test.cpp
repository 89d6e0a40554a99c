// SPDX-License-Identifier: MIT
// The dialog windows against their real models: what the user sees (captions,
// enabled buttons, list lines) and what each way out leaves in the model.

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

QStringList lines(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
}

// Plays comma-separated steps on a dialog window: "row2" clicks that line of its
// list, "...Button" that button, "flushAction" the menu item (and checks its preview).
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
        else if (step == u"down") {
            activate(list);
            QCOMPARE(list->currentRow(), -1);   // nothing drawn highlighted before a choice
            QTest::keyClick(list, Qt::Key_Down);
        } else if (step == u"end") {
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
        else if (step == u"close") window->close();
        else if (step == u"flushAction") {
            const int row = list->currentRow();
            child<QAction>(window, step)->trigger();
            QVERIFY(window->isVisible());
            QCOMPARE(lines(list), QStringList(10, "0."));
            QCOMPARE(list->currentRow(), row);
            QVERIFY(child<QPushButton>(window, "doneButton")->isEnabled());
        } else qFatal("unknown step %s", qPrintable(step));
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
        ok = child<QPushButton>(window.get(), "okButton");
        del = child<QPushButton>(window.get(), "deleteButton");
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
    QPushButton* ok;
    QPushButton* del;
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void memList_data();
    void memList();
    void constWindow_data();
    void constWindow();
    void constEditRunsEntryWindow_data();
    void constEditRunsEntryWindow();
    void lostDisplayCancelsModelsOnly();
    void longNamesEndInAnEllipsis();
};

void DialogsTest::memList_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("choice");
    QTest::newRow("line 3, Done") << "row2,doneButton" << "line 3";
    QTest::newRow("Down, Enter chooses line 1") << "down,enter" << "line 1";
    QTest::newRow("End before any choice chooses line 10") << "end,enter" << "line 10";
    QTest::newRow("Esc cancels") << "esc" << "nothing";
    QTest::newRow("Alt+O, Esc closes the menu, one Esc cancels") << "alt+o,esc" << "nothing";
    QTest::newRow("Flush, Done without a line") << "flushAction,doneButton" << "flush";
}

void DialogsTest::memList()
{
    QFETCH(QString, script);
    QFETCH(QString, choice);
    const QStringList shown{"1.5E-07", "42.", "0", "0", "0", "0", "0", "0", "0", "-3."};
    std::array<std::string, MemoryDialog::kLines> texts;
    for (std::size_t slot = 0; slot < texts.size(); ++slot) texts[slot] = shown[static_cast<int>(slot)].toStdString();
    MemoryDialog model(Caption::RetrieveNumber, texts);
    auto window = makeMemoryWindow(nullptr, model, appIcon());
    window->show();
    auto* list = child<QListWidget>(window.get(), "slotList");
    auto* done = child<QPushButton>(window.get(), "doneButton");
    QCOMPARE(window->windowTitle(), QString("Retrieve a number"));
    QCOMPARE(lines(list), shown);
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(9))));
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(done->isDefault());
    // Focusing the list must not count as choosing a line.
    window->activateWindow();
    list->setFocus();
    QVERIFY(!done->isEnabled());

    play(window.get(), script);
    QString chosen = "nothing";
    if (const std::optional<MemoryChoice>& made = model.choice()) {
        const QString line = made->slot ? QString("line %1").arg(*made->slot + 1) : QString();
        chosen = made->flushed ? (line.isEmpty() ? "flush" : "flush, " + line) : line;
    }
    QCOMPARE(chosen, choice);
    QVERIFY(model.isClosed());
    QVERIFY(!window->isVisible());
}

void DialogsTest::constWindow_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("selected");  // -1: none, and OK and Delete disabled
    QTest::addColumn<QString>("tip");
    const QStringList all{"pi", "g", "c"};
    QTest::newRow("select g, OK") << "row1,okButton" << "9.81" << false << all << 1 << "9.81";
    QTest::newRow("select g, title-bar close") << "row1,close" << "" << false << all << 1 << "9.81";
    QTest::newRow("delete the last line selects the one before")
        << "row2,deleteButton" << "" << true << QStringList{"pi", "g"} << 1 << "9.81";
    QTest::newRow("delete all")
        << "row2,deleteButton,deleteButton,deleteButton" << "" << true << QStringList() << -1 << "";
}

void DialogsTest::constWindow()
{
    QFETCH(QString, script);
    QFETCH(QString, result);
    QFETCH(bool, open);
    QFETCH(QStringList, names);
    QFETCH(int, selected);
    QFETCH(QString, tip);
    ConstantsWindow w("pi = 3.14159265358979\r\ng=9.81\r\nc = 3\r\n");
    QCOMPARE(w.window->windowTitle(), QString("Load a constant"));
    QCOMPARE(lines(w.list), (QStringList{"pi", "g", "c"}));
    QVERIFY(!w.ok->isEnabled());
    QVERIFY(!w.del->isEnabled());

    play(w.window.get(), script);
    QCOMPARE(QString::fromStdString(w.model->chosen().value_or("")), result);
    QCOMPARE(w.window->isVisible(), open);
    QCOMPARE(lines(w.list), names);
    QCOMPARE(w.list->currentRow(), selected);
    QCOMPARE(w.list->selectedItems().size(), selected >= 0 ? 1 : 0);
    QCOMPARE(w.ok->isEnabled(), selected >= 0);
    QCOMPARE(w.del->isEnabled(), selected >= 0);
    QCOMPARE(w.list->toolTip(), tip);
    // Nothing was saved, so the file keeps its blank-less line.
    QVERIFY(w.file().contains("g=9.81"));
}

void DialogsTest::constEditRunsEntryWindow_data()
{
    QTest::addColumn<int>("row");          // selected before Edit; -1 adds a constant
    QTest::addColumn<QString>("entry");    // caption|name|value as the entry window opens
    QTest::addColumn<QString>("typed");    // name|value typed over them before OK
    QTest::addColumn<QString>("message");  // a refusal, which keeps the entry window open
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("fileEnd");
    const QString add = "Add a new constant||";
    const QString modify = "Modify a constant|pi|3.14159265358979";
    const QString c = " c |299792458";
    const QByteArray unchanged = "=\r\npi = 3.14159265358979\r\n";
    const QByteArray added = "9\r\nc = 299792458\r\n";
    QTest::newRow("add") << -1 << add << c << "" << QStringList{"pi", "c"} << added;
    QTest::newRow("modify")
        << 0 << modify << c << "" << QStringList{"c"} << QByteArray("=\r\nc = 299792458\r\n");
    QTest::newRow("value not a number is refused") << -1 << add << "x|abc"
        << "msg:i:Value of the constant is not a number!" << QStringList{"pi"} << unchanged;
}

void DialogsTest::constEditRunsEntryWindow()
{
    QFETCH(int, row);
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, names);
    QFETCH(QByteArray, fileEnd);
    ConstantsWindow w("pi = 3.14159265358979\r\n");
    if (row >= 0) clickRow(w.list, row);
    QString opened, kept;
    bool closedBySteps = false;
    // Runs in the entry window's modal loop; closes it if the steps did not.
    QTimer::singleShot(0, w.window.get(), [&] {
        auto* query = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!query || query == w.window.get()) return;
        auto* name = child<QLineEdit>(query, "nameEdit");
        auto* value = child<QLineEdit>(query, "valueEdit");
        opened = query->windowTitle() + u'|' + name->text() + u'|' + value->text();
        QCOMPARE(query->focusWidget(), name);
        name->clear();
        value->clear();
        QTest::keyClicks(name, typed.section(u'|', 0, 0));
        QTest::keyClicks(value, typed.section(u'|', 1));
        click(query, "okButton");
        kept = name->text() + u'|' + value->text();
        closedBySteps = !query->isVisible();
        if (query->isVisible()) query->done(QDialog::Rejected);
    });
    click(w.window.get(), "editButton");

    QCOMPARE(opened, entry);
    QCOMPARE(closedBySteps, message.isEmpty());
    if (!message.isEmpty()) QCOMPARE(kept, typed);  // what was typed survives a refusal
    QStringList events;
    for (const std::string& event : w.toolkit.events) events << QString::fromStdString(event);
    QCOMPARE(events, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(lines(w.list), names);
    QCOMPARE(w.list->selectedItems().isEmpty(), row < 0);
    // Cancel (and so Esc) keeps an edit: the file is rewritten with it.
    play(w.window.get(), "cancelButton");
    QVERIFY(!w.window->isVisible());
    QVERIFY(w.file().endsWith(fileEnd));
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

// The constants a new user finds, then a name wider than the list and one of
// 10 MB: all in view without scrolling sideways, a name that is cut ends in an
// ellipsis with its whole text in the tip, and a name that fits has no tip of
// its own. The name of 10 MB took the list seconds per repaint: it is shown cut
// short and kept whole.
void DialogsTest::longNamesEndInAnEllipsis()
{
    QFile starter(QStringLiteral(TRELLUM_STARTER_CONSTANTS));
    QVERIFY(starter.open(QIODevice::ReadOnly));
    const QString longName = QStringLiteral("magnetic flux quantum of a superconducting ring");
    const QByteArray hugeName(10 << 20, 'n');
    const QByteArray hugeValue = "1" + QByteArray(1 << 20, '0');
    ConstantsWindow w(starter.readAll().split('\n').mid(2).join('\n') + longName.toUtf8() +
                      " = 2.067833848E-15\r\n" + hugeName + " = " + hugeValue + "\r\ng = 9.81\r\n");
    QCOMPARE(w.list->count(), 23);
    QCOMPARE(w.list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!w.list->horizontalScrollBar()->isVisible());
    QVERIFY(w.list->fontMetrics().horizontalAdvance(longName) > w.list->viewport()->width());
    QCOMPARE(w.list->textElideMode(), Qt::ElideRight);
    for (int row = 0; row < w.list->count(); ++row) {
        QListWidgetItem* item = w.list->item(row);
        QVERIFY2(w.list->visualItemRect(item).right() <= w.list->viewport()->width(), qPrintable(item->text()));
        const bool cut = w.list->fontMetrics().horizontalAdvance(item->text()) > w.list->viewport()->width() - 8;
        if (cut) QCOMPARE(item->toolTip(), item->text());
    }
    QCOMPARE(w.list->item(20)->toolTip(), longName);
    QCOMPARE(w.list->item(22)->toolTip(), QString());
    QVERIFY(w.list->item(21)->text().size() <= 64);
    QVERIFY(w.list->item(21)->text().startsWith("nnnn"));
    // The tip of the list itself still gives the chosen constant's value.
    clickRow(w.list, 22);
    QCOMPARE(w.list->toolTip(), QString("9.81"));
    clickRow(w.list, 21);
    QVERIFY(w.list->toolTip().size() <= 64);
    QCOMPARE(w.model->names()[21].size(), std::size_t(10 << 20));
    click(w.window.get(), "okButton");
    QCOMPARE(w.model->chosen().value_or("").size(), std::size_t(hugeValue.size()));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
