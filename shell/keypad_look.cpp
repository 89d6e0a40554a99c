// SPDX-License-Identifier: MIT
#include "shell/keypad_look.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace trellum::shell {

namespace {

constexpr qreal kCornerRadius = 3;

// Function, SHIFT and OFF share a face; their print differs.
KeyLook functionLook(QColor print)
{
    return {print, QColor(0x10, 0x12, 0x14), QColor(0x0b, 0x0c, 0x0e), 2, 1,
            QColor(0x5a, 0x61, 0x6b), QColor(0x3c, 0x42, 0x4a), QColor(0x2f, 0x34, 0x3b)};
}

// The face inside the rim: its outline runs along the middle of the rim's
// edges, so the antialiased fill and the rim overlap by half a rim.
QPainterPath faceOutline(const QRectF& r, qreal top, qreal right, qreal bottom, qreal left)
{
    const qreal d = 2 * kCornerRadius;
    QPainterPath path;
    const qreal y0 = r.top() + top / 2, x1 = r.right() - right / 2, y1 = r.bottom() - bottom / 2,
                x0 = r.left() + left / 2;
    path.moveTo(r.left() + kCornerRadius, y0);
    path.lineTo(r.right() - kCornerRadius, y0);
    path.arcTo(x1 - d + right, y0, d - right, d - top, 90, -90);
    path.lineTo(x1, r.bottom() - kCornerRadius);
    path.arcTo(x1 - d + right, y1 - d + bottom, d - right, d - bottom, 0, -90);
    path.lineTo(r.left() + kCornerRadius, y1);
    path.arcTo(x0, r.bottom() - d + bottom / 2, d - left, d - bottom, 270, -90);
    path.lineTo(x0, r.top() + kCornerRadius);
    path.arcTo(x0, r.top() + top / 2, d - left, d - top, 180, -90);
    path.closeSubpath();
    return path;
}

// One side of the rim: a straight band between the corners, and the two
// rounded corners as arcs of a pen as wide as that side.
void drawRimSide(QPainter& p, const QRectF& band, qreal width, const QRectF& arc1, int start1, int span1,
                 const QRectF& arc2, int start2, int span2, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(band);
    QPen pen(colour, width, Qt::SolidLine, Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc1, start1 * 16, span1 * 16);
    p.drawArc(arc2, start2 * 16, span2 * 16);
}

void drawRim(QPainter& p, const QRectF& r, int top, int right, int bottom, int left, const QColor& rim,
             const QColor& lowerRim)
{
    const qreal c = kCornerRadius, d = 2 * kCornerRadius;
    // Lower edge first, then right, left and top, each over the one before.
    {
        const qreal x1 = r.left() + c, y1 = r.bottom() - bottom, x2 = r.right() - c, y2 = r.bottom(), w = bottom;
        drawRimSide(p, QRectF(x1, y1, x2 - x1, w), w, QRectF(x1 - c + w / 2, y2 - d + w / 2, d - w, d - w), -90, -45,
                    QRectF(x2 - c + w / 2, y2 - d + w / 2, d - w, d - w), -90, 45, lowerRim);
    }
    {
        const qreal x1 = r.right() - right, y1 = r.top() + c, x2 = r.right(), y2 = r.bottom() - c, w = right;
        drawRimSide(p, QRectF(x1, y1, w, y2 - y1), w, QRectF(x2 - d + w / 2, y1 - c + w / 2, d - w, d - w), 45, -45,
                    QRectF(x2 - d + w / 2, y2 - c + w / 2, d - w, d - w), 315, 45, rim);
    }
    {
        const qreal x1 = r.left(), y1 = r.top() + c, y2 = r.bottom() - c, w = left;
        drawRimSide(p, QRectF(x1, y1, w, y2 - y1), w, QRectF(x1 + w / 2, y1 - c + w / 2, d - w, d - w), 135, 45,
                    QRectF(x1 + w / 2, y2 - c + w / 2, d - w, d - w), 180, 45, rim);
    }
    {
        const qreal x1 = r.left() + c, y1 = r.top(), x2 = r.right() - c, w = top;
        drawRimSide(p, QRectF(x1, y1, x2 - x1, w), w, QRectF(x1 - c + w / 2, y1 + w / 2, d - w, d - w), 135, -45,
                    QRectF(x2 - c + w / 2, y1 + w / 2, d - w, d - w), 45, 45, rim);
    }
}

// What a key prints where its caption would not read as a sign at key size:
// the hyphen of "-" is shorter and thinner than the bar of "+", and the
// apostrophes of the marks read as dotless i's; a thin blank between the
// primes leaves the width to the marks themselves. The degree ring before
// them is drawn (KeyButton::paintEvent): the font's is as large as an "o".
QString printedCaption(Key key, const QString& caption)
{
    if (key == Key::Subtract) return QStringLiteral("\u2212");
    if (key == Key::DegreesMinutesSeconds) return QStringLiteral("\u2032\u2009\u2033");
    return caption;
}

// The outline's box: font metrics give the line's, and marks sit high in it.
QRectF inkOf(const QFont& type, const QString& text)
{
    QPainterPath outline;
    outline.addText(0, 0, type, text);
    return outline.boundingRect();
}

// The marks are a few dots at the size of the other captions' letters: they
// print at twice the key's type in bold, scaled down where the key is too
// narrow for them with three pixels to spare on either side. Outlines scale
// with the type, so one measurement gives both the size and the ink.
struct Marks {
    QFont type;
    QRectF ink;
};
Marks fitMarks(const QFont& keyType, const QString& printed, int roomWidth)
{
    QFont type = keyType;
    type.setBold(true);
    type.setPointSizeF(2 * keyType.pointSizeF());
    QRectF ink = inkOf(type, printed);
    const qreal room = roomWidth - 6;
    if (ink.width() > room) {
        const qreal points =
            std::max(keyType.pointSizeF(), std::floor(2 * type.pointSizeF() * room / ink.width()) / 2);
        const qreal scale = points / type.pointSizeF();
        ink = QRectF(ink.topLeft() * scale, ink.size() * scale);
        type.setPointSizeF(points);
    }
    return {type, ink};
}

}  // namespace

