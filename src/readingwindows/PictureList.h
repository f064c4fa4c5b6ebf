#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// A list of keyed pictures of one size, drawn from the program's SVG artwork.
class PictureList
{
public:
    // The five element pictures, 200 by 200 pixels, keyed Earth to Wood.
    static const PictureList &elements();
    // The eight trigram pictures, 164 by 170 pixels, keyed Chen to Tui.
    static const PictureList &trigrams();

    PictureList(const QString &folder, const QStringList &keys, QSize size);

    // The picture of an exactly matching key; a null pixmap for any other text.
    QPixmap picture(const QString &key) const;

private:
    QString m_folder;
    QStringList m_keys;
    QSize m_size;
};
