// Timings of the work behind the windows: the engine steps of one reading and
// of every date the lists can name, the report text, the text codec and the
// parsing of a saved reading.
#include "calculation/CalculationSteps.h"
#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "numerology/modNineStarKey.h"
#include "reading/ReadingFile.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "reading/RichPane.h"
#include "support/TextCodec.h"

#include <QBuffer>
#include <QDate>
#include <QLocale>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

PersonalDetails annaLee()
{
    return PersonalDetailsRules::capture(QStringLiteral("Anna Lee"), QStringLiteral("5"),
                                         QStringLiteral("March"), QStringLiteral("1980"));
}

// One reading's engine steps, as a calculation runs them.
void engineSteps(benchmark::State &state)
{
    const PersonalDetails details = annaLee();
    for (auto _ : state) {
        ReadingResults results;
        CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
        benchmark::DoNotOptimize(results.lblLoshuGrid);
        benchmark::DoNotOptimize(results.RTBLoshu);
    }
}
BENCHMARK(engineSteps)->Unit(benchmark::kMicrosecond);

struct DateTexts
{
    QString day;
    QString month;
    QString year;
};

// The texts of every date from 1 January 1900 to 31 December 2050, as the lists give them.
const std::vector<DateTexts> &reachableDates()
{
    static const std::vector<DateTexts> dates = [] {
        std::vector<DateTexts> all;
        const QStringList months = PersonalDetailsRules::monthItems();
        for (QDate date(1900, 1, 1); date <= QDate(2050, 12, 31); date = date.addDays(1))
            all.push_back({QString::number(date.day()), months.at(date.month() - 1),
                           QString::number(date.year())});
        return all;
    }();
    return dates;
}

// Every reachable date in one pass: the capture and the engine steps of each.
void allReachableDates(benchmark::State &state)
{
    const std::vector<DateTexts> &dates = reachableDates();
    const QString name = QStringLiteral("Anna Lee");
    for (auto _ : state) {
        for (const DateTexts &date : dates) {
            const PersonalDetails details =
                PersonalDetailsRules::capture(name, date.day, date.month, date.year);
            ReadingResults results;
            CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
            benchmark::DoNotOptimize(results.FengShuiNumber);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(dates.size()));
}
BENCHMARK(allReachableDates)->Unit(benchmark::kMillisecond);

// The report of one reading, written into its box and read back as text.
void reportText(benchmark::State &state)
{
    const PersonalDetails details = annaLee();
    ReadingResults results;
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
    const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    RichPane report(ReadingResults::newPaneStyle(0));
    for (auto _ : state) {
        Report::BuildReport(report, details, results, locale);
        benchmark::DoNotOptimize(report.PlainText());
    }
}
BENCHMARK(reportText)->Unit(benchmark::kMicrosecond);

// A text of `length` characters that the codec keeps whole (every code is
// below 171): letters, digits, punctuation, line breaks and a few characters
// beyond ASCII.
QString longText(int length)
{
    const QString pattern = QStringLiteral("Anna Lee, born 5 March 1980: favourable numbers 1, 8 "
                                           "and 9.\r\n\u0152uvre \u0160 \u20ac12 \u00a3");
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += pattern;
    text.truncate(length);
    return text;
}

constexpr int kLongTextLength = 64 * 1024;

void encodeText(benchmark::State &state)
{
    const QString text = longText(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextCodec::EncodeText(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(encodeText)->Arg(kLongTextLength)->Unit(benchmark::kMicrosecond);

void decodeText(benchmark::State &state)
{
    const QString encoded = TextCodec::EncodeText(longText(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextCodec::DecodeText(encoded));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(decodeText)->Arg(kLongTextLength)->Unit(benchmark::kMicrosecond);

// A saved reading read back from memory: a usual name, and the longest name a file may hold.
void parseReadingFile(benchmark::State &state)
{
    PersonalDetails details = annaLee();
    if (state.range(0) > 0)
        details.Name = longText(static_cast<int>(state.range(0)));
    QByteArray bytes = ReadingFile::compose(details);
    QBuffer buffer(&bytes);
    for (auto _ : state) {
        buffer.open(QIODevice::ReadOnly);
        // Not const: DoNotOptimize of a const value is deprecated (Google Benchmark 1.8).
        std::optional<ReadingFile::Fields> fields = ReadingFile::parse(buffer);
        buffer.close();
        if (!fields) {
            state.SkipWithError("the composed reading did not parse");
            break;
        }
        benchmark::DoNotOptimize(fields->name);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(parseReadingFile)
    ->ArgName("nameLength")
    ->Arg(0)
    ->Arg(ReadingFile::kMaxLineBytes - 16)
    ->Unit(benchmark::kMicrosecond);

} // namespace
