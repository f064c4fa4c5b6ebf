#include "widgets/MenuKey.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace MenuKey {

void install(QMainWindow *window)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(key, &QShortcut::activated, window, [window] {
        QMenuBar *bar = window->menuBar();
        if (bar->actions().isEmpty())
            return;
        QAction *first = bar->actions().constFirst();
        bar->setActiveAction(first);
        for (QAction *entry : first->menu()->actions()) {
            if (entry->isVisible() && entry->isEnabled() && !entry->isSeparator()) {
                first->menu()->setActiveAction(entry);
                return;
            }
        }
    });
}

} // namespace MenuKey
