#include "calculation/CalculationSteps.h"
#include "details/PersonalDetails.h"
#include "reading/ReadingResults.h"

#include <QtTest>
#include <stdexcept>

class TestCalculationSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stepsRunInOrder();
    void failingStepKeepsWhatItWroteAndOthersRun();
    void stepsReadDetailsWhenTheyRun();
    void badYearFailsOnlyTheNumberStep();
};

void TestCalculationSteps::stepsRunInOrder()
{
    PersonalDetails details;
    ReadingResults results;
    QStringList names;
    for (const CalculationStep &step : CalculationSteps::engineSteps(details, results))
        names.append(step.name);
    QCOMPARE(names,
             (QStringList{"ComputeFengShuiNumber", "ShowFengShuiProfile", "ShowElementDescription",
                          "ShowFengShuiPictures", "ComputeBirthChart"}));
}

void TestCalculationSteps::failingStepKeepsWhatItWroteAndOthersRun()
{
    QStringList trace;
    const CalculationStepList steps = {
        {"first",
         [&] {
             trace << "first";
         }},
        {"half",
         [&] {
             trace << "half written";
             throw std::runtime_error("fails part-way");
             trace << "never";
         }},
        {"unknown exception",
         [&] {
             throw 42;
         }},
        {"last",
         [&] {
             trace << "last";
         }},
    };
    QCOMPARE(CalculationSteps::runIsolated(steps),
             (QStringList{"the calculation step half failed: fails part-way",
                          "the calculation step unknown exception failed"}));
    QCOMPARE(trace, (QStringList{"first", "half written", "last"}));
}

void TestCalculationSteps::stepsReadDetailsWhenTheyRun()
{
    PersonalDetails details;
    ReadingResults results;
    const CalculationStepList steps = CalculationSteps::engineSteps(details, results);
    details.BirthDay = "5";
    details.BirthMonth = "March";
    details.BirthYear = "1980";
    QCOMPARE(CalculationSteps::runIsolated(steps), QStringList());
    QCOMPARE(results.FengShuiNumber, qint16(2));
    QCOMPARE(results.lblFengShuiElement, QStringLiteral("Earth"));
    QCOMPARE(results.lblLoshuGrid[0], QStringLiteral("[1]\r\n1"));
}

void TestCalculationSteps::badYearFailsOnlyTheNumberStep()
{
    PersonalDetails details;
    details.BirthDay = "5";
    details.BirthMonth = "March";
    details.BirthYear = "19x0";
    ReadingResults results;
    QCOMPARE(CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results)),
             QStringList{"the calculation step ComputeFengShuiNumber failed: "
                         "year characters are not digits"});
    QCOMPARE(results.lblFengShuiGroup, QStringLiteral("FengShui nnnn"));
    QVERIFY(results.imgElement.isEmpty());
    // The birth chart still ran.
    QVERIFY(results.RTBLoshu.PlainText().startsWith("Most Favorable Number"));
}

QTEST_GUILESS_MAIN(TestCalculationSteps)
#include "TestCalculationSteps.moc"
