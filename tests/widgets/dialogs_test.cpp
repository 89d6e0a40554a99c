// The dialog windows against their real models: what the user sees (captions,
// enabled buttons, list lines) and what each way out leaves in the model.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "engine/recording_toolkit.h"
#include "shell/dialogs/dialogs.h"
#include "storage/const_dialog.h"
#include "storage/mem_list_dialog.h"

using namespace trellum;
using namespace trellum::shell;

namespace {

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
}

void clickRow(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Plays a comma-separated script of user actions on a shown dialog window.
void play(ModelWindow* window, const QString& script)
{
    for (const QString& step : script.split(u',', Qt::SkipEmptyParts)) {
        if (step.startsWith(u"line")) clickRow(child<QListWidget>(window, "lstMem"), step.mid(4).toInt() - 1);
        else if (step == u"flush") child<QAction>(window, "mnuFlush")->trigger();
        else if (step == u"done") QTest::mouseClick(child<QPushButton>(window, "cmdDone"), Qt::LeftButton);
        else if (step == u"cancel") QTest::mouseClick(child<QPushButton>(window, "cmdCancel"), Qt::LeftButton);
        else if (step == u"enter") QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        else if (step == u"esc") QTest::keyClick(window, Qt::Key_Escape);
        else if (step == u"close") window->close();
        else qFatal("unknown step %s", qPrintable(step));
    }
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kHeader = "This file constains constants for Trellum:\r\n"
                           "================================================\r\n";

// A toolkit whose entry dialog is the real window, as in the program.
class WindowedToolkit : public RecordingToolkit {
public:
    void ShowQueryDialog(QueryDialog& dialog) override { RunQueryWindow(nullptr, dialog, AppIcon()); }
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void memListOutcome_data();
    void memListOutcome();
    void memListShowsSlotsAndPreviewsFlush();
    void memListRunReturnsWhenDone();

    void constChoosesValue_data();
    void constChoosesValue();
    void constDeleteReselects();
    void constEditRunsEntryWindowAndRepaints();

    void queryOk_data();
    void queryOk();
    void queryShowsTextsToModify();

    void aboutBox();
    void centerForm_data();
    void centerForm();
    void appIconWithoutResources();
};

void DialogsTest::memListOutcome_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("memChoice");
    QTest::newRow("line 3, Done") << "line3,done" << 3;
    QTest::newRow("line 10, Enter") << "line10,enter" << 10;
    QTest::newRow("Done while disabled does nothing, then Cancel") << "done,cancel" << -1;
    QTest::newRow("Esc cancels") << "esc" << -1;
    QTest::newRow("Flush, Cancel") << "flush,cancel" << 19;
    QTest::newRow("Flush, Done without a line") << "flush,done" << 20;
    QTest::newRow("Flush, line 2, Done") << "flush,line2,done" << 22;
    QTest::newRow("title-bar close") << "line4,close" << 0;
    QTest::newRow("Flush, title-bar close") << "flush,close" << 20;
}

void DialogsTest::memListOutcome()
{
    QFETCH(QString, script);
    QFETCH(int, memChoice);
    int16_t choice = 0;
    MemListDialog model(choice);
    model.Caption = "Save a number";
    auto window = MakeMemListWindow(nullptr, model, AppIcon());
    window->show();
    play(window.get(), script);
    QCOMPARE(choice, memChoice);
    QVERIFY(model.Unloaded);
    QVERIFY(!window->isVisible());
}

void DialogsTest::memListShowsSlotsAndPreviewsFlush()
{
    int16_t choice = 0;
    MemListDialog model(choice);
    model.Caption = "Retrieve a number";
    model.lstMem = {"1.5E-07", "42.", "0", "0", "0", "0", "0", "0", "0", "-3."};
    auto window = MakeMemListWindow(nullptr, model, AppIcon());
    window->show();
    auto* list = child<QListWidget>(window.get(), "lstMem");
    auto* done = child<QPushButton>(window.get(), "cmdDone");

    QCOMPARE(window->windowTitle(), QString("Retrieve a number"));
    QCOMPARE(list->count(), 10);
    QCOMPARE(list->item(0)->text(), QString("1.5E-07"));
    QCOMPARE(list->item(9)->text(), QString("-3."));
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(9))));
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(!done->isEnabled());
    QVERIFY(done->isDefault());
    // Focusing the list must not count as choosing a line.
    window->activateWindow();
    list->setFocus();
    QVERIFY(!done->isEnabled());

    clickRow(list, 1);
    QVERIFY(done->isEnabled());
    child<QAction>(window.get(), "mnuFlush")->trigger();
    for (int row = 0; row < 10; ++row) QCOMPARE(list->item(row)->text(), QString("0."));
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(window->isVisible());
}

