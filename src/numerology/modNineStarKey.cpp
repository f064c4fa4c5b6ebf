#include "numerology/modNineStarKey.h"

#include "details/PersonalDetails.h"
#include "language/Translations.h"
#include "numerology/NumberReadings.h"
#include "reading/ReadingResults.h"
#include "reading/RichPane.h"

#include <QCoreApplication>

namespace modNineStarKey {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kHeadingColour = 15; // bright white
constexpr int kBodyColour = 10;    // bright green
constexpr double kReadingSize = 16;
// A date's digits are at most eight; a longer count is spelt out when needed.
constexpr int kLongestCount = 8;

// Every text the pane and the cells are made of, built once for the language
// in force and then shared (a copy of a QString shares its text).
struct PaneTexts
{
    int generation = -1; // of the translations the texts were built in
    QString numberHeading;
    QString directionHeading;
    QString sharedDirectionHeading;
    std::array<QString, 9> numberLine;   // "n" CR LF
    std::array<QString, 9> readingBlock; // the reading, CR LF CR LF
    std::array<QString, 9> direction;
    std::array<QString, 9> directionLine; // the direction, CR LF
    std::array<QString, kLongestCount + 1> occurrenceLine;
    std::array<std::array<QString, kLongestCount + 1>, 9> caption; // [number - 1][count]
};

// The favourable directions of the numbers 1 to 9, English (number 5 has none).
const char *const kDirections[9] = {
    QT_TRANSLATE_NOOP("modNineStarKey", "North"),
    QT_TRANSLATE_NOOP("modNineStarKey", "South-West"),
    QT_TRANSLATE_NOOP("modNineStarKey", "East"),
    QT_TRANSLATE_NOOP("modNineStarKey", "South-East"),
    "",
    QT_TRANSLATE_NOOP("modNineStarKey", "North-West"),
    QT_TRANSLATE_NOOP("modNineStarKey", "West"),
    QT_TRANSLATE_NOOP("modNineStarKey", "North-East"),
    QT_TRANSLATE_NOOP("modNineStarKey", "South"),
};

QString translated(const char *text)
{
    return QCoreApplication::translate("modNineStarKey", text);
}

QString occurrenceLine(int count)
{
    return translated(QT_TRANSLATE_NOOP("modNineStarKey", "Number of occurrence: %1")).arg(count) +
           kCrLf + kCrLf;
}

PaneTexts buildTexts()
{
    PaneTexts texts;
    texts.generation = Translations::generation();
    const QString directionHeading = translated(
        QT_TRANSLATE_NOOP("modNineStarKey", "Most Favorable Direction by Chinese Numerology"));
    texts.numberHeading = (translated(QT_TRANSLATE_NOOP(
                               "modNineStarKey", "Most Favorable Number by Chinese Numerology")) +
                           kCrLf);
    texts.directionHeading = (directionHeading + kCrLf);
    texts.sharedDirectionHeading = (kCrLf + directionHeading + kCrLf);
    for (int number = 1; number <= 9; ++number) {
        const auto index = static_cast<size_t>(number - 1);
        texts.numberLine[index] = (QString::number(number) + kCrLf);
        texts.readingBlock[index] = (NumberReadings(number) + kCrLf + kCrLf);
        texts.direction[index] = (*kDirections[index] ? translated(kDirections[index]) : QString());
        texts.directionLine[index] = (texts.direction[index] + kCrLf);
        for (int count = 0; count <= kLongestCount; ++count) {
            texts.caption[index][static_cast<size_t>(count)] =
                (QLatin1Char('[') + QString::number(number) + QLatin1Char(']') + kCrLf +
                 QString(count, QChar(u'0' + number)));
        }
    }
    for (int count = 0; count <= kLongestCount; ++count)
        texts.occurrenceLine[static_cast<size_t>(count)] = (occurrenceLine(count));
    return texts;
}

const PaneTexts &texts()
{
    static PaneTexts built;
    if (built.generation != Translations::generation())
        built = buildTexts();
    return built;
}

int countOf(const DigitCounts &counts, int number)
{
    return counts[static_cast<size_t>(number - 1)];
}

void appendHeading(RichPane &pane, const QString &heading)
{
    pane.SetBold(true);
    pane.SetColour(kHeadingColour);
    pane.AppendText(heading);
    pane.SetBold(false);
}

// The number line, its occurrence count and its reading, each in body style.
void appendNumberBlock(RichPane &pane, int number, int occurrences)
{
    const auto index = static_cast<size_t>(number - 1);
    pane.SetColour(kBodyColour);
    pane.SetFontSize(kReadingSize);
    pane.AppendText(texts().numberLine[index]);
    pane.SetColour(kBodyColour);
    pane.AppendText(occurrences <= kLongestCount
                        ? texts().occurrenceLine[static_cast<size_t>(occurrences)]
                        : occurrenceLine(occurrences));
    pane.SetColour(kBodyColour);
    pane.AppendText(texts().readingBlock[index]);
}

// The position of a month name in MonthNames (exact, case-sensitive), or -1:
// only names of the same length are compared.
int monthPosition(const QString &monthName)
{
    const QStringList &names = MonthNames();
    for (int position = 0; position < names.size(); ++position) {
        const QString &name = names.at(position);
        if (name.size() == monthName.size() && name == monthName)
            return position;
    }
    return -1;
}

void countInto(DigitCounts &counts, QStringView digits)
{
    for (const QChar character : digits) {
        if (character >= QLatin1Char('1') && character <= QLatin1Char('9'))
            ++counts[static_cast<size_t>(character.unicode() - u'1')];
    }
}

} // namespace

