#include "cli/ReportCommand.h"

#include "cli/ClientList.h"
#include "cli/DetailsEntry.h"
#include "cli/ReadingFolder.h"
#include "cli/ReadingJson.h"
#include "cli/ReportOptions.h"
#include "cli/ReportPdf.h"
#include "cli/SavedReading.h"
#include "printing/FontCoverage.h"
#include "printing/PdfFile.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "reading/RichPane.h"
#include "support/LineBreaks.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QTextStream>

#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral("numorra-report: ");

// "U+738B 王", or "U+0001" alone for a character that shows nothing.
QString described(char32_t character)
{
    const QString code =
        QStringLiteral("U+") + QString::number(character, 16).toUpper().rightJustified(4, u'0');
    return QChar::isPrint(character) ? code + u' ' + QString::fromUcs4(&character, 1) : code;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("ReportCommand", text);
}

// Text as a terminal is given it: a control character (ESC opening an escape
// sequence, from a name in a file someone sent) would drive the terminal, so
// each but tab and line feed shows as U+FFFD.
QString forTerminal(QString text, bool terminal)
{
    for (QChar &character : text) {
        if (terminal && character.category() == QChar::Other_Control && character != u'\t' &&
            character != u'\n')
            character = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

ReportCommand::ReportCommand(EngineSteps engineSteps) : m_engineSteps(std::move(engineSteps)) {}
ReportCommand::~ReportCommand() = default;

void ReportCommand::setProgressTerminal(bool terminal, ReportProgress::Clock clock)
{
    m_terminal = terminal;
    m_clock = std::move(clock);
}

bool ReportCommand::needsGuiApplication(const QStringList &arguments)
{
    const std::optional<ReportOptions> options = ReportOptions::parse(arguments, nullptr);
    return options && !options->help && !options->version && !options->pdfPath.isEmpty();
}

int ReportCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    m_out = &out;
    m_err = &err;
    m_status = Success;
    QString error =
        m_argumentNotText > 0
            ? translated(QT_TRANSLATE_NOOP("ReportCommand",
                                           "argument %1 holds bytes that are not UTF-8 text"))
                  .arg(m_argumentNotText)
            : QString();
    std::optional<ReportOptions> options =
        error.isEmpty() ? ReportOptions::parse(arguments, &error) : std::nullopt;
    if (options && m_outputTerminal && options->pdfToStandardOutput()) {
        // Its bytes would be garbage on the screen, or drive the terminal.
        error = translated(QT_TRANSLATE_NOOP(
            "ReportCommand", "standard output is a terminal: --pdf - needs a file or a pipe"));
        options.reset();
    }
    if (!options) {
        fail(Refused, error + translated(QT_TRANSLATE_NOOP("ReportCommand",
                                                           "\nTry 'numorra-report --help' for "
                                                           "more.")));
    } else if (options->help || options->version) {
        out << (options->help ? ReportOptions::helpText() : ReportOptions::versionText());
    } else {
        reportAll(*options);
    }
    out.flush();
    if (out.status() != QTextStream::Ok)
        fail(FileFailed,
             translated(QT_TRANSLATE_NOOP("ReportCommand", "the output could not be written")));
    err.flush();
    return m_status;
}

void ReportCommand::reportAll(const ReportOptions &options)
{
    if (!options.saveFolder.isEmpty() && !openSaveFolder(options.saveFolder))
        return;
    m_options = &options;
    m_written = 0;
    // A list is read as it goes: its length is not known.
    const qsizetype total = options.detailsGiven         ? 1
                            : options.listPath.isEmpty() ? options.files.size()
                                                         : ReportProgress::kUnknownTotal;
    // Reports scrolling by on the same terminal would break the line up.
    const bool progressShown = m_terminal && !(m_outputTerminal && options.writesOut());
    m_progress = std::make_unique<ReportProgress>(
        *m_err, progressShown, m_clock ? m_clock : ReportProgress::steadyMilliseconds, total);
    if (!options.pdfPath.isEmpty())
        m_pdf = std::make_unique<ReportPdf>(options.pdfPath, m_out->device(), total == 1);
    if (options.jsonArray())
        *m_out << "[\n";
    if (options.detailsGiven)
        report(options.details, {});
    for (qsizetype index = 0; index < options.files.size(); ++index) {
        reportFile(options.files.at(index));
        m_progress->show(index + 1);
    }
    if (!options.listPath.isEmpty())
        reportList(options.listPath);
    finishOutputs();
    m_progress.reset();
    m_saveFolder.reset();
    m_options = nullptr;
}

bool ReportCommand::openSaveFolder(const QString &path)
{
    const QFileInfo folder(path);
    if (!folder.isDir() || !folder.isWritable()) {
        fail(Refused,
             translated(QT_TRANSLATE_NOOP("ReportCommand", "--save: %1 is not a folder that can be "
                                                           "written to"))
                 .arg(path));
        return false;
    }
    m_saveFolder = std::make_unique<ReadingFolder>(path);
    return true;
}

QIODevice &ReportCommand::standardInput(QFile &holder) const
{
    if (m_standardInput)
        return *m_standardInput;
    holder.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered);
    return holder;
}

