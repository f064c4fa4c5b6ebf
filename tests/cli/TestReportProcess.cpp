#include "ExpectedReport.h"
#include "PdfText.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingFile.h"

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

// Runs a bash command line as from a bare login, with $R the built program.
Outcome runShell(const QString &home, const QString &command)
{
    QProcess process;
    process.setWorkingDirectory(home);
    process.start("/usr/bin/env", {"-i", "PATH=/usr/bin:/bin", "HOME=" + home, "LANG=en_US.UTF-8",
                                   "R=" NUMORRA_REPORT, "/bin/bash", "-c", command});
    if (!process.waitForFinished(60000))
        return {-1, {}, {}};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
    void standardStreams_data();
    void standardStreams();
    void progressOnlyOnATerminal_data();
    void progressOnlyOnATerminal();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();

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
    QFile list(m_home.filePath("list.csv"));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("Name,Date\n,1980-03-05\n") > 0);
}

void TestReportProcess::dateFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("date"); // of birth, as the report writes it
    QTest::newRow("en_US") << "en_US.UTF-8"
                           << "3/5/1980";
    QTest::newRow("en_GB") << "en_GB.UTF-8"
                           << "05/03/1980";
    QTest::newRow("de_DE") << "de_DE.UTF-8"
                           << "05.03.1980";
}

void TestReportProcess::dateFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, date);
    const Outcome outcome =
        runBare(m_home.path(), language, {},
                {"--name", "Anna Lee", "--day", "5", "--month", "March", "--year", "1980"});
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, annaLeeReport(date));
}

void TestReportProcess::pdfWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::newRow("no display at all") << QStringList{};
    QTest::newRow("a display named, not reachable")
        << QStringList{"DISPLAY=:77", "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=none"};
    QTest::newRow("a runtime folder anyone may enter") << QStringList{"XDG_RUNTIME_DIR=/tmp"};
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

    // Bo's report is the one the program writes as text, checked elsewhere.
    const QString anna = Report::printDocument(annaLeeReport("3/5/1980"));
    const QString bo = Report::printDocument(
        runBare(m_home.path(), "en_US.UTF-8", {}, {m_home.filePath("bo.qnr")}).out);
    const QString text = pdfRawText(pdf);
    QCOMPARE(wordsOfPdf(text), wordsOf(anna + " " + bo));
    QVERIFY(text.contains("Date of Birth: 3/5/1980"));
    // Bo's reading starts a page of its own with the footer.
    const qsizetype name = text.indexOf("Name: Bo");
    const qsizetype page = text.lastIndexOf('\f', name) + 1;
    QVERIFY(page > 0);
    QCOMPARE(text.mid(page, name - page).simplified(), Report::ReportFooter());
}

void TestReportProcess::standardStreams_data()
{
    QTest::addColumn<QString>("command"); // bash, in the home folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // all of standard error
    QTest::addColumn<QString>("report");  // the words of what was written, if anything
    const QString anna = annaLeeReport("3/5/1980");
    QTest::newRow("a reading written slowly")
        << "(head -c 5 anna.qnr; sleep 0.5; tail -c +6 anna.qnr) | $R -" << 0 << "" << anna;
    QTest::newRow("endless line") << "yes x | tr -d '\\n' | $R -" << 1
                                  << "numorra-report: -: not a saved reading\n"
                                  << "";
    QTest::newRow("standard input closed")
        << "$R - <&-" << 2 << "numorra-report: -: Please Enter Your Name\n"
        << "";
    QTest::newRow("standard input a folder")
        << "$R - <." << 1 << "numorra-report: -: cannot be read: Is a directory\n"
        << "";
    QTest::newRow("a list from a folder")
        << "$R --list - <." << 1 << "numorra-report: -: cannot be read: Is a directory\n"
        << "";
    QTest::newRow("standard output closed")
        << "$R anna.qnr >&-" << 1 << "numorra-report: the output could not be written\n"
        << "";
    QTest::newRow("endless zeros")
        << "$R - </dev/zero" << 1 << "numorra-report: -: not a saved reading\n"
        << "";
    QTest::newRow("PDF through a pipe")
        << "$R --pdf - anna.qnr | cat >out.pdf; exit ${PIPESTATUS[0]}" << 0 << ""
        << Report::printDocument(anna);
    QTest::newRow("PDF into a named pipe, kept")
        << "mkfifo pipe; timeout 9 cat pipe >out.pdf & $R --pdf pipe anna.qnr; wait; test -p pipe"
        << 0 << "" << Report::printDocument(anna);
    QTest::newRow("PDF to /dev/stdout, a pipe")
        << "$R --pdf /dev/stdout anna.qnr | cat >out.pdf; exit ${PIPESTATUS[0]}" << 0 << ""
        << Report::printDocument(anna);
    QTest::newRow("PDF to /dev/stdout, added to a file")
        << "echo kept >out.pdf; $R --pdf /dev/stdout anna.qnr >>out.pdf && grep -q kept out.pdf"
        << 0 << "" << Report::printDocument(anna);
    QTest::newRow("PDF to descriptor 0, added to a file")
        << "echo kept >out.pdf; $R --pdf /dev/fd/0 anna.qnr 0>>out.pdf && grep -q kept out.pdf" << 0
        << "" << Report::printDocument(anna);
    QTest::newRow("a file name not UTF-8")
        << "$R --pdf $'\\xff.pdf' anna.qnr" << 2
        << "numorra-report: argument 2 holds bytes that are not UTF-8 text\n"
           "Try 'numorra-report --help' for more.\n"
        << "";
    QTest::newRow("PDF onto a full device")
        << "$R --pdf - anna.qnr >/dev/full" << 1
        << "numorra-report: -: cannot be written: No space left on device\n"
        << "";
}

