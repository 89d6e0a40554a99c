#include "shell/dialogs/dialogs.h"

#include <utility>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QIconEngine>
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

// Qt's tool-bar extension icon, read from Qt's own PNGs when first drawn: the
// menu bar asks for it when it is built, and shows it only when its menus do
// not fit. Read by the built-in PNG reader: a reader left to detect the format
// loads every image-format plugin to ask it first.
class ExtensionIconEngine : public QIconEngine {
public:
    explicit ExtensionIconEngine(QString prefix) : m_prefix(std::move(prefix)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new ExtensionIconEngine(m_prefix); }
    QString key() const override { return QStringLiteral("trellum-extension"); }

private:
    const QIcon& icon()
    {
        if (!m_loaded) {
            m_loaded = true;
            QDirIterator files(QStringLiteral(":/qt-project.org/styles/commonstyle/images"),
                               {m_prefix + QStringLiteral("[0-9]*.png")}, QDir::Files);
            while (files.hasNext()) m_icon.addPixmap(readPng(files.next()));
        }
        return m_icon;
    }

    QString m_prefix;
    bool m_loaded = false;
    QIcon m_icon;
};

// The application style, less the start-up cost of the extension icon above.
class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const override
    {
        if (pixmap == SP_ToolBarHorizontalExtensionButton) {
            const bool rtl = (option ? option->direction : QApplication::layoutDirection()) == Qt::RightToLeft;
            return QIcon(new ExtensionIconEngine(rtl ? QStringLiteral("toolbar-ext-h-rtl-")
                                                     : QStringLiteral("toolbar-ext-h-")));
        }
        if (pixmap == SP_ToolBarVerticalExtensionButton)
            return QIcon(new ExtensionIconEngine(QStringLiteral("toolbar-ext-v-")));
        return QProxyStyle::standardIcon(pixmap, option, widget);
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

QPixmap readPng(const QString& path)
{
    if (!QFile::exists(path)) return {};  // builds without the program's resources
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QStyle* newAppStyle()
{
    // Built on the style Qt chose (the desktop's, or the user's -style or
    // QT_STYLE_OVERRIDE), not on a default of our own.
    return new AppStyle(QApplication::style()->name());
}

QIcon appIcon()
{
    QIcon icon;
    if (QFile::exists(QStringLiteral(":/resources/trellum-32.png"))) {
        // PNGs only, read by Qt's built-in PNG reader: the SVG would load an
        // icon-engine plugin, and a reader left to detect the format loads every
        // image-format plugin to ask it first, all before the first paint.
        for (int size : kIconSizes)
            icon.addPixmap(readPng(QStringLiteral(":/resources/trellum-%1.png").arg(size)));
        return icon;
    }
    for (int size : kIconSizes) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace trellum::shell
