#pragma once

#include "calculation/CalculationSteps.h"
#include "widgets/WindowHost.h"

class frmNineStar;

// What the main window asks of the application: a reading window to fill,
// and the engine steps that fill it.
class MainWindowHost : public WindowHost
{
public:
    // A new, hidden reading window; an earlier one is discarded.
    virtual frmNineStar *createReadingWindow() = 0;
    // The engine steps of a calculation, reading `details` when they run and
    // writing into `results`.
    virtual CalculationStepList engineSteps(const PersonalDetails &details,
                                            ReadingResults &results) const = 0;
};
