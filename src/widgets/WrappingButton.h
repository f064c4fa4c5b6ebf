#pragma once

#include <QPushButton>

// A push button whose caption wraps over several lines to fit a tall button;
// its text (with the & access key) stays the one caption.
class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
