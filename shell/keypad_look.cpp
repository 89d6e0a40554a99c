#include "shell/keypad_look.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include <QGlyphRun>
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

// One face at any pixel size: the keypad's print is laid out and drawn from a
// face the window renders anyway, set to the size of each key's own type. A
// QFont of every size would cost a font match of its own at start-up (a
// fontconfig query each, as much work as the rest of the first paint), while a
// face set to another size keeps its hinting and only scales.
class KeyFace {
public:
    // Text laid out in the face: its glyphs and their pen positions from the
    // start of the baseline, and the width of its advances.
    struct Run {
        int pixels = 0;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        qreal width = 0;
        QRectF ink;   // for marks only: reading outlines costs
    };

    KeyFace(const QRawFont& face, int dpi) : m_face(face), m_dpi(dpi), m_facePixels(qRound(face.pixelSize())) {}

    int facePixels() const { return m_facePixels; }
    int dpi() const { return m_dpi; }

    // Whether the face has a glyph of its own for every character of `text`
    // (QPainter would draw any other from a fallback font).
    bool draws(const QString& text) const
    {
        if (!m_face.isValid()) return false;
        const QList<quint32> glyphs = m_face.glyphIndexesForString(text);
        return glyphs.size() == text.size() && !glyphs.contains(0u);
    }

    // The pixels Qt renders a type of `points` at: whole pixels, from the size
    // rounded to hundredths (sizes are positive: the cast is the floor).
    int pixelsAt(qreal points) const { return qRound(qint64(points * m_dpi / 72 * 100 + 0.5) / 100.0); }

    const QRawFont& at(int pixels)
    {
        if (pixels == m_facePixels) return m_face;
        for (const auto& [size, face] : m_sizes) {
            if (size == pixels) return face;
        }
        QRawFont face = m_face;
        face.setPixelSize(pixels);
        m_sizes.emplace_back(pixels, face);
        return m_sizes.back().second;
    }

    // Laid out as Qt's text layout lays out one line: the glyphs' advances,
    // and the word spacing once after each run of blanks. Without kerning:
    // reading a face's kerning pairs costs some 100 KiB for every size, and the
    // keypad's print has no kerned pair (printLine leaves text at the face's
    // own size, such as "SHIFT", to QPainter).
    Run layout(const QString& text, int pixels, qreal wordSpacing)
    {
        const QRawFont& face = at(pixels);
        Run run{pixels, face.glyphIndexesForString(text), {}, 0, {}};
        const QList<QPointF> advances = face.advancesForGlyphIndexes(run.glyphs, QRawFont::SeparateAdvances);
        qreal x = 0;
        for (qsizetype i = 0; i < run.glyphs.size(); ++i) {
            run.positions.append(QPointF(x, 0));
            x += advances[i].x();
            if (text[i].isSpace() && (i + 1 == text.size() || !text[i + 1].isSpace())) x += wordSpacing;
        }
        run.width = x;
        return run;
    }

    // The same, with the outline of its ink.
    Run measure(const QString& text, int pixels, qreal wordSpacing)
    {
        Run run = layout(text, pixels, wordSpacing);
        for (qsizetype i = 0; i < run.glyphs.size(); ++i) {
            if (!text[i].isSpace()) run.ink |= glyphInk(pixels, run.glyphs[i]).translated(run.positions[i]);
        }
        return run;
    }

    qreal blankWidth(int pixels)
    {
        const QRawFont& face = at(pixels);
        const QList<QPointF> advance = face.advancesForGlyphIndexes(face.glyphIndexesForString(QStringLiteral(" ")));
        return advance.isEmpty() ? 0 : advance.first().x();
    }

private:
    // Each glyph's outline is read once per size: a read runs the glyph's
    // hinting program, which costs as much as rendering a dozen glyphs.
    QRectF glyphInk(int pixels, quint32 glyph)
    {
        for (const auto& [size, g, ink] : m_inks) {
            if (size == pixels && g == glyph) return ink;
        }
        const QRectF ink = at(pixels).pathForGlyph(glyph).boundingRect();
        m_inks.push_back({pixels, glyph, ink});
        return ink;
    }

    struct GlyphInk {
        int pixels;
        quint32 glyph;
        QRectF ink;
    };
    QRawFont m_face;
    int m_dpi;
    int m_facePixels;
    std::vector<std::pair<int, QRawFont>> m_sizes;
    std::vector<GlyphInk> m_inks;
};

