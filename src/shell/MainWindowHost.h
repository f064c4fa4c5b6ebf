#pragma once

#include "shell/CalculationSteps.h"
#include "widgets/WindowHost.h"

class frmNineStar;

// What the main window asks of the application: a reading window to fill.
class MainWindowHost : public WindowHost
{
public:
    // A new, hidden reading window; an earlier one is discarded.
    virtual frmNineStar *createReadingWindow() = 0;
    // Gives a test the chance to change the engine steps a calculation runs.
    virtual void editSteps(CalculationStepList &steps) const = 0;
};
