#pragma once

#include "printing/PdfPages.h"
#include "printing/TextPages.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

class QFont;
class QIODevice;
class QPageLayout;

// Plain text written as PDF in one font, laid out as for printing (no header,
// no footer, no page numbers), each text starting on a page of its own. The
// texts are added one at a time and written out as their pages are done, so a
// PDF of any length takes no more memory than its longest text (and the
// paragraphs it keeps to draw again, see PdfPages). Needs a QGuiApplication,
// for the fonts.
class PdfFile
{
public:
    // A PDF on `device`, open for writing, which must outlive this object.
    PdfFile(QIODevice &device, const QFont &font, const QString &title, const QPageSize &size);

    // Writes the pages of one more text. Text is always drawn: whether each
    // write went out is the device's to keep (see CheckedOutput).
    void add(const QString &text);
    // Completes the document.
    void finish();

    // The report's font, in which it is shown, printed and exported.
    static QFont reportFont();
    // Portrait pages of `size` with margins of 15 mm: printed and exported reports alike.
    static QPageLayout pageLayout(const QPageSize &size);
    // Letter where the user measures in inches as in the United States, A4 elsewhere.
    static QPageSize localPageSize();

    // Writes every text to `device`.
    static void render(QIODevice &device, const QStringList &texts, const QFont &font,
                       const QString &title, const QPageSize &size);
    // Writes the file all or nothing, on the pages of the user's locale: an
    // existing file is replaced only once the new one is complete. False,
    // with the reason, when the file cannot be written; a read-only file is
    // refused rather than replaced.
    static bool write(const QString &path, const QStringList &texts, const QFont &font,
                      const QString &title, QString *reason);

private:
    PdfPages m_pdf;
    TextPages m_pages;
};
