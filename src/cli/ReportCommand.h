#pragma once

#include "calculation/CalculationSteps.h"
#include "cli/ReportProgress.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QFile;
class QIODevice;
class QJsonObject;
class ReadingFolder;
class QTextStream;
class ReadingResults;
class ReportPdf;
struct DetailsEntry;
struct PersonalDetails;
struct ReportOptions;

// numorra-report: reports the readings of the details, saved reading files or
// client list named on the command line, as text, JSON or PDF, and saves
// them as reading files when asked. Each reading is
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
    // Where "-" (a reading file or a list) is read from; the process's standard
    // input by default.
    void setStandardInput(QIODevice *input) { m_standardInput = input; }
    // Whether `err` is a terminal, where a long run shows its progress (no by
    // default), and the clock that times it.
    void setProgressTerminal(bool terminal, ReportProgress::Clock clock = {});
    // Whether `out` is a terminal (no by default): if readings go there, the
    // progress line stays off it.
    void setOutputTerminal(bool terminal) { m_outputTerminal = terminal; }
    // The place (from 1) of an argument whose bytes are no UTF-8 text: read
    // as text, it would name another file or another name, so run refuses it.
    void setArgumentNotText(int place) { m_argumentNotText = place; }

    // True when the arguments ask for a PDF, which needs a QGuiApplication.
    static bool needsGuiApplication(const QStringList &arguments);

private:
    // Where a reading comes from: a file (empty for details given as
    // options), and the row for a list.
    struct Source
    {
        QString file;
        qint64 row = 0;
    };

    void reportAll(const ReportOptions &options);
    bool openSaveFolder(const QString &path);
    QIODevice &standardInput(QFile &holder) const;
    void reportFile(const QString &file);
    void reportList(const QString &path);
    void report(const DetailsEntry &entry, const Source &source);
    // Saves the reading with --save; the file written, or nothing.
    std::optional<QString> save(const PersonalDetails &details, const DetailsEntry &entry,
                                const Source &source);
    void writeText(const QString &reportText);
    void writeJson(const QJsonObject &object);
    void writePdf(const QString &reportText, const PersonalDetails &details, const Source &source);
    // Tells which characters of the name no installed font can draw in the
    // PDF, if any, for the reading.
    void tellUndrawable(const QString &name, const Source &source);
    void finishOutputs();
    // A file or row that could not be reported: its message, and its entry in
    // a JSON array, which gives the problem in English.
    void failFile(Status status, const Source &source, const QString &problem,
                  const QString &englishProblem);
    // The PDF could not be written.
    void failPdf(const QString &reason);
    void fail(Status status, const QString &message);
    // A message on standard error that is no failure.
    void tell(const QString &message);
    // "FILE: row N: " before a message about the reading, or nothing.
    static QString where(const Source &source);

    EngineSteps m_engineSteps;
    QLocale m_locale;
    QIODevice *m_standardInput = nullptr;
    bool m_terminal = false;
    bool m_outputTerminal = false;
    int m_argumentNotText = 0;
    ReportProgress::Clock m_clock;

    // The run under way.
    const ReportOptions *m_options = nullptr;
    QTextStream *m_out = nullptr;
    QTextStream *m_err = nullptr;
    int m_status = Success;
    qsizetype m_written = 0; // reports or JSON entries written
    std::unique_ptr<ReportProgress> m_progress;
    std::unique_ptr<ReportPdf> m_pdf;
    std::unique_ptr<ReadingFolder> m_saveFolder;
};
