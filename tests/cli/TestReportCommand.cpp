#include "ExpectedReport.h"
#include "RecordingPlatform.h"
#include "cli/ReportCommand.h"
#include "numerology/modNineStarKey.h"
#include "reading/ReadingFile.h"
#include "reading/frmSave.h"
#include "shell/PersonalDetailsRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QLocale kBritish(QStringLiteral("en_GB"));

struct Outcome
{
    int status;
    QString out;
    QString err;
};

Outcome runCommand(const QStringList &arguments)
{
    Outcome outcome{-1, {}, {}};
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    ReportCommand command;
    command.setLocale(kBritish);
    outcome.status = command.run(arguments, out, err);
    return outcome;
}

QStringList detailsArguments(const QString &name, const QString &day, const QString &month,
                             const QString &year)
{
    return {"--name", name, "--day", day, "--month", month, "--year", year};
}

// The report the preview window itself shows for the details, as printed here.
QString windowReport(const PersonalDetails &details, const QLocale &locale)
{
    ReadingResults results;
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
    const QLocale previous;
    QLocale::setDefault(locale);
    RecordingPlatform platform;
    const frmSave preview(platform, details, results);
    QLocale::setDefault(previous);
    return preview.report().PlainText().replace("\r\n", "\n") + "\n";
}

// The details the main window captures for the name and date.
PersonalDetails detailsOf(const QString &name, QDate date)
{
    return PersonalDetailsRules::capture(name, QString::number(date.day()),
                                         PersonalDetailsRules::monthItems().at(date.month() - 1),
                                         QString::number(date.year()));
}

// A reading file holding the four texts as they are.
void writeReading(const QString &path, const QStringList &texts)
{
    const PersonalDetails details{texts.at(0), texts.at(1), texts.at(2), texts.at(3), {}};
    QVERIFY(ReadingFile::write(path, details, nullptr));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void reportMatchesPreview_data() { addDateRows(); }
    void reportMatchesPreview();
    void jsonMatchesEngine_data() { addDateRows(); }
    void jsonMatchesEngine();
    void savedReadingOpensAsTheWindowOpensIt_data();
    void savedReadingOpensAsTheWindowOpensIt();
    void severalFiles();
    void statusAndMessage_data();
    void statusAndMessage();
    void pdfReplacedOnlyWhenComplete();

private:
    static void addDateRows();
    QTemporaryDir m_folder;
};

void TestReportCommand::initTestCase()
{
    writeReading(m_folder.filePath("anna.qnr"), {"Anna Lee", "5", "March", "1980"});
    writeReading(m_folder.filePath("noname.qnr"), {"", "5", "March", "1980"});
    writeReading(m_folder.filePath("reading.txt"), {"Anna Lee", "5", "March", "1980"});
    writeReading(m_folder.filePath("READING.QNR"), {"Anna Lee", "5", "March", "1980"});
    writeBytes(m_folder.filePath("noise.qnr"), QByteArray("Anna Lee\r\n5\r\n"));
    QVERIFY(QDir(m_folder.path()).mkdir("folder.qnr"));
}

// Arguments as typed, the favourable numbers and the feng shui number they give.
void TestReportCommand::addDateRows()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QDate>("birthDate");
    QTest::addColumn<QList<int>>("favourable");
    QTest::addColumn<int>("fengShui");
    QTest::newRow("shared form, five numbers")
        << detailsArguments("Anna Lee", "5", "March", "1980") << QDate(1980, 3, 5)
        << QList<int>{1, 3, 5, 8, 9} << 2;
    QTest::newRow("shared form, two numbers, two-digit month")
        << detailsArguments("Al", "31", "12", "2049") << QDate(2049, 12, 31) << QList<int>{1, 2}
        << 6;
    QTest::newRow("shared form, month in capitals") << detailsArguments("Cy", "13", "MARCH", "1913")
                                                    << QDate(1913, 3, 13) << QList<int>{1, 3} << 6;
    QTest::newRow("single form") << detailsArguments("Bo", "1", "january", "1911")
                                 << QDate(1911, 1, 1) << QList<int>{1} << 8;
    QTest::newRow("single form, five has no direction")
        << detailsArguments("Di", "5", "May", "1955") << QDate(1955, 5, 5) << QList<int>{5} << 9;
    QTest::newRow("leading zeros, last year")
        << detailsArguments("Ed", "09", "09", "2050") << QDate(2050, 9, 9) << QList<int>{9} << 5;
    QTest::newRow("leap day 2000, name trimmed")
        << detailsArguments("  Dee Ann  ", "29", "February", "2000") << QDate(2000, 2, 29)
        << QList<int>{2} << 1;
    QTest::newRow("first year") << detailsArguments("Flo", "28", "2", "1900") << QDate(1900, 2, 28)
                                << QList<int>{2} << 1;
}

void TestReportCommand::reportMatchesPreview()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDate, birthDate);
    QFETCH(QList<int>, favourable);
    const PersonalDetails details = detailsOf(arguments.at(1), birthDate);
    const Outcome outcome = runCommand(arguments);
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, windowReport(details, kBritish));
    QVERIFY(outcome.out.contains("Date of Birth: " + birthDate.toString("dd/MM/yyyy") + "\n"));
    // Only the shared form sets the directions' heading off by an extra empty line.
    QCOMPARE(outcome.out.contains("\n\n\nMost Favorable Direction"), favourable.size() > 1);
}

