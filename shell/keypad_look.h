// SPDX-License-Identifier: MIT
#pragma once
// The look of a hand-held calculator's case, painted by the widgets themselves:
// a slate display frame, a darker keypad well, dark function keys with white
// print, light digit keys, blue operators and orange AC/C. Each key is a rounded
// face with a thicker lower edge that flattens while the key is held down.
// Captions and legends are printed with QPainter::drawText in the widget's font.
//
// Painting it directly, rather than through a style sheet, spares start-up the
// style sheet's parse and its polish of every key and frame.

#include <vector>

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPushButton>
#include <QPixmap>

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

// Key faces drawn once per look, size, scale and state, then copied: most of
// the keypad's first paint is its 40 gradients and rims. One per keypad.
class KeyFaces {
public:
    // Paints a key face into `rect` (the whole key), held down or not, without its print.
    void paint(QPainter& painter, const QRect& rect, const KeyLook& look, bool down);

private:
    struct Face {
        const KeyLook* look;
        QSize size;
        int ratio;
        bool down;
        QPixmap pixmap;
    };
    std::vector<Face> m_faces;
};

// A keypad key: a QPushButton (so it keeps its accessibility and click
// behaviour) that paints its own face and prints its caption with drawText.
// The print may differ from the caption, which stays the key's accessible
// name: "-" prints as a minus sign as wide as "+", and the marks of
// "° ' ''" as degree, prime and double prime in a larger type (see
// keypad_look.cpp), which read as marks where apostrophes read as dotless i's.
class KeyButton : public QPushButton {
    Q_OBJECT
public:
    KeyButton(const KeyRow& row, KeyFaces& faces, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // How the caption is printed: as text, as the degrees-minutes-seconds
    // marks, as a root sign matched to the letters, or as bars on whole pixels.
    enum class PrintKind { Text, Marks, Root, Bars };
    static PrintKind printKindOf(Key key);
    QRect printRoom(bool down) const;
    void fitPrint();
    void paintBars(QPainter& p, const QRect& room) const;

    const KeyLook& m_look;
    KeyFaces& m_faces;
    QString m_print;   // the caption as printed
    QFont m_printType;
    Key m_key;
    QRectF m_printInk;   // Marks, Root, Bars: the outline's box, from the baseline's start
    qreal m_barWeight = 0;
    qreal m_ringSize = 0;   // Marks: the degree ring's width
    bool m_printFitted = false;
};

// The background of the display frame (a slate gradient) or of the keypad
// well (flat, with a dark line along its top edge).
enum class PanelLook { Display, Keypad };
void paintPanel(QPainter& painter, const QRect& rect, PanelLook look);

// The amber print of the legends above the keys.
QColor legendColour();

}  // namespace trellum::shell
