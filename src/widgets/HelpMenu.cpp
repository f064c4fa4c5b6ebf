#include "widgets/HelpMenu.h"

#include "support/modHelp.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace HelpMenu {

namespace {

QAction *addEntry(QMenu *menu, const char *objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

} // namespace

QMenu *add(QMenuBar *menuBar, Platform &platform, std::function<void()> showAbout)
{
    QMenu *menu = menuBar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(addEntry(menu, "mnuOnline", QStringLiteral("&Online Help")),
                     &QAction::triggered, menu, [&platform] { modHelp::OpenHelpPage(platform); });
    QObject::connect(addEntry(menu, "mnuVisit", QStringLiteral("&Visit Us Online")),
                     &QAction::triggered, menu, [&platform] { modHelp::OpenHomePage(platform); });
    menu->addSeparator();
    QObject::connect(addEntry(menu, "mnuUpdate", QStringLiteral("Check for Software &Update")),
                     &QAction::triggered, menu,
                     [&platform] { modHelp::OpenDownloadPage(platform); });
    menu->addSeparator();
    QObject::connect(addEntry(menu, "mnuAbout", QStringLiteral("&About Software")),
                     &QAction::triggered, menu, std::move(showAbout));
    return menu;
}

} // namespace HelpMenu
