#include "shell/dialogs/dialogs.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>

namespace trellum::shell {

namespace {

// The sizes a title bar, task bar or tray shows; Qt decodes every size an icon
// holds for the window manager's icon property, before the first paint.
constexpr int kIconSizes[] = {16, 32, 48, 64};

// The application style, less one start-up cost: every QMenuBar asks for the
// tool-bar extension icon in its constructor, and Qt's own lookup of that icon
// detects the format of its PNGs, loading every image-format plugin.
class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const override
    {
        QString prefix;
        if (pixmap == SP_ToolBarHorizontalExtensionButton) {
            const bool rtl = (option ? option->direction : QApplication::layoutDirection()) == Qt::RightToLeft;
            prefix = rtl ? QStringLiteral("toolbar-ext-h-rtl-") : QStringLiteral("toolbar-ext-h-");
        } else if (pixmap == SP_ToolBarVerticalExtensionButton) {
            prefix = QStringLiteral("toolbar-ext-v-");
        } else {
            return QProxyStyle::standardIcon(pixmap, option, widget);
        }
        QIcon icon;
        QDirIterator files(QStringLiteral(":/qt-project.org/styles/commonstyle/images"),
                           {prefix + QStringLiteral("[0-9]*.png")}, QDir::Files);
        while (files.hasNext()) icon.addPixmap(ReadPng(files.next()));
        return icon.isNull() ? QProxyStyle::standardIcon(pixmap, option, widget) : icon;
    }
};

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

QPixmap ReadPng(const QString& path)
{
    if (!QFile::exists(path)) return {};  // builds without the program's resources
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QStyle* NewAppStyle()
{
    // Built on the style Qt chose (the desktop's, or the user's -style or
    // QT_STYLE_OVERRIDE), not on a default of our own.
    return new AppStyle(QApplication::style()->name());
}

QIcon AppIcon()
{
    QIcon icon;
    if (QFile::exists(QStringLiteral(":/resources/trellum-32.png"))) {
        // PNGs only, read by Qt's built-in PNG reader: the SVG would load an
        // icon-engine plugin, and a reader left to detect the format loads every
        // image-format plugin to ask it first, all before the first paint.
        for (int size : kIconSizes)
            icon.addPixmap(ReadPng(QStringLiteral(":/resources/trellum-%1.png").arg(size)));
        return icon;
    }
    for (int size : kIconSizes) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace trellum::shell
