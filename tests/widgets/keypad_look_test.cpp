// A caption of marks alone is sized in one measurement and a prediction: the
// size and word spacing it comes to must be those that trying every half point
// and half pixel one by one would find, on every key type and width.

#include <QtTest>
#include <QtWidgets>

#include "shell/keypad_look.h"

using trellum::shell::fitMarks;
using trellum::shell::MarksType;

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
