#include "printing/PdfFile.h"

#include "desktop/AtomicFile.h"
#include "desktop/Platform.h"
#include "printing/TextPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPdfWriter>

namespace PdfFile {

QPageLayout pageLayout(const QPageSize &size)
{
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QPageSize localPageSize()
{
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

bool render(QIODevice &device, const QStringList &texts, const QFont &font, const QString &title,
            const QPageSize &size)
{
    QPdfWriter writer(&device);
    writer.setTitle(title);
    writer.setCreator(Platform::applicationTitle());
    writer.setPageLayout(pageLayout(size));
    return TextPages::render(writer, texts, font);
}

bool write(const QString &path, const QStringList &texts, const QFont &font, const QString &title,
           QString *reason)
{
    // The whole PDF is made in memory first; the file is then written all or nothing.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!render(pdf, texts, font, title, localPageSize())) {
        if (reason)
            *reason = QCoreApplication::translate("PdfFile", "The pages could not be drawn.");
        return false;
    }
    return AtomicFile::write(path, pdf.data(), reason);
}

} // namespace PdfFile
