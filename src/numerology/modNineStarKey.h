#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <array>

class ReadingResults;
class RichPane;

// The Chinese numerology engine: the birth chart of digit counts, the choice
// of the favourable number or numbers, and the text of the reading pane.
namespace modNineStarKey {

// Nine texts indexed by number - 1: the digit repeated once per occurrence.
using ChartDigitsTable = std::array<QString, 9>;
// How often each number 1 to 9 occurs, indexed by number - 1.
using DigitCounts = std::array<int, 9>;

// "January" to "December"; the position plus one is the month number.
const QStringList &MonthNames();

// The favourable direction of a number 1 to 9 (number 5 has none: empty text),
// in English: numorra-report --json gives it so; the reading pane translates it.
QString NumberDirections(int number);

// The day text, the month number (no leading zero), then the year text.
// A month name that is not one of MonthNames adds nothing.
QString BirthDigits(const QString &day, const QString &monthName, const QString &year);

// Counts the digits 1 to 9 of a digit text; 0 and other characters are skipped.
ChartDigitsTable ChartDigits(const QString &birthDigits);
// The same counts, straight from the three texts of a date, without building its digits.
DigitCounts countDigits(QStringView day, const QString &monthName, QStringView year);
// The length of each number's digits.
DigitCounts countsOf(const ChartDigitsTable &chart);

// "[" n "]" CR LF followed by the digit n repeated `count` times.
QString cellCaption(int number, int count);

// The numbers whose count equals the highest count of the chart, ascending.
QVector<int> FavourableNumbers(const DigitCounts &counts);

// Writes the numerology reading for the counts into the pane, in the single
// form (one favourable number) or the shared form (several), in the user's language.
void writeNumerologyPane(RichPane &pane, const DigitCounts &counts);

// The whole engine: fills the nine chart cells and the reading pane.
void ComputeBirthChart(ReadingResults &results, const QString &day, const QString &monthName,
                       const QString &year);

} // namespace modNineStarKey
