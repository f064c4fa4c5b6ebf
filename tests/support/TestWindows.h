#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Deletes every window a test left open (menus go with their windows).
inline void DeleteAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr)
            windows.append(window);
    }
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}
