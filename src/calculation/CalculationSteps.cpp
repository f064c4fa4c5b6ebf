#include "calculation/CalculationSteps.h"

#include "details/PersonalDetails.h"
#include "fengshui/modFengShui.h"
#include "numerology/modNineStarKey.h"
#include "reading/ReadingResults.h"

#include <QCoreApplication>

#include <exception>

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

QStringList runIsolated(const CalculationStepList &steps)
{
    QStringList failures;
    for (const CalculationStep &step : steps) {
        const QString failed =
            QCoreApplication::translate("CalculationSteps", "the calculation step %1 failed")
                .arg(step.name);
        try {
            step.run();
        } catch (const std::exception &error) {
            // abandoned where it failed; the next step runs
            failures.append(failed + QStringLiteral(": ") + QString::fromLocal8Bit(error.what()));
        } catch (...) {
            failures.append(failed);
        }
    }
    return failures;
}

} // namespace CalculationSteps
