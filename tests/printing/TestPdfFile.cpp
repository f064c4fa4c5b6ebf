#include "ExpectedReport.h"
#include "PdfText.h"
#include "details/PersonalDetailsRules.h"
#include "files/CheckedOutput.h"
#include "printing/PdfFile.h"

#include <QBuffer>
#include <QFont>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The text of each page, read back with pdftotext (the file's path, or the PDF).
template <typename Pdf> QStringList pagesOf(const Pdf &pdf)
{
    QStringList pages =
        QString::fromUtf8(toolOutput("pdftotext", {"-raw", "%f", "-"}, pdf)).split('\f');
    pages.removeLast(); // after the last page's form feed
    return pages;
}

// The box around each line of each page, as pdftotext places its words: the
// words of a line share their top.
QList<QList<QRectF>> lineBoxesOf(const QString &path)
{
    static const QRegularExpression word(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    QList<QList<QRectF>> pages;
    for (const QRegularExpressionMatch &match :
         word.globalMatch(QString::fromUtf8(toolOutput("pdftotext", {"-bbox", "%f", "-"}, path)))) {
        const QRectF box(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                         QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
        if (match.captured(1).isEmpty())
            pages.append(QList<QRectF>());
        else if (!pages.last().isEmpty() && qAbs(pages.last().last().top() - box.top()) < 0.01)
            pages.last().last() |= box;
        else
            pages.last().append(box);
    }
    return pages;
}

QString printedReportOf(const QString &name, QDate date)
{
    const PersonalDetails details = PersonalDetailsRules::capture(
        name, QString::number(date.day()), PersonalDetailsRules::monthItems().at(date.month() - 1),
        QString::number(date.year()));
    return Report::printDocument(previewReport(details, QLocale::c()));
}

QByteArray pdfOf(const QStringList &texts)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    PdfFile::render(pdf, texts, PdfFile::reportFont(), "Reports", QPageSize(QPageSize::A4));
    return pdf.data();
}

// A device that takes at most `chunk` bytes a write and holds at most `capacity`,
// as a pipe does and as a disk that fills up does.
class NarrowDevice : public QIODevice
{
public:
    NarrowDevice(qint64 chunk, qint64 capacity) : m_chunk(chunk), m_capacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }
    qint64 received = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        const qint64 taken = qMin(qMin(size, m_chunk), m_capacity - received);
        if (taken <= 0)
            return -1;
        received += taken;
        return taken;
    }

private:
    qint64 m_chunk;
    qint64 m_capacity;
};

} // namespace

class TestPdfFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsEachStartAPageAndReadBack();
    void pagesAreAsQtDrewThem();
    void headingStaysWithItsReading_data();
    void headingStaysWithItsReading();
    void pagesGoOutAsTheyAreDone();
    void repeatedLinesAreWrittenOnce();
    void everyByteIsAccountedFor_data();
    void everyByteIsAccountedFor();
    void pagesOfTheUsersCountry_data();
    void pagesOfTheUsersCountry();
};

void TestPdfFile::reportsEachStartAPageAndReadBack()
{
    // Reports of one page and of more, in both forms; the names read back as
    // written, the Chinese 小 too, whose glyph a Chinese font shares with a radical.
    constexpr int kReports = 60;
    QStringList reports;
    for (int index = 0; index < kReports; ++index)
        reports.append(printedReportOf(QString("Person %1 \u5C0F").arg(index),
                                       QDate(1901, 1, 1).addDays(index * 911)));
    QTemporaryDir folder;
    const QString path = folder.filePath("reports.pdf");
    QString reason;
    QVERIFY2(PdfFile::write(path, reports, PdfFile::reportFont(), "Reports \u5C0F", &reason),
             qPrintable(reason));
    QProcess check; // a sound file, as qpdf reads it: objects, streams, cross-references
    check.start("qpdf", {"--check", path});
    QVERIFY(check.waitForFinished(10000));
    QCOMPARE(check.exitCode(), 0);
    QProcess info; // the title, as a PDF reader shows it
    info.start("pdfinfo", {path});
    QVERIFY(info.waitForFinished(10000));
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                .contains(QRegularExpression("\\bTitle: +Reports \u5C0F\n")));

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
        QCOMPARE(starts.at(index), QString("Name: Person %1 \u5C0F").arg(index));
    QVERIFY(pages.size() > kReports);
}

