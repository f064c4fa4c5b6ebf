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
    QString pdfPath; // empty: no PDF

    // Either details given as options or saved reading files, never both.
    bool detailsGiven = false;
    DetailsEntry details;
    QStringList files;

    // The options from the arguments (without the program name). Nothing, with
    // the reason, for a usage error or a day, month or year the lists lack.
    // JSON comes as an array, one entry per file, when several files are named.
    bool jsonArray() const { return json && files.size() > 1; }

    static std::optional<ReportOptions> parse(const QStringList &arguments, QString *error);

    static QString helpText();
    static QString versionText();
};
