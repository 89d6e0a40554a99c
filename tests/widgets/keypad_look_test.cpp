// A caption of marks alone is sized in one measurement and a prediction: the
// size and word spacing it comes to must be those that trying every half point
// and half pixel one by one would find, on every key type and width. And the
// keypad's print, laid out from a face of another size, must come out pixel
// for pixel as QPainter::drawText draws it in the key's own type.

#include <QtTest>
#include <QtWidgets>

#include "shell/keypad_look.h"
#include "shell/main_window.h"

using trellum::shell::fitMarks;
using trellum::shell::LcdPanel;
using trellum::shell::MarksType;
using trellum::shell::printLine;

namespace {

QRectF inkOf(const QFont& type, const QString& text)
{
    QPainterPath outline;
    outline.addText(0, 0, type, text);
    return outline.boundingRect();
}

// The rule tried step by step, measuring the ink at every step.
MarksType fitStepByStep(const QFont& base, const QString& caption, int roomWidth)
{
    const qreal wanted = 0.75 * inkOf(base, QStringLiteral("DEL")).height();
    QFont type = base;
    while (inkOf(type, caption).height() < wanted && type.pointSizeF() < 4 * base.pointSizeF())
        type.setPointSizeF(type.pointSizeF() + 0.5);
    const qreal blank = QFontMetricsF(type).horizontalAdvance(u' ');
    while (inkOf(type, caption).width() > roomWidth - 2) {
        if (type.wordSpacing() > -0.85 * blank)
            type.setWordSpacing(type.wordSpacing() - 0.5);
        else if (type.pointSizeF() > base.pointSizeF())
            type.setPointSizeF(type.pointSizeF() - 0.5);
        else
            break;
    }
    return {type.pointSizeF(), type.wordSpacing()};
}

QFont keyType(qreal points, bool bold)
{
    QFont type(QStringLiteral("DejaVu Sans"));
    type.setPointSizeF(points);
    type.setBold(bold);
    return type;
}

}  // namespace

