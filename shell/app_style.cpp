// SPDX-License-Identifier: MIT
#include "shell/app_style.h"

#include <initializer_list>

#include <QApplication>
#include <QCursor>
#include <QIcon>
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

// Qt's tool-bar extension icon, which the menu bar asks for when it is built
// (and shows only when its menus do not fit), read from Qt's own PNGs by the
// built-in reader: Qt's own look-up sniffs the format with every image-format
// plugin, which loads them all before the first paint. The names are listed,
// not matched: a name filter compiles a regular expression, half a MiB of
// PCRE's code and tables resident for good.
QIcon extensionIcon(const QString& name, std::initializer_list<int> sizes)
{
    const QString path = QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png");
    QIcon icon;
    for (int size : sizes) icon.addPixmap(readPng(path.arg(name).arg(size)));
    return icon;
}

// The application style, with the extension icon above.
class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const override
    {
        if (pixmap == SP_ToolBarHorizontalExtensionButton) {
            const bool rtl = (option ? option->direction : QApplication::layoutDirection()) == Qt::RightToLeft;
            const QString name = rtl ? QStringLiteral("toolbar-ext-h-rtl") : QStringLiteral("toolbar-ext-h");
            return extensionIcon(name, {8, 16, 32});
        }
        if (pixmap == SP_ToolBarVerticalExtensionButton)
            return extensionIcon(QStringLiteral("toolbar-ext-v"), {5, 10, 20});
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
