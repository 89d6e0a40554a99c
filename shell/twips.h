#pragma once
// Window geometry is designed in twips (1/1440 inch). At 96 dpi that is 15 twips
// per pixel; on other screens the logical DPI scales it, so fonts (in points)
// and the layout grow together and nothing clips.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QtMath>

namespace trellum::shell {

class Twips {
public:
    explicit Twips(qreal logicalDpi = 96.0) : m_dpi(logicalDpi > 0 ? logicalDpi : 96.0) {}

    static Twips ForPrimaryScreen()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return Twips(screen ? screen->logicalDotsPerInchY() : 96.0);
    }

    int toPixels(int twips) const { return qRound(twips * m_dpi / 1440.0); }
    int toTwips(int pixels) const { return qRound(pixels * 1440.0 / m_dpi); }
    QRect rect(int left, int top, int width, int height) const
    {
        // Edges are converted, not sizes, so neighbours that touch in twips touch on screen.
        const int x = toPixels(left), y = toPixels(top);
        return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
    }
    qreal dpi() const { return m_dpi; }

private:
    qreal m_dpi;
};

}  // namespace trellum::shell
