#include "shell/keypad_look.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QFontInfo>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRawFont>
#include <QScreen>

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

// The outline of the glyphs themselves, from the baseline's start: the
// font's own boxes reach down to the baseline even for marks that sit high.
QRectF inkOf(const QFont& type, const QString& text)
{
    QPainterPath outline;
    outline.addText(0, 0, type, text);
    return outline.boundingRect();
}

// A caption of marks alone, without a letter or digit ("° ' ''").
bool onlyMarks(const QString& caption)
{
    bool marks = false;
    for (const QChar c : caption) {
        if (c.isLetterOrNumber()) return false;
        marks = marks || !c.isSpace();
    }
    return marks;
}

// Runs of blanks between marks: word spacing widens or narrows each run once.
int innerBlankRuns(const QString& caption)
{
    const QString marks = caption.trimmed();
    int runs = 0;
    for (qsizetype i = 0; i < marks.size(); ++i) {
        if (marks[i].isSpace() && (i == 0 || !marks[i - 1].isSpace())) ++runs;
    }
    return runs;
}

// The ink of a caption at any size and word spacing. Qt renders a type at a
// whole number of pixels, and glyph outlines scale with it, so the ink measured
// once at the base size predicts every other size; only a prediction too close
// to the line a decision draws is checked by a real measurement, each of which
// costs a font engine of that size.
class MarksInk {
public:
    // How far a prediction may stray from the ink: hinted outlines and advances
    // land on 1/64 of a pixel, which over a few glyphs makes up to 0.2 pixels.
    static constexpr qreal kHeightMargin = 0.1, kWidthMargin = 0.5;

    MarksInk(const QFont& base, const QString& caption)
        : m_base(base), m_caption(caption), m_atBase(inkOf(base, caption)), m_blankRuns(innerBlankRuns(caption))
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        m_dpi = QCoreApplication::testAttribute(Qt::AA_Use96Dpi) ? 96 : screen ? qRound(screen->logicalDotsPerInchY()) : 0;
        m_basePixels = pixelsAt(base.pointSizeF());
        // A type of another resolution, or sized in pixels: nothing is predicted.
        if (m_basePixels != QFontInfo(base).pixelSize()) m_basePixels = 0;
    }

    bool lowerThan(qreal points, qreal height)
    {
        const qreal scale = scaleAt(points);
        const qreal guess = m_atBase.height() * scale;
        if (scale > 0 && std::abs(guess - height) > kHeightMargin + 0.01 * height) return guess < height;
        if (const qreal outline = outlineHeight(points); outline > 0) return outline < height;
        return measured(points, m_base.wordSpacing()).height() < height;
    }

    bool widerThan(qreal points, qreal spacing, qreal width)
    {
        const qreal scale = scaleAt(points);
        const qreal guess = m_atBase.width() * scale + m_blankRuns * (spacing - m_base.wordSpacing());
        if (scale > 0 && std::abs(guess - width) > kWidthMargin + 0.01 * width) return guess > width;
        return measured(points, spacing).width() > width;
    }

    // Sizes that render at the same pixels share one ink, and one measurement.
    QRectF measured(qreal points, qreal spacing)
    {
        const auto same = [this](qreal a, qreal b) {
            return a == b || (m_basePixels > 0 && pixelsAt(a) > 0 && pixelsAt(a) == pixelsAt(b));
        };
        if (same(points, m_base.pointSizeF()) && spacing == m_base.wordSpacing()) return m_atBase;
        for (const auto& [p, s, ink] : m_measured) {
            if (same(p, points) && s == spacing) return ink;
        }
        QFont type = m_base;
        type.setPointSizeF(points);
        type.setWordSpacing(spacing);
        m_measured.push_back({points, spacing, inkOf(type, m_caption)});
        return m_measured.back().ink;
    }

private:
    // The height of the caption's glyph outlines at `points`, from the base
    // type's own face set to that size: the same outlines the type of that
    // size gives, without matching a new font for it (a new font engine
    // costs a fontconfig match). 0 where the face lacks a glyph and another
    // font would be asked.
    qreal outlineHeight(qreal points)
    {
        const int pixels = pixelsAt(points);
        if (pixels <= 0 || m_basePixels <= 0) return 0;
        if (!m_face.isValid()) {
            m_face = QRawFont::fromFont(m_base);
            m_glyphs = m_face.glyphIndexesForString(m_caption);
        }
        if (!m_face.isValid() || m_glyphs.contains(0u)) return 0;
        m_face.setPixelSize(pixels);
        QPainterPath outline;
        for (const quint32 glyph : std::as_const(m_glyphs)) outline.addPath(m_face.pathForGlyph(glyph));
        return outline.boundingRect().height();
    }

    // The pixels a type of `points` is rendered at, or 0 where that is not
    // certain (no screen, or too near half a pixel to know how it rounds).
    int pixelsAt(qreal points) const
    {
        const qreal exact = points * m_dpi / 72;
        if (m_dpi <= 0 || std::abs(exact - std::floor(exact) - 0.5) < 0.02) return 0;
        return qRound(exact);
    }

    // How much larger the ink is at `points` than at the base size, or 0 where
    // that cannot be predicted.
    qreal scaleAt(qreal points) const
    {
        const int pixels = pixelsAt(points);
        return pixels > 0 && m_basePixels > 0 ? qreal(pixels) / m_basePixels : 0;
    }

    struct Measure {
        qreal points, spacing;
        QRectF ink;
    };
    QFont m_base;
    QString m_caption;
    QRectF m_atBase;
    int m_blankRuns;
    QRawFont m_face;
    QList<quint32> m_glyphs;
    int m_dpi = 0;
    int m_basePixels = 0;
    std::vector<Measure> m_measured;
};

