#pragma once

#include "calculation/CalculationSteps.h"
#include "cli/ReportProgress.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>

class QIODevice;
class QJsonObject;
class QTextStream;
class ReadingResults;
class ReportPdf;
struct DetailsEntry;
struct PersonalDetails;
struct ReportOptions;

// numorra-report: reports the readings of the details or saved reading files
// named on the command line, as text, JSON or PDF. Each reading is
// calculated, written out and dropped before the next, so a run of any length
// holds one reading at a time. It works through the streams and files it is
// given and never touches the process (no exit, no environment), so it can run
// in-process; writing a PDF needs a QGuiApplication, any other output a
// QCoreApplication or none.
class ReportCommand
{
public:
    enum Status { Success = 0, FileFailed = 1, Refused = 2 };

    // The engine steps a reading is calculated with.
    using EngineSteps =
        std::function<CalculationStepList(const PersonalDetails &details, ReadingResults &results)>;

    explicit ReportCommand(EngineSteps engineSteps = CalculationSteps::engineSteps);
    ~ReportCommand();

    // Runs the command for the arguments (without the program name): the output
    // goes to `out` (a PDF to "-" to its device), messages to `err`. Returns
    // the exit status.
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

    // The locale of the date of birth in the report; the user's by default.
    void setLocale(const QLocale &locale) { m_locale = locale; }
    // Where the reading file "-" is read from; the process's standard input by default.
    void setStandardInput(QIODevice *input) { m_standardInput = input; }
    // Whether `err` is a terminal, where a long run shows its progress (no by
    // default), and the clock that times it.
    void setProgressTerminal(bool terminal, ReportProgress::Clock clock = {});

    // True when the arguments ask for a PDF, which needs a QGuiApplication.
    static bool needsGuiApplication(const QStringList &arguments);

private:
    void reportAll(const ReportOptions &options);
    void reportFile(const QString &file);
    void report(const DetailsEntry &entry, const QString &file);
    void writeText(const QString &reportText);
    void writeJson(const QJsonObject &object);
    void writePdf(const QString &reportText, const PersonalDetails &details, const QString &file);
    // Tells which characters of the name no installed font can draw in the
    // PDF, if any, for the reading of `file` (none: details given as options).
    void tellUndrawable(const QString &name, const QString &file);
    void finishOutputs();
    // A file that could not be reported: its message, and its entry in a JSON
    // array, which gives the problem in English.
    void failFile(Status status, const QString &file, const QString &problem,
                  const QString &englishProblem);
    // The PDF could not be written.
    void failPdf(const QString &reason);
    void fail(Status status, const QString &message);

    EngineSteps m_engineSteps;
    QLocale m_locale;
    QIODevice *m_standardInput = nullptr;
    bool m_terminal = false;
    ReportProgress::Clock m_clock;

    // The run under way.
    const ReportOptions *m_options = nullptr;
    QTextStream *m_out = nullptr;
    QTextStream *m_err = nullptr;
    int m_status = Success;
    qsizetype m_written = 0; // reports or JSON entries written
    std::unique_ptr<ReportProgress> m_progress;
    std::unique_ptr<ReportPdf> m_pdf;
};
