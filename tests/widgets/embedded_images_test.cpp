// The window icon and the keypad's pointer are pixels embedded at build time:
// they must be the PNGs in shell/resources exactly, as Qt's PNG reader gives
// them, at every size the icon holds.

#include <algorithm>

#include <QImageReader>
#include <QtTest>

#include "shell/embedded_images.h"

using trellum::shell::appIcon;
using trellum::shell::embeddedImage;
using trellum::shell::embeddedImages;
using trellum::shell::keypadCursor;

namespace {

QImage pngImage(const QString& picture)
{
    QImageReader reader(QStringLiteral(TRELLUM_RESOURCES_DIR "/%1.png").arg(picture), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Format, size and every byte of every line.
void compareImages(const QImage& actual, const QImage& expected)
{
    QVERIFY(!expected.isNull());
    QCOMPARE(actual.format(), expected.format());
    QCOMPARE(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        const auto* line = actual.constScanLine(y);
        if (!std::equal(line, line + expected.bytesPerLine(), expected.constScanLine(y)))
            QFAIL(qPrintable(QStringLiteral("line %1 differs").arg(y)));
    }
}

}  // namespace

class EmbeddedImagesTest : public QObject {
    Q_OBJECT
private slots:
    void pictureIsItsPng_data();
    void pictureIsItsPng();
    void iconShowsThePngAtEverySize_data();
    void iconShowsThePngAtEverySize();
    void pointerIsTheHand();
};

void EmbeddedImagesTest::pictureIsItsPng_data()
{
    QTest::addColumn<QString>("picture");
    for (const auto& image : embeddedImages()) QTest::newRow(image.name) << QString::fromLatin1(image.name);
}

void EmbeddedImagesTest::pictureIsItsPng()
{
    QFETCH(QString, picture);
    compareImages(embeddedImage(QLatin1StringView(picture.toLatin1())), pngImage(picture));
}

void EmbeddedImagesTest::iconShowsThePngAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64}) QTest::addRow("%d px", size) << size;
}

void EmbeddedImagesTest::iconShowsThePngAtEverySize()
{
    QFETCH(int, size);
    const QIcon icon = appIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    // The pixmap the window manager and the tray get, against the PNG read as before.
    compareImages(icon.pixmap(QSize(size, size), 1.0).toImage(),
                  QPixmap::fromImage(pngImage(QStringLiteral("trellum-%1").arg(size))).toImage());
}

void EmbeddedImagesTest::pointerIsTheHand()
{
    const QCursor cursor = keypadCursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    compareImages(cursor.pixmap().toImage(), QPixmap::fromImage(pngImage(QStringLiteral("hand"))).toImage());
}

QTEST_MAIN(EmbeddedImagesTest)
#include "embedded_images_test.moc"
