// SPDX-License-Identifier: MIT
// The window's place survives a save and the next start at any screen DPI:
// pixels to stored twips and back lands on the same pixel.

#include <QTest>

#include "shell/twips_scale.h"

using trellum::Twips;
using trellum::shell::TwipsScale;

class TwipsScaleTest : public QObject {
    Q_OBJECT
private slots:
    void savedPlaceComesBackToTheSamePixel_data();
    void savedPlaceComesBackToTheSamePixel();
    void handEditedPlaceStaysInRange();
};

void TwipsScaleTest::savedPlaceComesBackToTheSamePixel_data()
{
    QTest::addColumn<qreal>("dpi");
    // 96 is the plain desktop; the others give 13.09, 12, 10, 7.5 and 20 twips
    // a pixel, where a conversion that cuts instead of rounding drifts.
    for (const qreal dpi : {96.0, 110.0, 120.0, 144.0, 192.0, 72.0})
        QTest::addRow("%g dpi", dpi) << dpi;
}

void TwipsScaleTest::savedPlaceComesBackToTheSamePixel()
{
    QFETCH(qreal, dpi);
    const TwipsScale scale(dpi);
    for (int pixels = -400; pixels <= 4000; ++pixels) {
        const int back = scale.toPlacePixels(scale.toTwips(pixels));
        if (back != pixels) QFAIL(qPrintable(QStringLiteral("%1 px came back as %2 px").arg(pixels).arg(back)));
    }
}

void TwipsScaleTest::handEditedPlaceStaysInRange()
{
    const TwipsScale scale(96.0);
    QCOMPARE(scale.toPlacePixels(Twips(2'000'000'000)), 1'000'000);
    QCOMPARE(scale.toPlacePixels(Twips(-2'000'000'000)), -1'000'000);
}

QTEST_MAIN(TwipsScaleTest)
#include "twips_scale_test.moc"
