#include "shell/app_style.h"

#include <utility>

#include <QApplication>
#include <QCursor>
#include <QDirIterator>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>

namespace trellum::shell {

namespace {

// A PNG through Qt's built-in reader only. A reader left to detect the format
// asks every image-format plugin first, which loads them all (and libjpeg).
QPixmap readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

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

}  // namespace

QStyle* newAppStyle()
{
    // Built on the style Qt chose (the desktop's, or the user's -style or
    // QT_STYLE_OVERRIDE), not on a default of our own.
    return new AppStyle(QApplication::style()->name());
}

QIcon appIcon()
{
    // Qt hands every size an icon holds to the window manager before the first
    // paint, so it holds only those shown; the menu entry's theme icons cover
    // the large ones.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(readPng(QStringLiteral(":/resources/trellum-%1.png").arg(size)));
    return icon;
}

QCursor keypadCursor()
{
    // The finger's tip is the hot spot.
    return QCursor(readPng(QStringLiteral(":/resources/hand.png")), 12, 1);
}

}  // namespace trellum::shell
