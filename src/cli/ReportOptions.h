#pragma once

#include "cli/DetailsEntry.h"

#include <QString>
#include <QStringList>
#include <optional>

// The command line of numorra-report: what to report on and where to.
struct ReportOptions
{
    // As a file name, "-" is standard input; as the PDF's, standard output.
    static inline const QString kStandardStream = QStringLiteral("-");

    bool help = false;
    bool version = false;
    bool json = false;
    bool verbose = false;
    QString pdfPath;    // empty: no PDF
    QString saveFolder; // empty: no reading files written

    // Either details given as options, saved reading files or a client list,
    // never two of them.
    bool detailsGiven = false;
    DetailsEntry details;
    QStringList files;
    QString listPath; // empty: no list

    // JSON comes as an array, one entry per file or row, when several files
    // are named or a list is read.
    bool jsonArray() const { return json && (files.size() > 1 || !listPath.isEmpty()); }
    // Whether readings go to standard output: the report, the JSON or the PDF.
    bool writesOut() const { return json || pdfPath.isEmpty() || pdfToStandardOutput(); }
    // Whether the PDF goes to standard output: "-", or a name for it such as /dev/stdout.
    bool pdfToStandardOutput() const;

    // The options from the arguments (without the program name). Nothing, with
    // the reason, for a usage error or a day, month or year the lists lack.
    static std::optional<ReportOptions> parse(const QStringList &arguments, QString *error);

    // Built from the options, each text in the user's language.
    static QString helpText();
    static QString versionText();
};
