// Prints a report from the preview on a real CUPS server with a PDF queue,
// started for the run by with-cups-pdf.sh; each test function expects the
// server in its own mode (PDF the default, no default printer, jobs refused).
#include "PdfText.h"
#include "ScriptedQtPlatform.h"
#include "TestWindows.h"
#include "calculation/CalculationSteps.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "readingwindows/frmSave.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtTest>

namespace {

QStringList spooledDocuments()
{
    return QDir(qEnvironmentVariable("NUMORRA_CUPS_SPOOL"))
        .entryList({"d*-001"}, QDir::Files, QDir::Name);
}

} // namespace

class TestRealPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void printsOneJobPerPress();
    void saysThereIsNoPrinter();
    void saysTheJobWasRefused();
    void saysTheDocumentWasNotMade();

private:
    void print(int presses);

    ScriptedQtPlatform *m_platform = nullptr;
    PersonalDetails m_details;
    ReadingResults *m_results = nullptr;
    frmSave *m_preview = nullptr;
};

void TestRealPrinting::init()
{
    QVERIFY2(qEnvironmentVariableIsSet("CUPS_SERVER"), "run me through with-cups-pdf.sh");
    m_platform = new ScriptedQtPlatform;
    m_results = new ReadingResults;
    m_details = PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980");
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(m_details, *m_results));
    m_preview = new frmSave(*m_platform, m_details, *m_results);
}

void TestRealPrinting::cleanup()
{
    deleteAllWindows();
    delete m_results;
    delete m_platform;
}

void TestRealPrinting::print(int presses)
{
    for (int press = 0; press < presses; ++press)
        m_preview->cmdPrint->click();
}

void TestRealPrinting::printsOneJobPerPress()
{
    // The paper the user keeps for the printer, by the name a PPD gives it.
    QCOMPARE(QProcess::execute("lpoptions", {"-p", "PDF", "-o", "media=A5"}), 0);
    print(1);
    QCOMPARE(m_platform->messages, QStringList());
    QTRY_COMPARE(spooledDocuments().size(), 1);
    const QString spool = qEnvironmentVariable("NUMORRA_CUPS_SPOOL");
    const QString first = spool + "/" + spooledDocuments().constFirst();
    QVERIFY(toolOutput("pdfinfo", {"%f"}, first).contains("420 x 595 pts (A5)"));
    const QString document = Report::printDocument(m_preview->report().PlainText());
    QVERIFY(document.contains("Most Favorable Direction by Chinese Numerology"));
    const QString expected = letters(document);
    QCOMPARE(pdfLetters(spool + "/" + spooledDocuments().constFirst()), expected);
    // A second press makes a second, identical job.
    print(1);
    QTRY_COMPARE(spooledDocuments().size(), 2);
    QCOMPARE(pdfLetters(spool + "/" + spooledDocuments().constLast()), expected);
    // A stopped printer queues the job, and the user is told.
    QCOMPARE(QProcess::execute("cupsdisable", {"PDF"}), 0);
    print(1);
    QCOMPARE(spooledDocuments().size(), 3);
    QVERIFY(m_platform->messages.value(0).contains("the printer is stopped"));
}

void TestRealPrinting::saysThereIsNoPrinter()
{
    print(1);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.constFirst().contains("no default printer"));
    QVERIFY(spooledDocuments().isEmpty());
}

// With a printer there, but no temporary folder for its document: the
// "folder" is a file, where not even root can make one.
void TestRealPrinting::saysTheDocumentWasNotMade()
{
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    const QByteArray folder = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));
    print(1);
    qputenv("TMPDIR", folder);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(m_platform->messages.constFirst().contains(
                 "could not be written to the temporary folder \"" + notAFolder.fileName()),
             qPrintable(m_platform->messages.constFirst()));
    QVERIFY(spooledDocuments().isEmpty());
}

void TestRealPrinting::saysTheJobWasRefused()
{
    print(1);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.constFirst().contains("did not accept"));
    QVERIFY(spooledDocuments().isEmpty());
}

QTEST_MAIN(TestRealPrinting)
#include "TestRealPrinting.moc"
