#pragma once

#include <QImage>
#include <QResource>
#include <QSize>
#include <QString>

// A picture compiled in as raw premultiplied ARGB pixels (rendered when the
// program was built), seen in place without decoding or copying; a null
// image when the resource is missing or not of that size.
inline QImage rawPixels(const QString &resource, QSize size)
{
    const QResource pixels(resource);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != bytes)
        return {};
    return QImage(pixels.data(), size.width(), size.height(), qsizetype(size.width()) * 4,
                  QImage::Format_ARGB32_Premultiplied);
}
