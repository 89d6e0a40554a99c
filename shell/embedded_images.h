#pragma once
// The window icon and the keypad's pointer, decoded from their PNGs in
// shell/resources when the program was built: both are set before or right
// after the first paint, and a PNG decoder run then would keep its code and
// zlib's resident in every start.

#include <span>

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QLatin1StringView>

namespace trellum::shell {

struct EmbeddedImage {
    const char* name;  // the PNG's name without ".png": "trellum-32", "hand"
    int width;
    int height;
    int bytesPerLine;
    QImage::Format format;  // as the PNG reader gave it
    const unsigned char* bits;
};

// Every picture the build embedded (written by embed_images.cpp).
std::span<const EmbeddedImage> embeddedImages();

// The named picture, the PNG reader's image over the program's copy of its
// pixels (read-only, not copied); null when there is none of that name.
QImage embeddedImage(QLatin1StringView name);

// The program's icon at the sizes of its PNG renders of trellum.svg.
QIcon appIcon();

// The hand the keypad shows as its pointer.
QCursor keypadCursor();

}  // namespace trellum::shell
