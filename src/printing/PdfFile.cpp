#include "printing/PdfFile.h"

#include "desktop/Platform.h"
#include "files/AtomicFile.h"
#include "language/Fonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>

PdfFile::PdfFile(QIODevice &device, const QFont &font, const QString &title, const QPageSize &size)
    : m_pdf(device, title, pageLayout(size)), m_pages(m_pdf, font)
{}

void PdfFile::add(const QString &text)
{
    m_pages.add(text);
}

void PdfFile::finish()
{
    m_pages.finish();
}

QFont PdfFile::reportFont()
{
    QFont font;
    font.setFamilies(Fonts::families());
    font.setPointSizeF(Fonts::kReportPointSize);
    return font;
}

QPageLayout PdfFile::pageLayout(const QPageSize &size)
{
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QPageSize PdfFile::localPageSize()
{
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

void PdfFile::render(QIODevice &device, const QStringList &texts, const QFont &font,
                     const QString &title, const QPageSize &size)
{
    PdfFile pdf(device, font, title, size);
    for (const QString &text : texts)
        pdf.add(text);
    pdf.finish();
}

bool PdfFile::write(const QString &path, const QStringList &texts, const QFont &font,
                    const QString &title, QString *reason)
{
    AtomicFile file(path);
    if (!file.open(reason))
        return false;
    render(file.device(), texts, font, title, localPageSize());
    return file.commit(reason);
}