void DialogsTest::memListRunReturnsWhenDone()
{
    int16_t choice = 0;
    MemListDialog model(choice);
    model.Caption = "Save a number";
    QString caption;
    QTimer::singleShot(0, [&] {
        auto* window = static_cast<ModelWindow*>(QApplication::activeModalWidget());
        if (!window) return;
        caption = window->windowTitle();
        play(window, "line7,done");
        if (window->isVisible()) window->done(QDialog::Rejected);  // a failure must not hang the run
    });
    RunMemListWindow(nullptr, model, AppIcon());
    QCOMPARE(caption, QString("Save a number"));
    QCOMPARE(choice, int16_t{7});
}

void DialogsTest::constChoosesValue_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("result");
    QTest::newRow("select g, OK") << "g,ok" << "9.81";
    QTest::newRow("select pi, Enter") << "pi,enter" << "3.14159265358979";
    QTest::newRow("select g, Cancel") << "g,cancel" << "";
    QTest::newRow("select g, Esc") << "g,esc" << "";
    QTest::newRow("select g, title-bar close") << "g,close" << "";
}

void DialogsTest::constChoosesValue()
{
    QFETCH(QString, script);
    QFETCH(QString, result);
    QTemporaryDir dir;
    const QString path = dir.filePath("constants.txt");
    writeFile(path, kHeader + "pi = 3.14159265358979\r\ng=9.81\r\n");
    RecordingToolkit toolkit;
    ConstDialog model(toolkit);
    model.Form_Load(path.toStdString());
    model.Caption = "Load a constant";
    auto window = MakeConstWindow(nullptr, model, AppIcon());
    window->show();
    auto* list = child<QListWidget>(window.get(), "lstConst");
    auto* ok = child<QPushButton>(window.get(), "cmdOk");
    auto* del = child<QPushButton>(window.get(), "cmdDel");

    QCOMPARE(window->windowTitle(), QString("Load a constant"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QString("g"));
    QVERIFY(!ok->isEnabled());
    QVERIFY(!del->isEnabled());

    for (const QString& step : script.split(u',')) {
        if (step == u"pi") clickRow(list, 0);
        else if (step == u"g") clickRow(list, 1);
        else if (step == u"ok") QTest::mouseClick(ok, Qt::LeftButton);
        else if (step == u"enter") QTest::keyClick(list, Qt::Key_Return);
        else if (step == u"cancel") QTest::mouseClick(child<QPushButton>(window.get(), "cmdCancel"), Qt::LeftButton);
        else if (step == u"esc") QTest::keyClick(window.get(), Qt::Key_Escape);
        else if (step == u"close") window->close();
        if (step == u"g") {
            QVERIFY(ok->isEnabled());
            QVERIFY(del->isEnabled());
            QCOMPARE(list->toolTip(), QString("9.81"));
        }
    }
    QCOMPARE(QString::fromStdString(model.Result), result);
    QVERIFY(!window->isVisible());
    // Nothing was edited, so the file keeps its blank-less line.
    QVERIFY(readFile(path).contains("g=9.81"));
}

void DialogsTest::constDeleteReselects()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("constants.txt");
    writeFile(path, kHeader + "a = 1\r\nb = 2\r\nc = 3\r\n");
    RecordingToolkit toolkit;
    ConstDialog model(toolkit);
    model.Form_Load(path.toStdString());
    auto window = MakeConstWindow(nullptr, model, AppIcon());
    window->show();
    auto* list = child<QListWidget>(window.get(), "lstConst");
    auto* ok = child<QPushButton>(window.get(), "cmdOk");
    auto* del = child<QPushButton>(window.get(), "cmdDel");

    clickRow(list, 2);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->toolTip(), QString("2"));

    QTest::mouseClick(del, Qt::LeftButton);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(list->count(), 0);
    QVERIFY(!ok->isEnabled());
    QVERIFY(!del->isEnabled());
    QVERIFY(list->toolTip().isEmpty());
    QVERIFY(window->isVisible());
}