// Marks sit high in their type and are a few dots at the size of the letters
// of the other captions: drawn three quarters as tall as those letters (as
// marks, not as letters: "O I I"), the blanks between them narrowed where the
// key is too narrow. The sizes go in steps of half a point.
MarksType fitMarks(const QFont& base, int roomWidth, MarksInk& ink)
{
    const qreal wanted = 0.75 * inkOf(base, QStringLiteral("DEL")).height();
    qreal points = base.pointSizeF();
    while (ink.lowerThan(points, wanted) && points < 4 * base.pointSizeF()) points += 0.5;
    qreal spacing = base.wordSpacing();
    qreal blank = -1;   // the width of a blank at the size the height asked for
    while (ink.widerThan(points, spacing, roomWidth - 2)) {
        if (blank < 0) {
            QFont type = base;
            type.setPointSizeF(points);
            blank = QFontMetricsF(type).horizontalAdvance(u' ');
        }
        if (spacing > -0.85 * blank)
            spacing -= 0.5;
        else if (points > base.pointSizeF())
            points -= 0.5;
        else
            break;
    }
    return {points, spacing};
}

// Centred on the key by their ink. Keys are repainted as they go down and up:
// each caption is fitted once per type and width.
void paintMarks(QPainter& p, const QRect& room, const QString& caption)
{
    struct Fitted {
        QString base;   // the type's key
        int dpi;
        QString caption;
        int width;
        MarksType type;
        QPointF inkCentre;
    };
    static std::vector<Fitted> fitted;
    const QFont base = p.font();
    const QString key = base.key();
    const int dpi = p.device() ? p.device()->logicalDpiY() : 0;
    auto known = std::find_if(fitted.begin(), fitted.end(), [&](const Fitted& f) {
        return f.width == room.width() && f.dpi == dpi && f.caption == caption && f.base == key;
    });
    if (known == fitted.end()) {
        MarksInk ink(base, caption);
        const MarksType type = fitMarks(base, room.width(), ink);
        fitted.push_back({key, dpi, caption, room.width(), type, ink.measured(type.points, type.wordSpacing).center()});
        known = fitted.end() - 1;
    }
    QFont type = base;
    type.setPointSizeF(known->type.points);
    type.setWordSpacing(known->type.wordSpacing);
    p.save();
    p.setFont(type);
    p.drawText(QRectF(room).center() - known->inkCentre, caption);
    p.restore();
}

}  // namespace

MarksType fitMarks(const QFont& base, const QString& caption, int roomWidth)
{
    MarksInk ink(base, caption);
    return fitMarks(base, roomWidth, ink);
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

// Keys of one kind share their face: each is drawn once per size and state
// and then copied, which is most of the cost of the keypad's first paint.
struct FaceKey {
    const KeyLook* look;
    QSize size;
    int ratio;
    bool down;
    bool operator==(const FaceKey&) const = default;
};

const QPixmap& cachedFace(const FaceKey& key)
{
    static std::vector<std::pair<FaceKey, QPixmap>> faces;
    for (const auto& [k, pixmap] : faces) {
        if (k == key) return pixmap;
    }
    QPixmap pixmap(key.size * key.ratio);
    pixmap.setDevicePixelRatio(key.ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintFace(p, key.size, *key.look, key.down);
    p.end();
    faces.emplace_back(key, std::move(pixmap));
    return faces.back().second;
}

}  // namespace

void paintKey(QPainter& p, const QRect& rect, const KeyLook& look, bool down, const QString& caption)
{
    // A copy is exact only on whole device pixels; anything else is drawn in place.
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QTransform& t = p.deviceTransform();
    const bool wholePixels = ratio == qRound(ratio) && t.type() <= QTransform::TxScale && t.m11() == ratio &&
                             t.m22() == ratio && t.dx() == qRound(t.dx()) && t.dy() == qRound(t.dy());
    if (wholePixels) {
        p.drawPixmap(rect.topLeft(), cachedFace({&look, rect.size(), qRound(ratio), down}));
    } else {
        p.save();
        p.translate(rect.topLeft());
        paintFace(p, rect.size(), look, down);
        p.restore();
    }
    const QRect face = rect.adjusted(0, down ? look.pressDepth : 0, 0, 0);
    const int bottom = down ? 1 : look.lowerRimWidth;
    p.setPen(look.print);
    const QRect room = face.adjusted(1, 1, -1, -bottom);
    if (onlyMarks(caption)) {
        paintMarks(p, room, caption);
        return;
    }
    p.drawText(room, Qt::AlignCenter | Qt::TextHideMnemonic, caption);
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

KeyButton::KeyButton(const QString& caption, KeyGroup group, QWidget* parent)
    : QPushButton(caption, parent), m_look(keyLookOf(group))
{
}

void KeyButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintKey(p, rect(), m_look, isDown(), text());
}

}  // namespace trellum::shell
