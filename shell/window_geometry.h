// SPDX-License-Identifier: MIT
#pragma once
// Where windows and controls go: centring on the screen, the frame the window
// manager reports, controls placed by the layout's twips, and the widening a
// translation longer than the English design asks for.

#include <functional>
#include <initializer_list>
#include <utility>

#include <QMargins>

#include "shell/twips_scale.h"

class QWidget;

namespace trellum::shell {

// Hourglass for the whole screen while the window is moved to the middle of its
// screen; the frame's top-left corner stays on the screen, so a window larger
// than the screen starts at its top (or left) edge.
void centreOnScreen(QWidget* window);

// The frame extents the window manager reports for a shown window; empty while
// they are not known (before the window is framed).
QMargins reportedFrameExtents(const QWidget* window);

// Places a window again once the window manager has framed it: before, the
// frame's size is unknown and the place is off by it, and right after, Qt may
// still split the frame wrongly between its sides. Placed again at each event
// of the window until the extents hold still and nothing moves.
class PlaceWhenFramed {
public:
    // `place` puts the window where it belongs; it replaces one still waiting.
    void ask(std::function<void()> place) { m_place = std::move(place); }
    bool pending() const { return static_cast<bool>(m_place); }
    // From the window's event(): true when this event settled the place.
    bool settle(QWidget* window);

private:
    std::function<void()> m_place;
    QMargins m_extents;   // the frame extents at the last placement
};

// Places a control at its place in the layout, `yOffset` pixels lower (a menu
// bar above the client area). Labels grow to their text so a large font never
// clips them.
void placeControl(QWidget* control, Twips left, Twips top, Twips width, Twips height, int yOffset = 0);

// The width a window manager leaves for the title of `window` as it is now
// sized, and the width its title takes there: title bars draw the desktop's font
// in bold beside an icon and up to three buttons (about 100 pixels at 96 dpi).
int titleRoom(const QWidget* window);
int titleWidth(const QWidget* window);

// Widens a fixed-size window by `extra` pixels (nothing when it is not positive):
// the `stretched` controls widen with it, the `moved` ones keep their distance
// to its right edge. Translations longer than the English design use it, so the
// English layout itself never changes.
void widenWindow(QWidget* window, int extra, std::initializer_list<QWidget*> stretched,
                 std::initializer_list<QWidget*> moved);

// How much wider `window` must be for its title to show whole, and for
// `control` to end at least `margin` pixels inside its right edge.
int titleShortfall(const QWidget* window);
int rightShortfall(const QWidget* window, const QWidget* control, int margin);

// The controls given the width of the widest of them (a translation longer
// than the design's makes one wider; they stay a matched set).
int matchWidths(std::initializer_list<QWidget*> controls);

}  // namespace trellum::shell
