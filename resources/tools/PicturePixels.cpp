// Turns a picture, at build time, into raw premultiplied ARGB pixels, so that
// the running program needs neither an SVG renderer nor an image decoder to
// show its icon, its pictures or its style's images; or into a PNG file, for
// the installed icons.
//
//   PicturePixels picture out.argb width height
//   PicturePixels picture out.png width height
//
// An SVG picture is rendered at that size; any other (a PNG, or an image in
// Qt's own resources such as the style's) must already have that size. Raw
// output holds width x height pixels, each a 32-bit native-endian value, rows
// top to bottom.
#include <QApplication>
#include <QFile>
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

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the widgets library holds the style's images
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 5)
        return 2;
    const QString &picture = arguments.at(1);
    const QSize size(arguments.at(3).toInt(), arguments.at(4).toInt());
    const QImage image = picture.endsWith(QLatin1String(".svg"))
                             ? rendered(picture, size)
                             : QImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != size)
        return 1;
    if (arguments.at(2).endsWith(QLatin1String(".png")))
        return image.save(arguments.at(2), "PNG") ? 0 : 1;
    QFile out(arguments.at(2));
    return out.open(QIODevice::WriteOnly) &&
                   out.write(reinterpret_cast<const char *>(image.constBits()),
                             image.sizeInBytes()) == image.sizeInBytes()
               ? 0
               : 1;
}
