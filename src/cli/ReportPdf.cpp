#include "cli/ReportPdf.h"

#include "cli/ReportOptions.h"
#include "files/AtomicFile.h"
#include "files/CheckedOutput.h"
#include "printing/PdfFile.h"
#include "reading/Report.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>

namespace {

bool fail(QString *reason, const char *text)
{
    if (reason)
        *reason = QCoreApplication::translate("ReportPdf", text);
    return false;
}

} // namespace

ReportPdf::ReportPdf(const QString &path, QIODevice *standardOutput, bool oneReading)
    : m_path(path), m_standardOutput(standardOutput), m_oneReading(oneReading)
{}

ReportPdf::~ReportPdf() = default;

bool ReportPdf::add(const QString &reportText, const QString &name, QString *reason)
{
    const QString title =
        m_oneReading ? QCoreApplication::translate("ReportPdf", "Numorra report: %1").arg(name)
                     : Report::documentTitle();
    if (!m_pdf && !open(title, reason))
        return false;
    m_pdf->add(Report::printDocument(reportText));
    return true;
}

bool ReportPdf::finish(QString *reason)
{
    if (!m_pdf)
        return true;
    m_pdf->finish();
    return m_file ? m_file->commit(reason) : m_stream->finish(reason);
}

bool ReportPdf::open(const QString &title, QString *reason)
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return fail(reason,
                    QT_TRANSLATE_NOOP("ReportPdf", "a PDF needs a QGuiApplication for its fonts"));
    QIODevice *device = nullptr;
    if (m_path != ReportOptions::kStandardStream) {
        m_file = std::make_unique<AtomicFile>(m_path);
        if (!m_file->open(reason))
            return false;
        device = &m_file->device();
    } else if (m_standardOutput) {
        m_stream = std::make_unique<CheckedOutput>(*m_standardOutput);
        device = m_stream.get();
    } else {
        return fail(reason, QT_TRANSLATE_NOOP("ReportPdf", "standard output takes no PDF here"));
    }
    m_pdf =
        std::make_unique<PdfFile>(*device, PdfFile::reportFont(), title, PdfFile::localPageSize());
    return true;
}
