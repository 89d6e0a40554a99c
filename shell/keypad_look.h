#pragma once
// The look of a hand-held calculator's case, painted by the widgets themselves:
// a slate display frame, a darker keypad well, dark function keys with white
// print, light digit keys, blue operators and orange AC/C. Each key is a rounded
// face with a thicker lower edge that flattens while the key is held down.
//
// Painting it directly, rather than through a style sheet, spares start-up the
// style sheet's parse and its polish of every key and frame.

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPushButton>
#include <QRawFont>

#include "app/key_table.h"

class QPainter;

namespace trellum::shell {

// The print and face of one kind of key.
struct KeyLook {
    QColor print;
    QColor rim;          // the top, left and right edges
    QColor lowerRim;     // the lower edge
    int lowerRimWidth;   // in pixels, while the key is up
    int pressDepth;      // how far the face moves down while held
    QColor faceTop, faceBottom;
    QColor faceDown;     // while held
};

const KeyLook& keyLookOf(KeyGroup group);

// A keypad key: a QPushButton (so it keeps its accessibility and click
// behaviour) that paints its own face.
class KeyButton : public QPushButton {
    Q_OBJECT
public:
    KeyButton(const QString& caption, KeyGroup group, QWidget* parent);

    // The face the caption is printed from, in the key's own size (see printLine).
    void setPrintFace(const QRawFont& face) { m_printFace = face; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const KeyLook& m_look;
    QRawFont m_printFace;
};

// One line of text laid out from `face` (a face of the type's family and
// weight) in the size of `type` on a device of `dpi`, as Qt's text layout
// lays it out but without kerning; see printLine for why. Empty when the face
// lacks a glyph of the text: QPainter then draws it from a fallback font.
class PrintedLine {
public:
    PrintedLine(const QRawFont& face, const QFont& type, int dpi, const QString& text);

    bool isEmpty() const { return m_glyphs.isEmpty(); }
    qreal width() const { return m_width; }   // of the advances, trailing blanks too
    qreal ascent() const { return m_face.ascent(); }
    qreal descent() const { return m_face.descent(); }

    // Draws the line where QPainter::drawText draws a line whose top left is `topLeft`.
    void draw(QPainter& painter, const QPointF& topLeft) const;

private:
    QRawFont m_face;
    QList<quint32> m_glyphs;
    QList<QPointF> m_positions;
    qreal m_width = 0;
};

// Paints a key face into `rect` (the whole key), held down or not, and its caption.
// The caption is printed from `face` (see printLine).
void paintKey(QPainter& painter, const QRect& rect, const KeyLook& look, bool down, const QString& caption,
              const QRawFont& face);

// Prints one line of `text` into `rect`, placed by `alignment` (left or
// centred, top or centred) as QPainter::drawText places it, in the size of the
// painter's type but from `face`: a face of the same family and weight that
// the window renders anyway. A QFont of each size the keypad prints in would
// cost a font match of its own at start-up (a fontconfig query each, as much
// as the rest of the first paint); a face set to another size only scales.
// Without a face it is the type's own; a text the face has no glyphs for is
// drawn by QPainter::drawText. A caption of marks alone is sized as fitMarks
// says and centred by its ink.
void printLine(QPainter& painter, const QRect& rect, int alignment, const QRawFont& face, const QString& text);

// The type of a caption of marks alone ("° ' ''"), which keys draw larger than
// their own type so the marks read at the size of the letters of other keys:
// its size and word spacing on a key whose face leaves `roomWidth` pixels.
struct MarksType {
    qreal points;
    qreal wordSpacing;
};
MarksType fitMarks(const QFont& base, const QString& caption, int roomWidth);

// The background of the display frame (a slate gradient) or of the keypad
// well (flat, with a dark line along its top edge).
enum class PanelLook { Display, Keypad };
void paintPanel(QPainter& painter, const QRect& rect, PanelLook look);

// The amber print of the legends above the keys.
QColor legendColour();

}  // namespace trellum::shell