// The readings of every number and a few names (non-Latin, a tab, one longer
// than a line, a character no font has), on the pages Qt's own PDF writer drew
// them on (Qt 6.4) before the PDF was written here: the same words on each
// page, in as many lines, each starting within 12 letters of where it started
// there (Qt 6.8 fits one word more on some lines); each line at the left
// margin, within the right one and on the lines of the page, to a quarter of
// a millimetre. The names keep to the fonts the package depends on.
void TestPdfFile::pagesAreAsQtDrewThem()
{
    const QStringList reports{
        printedReportOf("Anna Lee", QDate(1980, 3, 5)),
        printedReportOf("Zoë Ωμέγα Жанна", QDate(1962, 4, 27)),
        printedReportOf("Bo\tChen", QDate(2049, 12, 31)),
        printedReportOf(QString("Longname ").repeated(20).trimmed(), QDate(1911, 1, 1)),
        printedReportOf("Lee \U0010FFFD", QDate(1955, 5, 5))};
    QFile expected(QFINDTESTDATA("pages-drawn-by-qt.txt"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QStringList expectedPages = QString::fromUtf8(expected.readAll()).split('\f');
    expectedPages.removeLast();
    QTemporaryDir folder;
    QFile pdf(folder.filePath("pages.pdf"));
    QVERIFY(pdf.open(QIODevice::WriteOnly) && pdf.write(pdfOf(reports)) > 0);
    pdf.close();
    const QStringList pages = pagesOf(pdf.fileName());
    const QList<QList<QRectF>> boxes = lineBoxesOf(pdf.fileName());
    QCOMPARE(pages.size(), expectedPages.size());
    QCOMPARE(boxes.size(), expectedPages.size());
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QCOMPARE(wordsOfPdf(pages.at(page)), wordsOfPdf(expectedPages.at(page)));
        const QStringList lines = pages.at(page).split('\n', Qt::SkipEmptyParts);
        const QStringList linesThen = expectedPages.at(page).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), linesThen.size());
        QCOMPARE(boxes.at(page).size(), lines.size());
        qsizetype start = 0; // in letters from the top of the page
        qsizetype startThen = 0;
        for (qsizetype line = 0; line < lines.size(); ++line) {
            QVERIFY2(qAbs(start - startThen) <= 12, qPrintable(lines.at(line)));
            start += letters(lines.at(line)).size();
            startThen += letters(linesThen.at(line)).size();
        }
    }
    constexpr qreal kMargin = 15 / 25.4 * 72; // 15 mm in points, on A4 (595 by 842)
    constexpr qreal kPitch = 11.4;
    constexpr qreal kTolerance = 0.25 / 25.4 * 72; // a quarter of a millimetre
    for (const QList<QRectF> &lines : boxes) {
        for (const QRectF &line : lines) {
            const qreal row = (line.top() - kMargin) / kPitch;
            QVERIFY2(
                qAbs(line.left() - kMargin) <= kTolerance &&
                    line.right() <= 595 - kMargin + kTolerance &&
                    qAbs(row - qRound(row)) * kPitch <= kTolerance,
                qPrintable(QString("%1 %2 %3").arg(line.left()).arg(line.right()).arg(line.top())));
        }
    }
}

void TestPdfFile::headingStaysWithItsReading_data()
{
    QTest::addColumn<QDate>("birthDate");
    QTest::newRow("five numbers") << QDate(1980, 3, 5);
    QTest::newRow("two numbers") << QDate(2049, 12, 31);
    QTest::newRow("one number") << QDate(1911, 1, 1);
    QTest::newRow("number five") << QDate(1955, 5, 5);
}

// The report moved down the page a line at a time, over more than a page:
// whatever line a page ends on, it is never a number's heading - the title,
// the number or its count of occurrences - without the start of the reading.
void TestPdfFile::headingStaysWithItsReading()
{
    QFETCH(QDate, birthDate);
    constexpr int kShifts = 80; // more lines than an A4 page holds
    QStringList texts;
    for (int shift = 0; shift < kShifts; ++shift)
        texts.append(QString(shift, '\n') + printedReportOf("Anna Lee", birthDate));
    const QStringList pages = pagesOf(pdfOf(texts));
    QCOMPARE(wordsOfPdf(pages.join(QString())), wordsOf(texts.join(' '))); // each line once
    static const QRegularExpression heading(
        "^(Most Favorable Number by Chinese Numerology|[1-9]|Number of occurrence: [0-9]+)$");
    int headingsOnTop = 0; // pages a heading starts: the table does reach page breaks
    for (const QString &page : pages) {
        const QStringList lines = page.split('\n', Qt::SkipEmptyParts);
        if (lines.isEmpty())
            continue; // only the blank lines before a report
        QVERIFY2(!heading.match(lines.constLast()).hasMatch(), qPrintable(page.right(300)));
        headingsOnTop += heading.match(lines.constFirst()).hasMatch() ? 1 : 0;
    }
    QVERIFY(headingsOnTop > 0);
}

