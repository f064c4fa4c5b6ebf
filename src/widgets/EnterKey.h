#pragma once

class QKeyEvent;
class QWidget;

// Enter and keypad Enter press the button in focus, as in any dialog. A
// button outside a dialog, or one that is not auto-default, lets Enter pass
// on to its window: the window's key handler hands the key to this.
namespace EnterKey {

// True when `event` was Enter and pressed the button in focus in `window`.
bool pressFocusedButton(QWidget *window, QKeyEvent *event);

} // namespace EnterKey
