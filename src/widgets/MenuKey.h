#pragma once

class QMainWindow;

// F10 opens the first menu of a window's menu bar with its first entry that
// can be chosen highlighted, as the desktops' own programs do; Qt opens a
// menu bar only with Alt and an access key.
namespace MenuKey {

void install(QMainWindow *window);

} // namespace MenuKey
