#include "readingwindows/PictureList.h"

#include "reading/ReadingResults.h"
#include "widgets/RawPixels.h"

const PictureList &PictureList::elements()
{
    static const PictureList list(QStringLiteral(":/images/elements"),
                                  ReadingResults::elementPictureKeys(), QSize(200, 200));
    return list;
}

const PictureList &PictureList::trigrams()
{
    static const PictureList list(QStringLiteral(":/images/trigrams"),
                                  ReadingResults::trigramPictureKeys(), QSize(164, 170));
    return list;
}

PictureList::PictureList(const QString &folder, const QStringList &keys, QSize size)
    : m_folder(folder), m_keys(keys), m_size(size)
{}

QPixmap PictureList::picture(const QString &key) const
{
    if (!m_keys.contains(key))
        return {};
#ifdef NUMORRA_PLAIN_PICTURES
    // The plain way, which the benchmark measures: a PNG file decoded when shown.
    return QPixmap(m_folder + QLatin1Char('/') + key + QStringLiteral(".png"));
#else
    // Rendered from the artwork's SVG when the program was built.
    return QPixmap::fromImage(
        rawPixels(m_folder + QLatin1Char('/') + key + QStringLiteral(".argb"), m_size));
#endif
}
