#pragma once

#include "calculation/CalculationSteps.h"
#include "details/PersonalDetails.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "reading/RichPane.h"

#include <QLocale>
#include <QString>

// The report the report preview shows for the details, straight from the engine.
inline QString previewReport(const PersonalDetails &details, const QLocale &locale)
{
    ReadingResults results;
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
    RichPane report(ReadingResults::newPaneStyle(0));
    Report::BuildReport(report, details, results, locale);
    return report.PlainText();
}

// The same report as numorra-report prints it: LF line ends, closed by one.
inline QString printedReport(const PersonalDetails &details, const QLocale &locale)
{
    return previewReport(details, locale).replace("\r\n", "\n") + "\n";
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
