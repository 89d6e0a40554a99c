// SPDX-License-Identifier: MIT
// Translations: Qt's own texts in the program's language, a damaged file never
// loaded, and right to left the calculator and the memory list's numbers kept
// as printed.

#include <array>
#include <random>

#include <QtTest>
#include <QtWidgets>

#include "app/memory_dialog.h"
#include "shell/dialogs/dialogs.h"
#include "shell/i18n.h"
#include "shell/main_window.h"
#include "storage/settings_store.h"

using namespace trellum;

namespace {

// The folder of the program built beside this test, which holds its .qm files.
const QString kProgramFolder = QStringLiteral(TRELLUM_PROGRAM_FOLDER);

}  // namespace

class I18nTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void qtTextsSpeakTheSameLanguage_data();
    void qtTextsSpeakTheSameLanguage();
    void damagedTranslationIsNotLoaded();
    void mirroredMemoryListKeepsNumbersInOrder();
    void rightToLeftKeepsTheCalculatorAsPrinted();
};

void I18nTest::cleanup()
{
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    qputenv("LC_ALL", "C");
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
}

void I18nTest::qtTextsSpeakTheSameLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "sv", "pt_PT"}) QTest::newRow(language) << QString::fromLatin1(language);
}

// Qt's standard buttons, its line edit's menu and the key names of the menus'
// shortcuts come from Qt's own translations (qt6-translations-l10n), in the
// program's language: from the older whole catalogue qt_LANG where Debian has
// no qtbase_LANG (Swedish, Portugal's Portuguese).
void I18nTest::qtTextsSpeakTheSameLanguage()
{
    QFETCH(QString, language);
    qputenv("LC_ALL", language.toUtf8() + ".UTF-8");
    QCOMPARE(shell::installTranslators(*qApp, kProgramFolder), language);
    const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
    QVERIFY2(undo != u"&Undo", qPrintable(undo));
}

// Bit flips at places drawn with a fixed seed: many of them crashed the start
// in Qt's lookup of a text when such a file was loaded. The program stays
// English instead.
void I18nTest::damagedTranslationIsNotLoaded()
{
    qputenv("LC_ALL", "de_DE.UTF-8");
    QFile built(kProgramFolder + QStringLiteral("/trellum_de.qm"));
    QVERIFY(built.open(QIODevice::ReadOnly));
    const QByteArray original = built.readAll();
    QTemporaryDir folder, noQtTranslations;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<qsizetype> place(0, original.size() * 8 - 1);
    for (int copy = 0; copy < 128; ++copy) {
        QByteArray bytes = original;
        const qsizetype bit = place(random);
        bytes[bit / 8] = static_cast<char>(bytes[bit / 8] ^ (1 << (bit % 8)));
        QFile file(folder.filePath(QStringLiteral("trellum_de.qm")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        const QString loaded = shell::installTranslators(*qApp, folder.path(), noQtTranslations.path());
        QCoreApplication::translate("Trellum", "Can't load constants Database!");
        QVERIFY2(loaded.isEmpty(), qPrintable(QStringLiteral("copy %1: %2").arg(copy).arg(loaded)));
    }
}

namespace {

// How many rows of a cropped line hold dark ink in two of its columns.
int inkRows(const QImage& ink, int column)
{
    int rows = 0;
    for (int y = 0; y < ink.height(); ++y)
        if (qGray(ink.pixel(column, y)) < 128 || qGray(ink.pixel(column + 1, y)) < 128) ++rows;
    return rows;
}

}  // namespace

// Right to left the memory window is mirrored while each line reads as
// written: "-1.5" begins with the minus, one or two rows of ink, and ends with
// the 5, which fills the line; "1.5-" would be the other way round.
void I18nTest::mirroredMemoryListKeepsNumbersInOrder()
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    std::array<std::string, MemoryDialog::kLines> slotTexts;
    slotTexts.fill("0.");
    slotTexts[0] = "-1.5";
    MemoryDialog memory(Caption::SaveNumber, slotTexts);
    auto window = shell::makeMemoryWindow(nullptr, memory, QIcon());
    window->show();
    auto* list = window->findChild<QListWidget*>("slotList");
    const QImage shot = list->viewport()->grab().toImage();
    const QRect line = list->visualItemRect(list->item(0));
    const QRgb paper = shot.pixel(line.topLeft());
    QRect ink;
    for (int y = line.top(); y <= line.bottom(); ++y)
        for (int x = line.left(); x <= line.right(); ++x)
            if (shot.pixel(x, y) != paper) ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    const QImage drawn = shot.copy(ink);
    QVERIFY(inkRows(drawn, 0) < inkRows(drawn, drawn.width() - 2));
}

// Right to left the menu bar and dialogs mirror, while the keypad and the
// display stay as printed on a calculator: the same pixels either way.
void I18nTest::rightToLeftKeepsTheCalculatorAsPrinted()
{
    const auto look = [] {
        SettingsStore settings;
        shell::MainWindow window(settings);
        window.show();
        window.calculator().start();
        for (const char* name : {"digit1", "point", "digit5", "exponent", "digit7", "changeSign"})
            QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
        return window.findChild<QWidget*>("client")->grab().toImage();
    };
    const QImage leftToRight = look();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    QVERIFY(!leftToRight.isNull());
    QVERIFY(look() == leftToRight);
}

QTEST_MAIN(I18nTest)
#include "i18n_test.moc"
