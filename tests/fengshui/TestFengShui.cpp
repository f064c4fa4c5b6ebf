#include "calculation/CalculationSteps.h"
#include "details/PersonalDetails.h"
#include "fengshui/ElementDescriptions.h"
#include "fengshui/modFengShui.h"
#include "reading/ReadingResults.h"

#include <QtTest>

using namespace modFengShui;

namespace {

// Runs the four feng shui steps as a calculation runs them.
void runFengShuiSteps(ReadingResults &results, const QString &year)
{
    PersonalDetails details;
    details.BirthDay = "1";
    details.BirthMonth = "January";
    details.BirthYear = year;
    CalculationStepList steps = CalculationSteps::engineSteps(details, results);
    steps.pop_back(); // the birth chart is not part of this
    CalculationSteps::runIsolated(steps);
}

} // namespace

class TestFengShui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void yearProfiles_data();
    void yearProfiles();
    void everyYearFollowsTheRule();
    void numberRejectsNonDigits_data();
    void numberRejectsNonDigits();
    void descriptions_data();
    void descriptions();
    void waterDescriptionReadsWhole();
    void everyProfileHasDescriptionAndPictures();
    void failedNumberLeavesDesignCaptions();
    void profileOutsideRangeWritesNothing();
};

void TestFengShui::yearProfiles_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("trigram");
    QTest::newRow("1900") << "1900" << 1 << "East"
                          << "Water"
                          << "Kan";
    QTest::newRow("2000") << "2000" << 1 << "East"
                          << "Water"
                          << "Kan";
    QTest::newRow("1975") << "1975" << 7 << "West"
                          << "Metal"
                          << "Tui";
    QTest::newRow("1914") << "1914" << 5 << "West"
                          << "Earth"
                          << "Kun";
    QTest::newRow("2050") << "2050" << 5 << "West"
                          << "Earth"
                          << "Kun";
    QTest::newRow("1980") << "1980" << 2 << "West"
                          << "Earth"
                          << "Kun";
    QTest::newRow("1919") << "1919" << 9 << "West"
                          << "Fire"
                          << "Li";
    QTest::newRow("1982") << "1982" << 9 << "West"
                          << "Fire"
                          << "Li";
    QTest::newRow("1991") << "1991" << 9 << "West"
                          << "Fire"
                          << "Li";
    QTest::newRow("2008") << "2008" << 2 << "West"
                          << "Earth"
                          << "Kun";
    QTest::newRow("1970") << "1970" << 3 << "East"
                          << "Wood"
                          << "Chen";
    QTest::newRow("1969") << "1969" << 4 << "East"
                          << "Wood"
                          << "Sun";
    QTest::newRow("1976") << "1976" << 6 << "West"
                          << "Metal"
                          << "Chien";
    QTest::newRow("1974") << "1974" << 8 << "West"
                          << "Earth"
                          << "Ken";
}

void TestFengShui::yearProfiles()
{
    QFETCH(QString, year);
    QFETCH(int, number);
    QFETCH(QString, group);
    QFETCH(QString, element);
    QFETCH(QString, trigram);
    QCOMPARE(ComputeFengShuiNumber(year.mid(2, 2)), number);
    ReadingResults results;
    runFengShuiSteps(results, year);
    QCOMPARE(results.lblFengShuiGroup, group);
    QCOMPARE(results.lblFengShuiElement, element);
    QCOMPARE(results.lblFengShuiTrigram, trigram);
    QVERIFY(results.lblElementDesc.startsWith(element + " Element symbolizes"));
    QCOMPARE(results.imgElement, element);
    QCOMPARE(results.imgTrigram, trigram);
}

void TestFengShui::everyYearFollowsTheRule()
{
    for (int year = 1900; year <= 2050; ++year) {
        const QString digits = QString::number(year).mid(2, 2);
        const int a = digits.at(0).digitValue();
        const int b = digits.at(1).digitValue();
        const int expected = digits == "00" ? 1 : 10 - ((a + b - 1) % 9 + 1);
        const qint16 number = ComputeFengShuiNumber(digits);
        QVERIFY(number >= 1 && number <= 9);
        QCOMPARE(number, expected);
    }
}

void TestFengShui::numberRejectsNonDigits_data()
{
    QTest::addColumn<QString>("yearDigits");
    QTest::newRow("letters") << "ab";
    QTest::newRow("letter last") << "7x";
    QTest::newRow("blank") << " 5";
    QTest::newRow("empty") << "";
}

void TestFengShui::numberRejectsNonDigits()
{
    QFETCH(QString, yearDigits);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ComputeFengShuiNumber(yearDigits));
}

