// SPDX-License-Identifier: MIT
// The window's look, pixel by pixel, against reference pictures taken at the
// scale the test runs at (QT_SCALE_FACTOR 1 and 2): the window as it starts,
// and with every indicator lit, an exponent shown and every key held down.
// Only antialiasing may differ: a changed pixel must lie between the colours
// around it in the reference, and such pixels stay few.
//
// TRELLUM_WRITE_LOOKS=1 writes the pictures instead (after a deliberate change
// of the look; check them by eye before committing them).

#include <algorithm>
#include <memory>

#include <QtTest>
#include <QtWidgets>

#include "shell/main_window.h"
#include "storage/settings_store.h"
#include "patience.h"

using trellum::SettingsStore;
using trellum::shell::MainWindow;

namespace {

// Channel differences up to this much are rounding, not a change of look.
constexpr int kRounding = 3;
// How far an antialiased pixel may stray outside the range of its neighbours.
constexpr int kEdgeSlack = 12;
// Antialiased pixels that may differ, per mille of the picture.
constexpr int kEdgePixelsPerMille = 10;

QString lookPath(const QString& state, qreal ratio)
{
    return QStringLiteral(TRELLUM_LOOKS_DIR "/window-%1-x%2.png").arg(state).arg(qRound(ratio));
}

// Why `actual` does not look like `reference`, or an empty text when it does.
QString lookDifference(const QImage& reference, const QImage& actual)
{
    if (reference.size() != actual.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width()).arg(actual.height()).arg(reference.width()).arg(reference.height());
    const QImage ref = reference.convertToFormat(QImage::Format_RGB32);
    const QImage got = actual.convertToFormat(QImage::Format_RGB32);
    const auto channels = [](QRgb c) { return std::array<int, 3>{qRed(c), qGreen(c), qBlue(c)}; };
    qsizetype edgePixels = 0;
    for (int y = 0; y < ref.height(); ++y) {
        for (int x = 0; x < ref.width(); ++x) {
            const auto want = channels(ref.pixel(x, y)), have = channels(got.pixel(x, y));
            bool same = true;
            for (int c = 0; c < 3; ++c) same = same && std::abs(want[c] - have[c]) <= kRounding;
            if (same) continue;
            // An antialiased edge pixel takes a value between the colours on
            // either side of the edge; a changed colour or a shape moved
            // further than a pixel does not.
            std::array<int, 3> low = want, high = want;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= ref.width() || ny >= ref.height()) continue;
                    const auto n = channels(ref.pixel(nx, ny));
                    for (int c = 0; c < 3; ++c) {
                        low[c] = std::min(low[c], n[c]);
                        high[c] = std::max(high[c], n[c]);
                    }
                }
            }
            for (int c = 0; c < 3; ++c) {
                if (have[c] < low[c] - kEdgeSlack || have[c] > high[c] + kEdgeSlack)
                    return QStringLiteral("pixel %1,%2 is #%3, expected #%4 (no edge there)")
                        .arg(x).arg(y)
                        .arg(got.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'))
                        .arg(ref.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'));
            }
            ++edgePixels;
        }
    }
    const qsizetype allowed = qsizetype(ref.width()) * ref.height() * kEdgePixelsPerMille / 1000;
    if (edgePixels > allowed)
        return QStringLiteral("%1 edge pixels differ, at most %2 may").arg(edgePixels).arg(allowed);
    return {};
}

}  // namespace

class WindowLookTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowLooksAsBefore_data();
    void windowLooksAsBefore();

private:
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<MainWindow> m_window;
    QTemporaryDir m_pictures;   // this run's picture, kept when it differs
};

void WindowLookTest::init()
{
    m_settings = std::make_unique<SettingsStore>();   // in memory: a first run
    m_window = std::make_unique<MainWindow>(*m_settings);
    m_window->calculator().start();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), kPatienceMs));
}

void WindowLookTest::cleanup()
{
    m_window.reset();
    m_settings.reset();
}

void WindowLookTest::windowLooksAsBefore_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("keys");   // typed on "=" as QKeySequence reads them
    QTest::addColumn<bool>("keysDown");
    QTest::newRow("as started") << "start" << "" << false;
    // A long number, refitted as it grows; Page Down is EXP, Shift is SHIFT, H is hyp and M is MODE.
    QTest::newRow("lit, with an exponent, every key held down")
        << "lit" << "1 2 3 4 5 6 7 8 9 PgDown 5 Shift H M" << true;
}

void WindowLookTest::windowLooksAsBefore()
{
    QFETCH(QString, state);
    QFETCH(QString, keys);
    QFETCH(bool, keysDown);
    for (const QString& step : keys.split(u' ', Qt::SkipEmptyParts)) {
        const QKeyCombination stroke = QKeySequence::fromString(step)[0];
        QTest::keyClick(m_window->equalKey(), stroke.key(), stroke.keyboardModifiers());
    }
    if (keysDown) {
        for (QPushButton* key : m_window->keys()) key->setDown(true);
    }
    const QImage image = m_window->grab().toImage();
    const QString path = lookPath(state, image.devicePixelRatio());
    if (qEnvironmentVariableIntValue("TRELLUM_WRITE_LOOKS") == 1) {
        QVERIFY2(image.save(path), qPrintable(path));
        QSKIP(qPrintable(QStringLiteral("wrote %1").arg(path)));
    }
    const QImage reference(path);
    QVERIFY2(!reference.isNull(), qPrintable(QStringLiteral("no reference picture %1").arg(path)));
    const QString difference = lookDifference(reference, image);
    if (!difference.isEmpty()) {
        const QString shot = m_pictures.filePath(QFileInfo(path).fileName());
        m_pictures.setAutoRemove(false);
        image.save(shot);
        QFAIL(qPrintable(QStringLiteral("%1: %2 (this run's picture: %3)").arg(QFileInfo(path).fileName(), difference, shot)));
    }
}

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
