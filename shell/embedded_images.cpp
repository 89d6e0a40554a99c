#include "shell/embedded_images.h"

#include <QPixmap>

namespace trellum::shell {

namespace {

// The sizes a title bar, task bar or tray shows; Qt hands every size an icon
// holds to the window manager before the first paint.
constexpr const char* kIconPictures[] = {"trellum-16", "trellum-32", "trellum-48", "trellum-64"};

}  // namespace

QImage embeddedImage(QLatin1StringView name)
{
    for (const EmbeddedImage& image : embeddedImages()) {
        if (name == QLatin1StringView(image.name))
            return QImage(image.bits, image.width, image.height, image.bytesPerLine, image.format);
    }
    return {};
}

QIcon appIcon()
{
    QIcon icon;
    for (const char* picture : kIconPictures)
        icon.addPixmap(QPixmap::fromImage(embeddedImage(QLatin1StringView(picture))));
    return icon;
}

QCursor keypadCursor()
{
    // The finger's tip is the hot spot.
    return QCursor(QPixmap::fromImage(embeddedImage(QLatin1StringView("hand"))), 12, 1);
}

}  // namespace trellum::shell