KeyButton::PrintKind KeyButton::printKindOf(Key key)
{
    switch (key) {
    case Key::DegreesMinutesSeconds: return PrintKind::Marks;
    case Key::SquareRoot: return PrintKind::Root;
    case Key::Add:
    case Key::Subtract:
    case Key::Divide: return PrintKind::Bars;
    default: return PrintKind::Text;
    }
}

const KeyLook& keyLookOf(KeyGroup group)
{
    static const KeyLook function = functionLook(QColor(0xff, 0xff, 0xff));
    static const KeyLook shift = functionLook(QColor(0xf2, 0xc1, 0x4e));
    static const KeyLook off = functionLook(QColor(0xff, 0x8a, 0x7a));
    static const KeyLook digit = {QColor(0x1b, 0x1d, 0x20), QColor(0x6d, 0x6a, 0x62), QColor(0x8c, 0x87, 0x7b), 3, 2,
                                  QColor(0xfb, 0xf9, 0xf3), QColor(0xdc, 0xd8, 0xcc), QColor(0xcd, 0xc8, 0xba)};
    static const KeyLook entry = {QColor(0x1b, 0x1d, 0x20), QColor(0x5c, 0x61, 0x68), QColor(0x6f, 0x75, 0x7d), 3, 2,
                                  QColor(0xd5, 0xda, 0xe0), QColor(0xaa, 0xb1, 0xba), QColor(0x9e, 0xa5, 0xae)};
    static const KeyLook operation = {QColor(0xff, 0xff, 0xff), QColor(0x24, 0x32, 0x47), QColor(0x1b, 0x26, 0x36), 3,
                                      2, QColor(0x7f, 0x9c, 0xc4), QColor(0x4f, 0x6f, 0x9c), QColor(0x48, 0x64, 0x8c)};
    static const KeyLook clear = {QColor(0xff, 0xff, 0xff), QColor(0x6b, 0x2a, 0x0c), QColor(0x7c, 0x33, 0x10), 3, 2,
                                  QColor(0xf5, 0x9a, 0x4a), QColor(0xd0, 0x66, 0x1e), QColor(0xc1, 0x5a, 0x16)};
    switch (group) {
    case KeyGroup::Function: return function;
    case KeyGroup::Shift: return shift;
    case KeyGroup::Off: return off;
    case KeyGroup::Digit: return digit;
    case KeyGroup::Entry: return entry;
    case KeyGroup::Operator:
    case KeyGroup::Equal: return operation;
    case KeyGroup::Clear: return clear;
    }
    return function;
}

