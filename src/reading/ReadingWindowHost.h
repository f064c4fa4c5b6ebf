#pragma once

#include "widgets/WindowHost.h"

struct PersonalDetails;

// What the reading window asks of the application: the details of the last
// calculation, and a fresh main window when the user goes back.
class ReadingWindowHost : public WindowHost
{
public:
    virtual const PersonalDetails &personalDetails() const = 0;
    // A new main window with its defaults, shown.
    virtual void showMainWindow() = 0;
};
