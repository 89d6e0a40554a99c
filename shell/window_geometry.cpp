// SPDX-License-Identifier: MIT
#include "shell/window_geometry.h"

#include <algorithm>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWindow>

namespace trellum::shell {

void placeControl(QWidget* control, Twips left, Twips top, Twips width, Twips height, int yOffset)
{
    const TwipsScale scale = TwipsScale::of(control);
    // Edges converted, not lengths: controls the design puts edge to edge stay
    // so at any resolution, as on the main window.
    QRect rect = scale.rect(left, top, width, height).translated(0, yOffset);
    if (qobject_cast<QLabel*>(control)) {
        const QSize hint = control->sizeHint();
        rect.setWidth(std::max(rect.width(), hint.width()));
        // A line taller than the design's (Chinese and Japanese glyphs come from a
        // fallback font with more leading) grows up and down alike, so the text
        // stays on the design's line and clear of the list below it.
        const int taller = std::max(0, hint.height() - rect.height());
        rect.adjust(0, -(taller / 2), 0, taller - taller / 2);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // A translated caption longer than the English one widens its button
        // rather than being cut; English captions fit the design widths.
        QString caption = button->text();
        caption.remove(u'&');
        const int needed = button->fontMetrics().horizontalAdvance(caption) + 16;
        rect.setWidth(std::max(rect.width(), needed));
    }
    control->setGeometry(rect);
}

int titleRoom(const QWidget* window)
{
    return window->width() - TwipsScale::of(window).toPixels(1500_tw);
}

int titleWidth(const QWidget* window)
{
    QFont font = window->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window->windowTitle());
}

void widenWindow(QWidget* window, int extra, std::initializer_list<QWidget*> stretched,
                 std::initializer_list<QWidget*> moved)
{
    if (extra <= 0) return;
    for (QWidget* control : stretched) control->resize(control->width() + extra, control->height());
    for (QWidget* control : moved) control->move(control->x() + extra, control->y());
    window->setFixedSize(window->width() + extra, window->height());
}

int titleShortfall(const QWidget* window)
{
    return std::max(0, titleWidth(window) - titleRoom(window));
}

int rightShortfall(const QWidget* window, const QWidget* control, int margin)
{
    return std::max(0, control->x() + control->width() + margin - window->width());
}

int matchWidths(std::initializer_list<QWidget*> controls)
{
    int widest = 0;
    for (const QWidget* control : controls) widest = std::max(widest, control->width());
    for (QWidget* control : controls) control->resize(widest, control->height());
    return widest;
}

QMargins reportedFrameExtents(const QWidget* window)
{
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle) return {};
    // While the window manager is still building the frame, Qt can measure it
    // at 1x1 and report negative extents: those count as not known yet.
    const QMargins m = handle->frameMargins();
    return m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0 ? m : QMargins();
}

bool PlaceWhenFramed::settle(QWidget* window)
{
    if (!m_place || !window->isVisible()) return false;
    const QMargins extents = reportedFrameExtents(window);
    if (extents.isNull()) return false;
    const QRect before = window->geometry();
    m_place();
    const bool settled = window->geometry() == before && extents == m_extents;
    m_extents = extents;
    if (settled) m_place = nullptr;
    return settled;
}

void centreOnScreen(QWidget* window)
{
    if (!window) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect client = window->geometry();
    // An empty geometry (a window not sized yet) would put its corner in the middle.
    if (screen && !client.isEmpty()) {
        const QRect area = screen->geometry();
        // The extents the window manager reports; Qt's frame position can lag
        // behind them for a moment after the window is framed.
        QMargins frame = reportedFrameExtents(window);
        // Before its first showing a window has no frame yet; the frame of the
        // window that opens it, from the same window manager, stands in until
        // the window's own is known (its owner centres it again then).
        if (frame.isNull() && window->parentWidget()) frame = reportedFrameExtents(window->parentWidget()->window());
        const QSize size = client.size().grownBy(frame);
        // Halves in single precision before the subtraction. A window larger than
        // the screen starts at its top or left edge: a title bar above the
        // screen could never be grabbed to move the window.
        const float top = std::max(0.0F, static_cast<float>(area.height()) / 2 - static_cast<float>(size.height()) / 2);
        const float left = std::max(0.0F, static_cast<float>(area.width()) / 2 - static_cast<float>(size.width()) / 2);
        // Placed by its client area, the frame's extents added: a frame position
        // given while the window manager is still framing the window is taken
        // as the client's by Qt, and the window would land a title bar too high.
        const QPoint corner(area.x() + qRound(left) + frame.left(), area.y() + qRound(top) + frame.top());
        window->setGeometry(QRect(corner, client.size()));
    }
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace trellum::shell
