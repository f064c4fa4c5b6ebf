#include "ExpectedReport.h"
#include "printing/PdfFile.h"
#include "shell/PersonalDetailsRules.h"

#include <QFont>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The text of each page, read back with pdftotext.
QStringList pagesOf(const QString &path)
{
    QProcess reader;
    reader.start("pdftotext", {"-raw", path, "-"}); // -raw: keeps hyphens at line ends
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split('\f');
    pages.removeLast(); // after the last page's form feed
    return pages;
}

} // namespace

class TestPdfFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsEachStartAPageAndReadBack();
};

void TestPdfFile::reportsEachStartAPageAndReadBack()
{
    // Reports of one page and of more, in both forms.
    constexpr int kReports = 60;
    QStringList reports;
    for (int index = 0; index < kReports; ++index) {
        const QDate date = QDate(1901, 1, 1).addDays(index * 911);
        const PersonalDetails details = PersonalDetailsRules::capture(
            QString("Person %1").arg(index), QString::number(date.day()),
            PersonalDetailsRules::monthItems().at(date.month() - 1), QString::number(date.year()));
        reports.append(Report::printDocument(previewReport(details, QLocale::c())));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("reports.pdf");
    QFont font(Report::fontFamily());
    font.setPointSizeF(Report::kPointSize);
    QString reason;
    QVERIFY2(PdfFile::write(path, reports, font, "Reports", &reason), qPrintable(reason));

    const QStringList pages = pagesOf(path);
    QCOMPARE(wordsOfPdf(pages.join(' ')), wordsOf(reports.join(' ')));
    QStringList starts; // each name line, if the footer alone comes before it on its page
    for (const QString &page : pages) {
        const QStringList lines = page.split('\n', Qt::SkipEmptyParts);
        const qsizetype name = lines.indexOf(QRegularExpression("Name: Person .*"));
        if (name >= 0)
            starts.append(name == 1 && lines.at(0) == Report::ReportFooter() ? lines.at(1) : "");
    }
    QCOMPARE(starts.size(), kReports);
    for (int index = 0; index < kReports; ++index)
        QCOMPARE(starts.at(index), QString("Name: Person %1").arg(index));
    QVERIFY(pages.size() > kReports);
}

QTEST_MAIN(TestPdfFile)
#include "TestPdfFile.moc"
