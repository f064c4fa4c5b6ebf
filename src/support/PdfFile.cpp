#include "PdfFile.h"

#include "AtomicFile.h"
#include "TextPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPdfWriter>

namespace PdfFile {

namespace {

// Letter where the user measures in inches as in the United States, A4 elsewhere.
QPageLayout pageLayout()
{
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

} // namespace

bool write(const QString &path, const QString &text, const QFont &font, const QString &title,
           QString *reason)
{
    return write(path, QStringList{text}, font, title, reason);
}

bool write(const QString &path, const QStringList &texts, const QFont &font, const QString &title,
           QString *reason)
{
    // The whole PDF is made in memory first; the file is then written all or nothing.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Numorra"));
        writer.setPageLayout(pageLayout());
        drawn = TextPages::render(writer, texts, font);
    }
    if (!drawn) {
        if (reason)
            *reason = QCoreApplication::translate("PdfFile", "The pages could not be drawn.");
        return false;
    }
    return AtomicFile::write(path, pdf.data(), reason);
}

} // namespace PdfFile