void DialogsTest::constEditRunsEntryWindowAndRepaints()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("constants.txt");
    writeFile(path, kHeader + "pi = 3.14159265358979\r\n");
    WindowedToolkit toolkit;
    ConstDialog model(toolkit);
    model.Form_Load(path.toStdString());
    auto window = MakeConstWindow(nullptr, model, AppIcon());
    window->show();

    QString entryCaption;
    QTimer::singleShot(0, [&] {
        QWidget* entry = QApplication::activeModalWidget();
        if (!entry || entry == window.get()) return;
        entryCaption = entry->windowTitle();
        child<QLineEdit>(entry, "txtName")->setText(" c ");
        child<QLineEdit>(entry, "txtVal")->setText("299792458");
        QTest::mouseClick(child<QPushButton>(entry, "cmdOk"), Qt::LeftButton);
        if (entry->isVisible()) static_cast<QDialog*>(entry)->done(QDialog::Rejected);
    });
    QTest::mouseClick(child<QPushButton>(window.get(), "cmdEdit"), Qt::LeftButton);

    QCOMPARE(entryCaption, QString("Add a new constant"));
    auto* list = child<QListWidget>(window.get(), "lstConst");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QString("c"));
    QVERIFY(list->selectedItems().isEmpty());
    // Cancel keeps the edit: the file is rewritten with the new line.
    QTest::mouseClick(child<QPushButton>(window.get(), "cmdCancel"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(readFile(path).endsWith("c = 299792458\r\n"));
}

void DialogsTest::queryOk_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty name stays open") << "" << "1" << false << "msg:i:Fill in name and value of the constant.";
    QTest::newRow("empty value stays open") << "x" << "" << false << "msg:i:Fill in name and value of the constant.";
    QTest::newRow("value not a number stays open") << "x" << "abc" << false << "msg:i:Value of the constant is not a number!";
    QTest::newRow("blank name is content") << "  " << "2" << true << "";
    QTest::newRow("name and number") << "g" << "9.81" << true << "";
}

void DialogsTest::queryOk()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    RecordingToolkit toolkit;
    QueryDialog model(toolkit);
    model.Caption = "Add a new constant";
    auto window = MakeQueryWindow(nullptr, model, AppIcon());
    window->show();
    QCOMPARE(window->windowTitle(), QString("Add a new constant"));
    auto* txtName = child<QLineEdit>(window.get(), "txtName");
    QCOMPARE(window->focusWidget(), txtName);
    QTest::keyClicks(txtName, name);
    QTest::keyClicks(child<QLineEdit>(window.get(), "txtVal"), value);
    QTest::mouseClick(child<QPushButton>(window.get(), "cmdOk"), Qt::LeftButton);

    QCOMPARE(model.Accepted, accepted);
    QCOMPARE(window->isVisible(), !accepted);
    QCOMPARE(QString::fromStdString(model.txtName), name);
    QStringList events;
    for (const std::string& event : toolkit.Events) events << QString::fromStdString(event);
    QCOMPARE(events, message.isEmpty() ? QStringList() : QStringList{message});
    // What was typed survives a refusal.
    QCOMPARE(txtName->text(), name);
}

void DialogsTest::queryShowsTextsToModify()
{
    RecordingToolkit toolkit;
    QueryDialog model(toolkit);
    model.Caption = "Modify a constant";
    model.Mode = 2;
    model.txtName = "pi";
    model.txtVal = "3.14";
    auto window = MakeQueryWindow(nullptr, model, AppIcon());
    window->show();
    QCOMPARE(child<QLineEdit>(window.get(), "txtName")->text(), QString("pi"));
    QCOMPARE(child<QLineEdit>(window.get(), "txtVal")->text(), QString("3.14"));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(model.Hidden);
    QVERIFY(!model.Accepted);
}

void DialogsTest::aboutBox()
{
    QString caption, text;
    QSize clientSize;
    QColor background;
    bool hasPicture = false;
    bool closedByOk = false;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        if (!about) return;
        caption = about->windowTitle();
        clientSize = about->size();
        background = about->palette().color(QPalette::Window);
        text = child<QLabel>(about, "lblAppName")->text();
        hasPicture = !child<QLabel>(about, "picIcon")->pixmap().isNull();
        QTest::mouseClick(child<QPushButton>(about, "cmdOk"), Qt::LeftButton);
        closedByOk = !about->isVisible();
        if (about->isVisible()) static_cast<QDialog*>(about)->done(QDialog::Rejected);
    });
    RunAboutWindow(nullptr, AppIcon());
    QCOMPARE(caption, QString("About Trellum"));
    QCOMPARE(text, QString("Trellum Version 2.1"));
    QCOMPARE(clientSize, QSize(TwipsToPixels(4485, nullptr), TwipsToPixels(3180, nullptr)));
    QCOMPARE(background, QApplication::palette("QMenu").color(QPalette::Window));
    QVERIFY(hasPicture);
    QVERIFY(closedByOk);
}

void DialogsTest::centerForm_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("small window") << QSize(201, 99);
    QTest::newRow("window larger than the screen") << QSize(5000, 4000);
}

void DialogsTest::centerForm()
{
    QFETCH(QSize, size);
    QWidget window;
    window.setFixedSize(size);
    CenterForm(&window);
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.x(), screen.x() + qRound(screen.width() / 2.0f - size.width() / 2.0f));
    QCOMPARE(window.y(), screen.y() + qRound(screen.height() / 2.0f - size.height() / 2.0f));
    QVERIFY(!QGuiApplication::overrideCursor());
}

void DialogsTest::appIconWithoutResources()
{
    // The widget tests link no resources, so this is the drawn icon.
    const QImage image = AppIcon().pixmap(32, 32).toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