const QStringList &MonthNames()
{
    return PersonalDetails::monthNames();
}

QString NumberDirections(int number)
{
    static const QStringList directions = [] {
        QStringList english;
        for (const char *direction : kDirections)
            english.append(QString::fromLatin1(direction));
        return english;
    }();
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
    DigitCounts counts{};
    countInto(counts, birthDigits);
    ChartDigitsTable chart;
    for (int number = 1; number <= 9; ++number)
        chart[static_cast<size_t>(number - 1)] =
            QString(countOf(counts, number), QChar(u'0' + number));
    return chart;
}

DigitCounts countDigits(QStringView day, const QString &monthName, QStringView year)
{
    static const std::array<QString, 12> monthNumbers = [] {
        std::array<QString, 12> numbers;
        for (int month = 1; month <= 12; ++month)
            numbers[static_cast<size_t>(month - 1)] = QString::number(month);
        return numbers;
    }();
    DigitCounts counts{};
    countInto(counts, day);
    const int position = monthPosition(monthName);
    if (position >= 0)
        countInto(counts, monthNumbers[static_cast<size_t>(position)]);
    countInto(counts, year);
    return counts;
}

DigitCounts countsOf(const ChartDigitsTable &chart)
{
    DigitCounts counts{};
    for (size_t index = 0; index < chart.size(); ++index)
        counts[index] = static_cast<int>(chart[index].size());
    return counts;
}

QString cellCaption(int number, int count)
{
    if (count <= kLongestCount)
        return texts().caption[static_cast<size_t>(number - 1)][static_cast<size_t>(count)];
    return texts().caption[static_cast<size_t>(number - 1)][0] +
           QString(count, QChar(u'0' + number));
}

namespace {

// The favourable numbers, ascending, without allocating: at most nine.
struct Favourable
{
    std::array<int, 9> numbers{};
    int count = 0;
};

Favourable favourableOf(const DigitCounts &counts)
{
    // Scan 1 to 9 keeping the leader; an equal count marks a tie at that count.
    int leader = 1;
    int bestCount = countOf(counts, 1);
    bool tie = false;
    int tieCount = 0;
    for (int number = 2; number <= 9; ++number) {
        const int count = countOf(counts, number);
        if (count > bestCount) {
            leader = number;
            bestCount = count;
            tie = false;
        } else if (count == bestCount) {
            tie = true;
            tieCount = count;
        }
    }
    Favourable favourable;
    if (!tie) {
        favourable.numbers[0] = leader;
        favourable.count = 1;
        return favourable;
    }
    for (int number = 1; number <= 9; ++number) {
        if (countOf(counts, number) == tieCount)
            favourable.numbers[static_cast<size_t>(favourable.count++)] = number;
    }
    return favourable;
}

} // namespace

QVector<int> FavourableNumbers(const DigitCounts &counts)
{
    const Favourable favourable = favourableOf(counts);
    return QVector<int>(favourable.numbers.begin(), favourable.numbers.begin() + favourable.count);
}

void writeNumerologyPane(RichPane &pane, const DigitCounts &counts)
{
    const Favourable favourable = favourableOf(counts);
    const auto numbers = favourable.numbers.begin();
    const auto end = numbers + favourable.count;
    appendHeading(pane, texts().numberHeading);
    for (auto number = numbers; number != end; ++number)
        appendNumberBlock(pane, *number, countOf(counts, *number));

    if (favourable.count == 1) {
        appendHeading(pane, texts().directionHeading);
        pane.SetColour(kBodyColour);
        pane.AppendText(texts().direction[static_cast<size_t>(*numbers - 1)]);
        return;
    }
    appendHeading(pane, texts().sharedDirectionHeading);
    for (auto number = numbers; number != end; ++number) {
        pane.SetColour(kBodyColour);
        pane.AppendText(texts().directionLine[static_cast<size_t>(*number - 1)]);
    }
}

void ComputeBirthChart(ReadingResults &results, const QString &day, const QString &monthName,
                       const QString &year)
{
    // Each cell ends up as "[n]" CR LF and its digits; nothing reads the cells
    // in between, so each caption is written once, whole.
    const DigitCounts counts = countDigits(day, monthName, year);
    writeNumerologyPane(results.RTBLoshu, counts);
    for (int number = 1; number <= 9; ++number)
        results.lblLoshuGrid[static_cast<size_t>(number - 1)] =
            cellCaption(number, countOf(counts, number));
}

} // namespace modNineStarKey
