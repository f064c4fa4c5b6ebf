#pragma once

#include <QLabel>

// A one-line label that opens a web page when clicked: underlined, with a
// pointing-hand cursor.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
