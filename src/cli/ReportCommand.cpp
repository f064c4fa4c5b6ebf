#include "cli/ReportCommand.h"

#include "cli/DetailsEntry.h"
#include "cli/ReadingJson.h"
#include "cli/ReportOptions.h"
#include "cli/SavedReading.h"
#include "printing/PdfFile.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "reading/RichPane.h"
#include "shell/CalculationSteps.h"

#include <QFont>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

const QString kProgram = QStringLiteral("numorra-report: ");

} // namespace

ReportCommand::ReportCommand() = default;
ReportCommand::~ReportCommand() = default;

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
    m_readings.clear();
    QString error;
    const std::optional<ReportOptions> options = ReportOptions::parse(arguments, &error);
    if (!options) {
        fail(Refused, error + QStringLiteral("\nTry 'numorra-report --help' for more."));
    } else if (options->help || options->version) {
        out << (options->help ? ReportOptions::helpText() : ReportOptions::versionText());
    } else {
        calculateAll(*options);
        writeOutputs(*options);
    }
    out.flush();
    if (out.status() != QTextStream::Ok)
        fail(FileFailed, QStringLiteral("the output could not be written"));
    err.flush();
    m_readings.clear();
    return m_status;
}

void ReportCommand::calculateAll(const ReportOptions &options)
{
    if (options.detailsGiven) {
        calculate(options.details, QString());
        return;
    }
    for (const QString &file : options.files) {
        QString problem;
        const std::optional<ReadingFile::Fields> fields = SavedReading::open(file, &problem);
        if (fields)
            calculate(DetailsEntry::fromFile(*fields), file);
        else
            fail(FileFailed, file + QStringLiteral(": ") + problem);
    }
}

// Validates and calculates as the main window does, and builds the report as
// the report preview does.
void ReportCommand::calculate(const DetailsEntry &entry, const QString &file)
{
    if (const QString failure = entry.failure(); !failure.isEmpty()) {
        fail(Refused, file.isEmpty() ? failure : file + QStringLiteral(": ") + failure);
        return;
    }
    Reading reading{file, entry.capture(), std::make_unique<ReadingResults>(), QString()};
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(reading.details, *reading.results));
    RichPane report(ReadingResults::newPaneStyle(0));
    Report::BuildReport(report, reading.details, *reading.results, m_locale);
    reading.report = report.PlainText();
    m_readings.push_back(std::move(reading));
}

void ReportCommand::writeOutputs(const ReportOptions &options)
{
    const bool several = options.files.size() > 1;
    if (options.json && (several || !m_readings.empty()))
        printJson(several);
    if (!options.pdfPath.isEmpty() && !m_readings.empty())
        writePdf(options.pdfPath);
    if (!options.json && options.pdfPath.isEmpty())
        printReports();
}

void ReportCommand::printReports()
{
    for (size_t index = 0; index < m_readings.size(); ++index) {
        QString text = m_readings[index].report;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (index > 0)
            *m_out << QStringLiteral("\f\n");
        *m_out << text << QLatin1Char('\n');
    }
}

void ReportCommand::printJson(bool asArray)
{
    QJsonArray objects;
    for (const Reading &reading : m_readings)
        objects.append(ReadingJson::toJson(reading.details, *reading.results, reading.file));
    const QJsonDocument document =
        asArray ? QJsonDocument(objects) : QJsonDocument(objects.first().toObject());
    *m_out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

void ReportCommand::writePdf(const QString &path)
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr) {
        fail(FileFailed, path + QStringLiteral(": a PDF needs a QGuiApplication for its fonts"));
        return;
    }
    QStringList pages;
    for (const Reading &reading : m_readings)
        pages.append(Report::printDocument(reading.report));
    QFont font(Report::fontFamily());
    font.setPointSizeF(Report::kPointSize);
    QString title = Report::documentTitle();
    if (m_readings.size() == 1)
        title += QStringLiteral(": ") + m_readings.front().details.Name;
    QString reason;
    if (!PdfFile::write(path, pages, font, title, &reason))
        fail(FileFailed, path + QStringLiteral(": cannot be written: ") + reason);
}

void ReportCommand::fail(Status status, const QString &message)
{
    *m_err << kProgram << message << QLatin1Char('\n');
    m_status = qMax(m_status, static_cast<int>(status));
}
