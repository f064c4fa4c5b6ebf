#pragma once

#include <QString>
#include <QStringList>

class QFont;

// Plain text written to a PDF file in one font, laid out as for printing (no
// header, no footer, no page numbers). The file is written all or nothing: an
// existing file is replaced only once the new one is complete. Needs a
// QGuiApplication, for the fonts.
namespace PdfFile {

// False, with the reason, when the file cannot be written; a read-only file
// is refused rather than replaced.
bool write(const QString &path, const QString &text, const QFont &font, const QString &title,
           QString *reason);
// As above, each text starting on a page of its own.
bool write(const QString &path, const QStringList &texts, const QFont &font, const QString &title,
           QString *reason);

} // namespace PdfFile