void TestFengShui::descriptions_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("compatible");
    QTest::addColumn<QString>("challenging");
    QTest::newRow("Water") << "Water"
                           << "Water Element symbolizes a still, calm and a reflective personality."
                           << 260 << "Compatible elements: Wood and Metal."
                           << "Challenging elements: Fire and Earth.";
    QTest::newRow("Earth")
        << "Earth"
        << "Earth Element symbolizes a steady, reliable and a receptive personality." << 288
        << "Compatible elements: Fire and Metal."
        << "Challenging elements: Water and Wood.";
    QTest::newRow("Wood")
        << "Wood"
        << "Wood Element symbolizes an energetic, vibrant and an uplifting personality." << 240
        << "Compatible elements: Water and Fire."
        << "Challenging elements: Earth and Metal.";
    QTest::newRow("Metal")
        << "Metal"
        << "Metal Element symbolizes strong, unyielding and a focused personality." << 197
        << "Compatible elements: Earth and Water."
        << "Challenging elements: Fire and Wood.";
    QTest::newRow("Fire")
        << "Fire"
        << "Fire Element symbolizes a dynamic, vibrant and unpredictable personality." << 171
        << "Compatible elements: Wood and Earth."
        << "Challenging elements: Metal and Water.";
}

void TestFengShui::descriptions()
{
    QFETCH(QString, element);
    QFETCH(QString, opening);
    QFETCH(int, length);
    QFETCH(QString, compatible);
    QFETCH(QString, challenging);
    const QStringList order{"Water", "Earth", "Wood", "Metal", "Fire"};
    const ElementDescription &description = ElementDescriptions().at(order.indexOf(element));
    QCOMPARE(description.element, element);
    QVERIFY(description.paragraph.startsWith(opening));
    QCOMPARE(description.paragraph.size(), length);
    QCOMPARE(description.compatible, compatible);
    QCOMPARE(description.challenging, challenging);
}

void TestFengShui::waterDescriptionReadsWhole()
{
    ReadingResults results;
    runFengShuiSteps(results, "1900");
    const QStringList parts = results.lblElementDesc.split("\r\n\r\n");
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts.at(0).size(), 260);
    QVERIFY(parts.at(0).startsWith("Water Element symbolizes"));
    QCOMPARE(parts.at(1), QStringLiteral("Compatible elements: Wood and Metal."));
    QCOMPARE(parts.at(2), QStringLiteral("Challenging elements: Fire and Earth."));
}

void TestFengShui::everyProfileHasDescriptionAndPictures()
{
    for (int number = 1; number <= 9; ++number) {
        ReadingResults results;
        ShowFengShuiProfile(results, static_cast<qint16>(number));
        ShowElementDescription(results);
        ShowFengShuiPictures(results);
        QCOMPARE(ReadingResults::elementPictureKeys().count(results.imgElement), 1);
        QCOMPARE(ReadingResults::trigramPictureKeys().count(results.imgTrigram), 1);
        QVERIFY(results.lblElementDesc != ReadingResults::designElementDescCaption());
    }
    QCOMPARE(ReadingResults::elementPictureKeys(),
             (QStringList{"Earth", "Fire", "Metal", "Water", "Wood"}));
    QCOMPARE(ReadingResults::trigramPictureKeys(),
             (QStringList{"Chen", "Chien", "Kan", "Ken", "Kun", "Li", "Sun", "Tui"}));
}

void TestFengShui::failedNumberLeavesDesignCaptions()
{
    ReadingResults results;
    runFengShuiSteps(results, "19ab");
    QCOMPARE(results.FengShuiNumber, qint16(0));
    QCOMPARE(results.lblFengShuiGroup, QStringLiteral("FengShui nnnn"));
    QCOMPARE(results.lblFengShuiElement, ReadingResults::designElementCaption());
    QCOMPARE(results.lblFengShuiTrigram, ReadingResults::designTrigramCaption());
    QCOMPARE(results.lblElementDesc, ReadingResults::designElementDescCaption());
    QVERIFY(results.imgElement.isEmpty());
    QVERIFY(results.imgTrigram.isEmpty());
}

void TestFengShui::profileOutsideRangeWritesNothing()
{
    ReadingResults results;
    for (const qint16 number : {qint16(0), qint16(10), qint16(-1)})
        ShowFengShuiProfile(results, number);
    QCOMPARE(results.lblFengShuiGroup, QStringLiteral("FengShui nnnn"));
    // Keys are matched exactly: a caption differing in case selects no picture.
    results.lblFengShuiElement = "water";
    ShowElementDescription(results);
    ShowFengShuiPictures(results);
    QVERIFY(results.imgElement.isEmpty());
    QCOMPARE(results.lblElementDesc, ReadingResults::designElementDescCaption());
}

QTEST_GUILESS_MAIN(TestFengShui)
#include "TestFengShui.moc"
