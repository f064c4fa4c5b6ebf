#include "ExpectedReport.h"
#include "reading/ReadingFile.h"
#include "shell/PersonalDetailsRules.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Outcome
{
    int status;
    QString out;
    QString err;
};

// Runs the built program as from a bare login: no display, no Qt settings,
// nothing but a path, a home and the language (plus `extra`).
Outcome runBare(const QString &home, const QString &language, const QStringList &extra,
                const QStringList &arguments)
{
    QProcess process;
    process.start("/usr/bin/env",
                  QStringList{"-i", "PATH=/usr/bin:/bin", "HOME=" + home, "LANG=" + language} +
                      extra + QStringList{NUMORRA_REPORT} + arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, {}};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString pdfText(const QString &path)
{
    QProcess reader;
    reader.start("pdftotext", {"-raw", path, "-"}); // -raw: keeps hyphens at line ends
    reader.waitForFinished();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

} // namespace

class TestReportProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void dateFollowsTheLanguage_data();
    void dateFollowsTheLanguage();
    void pdfWithoutDisplay_data();
    void pdfWithoutDisplay();

private:
    QTemporaryDir m_home;
    const PersonalDetails m_anna = PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980");
    const PersonalDetails m_bo = PersonalDetailsRules::capture("Bo", "1", "January", "1911");
};

void TestReportProcess::initTestCase()
{
    QVERIFY(QFileInfo(NUMORRA_REPORT).isExecutable());
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "poppler-utils is missing");
    QVERIFY(ReadingFile::write(m_home.filePath("anna.qnr"), m_anna, nullptr));
    QVERIFY(ReadingFile::write(m_home.filePath("bo.qnr"), m_bo, nullptr));
}

void TestReportProcess::dateFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dateLine");
    QTest::newRow("en_US") << "en_US.UTF-8"
                           << "en_US"
                           << "Date of Birth: 3/5/1980";
    QTest::newRow("en_GB") << "en_GB.UTF-8"
                           << "en_GB"
                           << "Date of Birth: 05/03/1980";
    QTest::newRow("de_DE") << "de_DE.UTF-8"
                           << "de_DE"
                           << "Date of Birth: 05.03.1980";
}

void TestReportProcess::dateFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, locale);
    QFETCH(QString, dateLine);
    const Outcome outcome =
        runBare(m_home.path(), language, {},
                {"--name", "Anna Lee", "--day", "5", "--month", "March", "--year", "1980"});
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, printedReport(m_anna, QLocale(locale)));
    QVERIFY(outcome.out.contains("\n" + dateLine + "\n"));
}

void TestReportProcess::pdfWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::newRow("no display at all") << QStringList{};
    QTest::newRow("a display named, not reachable")
        << QStringList{"DISPLAY=:77", "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=none"};
}

void TestReportProcess::pdfWithoutDisplay()
{
    QFETCH(QStringList, environment);
    const QString pdf = m_home.filePath("two readings.pdf");
    QFile::remove(pdf);
    const Outcome outcome =
        runBare(m_home.path(), "en_US.UTF-8", environment,
                {m_home.filePath("anna.qnr"), "--pdf", pdf, m_home.filePath("bo.qnr")});
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, QString());

    const QLocale american("en_US");
    const QString anna = Report::printDocument(previewReport(m_anna, american));
    const QString bo = Report::printDocument(previewReport(m_bo, american));
    const QString text = pdfText(pdf);
    QCOMPARE(wordsOfPdf(text), wordsOf(anna + " " + bo));
    QVERIFY(text.contains("Date of Birth: 3/5/1980"));
    // Bo's reading starts a page of its own with the footer.
    const qsizetype name = text.indexOf("Name: Bo");
    const qsizetype page = text.lastIndexOf('\f', name) + 1;
    QVERIFY(page > 0);
    QCOMPARE(text.mid(page, name - page).simplified(), Report::ReportFooter());
}

QTEST_GUILESS_MAIN(TestReportProcess)
#include "TestReportProcess.moc"
