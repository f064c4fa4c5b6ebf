#include "cli/ReportCommand.h"

#include "cli/DetailsEntry.h"
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
    QString error;
    const std::optional<ReportOptions> options = ReportOptions::parse(arguments, &error);
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
    m_options = &options;
    m_written = 0;
    const qsizetype total = options.detailsGiven ? 1 : options.files.size();
    m_progress = std::make_unique<ReportProgress>(
        *m_err, m_terminal, m_clock ? m_clock : ReportProgress::steadyMilliseconds, total);
    if (!options.pdfPath.isEmpty())
        m_pdf = std::make_unique<ReportPdf>(options.pdfPath, m_out->device(), total == 1);
    if (options.jsonArray())
        *m_out << "[\n";
    if (options.detailsGiven)
        report(options.details, QString());
    for (qsizetype index = 0; index < options.files.size(); ++index) {
        reportFile(options.files.at(index));
        m_progress->show(index + 1);
    }
    finishOutputs();
    m_progress.reset();
    m_options = nullptr;
}

void ReportCommand::reportFile(const QString &file)
{
    SavedReading::Problem problem;
    std::optional<ReadingFile::Fields> fields;
    if (file != ReportOptions::kStandardStream) {
        fields = SavedReading::open(file, &problem);
    } else if (m_standardInput) {
        fields = SavedReading::read(*m_standardInput, &problem);
    } else {
        QFile input;
        input.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered);
        fields = SavedReading::read(input, &problem);
    }
    if (fields)
        report(DetailsEntry::fromFile(*fields), file);
    else
        failFile(FileFailed, file, problem.text, problem.english);
}

// Validates and calculates as the main window does, builds the report as the
// report preview does, and writes it out. A calculation step that fails is
// told, and the reading written with what the other steps wrote, as the
// reading window shows it.
void ReportCommand::report(const DetailsEntry &entry, const QString &file)
{
    if (const auto failure = entry.failure()) {
        failFile(Refused, file, failure->message, failure->englishMessage);
        return;
    }
    const PersonalDetails details = entry.capture();
    ReadingResults results;
    const QStringList failures = CalculationSteps::runIsolated(m_engineSteps(details, results));
    for (const QString &failure : failures)
        fail(FileFailed, file.isEmpty() ? failure : file + QStringLiteral(": ") + failure);
    RichPane report(ReadingResults::newPaneStyle(0));
    Report::BuildReport(report, details, results, m_locale);
    if (m_options->json)
        writeJson(ReadingJson::toJson(details, results, file));
    if (m_pdf)
        writePdf(report.PlainText(), details, file);
    if (!m_options->json && m_options->pdfPath.isEmpty())
        writeText(report.PlainText());
}

void ReportCommand::writeText(const QString &reportText)
{
    if (m_written++ > 0)
        *m_out << "\f\n";
    *m_out << LineBreaks::toLineFeeds(reportText) << '\n';
}

void ReportCommand::writeJson(const QJsonObject &object)
{
    const bool inArray = m_options->jsonArray();
    if (inArray && m_written++ > 0)
        *m_out << ",\n";
    *m_out << ReadingJson::toText(object, inArray);
}

void ReportCommand::writePdf(const QString &reportText, const PersonalDetails &details,
                             const QString &file)
{
    QString reason;
    if (!m_pdf->add(reportText, details.Name, &reason)) {
        failPdf(reason);
        m_pdf.reset(); // nothing more goes to it; a new file is removed
        return;
    }
    tellUndrawable(details.Name, file);
}

void ReportCommand::tellUndrawable(const QString &name, const QString &file)
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
    fail(FileFailed, file.isEmpty() ? message : file + QStringLiteral(": ") + message);
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

void ReportCommand::failFile(Status status, const QString &file, const QString &problem,
                             const QString &englishProblem)
{
    fail(status, file.isEmpty() ? problem : file + QStringLiteral(": ") + problem);
    if (m_options->jsonArray())
        writeJson(ReadingJson::failure(file, englishProblem));
}

void ReportCommand::failPdf(const QString &reason)
{
    fail(FileFailed, translated(QT_TRANSLATE_NOOP("ReportCommand", "%1: cannot be written: %2"))
                         .arg(m_options->pdfPath, reason));
}

void ReportCommand::fail(Status status, const QString &message)
{
    if (m_progress)
        m_progress->clear();
    *m_err << kProgram << message << QLatin1Char('\n');
    m_status = qMax(m_status, static_cast<int>(status));
}