void TestPdfFile::pagesGoOutAsTheyAreDone()
{
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    PdfFile pdf(device, PdfFile::reportFont(), "Reports", QPageSize(QPageSize::A4));
    QList<qint64> sizes;
    for (int day = 1; day <= 20; ++day) {
        pdf.add(printedReportOf("Anna Lee", QDate(1980, 3, day)));
        sizes.append(device.size());
    }
    pdf.finish();
    // The pages of each report are out once the next one starts.
    for (qsizetype index = 1; index < sizes.size(); ++index)
        QVERIFY(sizes.at(index) > sizes.at(index - 1));
    QVERIFY(sizes.constFirst() < device.size() / 10);
}

// The lines of a report drawn again are written once, then drawn by
// reference: ten more copies take less room than the first one did.
void TestPdfFile::repeatedLinesAreWrittenOnce()
{
    const QString report = printedReportOf("Anna Lee", QDate(1980, 3, 5));
    const qsizetype once = pdfOf({report}).size();
    const qsizetype tenMore =
        pdfOf(QStringList(20, report)).size() - pdfOf(QStringList(10, report)).size();
    QVERIFY(once > 0);
    QCOMPARE_LT(tenMore, once);
}

void TestPdfFile::everyByteIsAccountedFor_data()
{
    QTest::addColumn<qint64>("chunk");     // bytes the device takes a write
    QTest::addColumn<qint64>("shortfall"); // bytes of the PDF the device has no room for
    QTest::addColumn<bool>("complete");
    QTest::newRow("takes everything") << qint64(1 << 30) << qint64(0) << true;
    QTest::newRow("seven bytes a write") << qint64(7) << qint64(0) << true;
    QTest::newRow("full 10 KiB before the end") << qint64(1 << 30) << qint64(10240) << false;
    QTest::newRow("full at the last byte") << qint64(1 << 30) << qint64(1) << false;
    QTest::newRow("full at the last byte, seven bytes a write") << qint64(7) << qint64(1) << false;
}

// Whatever the device takes, the output knows whether the whole PDF went in.
void TestPdfFile::everyByteIsAccountedFor()
{
    QFETCH(qint64, chunk);
    QFETCH(qint64, shortfall);
    QFETCH(bool, complete);
    const QStringList texts{printedReportOf("Anna Lee", QDate(1980, 3, 5)),
                            printedReportOf("Bo", QDate(1911, 1, 1))};
    const qint64 size = pdfOf(texts).size(); // the same length, whenever it is written
    NarrowDevice device(chunk, size - shortfall);
    CheckedOutput output(device);
    PdfFile::render(output, texts, PdfFile::reportFont(), "Reports", QPageSize(QPageSize::A4));
    QString reason;
    QCOMPARE(output.finish(&reason), complete);
    // The device says nothing of why: the output still gives a reason.
    QCOMPARE(reason, complete ? QString() : QString("The data could not be written."));
    QCOMPARE(device.received, size - shortfall);
}

void TestPdfFile::pagesOfTheUsersCountry_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("size"); // QPageSize::PageSizeId
    QTest::newRow("United States") << "en_US" << int(QPageSize::Letter);
    QTest::newRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
    QTest::newRow("Canada, in French") << "fr_CA" << int(QPageSize::A4);
    QTest::newRow("China") << "zh_CN" << int(QPageSize::A4);
    QTest::newRow("Taiwan") << "zh_TW" << int(QPageSize::A4);
    QTest::newRow("C") << "C" << int(QPageSize::A4);
}

// Exported pages, and printed ones where the printer names no size, are the
// country's paper: Letter in the United States, A4 elsewhere.
void TestPdfFile::pagesOfTheUsersCountry()
{
    QFETCH(QString, locale);
    QFETCH(int, size);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    const QPageSize pages = PdfFile::localPageSize();
    QLocale::setDefault(previous);
    QCOMPARE(int(pages.id()), size);
}

QTEST_MAIN(TestPdfFile)
#include "TestPdfFile.moc"
