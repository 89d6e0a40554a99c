// Build step: decodes the program's PNGs with Qt's own PNG reader and writes
// their pixels as C++ arrays (embedded_images.h), so the program shows the
// same pictures without running a PNG decoder while its window starts.
//   trellum-embed-images OUTPUT.cpp NAME=FILE.png...

#include <cstdio>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <QStringList>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp NAME=FILE.png...\n", argv[0]);
        return 2;
    }
    QString text = QStringLiteral(
        "// Written by trellum-embed-images from shell/resources when the program was built.\n"
        "#include \"shell/embedded_images.h\"\n\n"
        "namespace trellum::shell {\n\nnamespace {\n\n");
    QStringList table;
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0) {
            std::fprintf(stderr, "%s: not NAME=FILE.png\n", argv[i]);
            return 2;
        }
        const QString name = argument.left(equals);
        const QString path = argument.mid(equals + 1);
        // As the program read them before: the built-in PNG reader, no format detection.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(reader.errorString()));
            return 1;
        }
        const QString array = QStringLiteral("kPixels%1").arg(i - 2);
        text += QStringLiteral("// %1\nalignas(4) const unsigned char %2[] = {").arg(QFileInfo(path).fileName(), array);
        const uchar* bits = image.constBits();
        for (qsizetype b = 0; b < image.sizeInBytes(); ++b)
            text += QStringLiteral("%1%2,").arg(b % 16 == 0 ? QStringLiteral("\n    ") : QString()).arg(bits[b]);
        text += QStringLiteral("\n};\n\n");
        table += QStringLiteral("    {\"%1\", %2, %3, %4, static_cast<QImage::Format>(%5), %6},\n")
                     .arg(name)
                     .arg(image.width())
                     .arg(image.height())
                     .arg(image.bytesPerLine())
                     .arg(int(image.format()))
                     .arg(array);
    }
    text += QStringLiteral("constexpr EmbeddedImage kImages[] = {\n") + table.join(QString()) +
            QStringLiteral("};\n\n}  // namespace\n\n"
                           "std::span<const EmbeddedImage> embeddedImages() { return kImages; }\n\n"
                           "}  // namespace trellum::shell\n");
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
