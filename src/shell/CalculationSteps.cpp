#include "shell/CalculationSteps.h"

#include "details/PersonalDetails.h"
#include "fengshui/modFengShui.h"
#include "numerology/modNineStarKey.h"
#include "reading/ReadingResults.h"

namespace CalculationSteps {

CalculationStepList engineSteps(const PersonalDetails &details, ReadingResults &results)
{
    // The steps read the details when they run, so they may be built before
    // the details are captured. The feng shui number lives in the results for
    // this calculation only; a failed number step leaves it at 0, and the
    // profile step then writes nothing.
    const PersonalDetails *source = &details;
    ReadingResults *target = &results;
    return {
        {QStringLiteral("ComputeFengShuiNumber"),
         [=] {
             target->FengShuiNumber = 0;
             target->FengShuiNumber =
                 modFengShui::ComputeFengShuiNumber(QStringView(source->BirthYear).mid(2, 2));
         }},
        {QStringLiteral("ShowFengShuiProfile"),
         [=] {
             modFengShui::ShowFengShuiProfile(*target, target->FengShuiNumber);
         }},
        {QStringLiteral("ShowElementDescription"),
         [=] {
             modFengShui::ShowElementDescription(*target);
         }},
        {QStringLiteral("ShowFengShuiPictures"),
         [=] {
             modFengShui::ShowFengShuiPictures(*target);
         }},
        {QStringLiteral("ComputeBirthChart"),
         [=] {
             modNineStarKey::ComputeBirthChart(*target, source->BirthDay, source->BirthMonth,
                                               source->BirthYear);
         }},
    };
}

int runIsolated(const CalculationStepList &steps)
{
    int failures = 0;
    for (const CalculationStep &step : steps) {
        try {
            step.run();
        } catch (...) {
            ++failures; // abandoned where it failed; the next step runs
        }
    }
    return failures;
}

} // namespace CalculationSteps