class KeypadLookTest : public QObject {
    Q_OBJECT
private slots:
    void marksFitAsStepByStep_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QFont>("base");
        QTest::addColumn<int>("roomWidth");
        // The keypad's own types (function keys 6 pt bold, the others 9 pt
        // bold) and two it does not use; widths from a key with room to spare
        // down to one where the blanks and then the size must give way.
        const struct {
            const char* name;
            qreal points;
            bool bold;
        } types[] = {{"6pt bold", 6, true}, {"9pt bold", 9, true}, {"5pt", 5, false}, {"12pt", 12, false}};
        const QString captions[] = {QStringLiteral("° ' ''"), QStringLiteral("-"),  QStringLiteral("="),
                                    QStringLiteral("•"),      QStringLiteral("÷"),  QStringLiteral("×"),
                                    QStringLiteral("+/-"),    QStringLiteral("( --"), QStringLiteral(" ' ")};
        for (const auto& type : types) {
            for (const QString& caption : captions) {
                for (const int width : {31, 23, 14, 8}) {
                    QTest::addRow("\"%s\" %s %d px", qPrintable(caption), type.name, width)
                        << caption << keyType(type.points, type.bold) << width;
                }
            }
        }
    }

    void printedAsDrawText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("type");
        QTest::addColumn<QFont>("faceType");   // the type whose face prints it
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("ratio");
        // The keypad's print as the window has it: one-glyph captions on the
        // lower keys (marks among them, fitted as from their own type's face),
        // the other lower captions, the legends, and function key captions,
        // whose type is the face's own and whose kerning ("SHIFT") only Qt's
        // shaping applies. The others have no kerned pair in their faces.
        const QFont display = keyType(12, true), indicator = keyType(6, false);
        const struct {
            const char* name;
            QFont type, faceType;
            QStringList texts;
        } types[] = {
            {"9pt bold from 12pt bold", keyType(9, true), display, {"7", "0", "÷", "•"}},
            {"6pt bold from 12pt bold", keyType(6, true), display, {"AC", "EXP", "Co"}},
            {"5pt from 6pt", keyType(5, false), indicator, {"10^x", "e^x", "X!  ", "sin⁻¹"}},
            {"6pt, the face's own", indicator, indicator, {"SHIFT", "MODE"}},
        };
        const struct {
            const char* name;
            int flags;
        } alignments[] = {{"centred", Qt::AlignCenter}, {"top left", Qt::AlignLeft | Qt::AlignTop}};
        for (const auto& type : types) {
            for (const QString& text : type.texts) {
                for (const auto& alignment : alignments) {
                    for (const int ratio : {1, 2}) {
                        QTest::addRow("\"%s\" %s %s x%d", qPrintable(text), type.name, alignment.name, ratio)
                            << text << type.type << type.faceType << alignment.flags << ratio;
                    }
                }
            }
        }
    }

    void printedAsDrawText()
    {
        QFETCH(QString, text);
        QFETCH(QFont, type);
        QFETCH(QFont, faceType);
        QFETCH(int, alignment);
        QFETCH(int, ratio);
        // Rooms of odd and even widths and heights, at whole-pixel offsets, as
        // keys have them; marks are compared with their print from their own
        // type's face, which QPainter::drawText has no fitting for.
        const QRect rooms[] = {QRect(3, 2, 31, 17), QRect(10, 7, 24, 22), QRect(1, 1, 52, 40)};
        for (const QRect& room : rooms) {
            QImage expected(64 * ratio, 48 * ratio, QImage::Format_ARGB32_Premultiplied);
            expected.setDevicePixelRatio(ratio);
            expected.fill(Qt::white);
            QImage printed = expected;
            QPainter byQt(&expected);
            byQt.setFont(type);
            if (text.trimmed().front().isLetterOrNumber())
                byQt.drawText(room, alignment, text);
            else
                printLine(byQt, room, alignment, QRawFont::fromFont(type), text);
            byQt.end();
            QPainter byFace(&printed);
            byFace.setFont(type);
            printLine(byFace, room, alignment, QRawFont::fromFont(faceType), text);
            byFace.end();
            QVERIFY2(printed == expected, qPrintable(QStringLiteral("in %1,%2 %3x%4")
                                                         .arg(room.x()).arg(room.y()).arg(room.width()).arg(room.height())));
        }
    }

    // The display's number, printed from its type's face, against Qt's own
    // text drawing on the same panel: right-aligned with its trailing blanks,
    // on a baseline that stays put while a long number's type shrinks to fit.
    void displayPrintedAsDrawText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("points");
        const char* const texts[] = {"0. ", "-1.23456789012345 ", "3.14159265358979"};
        for (const char* text : texts) {
            for (const int points : {12, 17, 26}) QTest::addRow("\"%s\" %d pt", text, points) << text << points;
        }
    }

    void displayPrintedAsDrawText()
    {
        QFETCH(QString, text);
        QFETCH(int, points);
        LcdPanel panel(nullptr);
        QFont type = panel.font();
        type.setPointSize(points);
        panel.setFont(type);
        panel.resize(177, 33);
        QImage expected = panel.grab().toImage();
        {
            QPainter p(&expected);
            const QRect r = panel.rect();
            QFont fitted = panel.font();
            const int room = r.width() - 6;
            for (int tries = 0; tries < 4 && QFontMetrics(fitted).horizontalAdvance(text) > room; ++tries)
                fitted.setPointSizeF(fitted.pointSizeF() * room / QFontMetrics(fitted).horizontalAdvance(text) - 0.25);
            p.setFont(fitted);
            p.setPen(QColor(0x1c, 0x24, 0x1a));
            const QFontMetrics full(panel.font());
            const int baseline = r.bottom() - qMax(2, (r.height() - full.height()) / 4) - full.descent() + 1;
            p.drawText(r.right() - 2 - QFontMetrics(fitted).horizontalAdvance(text), baseline, text);
        }
        panel.setText(text);
        QCOMPARE(panel.grab().toImage(), expected);
    }

    void marksFitAsStepByStep()
    {
        QFETCH(QString, caption);
        QFETCH(QFont, base);
        QFETCH(int, roomWidth);
        const MarksType expected = fitStepByStep(base, caption, roomWidth);
        const MarksType fitted = fitMarks(base, caption, roomWidth);
        QCOMPARE(fitted.points, expected.points);
        QCOMPARE(fitted.wordSpacing, expected.wordSpacing);
    }
};

QTEST_MAIN(KeypadLookTest)
#include "keypad_look_test.moc"
