// Renders the application icon's SVG, at build time, into raw premultiplied
// ARGB pixels at each size the program shows it, so that the running program
// needs neither an SVG renderer nor an image decoder to show its icon.
//
//   IconPixels icon.svg out-folder size...
//
// writes out-folder/icon-<size>.argb for each size: size x size pixels, each
// a 32-bit native-endian value, rows top to bottom.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4)
        return 2;
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid())
        return 1;
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QFile out(arguments.at(2) + QStringLiteral("/icon-%1.argb").arg(size));
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) !=
                image.sizeInBytes())
            return 1;
    }
    return 0;
}
