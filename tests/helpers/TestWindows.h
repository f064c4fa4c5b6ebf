#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Deletes every window a test left open (menus go with their windows).
inline void deleteAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr)
            windows.append(window);
    }
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

// Types a name and picks a day, month and year in a main window, as a user would.
template <typename MainWindow>
void enterDetails(MainWindow *window, const QString &name, const QString &day, const QString &month,
                  const QString &year)
{
    window->fraDetails->txtName->setText(name);
    window->fraDetails->selectListItem(window->fraDetails->cboDate, day);
    window->fraDetails->selectListItem(window->fraDetails->cboMonth, month);
    window->fraDetails->selectListItem(window->fraDetails->cboYear, year);
}

// Runs `action` on the modal window that opens next, once it is shown.
inline void whenModalOpens(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}
