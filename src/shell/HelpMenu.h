#pragma once

class ApplicationShell;
class QMenuBar;
class QMenu;
class QWidget;

// The "&Help" menu that the main and reading windows share: the three web
// pages and the about window.
namespace HelpMenu {

QMenu *add(QMenuBar *menuBar, ApplicationShell &shell, QWidget *owner);

} // namespace HelpMenu