// The face behind each source face and resolution, kept for the repaints.
KeyFace& keyFaceOf(const QRawFont& face, int dpi)
{
    static std::vector<std::tuple<QRawFont, int, std::unique_ptr<KeyFace>>> faces;
    for (auto& [f, d, keyFace] : faces) {
        if (f == face && d == dpi) return *keyFace;
    }
    faces.emplace_back(face, dpi, std::make_unique<KeyFace>(face, dpi));
    return *std::get<2>(faces.back());
}

// The ink of a caption at any size and word spacing. Glyph outlines scale with
// the pixel size, so the ink at the key type's size predicts every other size;
// only a prediction too close to the line a decision draws is checked by
// measuring the caption at that size.
class MarksInk {
public:
    // How far a prediction may stray from the ink: hinted outlines and advances
    // land on 1/64 of a pixel, which over a few glyphs makes up to 0.2 pixels.
    static constexpr qreal kHeightMargin = 0.1, kWidthMargin = 0.5;

    MarksInk(KeyFace& face, const QString& caption, int basePixels, qreal baseSpacing)
        : m_face(face), m_caption(caption), m_basePixels(basePixels), m_baseSpacing(baseSpacing),
          m_atBase(face.measure(caption, basePixels, baseSpacing).ink), m_blankRuns(innerBlankRuns(caption))
    {
    }

    bool lowerThan(qreal points, qreal height)
    {
        const qreal guess = m_atBase.height() * scaleAt(points);
        if (std::abs(guess - height) > kHeightMargin + 0.01 * height) return guess < height;
        return measured(points, m_baseSpacing).ink.height() < height;
    }

    bool widerThan(qreal points, qreal spacing, qreal width)
    {
        const qreal guess = m_atBase.width() * scaleAt(points) + m_blankRuns * (spacing - m_baseSpacing);
        if (std::abs(guess - width) > kWidthMargin + 0.01 * width) return guess > width;
        return measured(points, spacing).ink.width() > width;
    }

    // Sizes that render at the same pixels share one measurement.
    KeyFace::Run measured(qreal points, qreal spacing)
    {
        const int pixels = m_face.pixelsAt(points);
        for (const auto& [run, s] : m_measured) {
            if (run.pixels == pixels && s == spacing) return run;
        }
        m_measured.emplace_back(m_face.measure(m_caption, pixels, spacing), spacing);
        return m_measured.back().first;
    }

private:
    qreal scaleAt(qreal points) const { return qreal(m_face.pixelsAt(points)) / m_basePixels; }

    KeyFace& m_face;
    QString m_caption;
    int m_basePixels;
    qreal m_baseSpacing;
    QRectF m_atBase;
    int m_blankRuns;
    std::vector<std::pair<KeyFace::Run, qreal>> m_measured;
};

struct FittedMarks {
    MarksType type;
    KeyFace::Run run;   // laid out and measured at that type
};

// Marks sit high in their type and are a few dots at the size of the letters
// of the other captions: drawn three quarters as tall as those letters (as
// marks, not as letters: "O I I"), the blanks between them narrowed where the
// key is too narrow. The sizes go in steps of half a point.
FittedMarks fitMarksIn(KeyFace& face, const QFont& base, const QString& caption, int roomWidth)
{
    const int basePixels = face.pixelsAt(base.pointSizeF());
    MarksInk ink(face, caption, basePixels, base.wordSpacing());
    const qreal wanted = 0.75 * face.measure(QStringLiteral("DEL"), basePixels, 0).ink.height();
    qreal points = base.pointSizeF();
    while (ink.lowerThan(points, wanted) && points < 4 * base.pointSizeF()) points += 0.5;
    qreal spacing = base.wordSpacing();
    qreal blank = -1;   // the width of a blank at the size the height asked for
    while (ink.widerThan(points, spacing, roomWidth - 2)) {
        if (blank < 0) blank = face.blankWidth(face.pixelsAt(points));
        if (spacing > -0.85 * blank)
            spacing -= 0.5;
        else if (points > base.pointSizeF())
            points -= 0.5;
        else
            break;
    }
    return {{points, spacing}, ink.measured(points, spacing)};
}

// Draws a run whose line's top left is `topLeft`. Qt's text layout puts a
// line on 1/64 of a pixel, cut toward zero, before it is scaled to the
// device (by the same cast), so the glyphs land where QPainter::drawText puts them.
void drawRun(QPainter& p, const QPointF& topLeft, const QRawFont& face, const KeyFace::Run& run)
{
    const auto onGrid = [](qreal v) { return int(v * 64) / 64.0; };
    QGlyphRun glyphs;
    glyphs.setRawFont(face);
    glyphs.setGlyphIndexes(run.glyphs);
    glyphs.setPositions(run.positions);
    p.drawGlyphRun(QPointF(onGrid(topLeft.x()), onGrid(topLeft.y()) + face.ascent()), glyphs);
}

