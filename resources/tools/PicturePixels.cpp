// Turns a picture, at build time, into raw premultiplied ARGB pixels, so that
// the running program needs neither an SVG renderer nor an image decoder to
// show its icon, its pictures or its style's images; or into a PNG file, for
// the installed icons.
//
//   PicturePixels picture out.argb width height [picture out width height...]
//   PicturePixels picture out.png width height
//
// Each picture comes with the file to write (its folder is made if need be)
// and the size to render it at.
// An SVG picture is rendered at that size; any other (a PNG, or an image in
// Qt's own resources such as the style's) must already have that size. Raw
// output holds width x height pixels, each a 32-bit native-endian value, rows
// top to bottom.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QImage rendered(const QString &picture, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(picture);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

// Writes one picture at its size: raw pixels, or PNG for a name ending in .png.
bool writePicture(const QString &picture, const QString &output, QSize size)
{
    const QImage image = picture.endsWith(QLatin1String(".svg"))
                             ? rendered(picture, size)
                             : QImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != size || !QDir().mkpath(QFileInfo(output).path()))
        return false;
    if (output.endsWith(QLatin1String(".png")))
        return image.save(output, "PNG");
    QFile out(output);
    return out.open(QIODevice::WriteOnly) &&
           out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) ==
               image.sizeInBytes();
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the widgets library holds the style's images
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() % 4 != 0)
        return 2;
    for (qsizetype at = 0; at < arguments.size(); at += 4) {
        const QSize size(arguments.at(at + 2).toInt(), arguments.at(at + 3).toInt());
        if (!writePicture(arguments.at(at), arguments.at(at + 1), size))
            return 1;
    }
    return 0;
}
