#include "shell/embedded_images.h"

namespace trellum::shell {

QImage embeddedImage(QLatin1StringView name)
{
    for (const EmbeddedImage& image : embeddedImages()) {
        if (name == QLatin1StringView(image.name))
            return QImage(image.bits, image.width, image.height, image.bytesPerLine, image.format);
    }
    return {};
}

}  // namespace trellum::shell
