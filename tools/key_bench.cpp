// SPDX-License-Identifier: MIT
// trellum-key-bench: the calculator's own share of a key press in the real
// window. From a key event reaching the "=" key (which holds the focus) to the
// repainted display handed to the window system, over COUNT presses that
// alternate "1" and BackSpace so that every press changes the display. The X
// round trips around it are what bench/key_latency.sh adds on top.
//   trellum-key-bench [COUNT]     (default 1000; prints presses median p99 max in µs)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWindow>

#include "shell/main_window.h"
#include "storage/settings_store.h"

namespace {

// Counts the display's paint events, so a press that repainted nothing is seen.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

void pressKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QTemporaryDir home;  // first-run settings, and nothing written into the user's
    trellum::SettingsStore settings(home.filePath(QStringLiteral("system.reg")).toStdString());
    trellum::shell::MainWindow window(settings);
    window.calculator().start();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        std::fprintf(stderr, "trellum-key-bench: the window was never shown\n");
        return 1;
    }
    QCoreApplication::processEvents();

    PaintCounter counter;
    window.lcd()->installEventFilter(&counter);
    std::vector<double> micros;
    micros.reserve(count);
    int missed = 0;
    for (int i = 0; i < count; ++i) {
        const int before = counter.paints;
        QElapsedTimer timer;
        timer.start();
        if (i % 2 == 0)
            pressKey(window.equalKey(), Qt::Key_1, QStringLiteral("1"));
        else
            pressKey(window.equalKey(), Qt::Key_Backspace, QString());
        // The repaint is posted; the first pass of the event loop paints and flushes it.
        for (int pass = 0; pass < 10 && counter.paints == before; ++pass) QCoreApplication::processEvents();
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        if (counter.paints == before) ++missed;
    }

    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[static_cast<size_t>(q * static_cast<double>(micros.size() - 1))]; };
    std::printf("%d %.0f %.0f %.0f %d\n", count, at(0.5), at(0.99), micros.back(), missed);
    return missed == 0 ? 0 : 2;
}