namespace {

// The face and rim of a key of `size`, held down or not, without its print.
void paintFace(QPainter& p, const QSize& size, const KeyLook& look, bool down)
{
    // Held down, the face sinks and its thick lower edge flattens to one pixel.
    const QRectF r(QRect(QPoint(0, down ? look.pressDepth : 0), QPoint(size.width() - 1, size.height() - 1)));
    const int bottom = down ? 1 : look.lowerRimWidth;
    const bool antialiased = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing);
    QBrush fill(look.faceDown);
    if (!down) {
        QLinearGradient gradient(0, 0, 0, 1);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0, look.faceTop);
        gradient.setColorAt(1, look.faceBottom);
        fill = QBrush(gradient);
    }
    p.fillPath(faceOutline(r, 1, 1, bottom, 1), fill);
    drawRim(p, r, 1, 1, bottom, 1, look.rim, look.lowerRim);
    p.setRenderHint(QPainter::Antialiasing, antialiased);
}

}  // namespace

void KeyFaces::paint(QPainter& p, const QRect& rect, const KeyLook& look, bool down)
{
    // A copy is exact only on whole device pixels; anything else is drawn in place.
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QTransform& t = p.deviceTransform();
    const bool wholePixels = ratio == qRound(ratio) && t.type() <= QTransform::TxScale && t.m11() == ratio &&
                             t.m22() == ratio && t.dx() == qRound(t.dx()) && t.dy() == qRound(t.dy());
    if (!wholePixels) {
        p.save();
        p.translate(rect.topLeft());
        paintFace(p, rect.size(), look, down);
        p.restore();
        return;
    }
    const int whole = qRound(ratio);
    auto face = std::find_if(m_faces.begin(), m_faces.end(), [&](const Face& f) {
        return f.look == &look && f.size == rect.size() && f.ratio == whole && f.down == down;
    });
    if (face == m_faces.end()) {
        QPixmap pixmap(rect.size() * whole);
        pixmap.setDevicePixelRatio(whole);
        pixmap.fill(Qt::transparent);
        QPainter facePainter(&pixmap);
        paintFace(facePainter, rect.size(), look, down);
        facePainter.end();
        m_faces.push_back({&look, rect.size(), whole, down, std::move(pixmap)});
        face = m_faces.end() - 1;
    }
    p.drawPixmap(rect.topLeft(), face->pixmap);
}

void paintPanel(QPainter& p, const QRect& rect, PanelLook look)
{
    if (look == PanelLook::Display) {
        QLinearGradient gradient(0, 0, 0, 1);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0, QColor(0x4b, 0x52, 0x5c));
        gradient.setColorAt(1, QColor(0x3a, 0x40, 0x48));
        p.fillRect(rect, gradient);
        return;
    }
    p.fillRect(rect, QColor(0x2b, 0x2f, 0x35));
    p.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), QColor(0x1d, 0x20, 0x24));
}

QColor legendColour() { return QColor(0xe9, 0xb9, 0x49); }

KeyButton::KeyButton(const KeyRow& row, KeyFaces& faces, QWidget* parent)
    : QPushButton(QString::fromUtf8(row.caption), parent), m_look(keyLookOf(row.group)), m_faces(faces),
      m_print(printedCaption(row.key, text())), m_key(row.key)
{
}

// The inside of the rim while the key is up: where the caption is centred.
QRect KeyButton::printRoom(bool down) const
{
    return rect().adjusted(1, 1 + (down ? m_look.pressDepth : 0), -1, -(down ? 1 : m_look.lowerRimWidth));
}

