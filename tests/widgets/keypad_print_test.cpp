// The keypad's signs must read as signs at the scale the test runs at
// (QT_SCALE_FACTOR 1, 1.5 and 2): the bars of "−", "=", "÷", "+" and the
// strokes of "×" of one weight, "−" as wide as "+", and the degrees-minutes-
// seconds marks three separate marks of a legible size, centred as a group.
// Measured on the keys as they paint themselves, by how far each pixel has
// gone from the face's colour towards the print's.

#include <cmath>
#include <memory>

#include <QtTest>
#include <QtWidgets>

#include "shell/keypad_look.h"
#include "shell/main_window.h"
#include "storage/settings_store.h"
#include "patience.h"

using trellum::SettingsStore;
using trellum::shell::MainWindow;

namespace {

// How much of each device pixel of a key's face is print, 0 to 1.
struct Ink {
    int width = 0, height = 0;
    qreal ratio = 1;
    std::vector<qreal> cover;
    // The box of the pixels at least half covered.
    int left = 0, right = -1, top = 0, bottom = -1;

    qreal at(int x, int y) const { return cover[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    int inkWidth() const { return right - left + 1; }
    int inkHeight() const { return bottom - top + 1; }
    qreal total() const
    {
        qreal sum = 0;
        for (const qreal c : cover) sum += c;
        return sum;
    }
    // The print met along one column, in device pixels.
    qreal columnThickness(int x) const
    {
        qreal sum = 0;
        for (int y = 0; y < height; ++y) sum += at(x, y);
        return sum;
    }
    bool columnEmpty(int x) const
    {
        for (int y = 0; y < height; ++y) {
            if (at(x, y) >= 0.25) return false;
        }
        return true;
    }
};

// The face's colour is read on the same row near the key's left edge (the
// faces are vertical gradients, and no caption reaches that far); only the
// face inside its rim is looked at.
Ink inkOf(QPushButton* key)
{
    const QImage image = key->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = image.devicePixelRatio();
    const QColor print = trellum::shell::keyLookOf(key->objectName() == u"point" ? trellum::KeyGroup::Digit
                                                                                 : trellum::KeyGroup::Operator)
                             .print;
    Ink ink;
    ink.ratio = ratio;
    const int inset = qCeil(2 * ratio), lower = qCeil(4 * ratio);
    ink.width = image.width() - 2 * inset;
    ink.height = image.height() - inset - lower;
    ink.cover.resize(std::size_t(ink.width) * std::size_t(ink.height));
    const int faceX = qRound(3.5 * ratio);
    ink.left = ink.width;
    ink.top = ink.height;
    for (int y = 0; y < ink.height; ++y) {
        const int face = qGray(image.pixel(faceX, y + inset));
        const int span = qGray(print.rgb()) - face;
        for (int x = 0; x < ink.width; ++x) {
            const qreal c = std::clamp(qreal(qGray(image.pixel(x + inset, y + inset)) - face) / span, 0.0, 1.0);
            ink.cover[std::size_t(y) * std::size_t(ink.width) + std::size_t(x)] = c;
            if (c >= 0.5) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

// How a sign's strokes are met: bars along the column a quarter of the way in
// (clear of the upright of "+" and of the dots of "÷"), or two diagonals.
enum class Strokes { Bars, Diagonals, Dot };

}  // namespace

class KeypadPrintTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void signsShareOneWeight_data();
    void signsShareOneWeight();
    void marksReadAsThreeCentredMarks();

private:
    QPushButton* key(const char* name) const { return m_window->findChild<QPushButton*>(QLatin1StringView(name)); }
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<MainWindow> m_window;
};

void KeypadPrintTest::init()
{
    m_settings = std::make_unique<SettingsStore>();
    m_window = std::make_unique<MainWindow>(*m_settings);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), kPatienceMs));
}

void KeypadPrintTest::cleanup()
{
    m_window.reset();
    m_settings.reset();
}

void KeypadPrintTest::signsShareOneWeight_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Strokes>("strokes");
    QTest::addColumn<int>("bars");
    QTest::addColumn<bool>("asWideAsPlus");
    QTest::newRow("minus") << "subtract" << Strokes::Bars << 1 << true;
    QTest::newRow("equals") << "equals" << Strokes::Bars << 2 << false;
    QTest::newRow("divide") << "divide" << Strokes::Bars << 1 << false;
    QTest::newRow("times") << "multiply" << Strokes::Diagonals << 0 << false;
    QTest::newRow("decimal point") << "point" << Strokes::Dot << 0 << false;
}

