#include "widgets/EnterKey.h"

#include <QKeyEvent>
#include <QPushButton>

namespace EnterKey {

bool pressFocusedButton(QWidget *window, QKeyEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(window->focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!button || !enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    button->click();
    return true;
}

} // namespace EnterKey
