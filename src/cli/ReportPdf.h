#pragma once

#include <QString>
#include <memory>

class AtomicFile;
class CheckedOutput;
class PdfFile;
class QIODevice;

// The PDF of numorra-report, written reading by reading as the readings are
// calculated: to a file, all or nothing, or to standard output ("-"). Nothing
// is opened before the first reading, so a run without one writes nothing.
class ReportPdf
{
public:
    // `standardOutput` takes the PDF when `path` is "-"; `oneReading` titles
    // the document with the one reading's name.
    ReportPdf(const QString &path, QIODevice *standardOutput, bool oneReading);
    ~ReportPdf();

    // Adds the printed pages of one report. False, with the reason, when the
    // output cannot be opened or the pages drawn.
    bool add(const QString &reportText, const QString &name, QString *reason);
    // Completes the PDF and, for a file, puts it in place. False, with the
    // reason, when any of it could not be written.
    bool finish(QString *reason);

private:
    bool open(const QString &title, QString *reason);

    QString m_path;
    QIODevice *m_standardOutput;
    bool m_oneReading;
    std::unique_ptr<AtomicFile> m_file;
    std::unique_ptr<CheckedOutput> m_stream;
    std::unique_ptr<PdfFile> m_pdf;
};
