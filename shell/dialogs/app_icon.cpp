#include "shell/dialogs/dialogs.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace trellum::shell {

namespace {

// The sizes a title bar, task bar or tray shows; Qt decodes every size an icon
// holds for the window manager's icon property, before the first paint.
constexpr int kIconSizes[] = {16, 32, 48, 64};

// The picture of trellum.svg (a 256-unit canvas), for builds without its resources.
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    const QColor outline(0x1f, 0x25, 0x2e);
    QLinearGradient body(0, 10, 0, 246);
    body.setColorAt(0, QColor(0x55, 0x65, 0x7a));
    body.setColorAt(1, QColor(0x2e, 0x37, 0x44));
    p.setPen(QPen(outline, 6));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(38, 10, 180, 236), 28, 28);

    QLinearGradient display(0, 32, 0, 86);
    display.setColorAt(0, QColor(0xd8, 0xec, 0xd0));
    display.setColorAt(1, QColor(0xb4, 0xd3, 0xa8));
    p.setPen(QPen(outline, 4));
    p.setBrush(display);
    p.drawRoundedRect(QRectF(58, 32, 140, 54), 9, 9);

    p.setPen(Qt::NoPen);
    const QColor key(0xe8, 0xec, 0xf1);
    const QColor operatorKey(0xf0, 0x96, 0x3a);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(key);
            p.drawRoundedRect(QRectF(58 + 37 * col, 104 + 35 * row, 29, 25), 6, 6);
        }
    }
    p.setBrush(operatorKey);
    p.drawRoundedRect(QRectF(169, 104, 29, 25), 6, 6);
    p.drawRoundedRect(QRectF(169, 139, 29, 25), 6, 6);
    p.drawRoundedRect(QRectF(169, 174, 29, 60), 6, 6);
    return pixmap;
}

}  // namespace

QIcon AppIcon()
{
    QIcon icon;
    if (QFile::exists(QStringLiteral(":/resources/trellum-32.png"))) {
        // PNGs only: the SVG would load an icon-engine plugin at start-up.
        for (int size : kIconSizes)
            icon.addFile(QStringLiteral(":/resources/trellum-%1.png").arg(size), QSize(size, size));
        return icon;
    }
    for (int size : kIconSizes) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace trellum::shell
