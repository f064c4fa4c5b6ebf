#include "modNineStarKey.h"

#include "NumberReadings.h"
#include "reading/ReadingResults.h"
#include "reading/RichPane.h"

namespace modNineStarKey {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kHeadingColour = 15; // bright white
constexpr int kBodyColour = 10;    // bright green
constexpr double kReadingSize = 16;

void appendHeading(RichPane &pane, const QString &prefix, const QString &heading)
{
    pane.SetBold(true);
    pane.SetColour(kHeadingColour);
    pane.AppendText(prefix + heading + kCrLf);
    pane.SetBold(false);
}

// The number line, its occurrence count and its reading, each in body style.
void appendNumberBlock(RichPane &pane, int number, int occurrences)
{
    pane.SetColour(kBodyColour);
    pane.SetFontSize(kReadingSize);
    pane.AppendText(QString::number(number) + kCrLf);
    pane.SetColour(kBodyColour);
    pane.AppendText(QStringLiteral("Number of occurrence: ") + QString::number(occurrences) +
                    kCrLf + kCrLf);
    pane.SetColour(kBodyColour);
    pane.AppendText(NumberReadings(number) + kCrLf + kCrLf);
}

int countOf(const ChartDigitsTable &chart, int number)
{
    return static_cast<int>(chart[static_cast<size_t>(number - 1)].size());
}

} // namespace

const QStringList &MonthNames()
{
    static const QStringList names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
    return names;
}

QString NumberDirections(int number)
{
    static const QStringList directions = {
        QStringLiteral("North"),
        QStringLiteral("South-West"),
        QStringLiteral("East"),
        QStringLiteral("South-East"),
        QString(),
        QStringLiteral("North-West"),
        QStringLiteral("West"),
        QStringLiteral("North-East"),
        QStringLiteral("South"),
    };
    if (number < 1 || number > 9)
        return {};
    return directions.at(number - 1);
}

QString BirthDigits(const QString &day, const QString &monthName, const QString &year)
{
    QString digits = day;
    const int position = MonthNames().indexOf(monthName);
    if (position >= 0)
        digits += QString::number(position + 1);
    return digits + year;
}

ChartDigitsTable ChartDigits(const QString &birthDigits)
{
    ChartDigitsTable chart;
    for (const QChar character : birthDigits) {
        if (character >= QLatin1Char('1') && character <= QLatin1Char('9'))
            chart[static_cast<size_t>(character.unicode() - '1')] += character;
    }
    return chart;
}

QString cellCaption(int number, const QString &digits)
{
    return QLatin1Char('[') + QString::number(number) + QLatin1Char(']') + kCrLf + digits;
}

QVector<int> FavourableNumbers(const ChartDigitsTable &chart)
{
    // Scan 1 to 9 keeping the leader; an equal count marks a tie at that count.
    int leader = 1;
    int bestCount = countOf(chart, 1);
    bool tie = false;
    int tieCount = 0;
    for (int number = 2; number <= 9; ++number) {
        const int count = countOf(chart, number);
        if (count > bestCount) {
            leader = number;
            bestCount = count;
            tie = false;
        } else if (count == bestCount) {
            tie = true;
            tieCount = count;
        }
    }
    if (!tie)
        return {leader};
    QVector<int> numbers;
    for (int number = 1; number <= 9; ++number) {
        if (countOf(chart, number) == tieCount)
            numbers.append(number);
    }
    return numbers;
}

void writeNumerologyPane(RichPane &pane, const ChartDigitsTable &chart)
{
    const QVector<int> favourable = FavourableNumbers(chart);
    appendHeading(pane, QString(), QStringLiteral("Most Favorable Number by Chinese Numerology"));
    for (const int number : favourable)
        appendNumberBlock(pane, number, countOf(chart, number));

    if (favourable.size() == 1) {
        appendHeading(pane, QString(),
                      QStringLiteral("Most Favorable Direction by Chinese Numerology"));
        pane.SetColour(kBodyColour);
        pane.AppendText(NumberDirections(favourable.first()));
        return;
    }
    appendHeading(pane, kCrLf, QStringLiteral("Most Favorable Direction by Chinese Numerology"));
    for (const int number : favourable) {
        pane.SetColour(kBodyColour);
        pane.AppendText(NumberDirections(number) + kCrLf);
    }
}

void ComputeBirthChart(ReadingResults &results, const QString &day, const QString &monthName,
                       const QString &year)
{
    const QString digits = BirthDigits(day, monthName, year);
    for (int number = 1; number <= 9; ++number)
        results.lblLoshuGrid[static_cast<size_t>(number - 1)] = cellCaption(number, QString());
    const ChartDigitsTable chart = ChartDigits(digits);
    writeNumerologyPane(results.RTBLoshu, chart);
    for (int number = 1; number <= 9; ++number)
        results.lblLoshuGrid[static_cast<size_t>(number - 1)] +=
            chart[static_cast<size_t>(number - 1)];
}

} // namespace modNineStarKey