// Centred on the key by their ink. Keys are repainted as they go down and up:
// each caption is fitted once per type and width.
void paintMarks(QPainter& p, const QRect& room, const QString& caption, KeyFace& face)
{
    struct Fitted {
        const KeyFace* face;
        QString type;   // the key type's key
        QString caption;
        int width;
        KeyFace::Run run;
    };
    static std::vector<Fitted> fitted;
    const QFont base = p.font();
    const QString type = base.key();
    auto known = std::find_if(fitted.begin(), fitted.end(), [&](const Fitted& f) {
        return f.face == &face && f.width == room.width() && f.caption == caption && f.type == type;
    });
    if (known == fitted.end()) {
        fitted.push_back({&face, type, caption, room.width(), fitMarksIn(face, base, caption, room.width()).run});
        known = fitted.end() - 1;
    }
    const QRawFont& sized = face.at(known->run.pixels);
    drawRun(p, QRectF(room).center() - known->run.ink.center() - QPointF(0, sized.ascent()), sized, known->run);
}

int screenDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return 96;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

}  // namespace

MarksType fitMarks(const QFont& base, const QString& caption, int roomWidth)
{
    KeyFace& face = keyFaceOf(QRawFont::fromFont(base), screenDpi());
    return fitMarksIn(face, base, caption, roomWidth).type;
}

PrintedLine::PrintedLine(const QRawFont& face, const QFont& type, int dpi, const QString& text)
{
    KeyFace& keyFace = keyFaceOf(face, dpi);
    if (type.pointSizeF() <= 0 || !keyFace.draws(text)) return;
    const KeyFace::Run run = keyFace.layout(text, keyFace.pixelsAt(type.pointSizeF()), type.wordSpacing());
    m_face = keyFace.at(run.pixels);
    m_glyphs = run.glyphs;
    m_positions = run.positions;
    m_width = run.width;
}

void PrintedLine::draw(QPainter& p, const QPointF& topLeft) const
{
    drawRun(p, topLeft, m_face, {0, m_glyphs, m_positions, m_width, {}});
}

void printLine(QPainter& p, const QRect& rect, int alignment, const QRawFont& face, const QString& text)
{
    const QFont type = p.font();
    KeyFace& keyFace = keyFaceOf(face.isValid() ? face : QRawFont::fromFont(type),
                                 p.device() ? p.device()->logicalDpiY() : screenDpi());
    if (type.pointSizeF() <= 0 || !keyFace.draws(text)) {
        p.drawText(rect, alignment | Qt::TextHideMnemonic, text);
        return;
    }
    if (onlyMarks(text)) {
        paintMarks(p, rect, text, keyFace);
        return;
    }
    const int pixels = keyFace.pixelsAt(type.pointSizeF());
    if (pixels == keyFace.facePixels()) {
        // The type's own size: the face is the type's, and Qt shapes it.
        p.drawText(rect, alignment | Qt::TextHideMnemonic, text);
        return;
    }
    // Placed as QPainter::drawText places one line: by the width of its
    // advances and by its ascent and descent.
    const PrintedLine line(keyFace.at(keyFace.facePixels()), type, keyFace.dpi(), text);
    QPointF start = rect.topLeft();
    if (alignment & Qt::AlignHCenter) start.rx() += (rect.width() - line.width()) / 2;
    if (alignment & Qt::AlignVCenter) start.ry() += (rect.height() - (line.ascent() + line.descent())) / 2;
    line.draw(p, start);
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

void paintKey(QPainter& p, const QRect& rect, const KeyLook& look, bool down, const QString& caption,
              const QRawFont& face)
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
    const QRect keyFace = rect.adjusted(0, down ? look.pressDepth : 0, 0, 0);
    const int bottom = down ? 1 : look.lowerRimWidth;
    p.setPen(look.print);
    printLine(p, keyFace.adjusted(1, 1, -1, -bottom), Qt::AlignCenter, face, caption);
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
    // A painter takes the application's direction, not the widget's: without
    // this, "1/x" would print as "x/1" in Arabic and Hebrew.
    p.setLayoutDirection(layoutDirection());
    paintKey(p, rect(), m_look, isDown(), text(), m_printFace);
}

}  // namespace trellum::shell