void TestReportCommand::jsonMatchesEngine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDate, birthDate);
    QFETCH(QList<int>, favourable);
    QFETCH(int, fengShui);
    const Outcome outcome = runCommand(arguments + QStringList{"--json"});
    QCOMPARE(outcome.status, 0);
    const QJsonObject json = QJsonDocument::fromJson(outcome.out.toUtf8()).object();
    const PersonalDetails details = detailsOf(arguments.at(1), birthDate);
    ReadingResults results;
    QCOMPARE(CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results)), 0);

    QCOMPARE(json["name"].toString(), details.Name);
    QCOMPARE(json["birthDate"].toString(), birthDate.toString(Qt::ISODate));
    QCOMPARE(json["birthDigits"].toString(),
             birthDate.toString("d") + birthDate.toString("M") + birthDate.toString("yyyy"));
    for (int number = 1; number <= 9; ++number) {
        const QString cell = results.lblLoshuGrid.at(number - 1);
        QCOMPARE(json["counts"][QString::number(number)].toInt(), cell.size() - 5); // "[n]\r\n"
    }
    const QJsonArray numbers = json["favourable"].toArray();
    QCOMPARE(numbers.size(), favourable.size());
    for (int index = 0; index < favourable.size(); ++index) {
        const int number = favourable.at(index);
        const QJsonObject entry = numbers.at(index).toObject();
        QCOMPARE(entry["number"].toInt(), number);
        QCOMPARE(entry["occurrences"].toInt(), json["counts"][QString::number(number)].toInt());
        QVERIFY(results.RTBLoshu.PlainText().contains(QString("%1\r\nNumber of occurrence: %2\r\n")
                                                          .arg(number)
                                                          .arg(entry["occurrences"].toInt())));
        QCOMPARE(entry["direction"].toVariant(),
                 number == 5 ? QVariant::fromValue(nullptr)
                             : QVariant(modNineStarKey::NumberDirections(number)));
    }
    const QJsonObject profile = json["fengShui"].toObject();
    QCOMPARE(profile["number"].toInt(), fengShui);
    QCOMPARE(profile["number"].toInt(), results.FengShuiNumber);
    QCOMPARE(profile["group"].toString(), results.lblFengShuiGroup);
    QCOMPARE(profile["element"].toString(), results.lblFengShuiElement);
    QCOMPARE(profile["trigram"].toString(), results.lblFengShuiTrigram);
    QVERIFY(json["file"].isNull());
    QCOMPARE(json.keys().size(), 7);
}

void TestReportCommand::savedReadingOpensAsTheWindowOpensIt_data()
{
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("as saved") << QStringList{"Anna Lee", "5", "March", "1980"}
                              << QStringList{"Anna Lee", "5", "March", "1980"};
    QTest::newRow("blanks around the name")
        << QStringList{"  Flo  ", "30", "June", "2050"} << QStringList{"Flo", "30", "June", "2050"};
    QTest::newRow("day not in the list")
        << QStringList{"Ed", "32", "June", "1999"} << QStringList{"Ed", "1", "June", "1999"};
    QTest::newRow("month in another case")
        << QStringList{"Ed", "7", "june", "1999"} << QStringList{"Ed", "7", "January", "1999"};
    QTest::newRow("year not in the list")
        << QStringList{"Ed", "7", "June", "1899"} << QStringList{"Ed", "7", "June", "1970"};
    QTest::newRow("name longer than the field")
        << QStringList{QString(40000, 'n'), "7", "June", "1999"}
        << QStringList{QString(32767, 'n'), "7", "June", "1999"};
}

void TestReportCommand::savedReadingOpensAsTheWindowOpensIt()
{
    QFETCH(QStringList, saved);
    QFETCH(QStringList, opened);
    const QString path = m_folder.filePath("saved.qnr");
    writeReading(path, saved);
    const Outcome outcome = runCommand({path});
    QCOMPARE(outcome.status, 0);
    const PersonalDetails details =
        PersonalDetailsRules::capture(opened.at(0), opened.at(1), opened.at(2), opened.at(3));
    QCOMPARE(outcome.out, printedReport(details, kBritish));
}

void TestReportCommand::severalFiles()
{
    const QString anna = m_folder.filePath("anna.qnr");
    const QString missing = m_folder.filePath("missing.qnr");
    const Outcome text = runCommand({anna, missing, anna});
    QCOMPARE(text.status, 1);
    QCOMPARE(text.err, "numorra-report: " + missing + ": no such file\n");
    const QString report = printedReport(detailsOf("Anna Lee", QDate(1980, 3, 5)), kBritish);
    QCOMPARE(text.out, report + "\f\n" + report);

    const Outcome json = runCommand({"--json", anna, missing, anna});
    QCOMPARE(json.status, 1);
    const QJsonArray objects = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(objects.size(), 2);
    QCOMPARE(objects.at(1)["file"].toString(), anna);
    QCOMPARE(objects.at(1)["birthDate"].toString(), "1980-03-05");
    const Outcome none = runCommand({"--json", missing, missing});
    QVERIFY(QJsonDocument::fromJson(none.out.toUtf8()).isArray());
    QVERIFY(QJsonDocument::fromJson(none.out.toUtf8()).array().isEmpty());
}

