#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class ReadingResults;
struct PersonalDetails;

// One step of a calculation; a step that throws is abandoned where it failed.
struct CalculationStep
{
    QString name;
    std::function<void()> run;
};

using CalculationStepList = std::vector<CalculationStep>;

namespace CalculationSteps {

// The engine steps in their order: the feng shui number, profile, description
// and pictures, then the birth chart. They read `details` when they run and
// write into `results`; both must outlive them.
CalculationStepList engineSteps(const PersonalDetails &details, ReadingResults &results);

// Runs every step in order. A failing step leaves what it wrote, shows the
// user nothing and does not stop the steps after it. Returns what failed,
// a line per failed step in the user's language: "the calculation step NAME
// failed" and the reason.
QStringList runIsolated(const CalculationStepList &steps);

} // namespace CalculationSteps
