#pragma once

#include "cli/DetailsEntry.h"

#include <QString>
#include <QStringList>
#include <optional>

// The command line of numorra-report: what to report on and where to.
struct ReportOptions
{
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
    static std::optional<ReportOptions> parse(const QStringList &arguments, QString *error);

    static QString helpText();
    static QString versionText();
};
