#pragma once

#include <QLabel>

class PictureList;

// An image holder whose picture, from a picture list, is drawn only when the
// holder is first painted: the element pane lies below the designed client
// area, and most readings never show it.
class PictureHolder : public QLabel
{
    Q_OBJECT

public:
    explicit PictureHolder(QWidget *parent = nullptr);

    // Holds the picture of `key` from `list`, drawn when first needed.
    void setPicture(const PictureList &list, const QString &key);
    // The picture held, drawn now if it was not yet.
    QPixmap picture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PictureList *m_list = nullptr;
    QString m_key;
};
