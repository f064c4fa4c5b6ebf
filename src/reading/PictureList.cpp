#include "PictureList.h"

#include "fengshui/modFengShui.h"

#include <QPainter>
#include <QSvgRenderer>

const PictureList &PictureList::elements()
{
    static const PictureList list(QStringLiteral(":/images/elements"),
                                  modFengShui::elementPictureKeys(), QSize(200, 200));
    return list;
}

const PictureList &PictureList::trigrams()
{
    static const PictureList list(QStringLiteral(":/images/trigrams"),
                                  modFengShui::trigramPictureKeys(), QSize(164, 170));
    return list;
}

PictureList::PictureList(const QString &folder, const QStringList &keys, QSize size)
    : m_folder(folder), m_keys(keys), m_size(size)
{}

QPixmap PictureList::picture(const QString &key) const
{
    if (!m_keys.contains(key))
        return {};
    QSvgRenderer renderer(m_folder + QLatin1Char('/') + key + QStringLiteral(".svg"));
    QPixmap pixmap(m_size);
    pixmap.fill(Qt::transparent);
    if (!renderer.isValid())
        return pixmap;
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}