void ReportCommand::reportFile(const QString &file)
{
    SavedReading::Problem problem;
    std::optional<ReadingFile::Fields> fields;
    QFile input;
    if (file != ReportOptions::kStandardStream)
        fields = SavedReading::open(file, &problem);
    else
        fields = SavedReading::read(standardInput(input), &problem);
    if (fields)
        report(DetailsEntry::fromFile(*fields), {file, 0});
    else
        failFile(FileFailed, {file, 0}, problem.text, problem.english);
}

// Each row as the main window takes the details; a row that cannot be taken
// is told, and the rows after it still done.
void ReportCommand::reportList(const QString &path)
{
    QFile input;
    if (path != ReportOptions::kStandardStream) {
        input.setFileName(path);
        if (!input.open(QIODevice::ReadOnly)) {
            const SavedReading::Problem problem = ClientList::unreadable(input.errorString());
            failFile(FileFailed, {path, 0}, problem.text, problem.english);
            return;
        }
    }
    ClientList list(path != ReportOptions::kStandardStream ? input : standardInput(input),
                    m_locale);
    qsizetype done = 0;
    while (const std::optional<ClientList::Row> row = list.next()) {
        const Source source{path, row->number};
        if (row->problem)
            failFile(FileFailed, source, row->problem->text, row->problem->english);
        else
            report(row->entry, source);
        m_progress->show(++done);
    }
    if (const auto failure = list.failure())
        failFile(FileFailed, {path, list.failureRow()}, failure->text, failure->english);
}

// Validates and calculates as the main window does, builds the report as the
// report preview does, and writes it out. A calculation step that fails is
// told, and the reading written with what the other steps wrote, as the
// reading window shows it.
void ReportCommand::report(const DetailsEntry &entry, const Source &source)
{
    if (const auto failure = entry.failure()) {
        // A row of a list is one of many: its refusal is a failed row.
        failFile(source.row > 0 ? FileFailed : Refused, source, failure->message,
                 failure->englishMessage);
        return;
    }
    const PersonalDetails details = entry.capture();
    ReadingResults results;
    const QStringList failures = CalculationSteps::runIsolated(m_engineSteps(details, results));
    for (const QString &failure : failures)
        fail(FileFailed, where(source) + failure);
    const std::optional<QString> saved = save(details, entry, source);
    RichPane report(ReadingResults::newPaneStyle(0));
    Report::BuildReport(report, details, results, m_locale);
    if (m_options->json) {
        QJsonObject json = ReadingJson::toJson(details, entry.isoDate(), results, source.file);
        if (source.row > 0)
            json.insert(QStringLiteral("row"), source.row);
        if (m_saveFolder)
            json.insert(QStringLiteral("saved"), saved ? QJsonValue(*saved) : QJsonValue());
        writeJson(json);
    }
    if (m_pdf)
        writePdf(report.PlainText(), details, source);
    if (!m_options->json && m_options->pdfPath.isEmpty())
        writeText(report.PlainText());
}

