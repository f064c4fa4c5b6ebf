#pragma once

#include <functional>

class Platform;
class QMenuBar;
class QMenu;

// The "&Help" menu that the main and reading windows share: the three web
// pages and the about window.
namespace HelpMenu {

QMenu *add(QMenuBar *menuBar, Platform &platform, std::function<void()> showAbout);

} // namespace HelpMenu
