#pragma once

#include "reading/RichPane.h"

#include <QTextEdit>

// Shows a RichPane in a read-only text view, run by run, in the window's font
// faces. Reports every change of its text and every mouse event over it, so the
// window can empty the clipboard. Having no frame, it draws the style's focus
// frame over its text when the keyboard brought the focus there.
class RichPaneView : public QTextEdit, private RichPane::Listener
{
    Q_OBJECT

public:
    RichPaneView(RichPane &pane, const QStringList &fontFamilies, QWidget *parent = nullptr);

signals:
    // The text changed, or the mouse was clicked, pressed, released or moved
    // over the view. Sent after the view has handled the event, so after a
    // selection made with the mouse has reached the X11 selection.
    void activity();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void paneCleared() override;
    void runAppended(const RichPane::Run &run) override;

    QStringList m_fontFamilies;
};