void KeypadPrintTest::signsShareOneWeight()
{
    QFETCH(QString, name);
    QFETCH(Strokes, strokes);
    QFETCH(int, bars);
    QFETCH(bool, asWideAsPlus);
    const Ink plus = inkOf(key("add"));
    QVERIFY2(plus.inkWidth() > 0, "no print on +");
    const qreal stroke = plus.columnThickness(plus.left + plus.inkWidth() / 4);
    const Ink sign = inkOf(key(name.toLatin1().constData()));
    QVERIFY2(sign.inkWidth() > 0, qPrintable(QStringLiteral("no print on %1").arg(name)));
    qreal weight = 0;
    switch (strokes) {
    case Strokes::Bars: weight = sign.columnThickness(sign.left + sign.inkWidth() / 4) / bars; break;
    case Strokes::Diagonals:
        weight = sign.total() / (2 * std::hypot(sign.inkWidth(), sign.inkHeight()));
        break;
    case Strokes::Dot:
        // A point is a dot, not a stroke: no thinner than a bar, and no blob.
        weight = sign.inkHeight() / 2.0;
        break;
    }
    // Within half a device pixel, or a third for the thicker print of scale 2.
    const qreal slack = std::max(0.5, stroke / 3);
    QVERIFY2(std::abs(weight - stroke) <= slack + (strokes == Strokes::Dot ? stroke : 0),
             qPrintable(QStringLiteral("%1 weighs %2 device pixels, the bar of + %3").arg(name).arg(weight).arg(stroke)));
    if (asWideAsPlus)
        QVERIFY2(std::abs(sign.inkWidth() - plus.inkWidth()) <= qCeil(plus.ratio),
                 qPrintable(QStringLiteral("%1 is %2 device pixels wide, + %3")
                                .arg(name)
                                .arg(sign.inkWidth())
                                .arg(plus.inkWidth())));
}

void KeypadPrintTest::marksReadAsThreeCentredMarks()
{
    QPushButton* marks = key("degreesMinutesSeconds");
    // The function keys' print is white on a dark face, as the operators'.
    const Ink ink = inkOf(marks);
    QVERIFY2(ink.inkWidth() > 0, "no print on the marks key");
    int groups = 0;
    for (int x = ink.left; x <= ink.right; ++x) {
        if (!ink.columnEmpty(x) && (x == ink.left || ink.columnEmpty(x - 1))) ++groups;
    }
    QVERIFY2(groups >= 3, qPrintable(QStringLiteral("the marks run together into %1 shapes").arg(groups)));
    const qreal centre = (ink.left + ink.right + 1) / 2.0;
    QVERIFY2(std::abs(centre - ink.width / 2.0) <= ink.ratio,
             qPrintable(QStringLiteral("the marks are centred at %1 of %2 device pixels").arg(centre).arg(ink.width)));
    // The face inside the rim while the key is up: from 1 pixel below the top
    // to 2 above the bottom; in the coordinates of inkOf.
    const qreal faceMiddle = (marks->height() - 1) * ink.ratio / 2.0 - qCeil(2 * ink.ratio);
    const qreal middle = (ink.top + ink.bottom + 1) / 2.0;
    QVERIFY2(std::abs(middle - faceMiddle) <= ink.ratio,
             qPrintable(QStringLiteral("the marks' middle is at %1, the face's at %2").arg(middle).arg(faceMiddle)));
    QVERIFY2(ink.left >= qCeil(2 * ink.ratio), qPrintable(QStringLiteral("the degree mark starts %1 device pixels "
                                                                          "inside the face")
                                                               .arg(ink.left)));
    // As tall as the other function keys' letters would make them, at least half.
    const Ink letters = inkOf(key("delete"));
    QVERIFY2(ink.inkHeight() * 2 >= letters.inkHeight(),
             qPrintable(QStringLiteral("the marks are %1 device pixels tall, DEL %2")
                            .arg(ink.inkHeight())
                            .arg(letters.inkHeight())));
}

QTEST_MAIN(KeypadPrintTest)
#include "keypad_print_test.moc"
