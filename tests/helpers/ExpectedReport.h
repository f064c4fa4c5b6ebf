#pragma once

#include "calculation/CalculationSteps.h"
#include "details/PersonalDetails.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "reading/RichPane.h"

#include <QFile>
#include <QLocale>
#include <QString>

// The report the report preview shows for the details, straight from the
// engine: text to print, not an oracle of what the engine gives.
inline QString previewReport(const PersonalDetails &details, const QLocale &locale)
{
    ReadingResults results;
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
    RichPane report(ReadingResults::newPaneStyle(0));
    Report::BuildReport(report, details, results, locale);
    return report.PlainText();
}

// The report numorra-report prints for Anna Lee, born on 5 March 1980, its
// date of birth written as `date` (05/03/1980 is how Britain writes it).
inline QString annaLeeReport(const QString &date = QStringLiteral("05/03/1980"))
{
    QFile file(QStringLiteral(NUMORRA_EXPECTED_DIR "/anna-lee-1980-03-05.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("\nDate of Birth: 05/03/1980\n"),
                 "\nDate of Birth: " + date + '\n');
}

// Runs of blanks and line ends as single spaces, and ligatures taken apart,
// to compare text read back from a PDF, which wraps long lines, with the original.
inline QString wordsOf(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

// The same for text read back with pdftotext -raw, whose lines may end within
// a word after its hyphen.
inline QString wordsOfPdf(QString text)
{
    return wordsOf(text.replace("-\n", "-"));
}
