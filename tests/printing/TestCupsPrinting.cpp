// Printing through a print system of the test's own (FakeCups.cpp, found in
// place of libcups): what reaches it, and what the user is told.
#include "PdfText.h"
#include "printing/CupsPrinting.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestCupsPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jobsReachThePrinterWhole_data();
    void jobsReachThePrinterWhole();
};

void TestCupsPrinting::jobsReachThePrinterWhole_data()
{
    QTest::addColumn<QByteArray>("printer"); // the default printer; empty for none
    QTest::addColumn<QByteArray>("job");     // the number the print system gives; 0 refuses
    QTest::addColumn<qint64>("room");        // bytes a file may hold; -1 for any
    QTest::addColumn<int>("outcome");        // Platform::PrintOutcome
    QTest::newRow("taken") << QByteArray("fake") << QByteArray("7") << qint64(-1)
                           << int(Platform::PrintOutcome::Printed);
    QTest::newRow("refused") << QByteArray("fake") << QByteArray("0") << qint64(-1)
                             << int(Platform::PrintOutcome::Refused);
    QTest::newRow("no default printer")
        << QByteArray() << QByteArray("7") << qint64(-1) << int(Platform::PrintOutcome::NoPrinter);
    // The document's last bytes do not fit: nothing may be printed.
    QTest::newRow("document cut short") << QByteArray("fake") << QByteArray("7") << qint64(2000)
                                        << int(Platform::PrintOutcome::DocumentNotMade);
}

void TestCupsPrinting::jobsReachThePrinterWhole()
{
    QFETCH(QByteArray, printer);
    QFETCH(QByteArray, job);
    QFETCH(qint64, room);
    QFETCH(int, outcome);
    QTemporaryDir jobs;
    qputenv("FAKE_CUPS_JOBS", QFile::encodeName(jobs.path()));
    qputenv("FAKE_CUPS_JOB", job);
    if (printer.isEmpty())
        qunsetenv("FAKE_CUPS_PRINTER");
    else
        qputenv("FAKE_CUPS_PRINTER", printer);

    // A file size limit fails a write with EFBIG (its signal ignored), as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    if (room >= 0)
        limit.rlim_cur = rlim_t(room);
    setrlimit(RLIMIT_FSIZE, &limit);
    const QString text = QStringLiteral("Anna Lee\n\nNumber 1 occurs once.");
    const auto printed = CupsPrinting::print(text, QStringLiteral("Anna Lee"));
    setrlimit(RLIMIT_FSIZE, &previous);

    QCOMPARE(int(printed), outcome);
    const QStringList taken = QDir(jobs.path()).entryList(QDir::Files);
    if (outcome != int(Platform::PrintOutcome::Printed)) {
        QCOMPARE(taken, QStringList());
        return;
    }
    QCOMPARE(taken, QStringList{"fake-7 sides=two-sided-long-edge.pdf"}); // the user's options
    QCOMPARE(pdfLetters(jobs.filePath(taken.constFirst())), letters(text));
}

QTEST_MAIN(TestCupsPrinting)
#include "TestCupsPrinting.moc"
