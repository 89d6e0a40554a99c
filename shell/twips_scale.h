// SPDX-License-Identifier: MIT
#pragma once
// The one conversion between the window's unit, twips (app/twips.h), and
// pixels. At 96 dpi a pixel is 15 twips; on other screens the logical DPI
// scales it, so fonts (in points) and the layout grow together and nothing clips.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QtMath>

#include <algorithm>

#include "app/twips.h"

namespace trellum::shell {

class TwipsScale {
public:
    explicit TwipsScale(qreal logicalDpi = 96.0) : m_dpi(logicalDpi > 0 ? logicalDpi : 96.0) {}

    static TwipsScale ofPrimaryScreen()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return TwipsScale(screen ? screen->logicalDotsPerInchY() : 96.0);
    }
    // The scale of the screen a widget is on (96 dpi for none).
    static TwipsScale of(const QWidget* widget) { return TwipsScale(widget ? widget->logicalDpiX() : 96); }

    int toPixels(Twips length) const { return qRound(pixelsExactly(length)); }
    Twips toTwips(int pixels) const { return Twips(qRound(pixels * 1440.0 / m_dpi)); }
    // A stored place may be anything a hand-edited settings file holds: kept
    // inside int range. Rounded like toTwips, so a window placed where it was
    // saved stays put at any DPI instead of creeping a pixel with every run.
    int toPlacePixels(Twips place) const { return qRound(std::clamp(pixelsExactly(place), -1.0e6, 1.0e6)); }
    QRect rect(Twips left, Twips top, Twips width, Twips height) const
    {
        // Edges are converted, not sizes, so neighbours that touch in twips touch on screen.
        const int x = toPixels(left), y = toPixels(top);
        return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
    }

private:
    qreal pixelsExactly(Twips length) const { return length.value * m_dpi / 1440.0; }

    qreal m_dpi;
};

}  // namespace trellum::shell
