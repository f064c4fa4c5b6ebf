#pragma once

#include <QLabel>

// A one-line label that opens a web page: underlined, with a pointing-hand
// cursor. Clicked with the mouse, or reached with Tab and pressed with Enter
// or Space; a dotted frame shows when it has the keyboard focus.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &text, QWidget *parent = nullptr);

    // Lets screen readers see every LinkLabel as a link they can press; installed once.
    static void installAccessibility();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
