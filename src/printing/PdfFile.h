#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>

class QFont;
class QIODevice;
class QPageLayout;

// Plain text written as PDF in one font, laid out as for printing (no header,
// no footer, no page numbers), each text starting on a page of its own. Needs
// a QGuiApplication, for the fonts.
namespace PdfFile {

// Portrait pages of `size` with margins of 15 mm: printed and exported reports alike.
QPageLayout pageLayout(const QPageSize &size);
// Letter where the user measures in inches as in the United States, A4 elsewhere.
QPageSize localPageSize();

// Writes the PDF to `device`; false when the pages cannot be drawn.
bool render(QIODevice &device, const QStringList &texts, const QFont &font, const QString &title,
            const QPageSize &size);

// Writes the file all or nothing, on the pages of the user's locale: an
// existing file is replaced only once the new one is complete. False, with the
// reason, when the file cannot be written; a read-only file is refused rather
// than replaced.
bool write(const QString &path, const QStringList &texts, const QFont &font, const QString &title,
           QString *reason);

} // namespace PdfFile