// Standard input gives one reading file, read as a file is; standard output
// takes the PDF, and a failure to write it is status 1.
void TestReportProcess::standardStreams()
{
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, report);
    QFile::remove(m_home.filePath("out.pdf"));
    const Outcome outcome = runShell(m_home.path(), command);
    QCOMPARE(outcome.err, message);
    QCOMPARE(outcome.status, status);
    const QString written =
        command.contains("out.pdf") ? pdfRawText(m_home.filePath("out.pdf")) : outcome.out;
    QCOMPARE(wordsOfPdf(written), wordsOf(report));
}

void TestReportProcess::progressOnlyOnATerminal_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shown"); // what reached the terminal or the file
    // The first reading takes a second and a half to come in.
    const QString run = "(sleep 1.5; cat anna.qnr) | $R - bo.qnr >/dev/null";
    const QString line = "numorra-report: 1 of 2 readings";
    QTest::newRow("terminal") << "script -qec '" + run + "' /dev/null"
                              << "\r" + line + "\r" + QString(line.size(), ' ') + "\r";
    QTest::newRow("file") << run + " 2>err.txt; cat err.txt" << QString();
}

void TestReportProcess::progressOnlyOnATerminal()
{
    QFETCH(QString, command);
    QFETCH(QString, shown);
    if (command.startsWith("script") && QStandardPaths::findExecutable("script").isEmpty())
        QSKIP("script(1) is missing (bsdutils)");
    const Outcome outcome = runShell(m_home.path(), command);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, shown);
}

void TestReportProcess::speaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("written"); // its start (before "..."), or (after it) a part of it
    const QStringList anna = {"--name",  "Anna Lee", "--day",  "5",
                              "--month", "March",    "--year", "1980"};
    const QStringList c = {"LC_ALL=C"};
    const QStringList help = {"--help"};
    QTest::newRow("C over zh_CN: the report as ever")
        << "zh_CN.UTF-8" << c << anna << 0
        << QString("Name: Anna Lee\nReport Generated By https://numorra.example.org/\n\n"
                   "Date of Birth: 5 Mar 1980\n...");
    // The help is built from the options, each translated on its own.
    QTest::newRow("C over zh_TW and LANGUAGE: --help as ever")
        << "zh_TW.UTF-8" << QStringList{"LC_ALL=C", "LANGUAGE=zh_TW"} << help << 0
        << QString("...\n  --save FOLDER    also save each reading in FOLDER as a reading "
                   "file (.qnr)\n");
    QTest::newRow("en_US: --help") << "en_US.UTF-8" << QStringList() << help << 0
                                   << QString("Usage: numorra-report [OPTION]... --name NAME "
                                              "[--date YYYY-MM-DD]\n...");
    QTest::newRow("zh_CN: --help")
        << "zh_CN.UTF-8" << QStringList() << help << 0
        << QString(
               "...\n  --list LIST.csv  为 LIST.csv（另存为 CSV 的电子表格，见下文）中的每一行\n"
               "                   输出一份解读；- 表示从标准输入读取名单\n客户名单是");
    QTest::newRow("zh_CN: the report")
        << "zh_CN.UTF-8" << QStringList() << anna << 0
        << QString("...姓名：Anna Lee\n本报告由 https://numorra.example.org/ "
                   "生成\n\n出生日期：1980/3/5\n");
    QTest::newRow("zh_HK: the report in Traditional Chinese")
        << "zh_HK.UTF-8" << QStringList() << anna << 0
        << QString(
               "...\n本報告由 https://numorra.example.org/ 產生\n\n中國數字命理推算的最吉數字\n");
    QTest::newRow("zh_TW: --help") << "zh_TW.UTF-8" << QStringList() << help << 0
                                   << QString("...用法：numorra-report [選項]... --name NAME");
    QTest::newRow("zh_CN: a list's row told")
        << "zh_CN.UTF-8" << QStringList() << QStringList{"--list", m_home.filePath("list.csv")} << 1
        << QString("...list.csv: 第 2 行：请输入您的姓名\n");
    QTest::newRow("zh_CN: a wrong month told")
        << "zh_CN.UTF-8" << QStringList() << QStringList{"--name", "A", "--month", "Marc"} << 2
        << QString("...英文月份名称（January 至 December）或数字 1 至 12，而不是“Marc”\n");
    QTest::newRow("zh_TW: JSON in English")
        << "zh_TW.UTF-8" << QStringList() << QStringList{"--json", m_home.filePath("anna.qnr")} << 0
        << QString("...\"fengShui\": {\n        \"element\": \"Earth\",\n        \"group\": "
                   "\"West\",\n        \"number\": 2,\n        \"trigram\": \"Kun\"\n    },");
}

// numorra-report in the user's language (their catalog, found beside the
// program), English month names on the command line and English JSON in
// every language; under C, its output as it ever was.
void TestReportProcess::speaksTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, extra);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, written);
    const Outcome outcome = runBare(m_home.path(), language, extra, arguments);
    QCOMPARE(outcome.status, status);
    const QString output = outcome.out + outcome.err;
    if (written.startsWith("..."))
        QVERIFY2(output.contains(written.mid(3)), qPrintable(output.left(400)));
    else
        QVERIFY2(output.startsWith(written.chopped(3)), qPrintable(output.left(400)));
}

QTEST_GUILESS_MAIN(TestReportProcess)
#include "TestReportProcess.moc"
