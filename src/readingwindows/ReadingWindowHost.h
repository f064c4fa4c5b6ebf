#pragma once

#include "widgets/WindowHost.h"

// What the reading window asks of the application: a fresh main window when
// the user goes back.
class ReadingWindowHost : public WindowHost
{
public:
    // A new main window with its defaults, shown.
    virtual void showMainWindow() = 0;
};
