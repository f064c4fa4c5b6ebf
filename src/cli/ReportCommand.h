#pragma once

#include "details/PersonalDetails.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTextStream;
class ReadingResults;
struct DetailsEntry;
struct ReportOptions;

// numorra-report: reports the readings of the details or saved reading files
// named on the command line, as text, JSON or PDF. It works through the streams
// and files it is given and never touches the process (no exit, no
// environment), so it can run in-process; writing a PDF needs a
// QGuiApplication, any other output a QCoreApplication or none.
class ReportCommand
{
public:
    enum Status { Success = 0, FileFailed = 1, Refused = 2 };

    ReportCommand();
    ~ReportCommand();

    // Runs the command for the arguments (without the program name): the output
    // goes to `out`, messages to `err`. Returns the exit status.
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

    // The locale of the date of birth in the report; the user's by default.
    void setLocale(const QLocale &locale) { m_locale = locale; }

    // True when the arguments ask for a PDF, which needs a QGuiApplication.
    static bool needsGuiApplication(const QStringList &arguments);

private:
    struct Reading
    {
        QString file;
        PersonalDetails details;
        std::unique_ptr<ReadingResults> results;
        QString report;
    };

    void calculateAll(const ReportOptions &options);
    void calculate(const DetailsEntry &entry, const QString &file);
    void writeOutputs(const ReportOptions &options);
    void printReports();
    void printJson(bool asArray);
    void writePdf(const QString &path);
    void fail(Status status, const QString &message);

    QLocale m_locale;
    QTextStream *m_out = nullptr;
    QTextStream *m_err = nullptr;
    int m_status = Success;
    std::vector<Reading> m_readings;
};
