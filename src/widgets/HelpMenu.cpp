#include "widgets/HelpMenu.h"

#include "support/modHelp.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace HelpMenu {

namespace {

QAction *addEntry(QMenu *menu, const char *objectName, const char *caption)
{
    QAction *action = menu->addAction(QCoreApplication::translate("HelpMenu", caption));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

} // namespace

QMenu *add(QMenuBar *menuBar, Platform &platform, std::function<void()> showAbout)
{
    QMenu *menu = menuBar->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(addEntry(menu, "mnuOnline", QT_TRANSLATE_NOOP("HelpMenu", "&Online Help")),
                     &QAction::triggered, menu, [&platform] { modHelp::OpenHelpPage(platform); });
    QObject::connect(addEntry(menu, "mnuVisit", QT_TRANSLATE_NOOP("HelpMenu", "&Visit Us Online")),
                     &QAction::triggered, menu, [&platform] { modHelp::OpenHomePage(platform); });
    menu->addSeparator();
    QObject::connect(
        addEntry(menu, "mnuUpdate", QT_TRANSLATE_NOOP("HelpMenu", "Check for Software &Update")),
        &QAction::triggered, menu, [&platform] { modHelp::OpenDownloadPage(platform); });
    menu->addSeparator();
    QObject::connect(addEntry(menu, "mnuAbout", QT_TRANSLATE_NOOP("HelpMenu", "&About Software")),
                     &QAction::triggered, menu, std::move(showAbout));
    return menu;
}

} // namespace HelpMenu
