// The plain Qt way of writing numorra-report's PDF, which the PDF benchmark
// measures numorra-report against: the same printed report of each saved
// reading, drawn on a QPdfWriter with one QPainter::drawText a reading, each
// reading on a page of its own (a report longer than a page runs off its foot).
//
//   plain_pdf OUT.pdf FILE.qnr...

#include "calculation/CalculationSteps.h"
#include "cli/DetailsEntry.h"
#include "cli/SavedReading.h"
#include "printing/PdfFile.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "reading/RichPane.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

namespace {

// The printed report of a saved reading, as numorra-report --pdf prints it.
QString printedReport(const QString &file)
{
    const std::optional<ReadingFile::Fields> fields = SavedReading::open(file, nullptr);
    if (!fields)
        return {};
    const PersonalDetails details = DetailsEntry::fromFile(*fields).capture();
    ReadingResults results;
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
    RichPane report(ReadingResults::newPaneStyle(0));
    Report::BuildReport(report, details, results, QLocale());
    return Report::printDocument(report.PlainText())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() < 2) {
        std::fputs("usage: plain_pdf OUT.pdf FILE.qnr...\n", stderr);
        return 2;
    }
    QPdfWriter writer(arguments.constFirst());
    writer.setTitle(Report::documentTitle());
    writer.setPageLayout(PdfFile::pageLayout(PdfFile::localPageSize()));
    QPainter painter(&writer);
    painter.setFont(PdfFile::reportFont());
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        if (index > 1)
            writer.newPage();
        painter.drawText(QRect(0, 0, page.width(), page.height()), Qt::TextWordWrap,
                         printedReport(arguments.at(index)));
    }
    return painter.end() ? 0 : 1;
}
