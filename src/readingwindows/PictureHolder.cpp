#include "readingwindows/PictureHolder.h"

#include "readingwindows/PictureList.h"

PictureHolder::PictureHolder(QWidget *parent) : QLabel(parent)
{
    setScaledContents(true); // the picture is stretched to the holder
}

void PictureHolder::setPicture(const PictureList &list, const QString &key)
{
    m_list = &list;
    m_key = key;
    update();
}

QPixmap PictureHolder::picture()
{
    if (m_list) {
        setPixmap(m_list->picture(m_key));
        m_list = nullptr;
    }
    return pixmap();
}

void PictureHolder::paintEvent(QPaintEvent *event)
{
    picture();
    QLabel::paintEvent(event);
}