// Fitted when first painted after a change: a key is resized and given its
// font before it is shown.
void KeyButton::fitPrint()
{
    m_printType = font();
    const PrintKind kind = printKindOf(m_key);
    if (kind == PrintKind::Marks) {
        const Marks marks = fitMarks(font(), m_print, printRoom(false).width());
        m_printType = marks.type;
        m_printInk = marks.ink;
        m_ringSize = 0.5 * inkOf(font(), QStringLiteral("l")).height();
    } else if (kind == PrintKind::Root) {
        // The sign is small and thin beside letters of its type: bold, and a
        // fifth taller than the "l" of "log" on the key beside it, as its bar
        // stands above the letters' tops.
        m_printType.setBold(true);
        const qreal letter = inkOf(font(), QStringLiteral("l")).height();
        m_printType.setPointSizeF(m_printType.pointSizeF() * 1.2 * letter / inkOf(m_printType, m_print).height());
        m_printInk = inkOf(m_printType, m_print);
    } else if (kind == PrintKind::Bars) {
        m_printInk = inkOf(m_printType, m_print);
        // The bar's weight: the minus sign's outline is the bar alone.
        m_barWeight = inkOf(m_printType, QStringLiteral("\u2212")).height();
    }
    m_printFitted = true;
}

// The bars of +, - and the divide sign, and the divide sign's dots, on whole
// device pixels: a glyph's bar at one and a half the scale falls across two
// pixel rows, one bright and one pale.
void KeyButton::paintBars(QPainter& p, const QRect& room) const
{
    const QTransform toDevice = p.deviceTransform();
    const qreal ratio = std::max<qreal>(1, toDevice.m22());
    const QPointF centre = toDevice.map(QRectF(room).center());
    const int weight = std::max(1, qRound(m_barWeight * ratio));
    int length = qRound(m_printInk.width() * ratio);
    if ((length - weight) % 2 != 0) ++length;   // the upright stroke in the bar's middle
    const int left = qRound(centre.x() - length / 2.0), top = qRound(centre.y() - weight / 2.0);
    p.save();
    p.resetTransform();
    p.setWorldTransform(p.deviceTransform().inverted());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(m_look.print);
    p.drawRect(left, top, length, weight);
    const int middle = left + (length - weight) / 2, reach = (length - weight) / 2;
    if (m_key == Key::Add) p.drawRect(middle, top - reach, weight, length);
    if (m_key == Key::Divide) {
        const int dot = weight + (weight + 1) / 2;
        const int dotLeft = left + (length - dot) / 2;
        p.drawRect(dotLeft, top - weight - dot, dot, dot);
        p.drawRect(dotLeft, top + 2 * weight, dot, dot);
    }
    p.restore();
}

void KeyButton::resizeEvent(QResizeEvent* event)
{
    m_printFitted = false;
    QPushButton::resizeEvent(event);
}

void KeyButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) m_printFitted = false;
    QPushButton::changeEvent(event);
}

void KeyButton::paintEvent(QPaintEvent*)
{
    if (!m_printFitted) fitPrint();
    QPainter p(this);
    // A painter takes the application's direction, not the widget's: without
    // this, "1/x" would print as "x/1" in Arabic and Hebrew.
    p.setLayoutDirection(layoutDirection());
    const bool down = isDown();
    m_faces.paint(p, rect(), m_look, down);
    p.setPen(m_look.print);
    p.setFont(m_printType);
    const QRect room = printRoom(down);
    switch (printKindOf(m_key)) {
    case PrintKind::Text: p.drawText(room, Qt::AlignCenter | Qt::TextHideMnemonic, m_print); return;
    case PrintKind::Bars: paintBars(p, room); return;
    case PrintKind::Root: {
        // Its strokes are hairlines beside the letters' stems: printed twice,
        // half a pixel apart, as wide as theirs.
        const QPointF at = QRectF(room).center() - m_printInk.center();
        p.drawText(at, m_print);
        p.drawText(at + QPointF(0.5, 0), m_print);
        return;
    }
    case PrintKind::Marks: break;
    }
    // Marks sit high in their type: centred by their ink, not by the line,
    // with a small ring as high as the primes' tops before them.
    // Four device pixels at least, or a ring of a one-pixel line has no hole.
    const qreal device = std::max<qreal>(1, p.deviceTransform().m22());
    const qreal ring = std::max(m_ringSize, 4 / device), gap = 0.4 * ring;
    const qreal width = ring + gap + m_printInk.width();
    const QPointF inkTopLeft(QRectF(room).center().x() - width / 2, QRectF(room).center().y() - m_printInk.height() / 2);
    const qreal pen = std::max(ring / 4, 1 / device);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_look.print, pen));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(inkTopLeft, QSizeF(ring, ring)).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    p.restore();
    p.drawText(inkTopLeft + QPointF(ring + gap, 0) - m_printInk.topLeft(), m_print);
}

}  // namespace trellum::shell