void TestReportCommand::statusAndMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // the whole first line on stderr, %1 the folder
    const auto details = detailsArguments;
    QTest::newRow("nothing") << QStringList{} << 2
                             << "nothing to report: give --name and the date of birth, or "
                                "reading files";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "Unknown option 'colour'.";
    QTest::newRow("missing value") << QStringList{"--name"} << 2 << "Missing value after '--name'.";
    QTest::newRow("name twice") << QStringList{"--name", "A", "--name", "B"} << 2
                                << "--name is given more than once";
    QTest::newRow("details and a file") << QStringList{"--name", "A", "%1/anna.qnr"} << 2
                                        << "give either the details (--name, --day, --month, "
                                           "--year) or reading files, not both";
    QTest::newRow("empty pdf name") << QStringList{"--name", "A", "--pdf", ""} << 2
                                    << "--pdf needs the name of the file to write";
    QTest::newRow("day 32") << details("A", "32", "May", "1990") << 2
                            << "--day must be a day 1 to 31, not \"32\"";
    QTest::newRow("day not a number")
        << details("A", "5th", "May", "1990") << 2 << "--day must be a day 1 to 31, not \"5th\"";
    const QString month = "--month must be a month name (January to December) or a number 1 "
                          "to 12, not ";
    QTest::newRow("month 13") << details("A", "5", "13", "1990") << 2 << month + "\"13\"";
    QTest::newRow("month abbreviated")
        << details("A", "5", "Sep", "1990") << 2 << month + "\"Sep\"";
    QTest::newRow("year 1899") << details("A", "5", "May", "1899") << 2
                               << "--year must be a year 1900 to 2050, not \"1899\"";
    QTest::newRow("empty name") << details("", "5", "May", "1990") << 2 << "Please Enter Your Name";
    QTest::newRow("name of spaces passes") << details("   ", "5", "May", "1990") << 0 << "";
    QTest::newRow("no name given") << QStringList{"--day", "2"} << 2 << "Please Enter Your Name";
    QTest::newRow("29 February 1900")
        << details("A", "29", "2", "1900") << 2 << "Please Enter Correct Date Or Month!";
    QTest::newRow("31 April") << details("A", "31", "April", "2000") << 2
                              << "Please Enter Correct Date Or Month !";
    QTest::newRow("file: empty name")
        << QStringList{"%1/noname.qnr"} << 2 << "%1/noname.qnr: Please Enter Your Name";
    QTest::newRow("file: missing")
        << QStringList{"%1/none.qnr"} << 1 << "%1/none.qnr: no such file";
    QTest::newRow("file: a folder")
        << QStringList{"%1/folder.qnr"} << 1 << "%1/folder.qnr: is a folder, not a reading file";
    const QString notQnr = ": not a reading file (its name must end in \"qnr\")";
    QTest::newRow("file: .txt") << QStringList{"%1/reading.txt"} << 1 << "%1/reading.txt" + notQnr;
    QTest::newRow("file: .QNR") << QStringList{"%1/READING.QNR"} << 1 << "%1/READING.QNR" + notQnr;
    QTest::newRow("file: plain text")
        << QStringList{"%1/noise.qnr"} << 1 << "%1/noise.qnr: not a saved reading";
    QTest::newRow("file problem and refusal: the higher status")
        << QStringList{"%1/none.qnr", "%1/noname.qnr", "%1/anna.qnr"} << 2
        << "%1/none.qnr: no such file";
}

void TestReportCommand::statusAndMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    for (QString &argument : arguments)
        argument.replace("%1", m_folder.path());
    const Outcome outcome = runCommand(arguments);
    QCOMPARE(outcome.status, status);
    const QString firstLine = outcome.err.section('\n', 0, 0);
    QCOMPARE(firstLine,
             message.isEmpty() ? "" : "numorra-report: " + message.replace("%1", m_folder.path()));
    if (status != 0 && arguments.size() < 3)
        QCOMPARE(outcome.out, QString());
}

void TestReportCommand::pdfReplacedOnlyWhenComplete()
{
    const QString path = m_folder.filePath("kept.pdf");
    writeBytes(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner);
    const QStringList arguments = detailsArguments("A", "5", "May", "1990") + QStringList{"--pdf"};
    Outcome outcome = runCommand(arguments + QStringList{path});
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err,
             "numorra-report: " + path + ": cannot be written: The file is read-only.\n");
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old"));

    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    outcome = runCommand(arguments + QStringList{path});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, QString()); // the report went to the PDF
    kept.close();
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().startsWith("%PDF-"));
    QCOMPARE(QDir(m_folder.path()).entryList({"kept*"}), QStringList{"kept.pdf"});
}

QTEST_MAIN(TestReportCommand)
#include "TestReportCommand.moc"