std::optional<QString> ReportCommand::save(const PersonalDetails &details,
                                           const DetailsEntry &entry, const Source &source)
{
    if (!m_saveFolder)
        return std::nullopt;
    const ReadingFolder::Saved saved = m_saveFolder->save(details, entry.isoDate(), source.row);
    if (!saved.written) {
        fail(FileFailed, where(source) + translated(QT_TRANSLATE_NOOP("ReportCommand",
                                                                      "%1: cannot be written: %2"))
                                             .arg(saved.path, saved.reason));
        return std::nullopt;
    }
    if (m_options->verbose)
        tell(where(source) +
             translated(QT_TRANSLATE_NOOP("ReportCommand", "saved as %1")).arg(saved.path));
    return saved.path;
}

void ReportCommand::writeText(const QString &reportText)
{
    if (m_written++ > 0)
        *m_out << "\f\n";
    *m_out << forTerminal(LineBreaks::toLineFeeds(reportText), m_outputTerminal) << '\n';
}

void ReportCommand::writeJson(const QJsonObject &object)
{
    const bool inArray = m_options->jsonArray();
    if (inArray && m_written++ > 0)
        *m_out << ",\n";
    *m_out << ReadingJson::toText(object, inArray);
}

void ReportCommand::writePdf(const QString &reportText, const PersonalDetails &details,
                             const Source &source)
{
    QString reason;
    if (!m_pdf->add(reportText, details.Name, &reason)) {
        failPdf(reason);
        m_pdf.reset(); // nothing more goes to it; a new file is removed
        return;
    }
    tellUndrawable(details.Name, source);
}

void ReportCommand::tellUndrawable(const QString &name, const Source &source)
{
    QStringList characters;
    bool chinese = false;
    for (const char32_t character : FontCoverage::missingCharacters(name, PdfFile::reportFont())) {
        characters << described(character);
        chinese = chinese || QChar::script(character) == QChar::Script_Han;
    }
    if (characters.isEmpty())
        return;
    const QString message =
        (chinese ? translated(QT_TRANSLATE_NOOP(
                       "ReportCommand",
                       "no installed font can draw %1 in the name \"%2\"; the PDF shows a box "
                       "in place of each (a Chinese font such as fonts-noto-cjk draws Chinese "
                       "names)"))
                 : translated(QT_TRANSLATE_NOOP("ReportCommand",
                                                "no installed font can draw %1 in the name "
                                                "\"%2\"; the PDF shows a box in place of each")))
            .arg(characters.join(QStringLiteral(", ")), name);
    fail(FileFailed, where(source) + message);
}

void ReportCommand::finishOutputs()
{
    if (m_options->jsonArray())
        *m_out << (m_written > 0 ? "\n]\n" : "]\n");
    QString reason;
    if (m_pdf && !m_pdf->finish(&reason))
        failPdf(reason);
    m_pdf.reset();
}

void ReportCommand::failFile(Status status, const Source &source, const QString &problem,
                             const QString &englishProblem)
{
    fail(status, where(source) + problem);
    if (!m_options->jsonArray())
        return;
    QJsonObject json = ReadingJson::failure(source.file, englishProblem);
    if (source.row > 0)
        json.insert(QStringLiteral("row"), source.row);
    writeJson(json);
}

void ReportCommand::failPdf(const QString &reason)
{
    fail(FileFailed, translated(QT_TRANSLATE_NOOP("ReportCommand", "%1: cannot be written: %2"))
                         .arg(m_options->pdfPath, reason));
}

void ReportCommand::fail(Status status, const QString &message)
{
    tell(message);
    m_status = qMax(m_status, static_cast<int>(status));
}

void ReportCommand::tell(const QString &message)
{
    if (m_progress)
        m_progress->clear();
    *m_err << kProgram << forTerminal(message, m_terminal) << QLatin1Char('\n');
}

QString ReportCommand::where(const Source &source)
{
    if (source.file.isEmpty())
        return {};
    if (source.row == 0)
        return source.file + QStringLiteral(": ");
    return source.file + QStringLiteral(": ") +
           translated(QT_TRANSLATE_NOOP("ReportCommand", "row %1: ")).arg(source.row);
}
