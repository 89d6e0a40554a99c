// SPDX-License-Identifier: MIT
// A translation file damaged on the disk is never loaded: the program stays
// English instead of crashing in Qt's lookup of its texts. What is loaded is
// what was checked, and only a translator's explicit choice loads a file
// unchecked.

#include <random>

#include <QtTest>

#include "shell/i18n.h"

namespace {

const QString kProgramFolder = QStringLiteral(TRELLUM_PROGRAM_FOLDER);

int translators() { return static_cast<int>(QCoreApplication::instance()->findChildren<QTranslator*>().size()); }

}  // namespace

class TranslationCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void translationsLoad_data();
    void translationsLoad();

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_noQtTranslations;
};

void TranslationCheckTest::init()
{
    qputenv("LC_ALL", "de_DE.UTF-8");
    QVERIFY(m_folder.isValid() && m_noQtTranslations.isValid());
}

void TranslationCheckTest::cleanup()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    qputenv("LC_ALL", "C");
    qunsetenv("TRELLUM_TRANSLATION");
}

// Bit flips at places drawn with a fixed seed: many of them crashed the start
// in QCoreApplication::translate when such a file was loaded.
void TranslationCheckTest::translationsLoad_data()
{
    QTest::addColumn<int>("flips");   // 0: the file as built
    QTest::addColumn<QString>("french");   // where trellum_fr.qm is put, relative to the folder
    QTest::addColumn<bool>("named");       // TRELLUM_TRANSLATION names the French file
    QTest::addColumn<QString>("language");
    QTest::newRow("as built") << 0 << QString() << false << QStringLiteral("de");
    QTest::newRow("one bit flipped, 128 times") << 128 << QString() << false << QString();
    // QTranslator::load(name) would open the name with ".qm" added first.
    QTest::newRow("another language beside it as trellum_de.qm.qm")
        << 0 << QStringLiteral("trellum_de.qm.qm") << false << QStringLiteral("de");
    QTest::newRow("a translator's own file named")
        << 0 << QStringLiteral("mine/trellum_xx.qm") << true << QStringLiteral("fr");
}

void TranslationCheckTest::translationsLoad()
{
    QFETCH(int, flips);
    QFETCH(QString, french);
    QFETCH(bool, named);
    QFETCH(QString, language);
    const auto read = [](const QString& name) {
        QFile built(kProgramFolder + u'/' + name);
        return built.open(QIODevice::ReadOnly) ? built.readAll() : QByteArray();
    };
    const auto write = [this](const QString& name, const QByteArray& bytes) {
        QVERIFY(QDir(m_folder.path()).mkpath(QFileInfo(name).path()));
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    };
    const QByteArray original = read(QStringLiteral("trellum_de.qm"));
    QVERIFY(!original.isEmpty());
    if (!french.isEmpty()) write(french, read(QStringLiteral("trellum_fr.qm")));
    if (named) qputenv("TRELLUM_TRANSLATION", m_folder.filePath(french).toLocal8Bit());
    std::mt19937 random(20261207);
    std::uniform_int_distribution<qsizetype> place(0, original.size() * 8 - 1);
    for (int copy = 0; copy < qMax(flips, 1); ++copy) {
        QByteArray bytes = original;
        if (flips > 0) {
            const qsizetype bit = place(random);
            bytes[bit / 8] = static_cast<char>(bytes[bit / 8] ^ (1 << (bit % 8)));
        }
        write(QStringLiteral("trellum_de.qm"), bytes);
        const QString loaded = trellum::shell::installTranslators(*QCoreApplication::instance(), m_folder.path(), m_noQtTranslations.path());
        // Every text is looked up, as the window's start would.
        QCoreApplication::translate("Trellum", "Can't load constants Database!");
        QVERIFY2(loaded == language, qPrintable(QStringLiteral("copy %1: %2").arg(copy).arg(loaded)));
        QCOMPARE(translators(), language.isEmpty() ? 0 : 1);
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    }
}

QTEST_GUILESS_MAIN(TranslationCheckTest)
#include "translation_check_test.moc"
