#include "ExpectedReport.h"
#include "PdfText.h"
#include "RecordingPlatform.h"
#include "cli/DetailsEntry.h"
#include "cli/ReportCommand.h"
#include "cli/ReportProgress.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingFile.h"
#include "readingwindows/frmSave.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <locale.h>
#include <stdexcept>
#include <sys/resource.h>

namespace {

const QLocale kBritish(QStringLiteral("en_GB"));

// The direction of each number, 1 to 9 (5 has none), and the group, element
// and trigram of each feng shui number.
const QStringList kDirections{"North",      "South-West", "East",       "South-East", "",
                              "North-West", "West",       "North-East", "South"};
const QStringList kProfiles{"East Water Kan", "West Earth Kun", "East Wood Chen",
                            "East Wood Sun",  "West Earth Kun", "West Metal Chien",
                            "West Metal Tui", "West Earth Ken", "West Fire Li"};

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

Outcome runCommand(const QStringList &arguments, QIODevice *standardInput = nullptr)
{
    Outcome outcome{-1, {}, {}};
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    ReportCommand command;
    command.setLocale(kBritish);
    command.setStandardInput(standardInput);
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

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Standard input as a pipe gives it: the bytes, or the bytes again and again
// without end. Counts what was taken.
class EndlessInput : public QIODevice
{
public:
    EndlessInput(const QByteArray &bytes, bool endless) : m_bytes(bytes), m_endless(endless)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 taken = 0;

protected:
    qint64 readData(char *data, qint64 size) override
    {
        qint64 given = 0;
        for (; given < size && !m_bytes.isEmpty() && (m_endless || taken < m_bytes.size());
             ++given, ++taken)
            data[given] = m_bytes.at(taken % m_bytes.size());
        return given;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    bool m_endless;
};

// While it lives, no file of the process may grow past `bytes`: a write past
// it fails ("File too large") instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
};

// Standard input that tells when it is first read, then reads from `input`.
class ProbedInput : public QIODevice
{
public:
    ProbedInput(QIODevice &input, std::function<void()> firstRead)
        : m_input(input), m_firstRead(std::move(firstRead))
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 size) override
    {
        if (m_firstRead)
            std::exchange(m_firstRead, nullptr)();
        return m_input.read(data, size);
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice &m_input;
    std::function<void()> m_firstRead;
};

// Standard output with room for so many bytes (-1: any), as a full disk has.
class LimitedOutput : public QIODevice
{
public:
    LimitedOutput(QIODevice &device, qint64 room) : m_device(device), m_room(room)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 room = m_room < 0 ? size : qMin(size, m_room - m_device.size());
        return room > 0 ? m_device.write(data, room) : -1;
    }

private:
    QIODevice &m_device;
    qint64 m_room;
};

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void reportMatchesPreview_data() { addDateRows(); }
    void reportMatchesPreview();
    void jsonGivesTheReading_data() { addDateRows(); }
    void jsonGivesTheReading();
    void savedReadingOpensAsTheWindowOpensIt_data();
    void savedReadingOpensAsTheWindowOpensIt();
    void severalFiles();
    void namesStartingWithAColon();
    void jsonKeepsAnEntryPerFile_data();
    void jsonKeepsAnEntryPerFile();
    void statusAndMessage_data();
    void statusAndMessage();
    void versionNamesThePackage();
    void standardInputReadAsAFile_data();
    void standardInputReadAsAFile();
    void pdfWrittenAllOrNothing_data();
    void pdfWrittenAllOrNothing();
    void pdfToStandardOutput_data();
    void pdfToStandardOutput();
    void progressLine_data();
    void progressLine();
    void progressShowsWhileTheRunGoesOn_data();
    void progressShowsWhileTheRunGoesOn();
    void terminalIsNotDriven();
    void failedStepIsReported_data();
    void failedStepIsReported();
    void listReadAsTheDetailsGiven_data();
    void listReadAsTheDetailsGiven();
    void listBadRowsTold_data();
    void listBadRowsTold();
    void savedFilesOpenAsTheRows();
    void shortDateWithTheWordsOfItsFormat();

private:
    static void addDateRows();
    QTemporaryDir m_folder;
};

void TestReportCommand::initTestCase()
{
    writeReading(m_folder.filePath("anna.qnr"), {"Anna Lee", "5", "March", "1980"});
    writeReading(m_folder.filePath("noname.qnr"), {"", "5", "March", "1980"});
    writeReading(m_folder.filePath("undrawable.qnr"), {"Anna \U000F0001", "5", "March", "1980"});
    writeReading(m_folder.filePath("reading.txt"), {"Anna Lee", "5", "March", "1980"});
    writeReading(m_folder.filePath("READING.QNR"), {"Anna Lee", "5", "March", "1980"});
    writeBytes(m_folder.filePath("noise.qnr"), QByteArray("Anna Lee\r\n5\r\n"));
    writeBytes(m_folder.filePath("header.csv"), QByteArray("Name,Date\r\n,\r\n"));
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
    QTest::newRow("tabs kept in the name, spaces trimmed")
        << detailsArguments(" \tAnna\tLee \t", "5", "March", "1980") << QDate(1980, 3, 5)
        << QList<int>{1, 3, 5, 8, 9} << 2;
    QTest::newRow("--date, five numbers") << QStringList{"--name", "Gil", "--date", "1980-03-05"}
                                          << QDate(1980, 3, 5) << QList<int>{1, 3, 5, 8, 9} << 2;
    QTest::newRow("--date, last day") << QStringList{"--name", "Al", "--date", "2050-12-31"}
                                      << QDate(2050, 12, 31) << QList<int>{1, 2} << 5;
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

void TestReportCommand::jsonGivesTheReading()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDate, birthDate);
    QFETCH(QList<int>, favourable);
    QFETCH(int, fengShui);
    const Outcome outcome = runCommand(arguments + QStringList{"--json"});
    QCOMPARE(outcome.status, 0);
    const QJsonObject json = QJsonDocument::fromJson(outcome.out.toUtf8()).object();
    QCOMPARE(json["name"].toString(), detailsOf(arguments.at(1), birthDate).Name);
    QCOMPARE(json["birthDate"].toString(), birthDate.toString(Qt::ISODate));
    const QString digits =
        birthDate.toString("d") + birthDate.toString("M") + birthDate.toString("yyyy");
    QCOMPARE(json["birthDigits"].toString(), digits);
    const auto occurrences = [&digits](int number) {
        return int(digits.count(QChar('0' + number)));
    };
    for (int number = 1; number <= 9; ++number)
        QCOMPARE(json["counts"][QString::number(number)].toInt(), occurrences(number));
    const QJsonArray numbers = json["favourable"].toArray();
    QCOMPARE(numbers.size(), favourable.size());
    for (int index = 0; index < favourable.size(); ++index) {
        const int number = favourable.at(index);
        const QJsonObject entry = numbers.at(index).toObject();
        QCOMPARE(entry["number"].toInt(), number);
        QCOMPARE(entry["occurrences"].toInt(), occurrences(number));
        QCOMPARE(entry["direction"].toVariant(),
                 number == 5 ? QVariant::fromValue(nullptr) : QVariant(kDirections.at(number - 1)));
    }
    const QJsonObject profile = json["fengShui"].toObject();
    QCOMPARE(profile["number"].toInt(), fengShui);
    QCOMPARE(QStringList({profile["group"].toString(), profile["element"].toString(),
                          profile["trigram"].toString()})
                 .join(' '),
             kProfiles.at(fengShui - 1));
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
    QTest::newRow("a name on two lines") << QStringList{"Anna\r\nLee\u2028", "5", "March", "1980"}
                                         << QStringList{"Anna Lee", "5", "March", "1980"};
    QTest::newRow("name longer than the field")
        << QStringList{QString(40000, 'n'), "7", "June", "1999"}
        << QStringList{QString(32767, 'n'), "7", "June", "1999"};
    for (const QString &name :
         {QStringLiteral("Jos\u00E9 M\u00FCller"), QStringLiteral("\u738B\u5C0F\u660E")})
        QTest::newRow(qPrintable(name))
            << QStringList{name, "7", "June", "1999"} << QStringList{name, "7", "June", "1999"};
}

void TestReportCommand::savedReadingOpensAsTheWindowOpensIt()
{
    QFETCH(QStringList, saved);
    QFETCH(QStringList, opened);
    const QString path = m_folder.filePath("saved.qnr");
    writeReading(path, saved);
    const Outcome outcome = runCommand({path});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, runCommand({"--name", opened.at(0), "--day", opened.at(1), "--month",
                                      opened.at(2), "--year", opened.at(3)})
                              .out);
}

void TestReportCommand::severalFiles()
{
    const QString anna = m_folder.filePath("anna.qnr");
    const QString missing = m_folder.filePath("missing.qnr");
    const Outcome text = runCommand({anna, missing, anna});
    QCOMPARE(text.status, 1);
    QCOMPARE(text.err, "numorra-report: " + missing + ": no such file\n");
    QCOMPARE(text.out, annaLeeReport() + "\f\n" + annaLeeReport());
}

// Qt alone would read ":name" as one of the program's own resources.
void TestReportCommand::namesStartingWithAColon()
{
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder.path()) && QDir().mkpath("./:saved"));
    const auto restore = qScopeGuard([&current] { QDir::setCurrent(current); });
    QVERIFY(QFile::copy("anna.qnr", "./:anna.qnr"));
    writeBytes("./:list.csv", ":Al,1980-03-05\n");
    QCOMPARE(runCommand({":anna.qnr"}).out, annaLeeReport());
    QCOMPARE(runCommand({"--list", ":list.csv", "--save", ":saved"}).err, "");
    QVERIFY(QFile::exists("./:saved/_Al 1980-03-05 row 1.qnr")); // in the folder given
}

void TestReportCommand::jsonKeepsAnEntryPerFile_data()
{
    QTest::addColumn<QStringList>("files");    // in the folder
    QTest::addColumn<QStringList>("problems"); // each file's, empty for a reading
    QTest::addColumn<int>("status");
    QTest::newRow("a gap in the middle") << QStringList{"anna.qnr", "missing.qnr", "anna.qnr"}
                                         << QStringList{"", "no such file", ""} << 1;
    QTest::newRow("every file fails")
        << QStringList{"missing.qnr", "folder.qnr", "noise.qnr", "noname.qnr"}
        << QStringList{"no such file", "is a folder, not a reading file", "not a saved reading",
                       "Please Enter Your Name"}
        << 2;
    QTest::newRow("failures first")
        << QStringList{"reading.txt", "anna.qnr"}
        << QStringList{"not a reading file (its name must end in \"qnr\")", ""} << 1;
    QTest::newRow("no failure") << QStringList{"anna.qnr", "anna.qnr"} << QStringList{"", ""} << 0;
}

// With several files, the array holds one entry per file named, in order: a
// reading, or the file and why it failed.
void TestReportCommand::jsonKeepsAnEntryPerFile()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, problems);
    QFETCH(int, status);
    QStringList arguments{"--json"};
    for (const QString &file : files)
        arguments.append(m_folder.filePath(file));
    const Outcome outcome = runCommand(arguments);
    QCOMPARE(outcome.status, status);
    const QJsonArray entries = QJsonDocument::fromJson(outcome.out.toUtf8()).array();
    QCOMPARE(entries.size(), files.size());
    for (qsizetype index = 0; index < files.size(); ++index) {
        const QJsonObject entry = entries.at(index).toObject();
        QCOMPARE(entry["file"].toString(), arguments.at(index + 1));
        if (problems.at(index).isEmpty()) {
            QCOMPARE(entry["birthDate"].toString(), "1980-03-05");
        } else {
            QCOMPARE(entry.keys(), QStringList({"error", "file"}));
            QCOMPARE(entry["error"].toString(), problems.at(index));
            QVERIFY(
                outcome.err.contains(arguments.at(index + 1) + ": " + problems.at(index) + "\n"));
        }
    }
}

void TestReportCommand::statusAndMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // the whole first line on stderr, %1 the folder
    const auto details = detailsArguments;
    QTest::newRow("nothing") << QStringList{} << 2
                             << "nothing to report: give --name and the date of birth, "
                                "reading files or --list";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "unknown option '--colour'";
    QTest::newRow("unknown option, one dash")
        << QStringList{"-colour", "x.qnr"} << 2 << "unknown option '-colour'";
    QTest::newRow("unknown option with a value")
        << QStringList{"--colour=red"} << 2 << "unknown option '--colour'";
    QTest::newRow("missing value") << QStringList{"--name"} << 2 << "Missing value after '--name'.";
    QTest::newRow("name twice") << QStringList{"--name", "A", "--name", "B"} << 2
                                << "--name is given more than once";
    QTest::newRow("details and a file") << QStringList{"--name", "A", "%1/anna.qnr"} << 2
                                        << "give either the details (--name, --date or --day, "
                                           "--month, --year) or reading files, not both";
    QTest::newRow("details and standard input")
        << QStringList{"--date", "1990-05-05", "-"} << 2
        << "give either the details (--name, --date or --day, --month, --year) or reading "
           "files, not both";
    QTest::newRow("a list and a file")
        << QStringList{"--list", "%1/list.csv", "%1/anna.qnr"} << 2
        << "--list takes the details from the list: give no other details or reading files "
           "with it";
    QTest::newRow("a list that is not there")
        << QStringList{"--list", "%1/none.csv"} << 1
        << "%1/none.csv: cannot be read: No such file or directory";
    QTest::newRow("a list named empty")
        << QStringList{"--list", ""} << 2
        << "--list needs the name of the list to read, or - for standard input";
    QTest::newRow("saved into a folder named empty")
        << QStringList{"--save", "", "--name", "A"} << 2
        << "--save needs the folder to save the readings in";
    QTest::newRow("a list of no client")
        << QStringList{"--list", "%1/header.csv"} << 1 << "%1/header.csv: the list holds no client";
    QTest::newRow("saved into no folder")
        << QStringList{"--save", "%1/anna.qnr", "--name", "A"} << 2
        << "--save: %1/anna.qnr is not a folder that can be written to";
    QTest::newRow("empty pdf name")
        << QStringList{"--name", "A", "--pdf", ""} << 2
        << "--pdf needs the name of the file to write, or - for standard output";
    QTest::newRow("JSON and PDF both on standard output")
        << QStringList{"--json", "--pdf", "-", "%1/anna.qnr"} << 2
        << "--json and --pdf - cannot both go to standard output";
    QTest::newRow("JSON and PDF both on standard output, by its name")
        << QStringList{"--json", "--pdf", "/dev/fd/1", "%1/anna.qnr"} << 2
        << "--json and --pdf - cannot both go to standard output";
    const QString date = "--date must be a date YYYY-MM-DD from 1900-01-01 to 2050-12-31, not ";
    QTest::newRow("date and day") << QStringList{"--date", "1990-05-05", "--day", "5"} << 2
                                  << "give the date of birth either as --date or as --day, "
                                     "--month and --year, not both";
    QTest::newRow("date and month") << QStringList{"--month", "May", "--date", "1990-05-05"} << 2
                                    << "give the date of birth either as --date or as --day, "
                                       "--month and --year, not both";
    QTest::newRow("date and year") << QStringList{"--date", "1990-05-05", "--year", "1990"} << 2
                                   << "give the date of birth either as --date or as --day, "
                                      "--month and --year, not both";
    QTest::newRow("date twice") << QStringList{"--date", "1990-05-05", "--date", "1990-05-05"} << 2
                                << "--date is given more than once";
    QTest::newRow("date without zeros")
        << QStringList{"--name", "A", "--date", "1990-5-5"} << 2 << date + "\"1990-5-5\"";
    QTest::newRow("date, month 13")
        << QStringList{"--name", "A", "--date", "1990-13-05"} << 2 << date + "\"1990-13-05\"";
    QTest::newRow("date, day 0") << QStringList{"--name", "A", "--date", "1990-05-00"} << 2
                                 << date + "\"1990-05-00\"";
    QTest::newRow("date, year 2051")
        << QStringList{"--name", "A", "--date", "2051-01-01"} << 2 << date + "\"2051-01-01\"";
    QTest::newRow("date, 30 February") << QStringList{"--name", "A", "--date", "2000-02-30"} << 2
                                       << "Please Enter Correct Date Or Month!";
    QTest::newRow("date, 31 April") << QStringList{"--name", "A", "--date", "2000-04-31"} << 2
                                    << "Please Enter Correct Date Or Month !";
    const QString lineBreak = "--name must be one line: it holds a line break";
    QTest::newRow("name with LF") << QStringList{"--name", "Anna\nLee"} << 2 << lineBreak;
    QTest::newRow("name with CR") << QStringList{"--name", "Anna\rLee"} << 2 << lineBreak;
    QTest::newRow("name with CR LF at its end")
        << QStringList{"--name", "Anna\r\n"} << 2 << lineBreak;
    QTest::newRow("name with a tab passes") << QStringList{"--name", "Anna\tLee"} << 0 << "";
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
    QTest::newRow("29 February 1900 passes") << details("A", "29", "2", "1900") << 0 << "";
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
    QTest::newRow("file: missing, as JSON")
        << QStringList{"--json", "%1/none.qnr"} << 1 << "%1/none.qnr: no such file";
    QTest::newRow("file: plain text")
        << QStringList{"%1/noise.qnr"} << 1 << "%1/noise.qnr: not a saved reading";
    QTest::newRow("file: PDF of a name no font can draw")
        << QStringList{"--pdf", "%1/undrawable.pdf", "%1/anna.qnr", "%1/undrawable.qnr"} << 1
        << "%1/undrawable.qnr: no installed font can draw U+F0001 in the name \"Anna "
           "\U000F0001\"; the PDF shows a box in place of each";
    QTest::newRow("PDF of a Chinese name no font can draw")
        << QStringList{"--name", "\U00030000\u738B", "--pdf", "%1/undrawable.pdf"} << 1
        << "no installed font can draw U+30000 \U00030000 in the name \"\U00030000\u738B\"; the "
           "PDF shows a box in place of each (a Chinese font such as fonts-noto-cjk draws "
           "Chinese names)";
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
    // A PDF is written unless the details are refused.
    if (const qsizetype pdf = arguments.indexOf("--pdf"); pdf >= 0 && status < 2)
        QVERIFY(QFile::remove(arguments.at(pdf + 1)));
}

void TestReportCommand::versionNamesThePackage()
{
    const Outcome outcome = runCommand({"--version"});
    QCOMPARE(outcome.out, "numorra-report (numorra) " NUMORRA_PROJECT_VERSION "\n");
    // The help, built from the options: a long name has its text on the next line.
    QVERIFY(runCommand({"--help"})
                .out.contains("\n  --date YYYY-MM-DD\n                   date of birth, 1900-01-01 "
                              "to 2050-12-31; or, "
                              "apart:\n  --day D          day of birth, 1 to 31 (default 1)\n"));
    QVERIFY(runCommand({"-h"}).out.contains("\n  --list LIST.csv  a reading for each row of "
                                            "LIST.csv, a spreadsheet saved as\n"));
    QVERIFY(runCommand({"-h"}).out.contains("\n  -h, --help       print this help\n"));
}

void TestReportCommand::standardInputReadAsAFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("endless"); // the bytes again and again, never ending
    QTest::addColumn<int>("status");
    const QByteArray anna =
        ReadingFile::compose(PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980"));
    QTest::newRow("a reading") << anna << false << 0;
    QTest::newRow("LF line ends") << QByteArray(anna).replace("\r\n", "\n") << false << 0;
    QTest::newRow("more after four lines") << anna + QByteArray(200000, 'x') << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 2;
    QByteArray noise(4096, 0);
    for (qsizetype index = 0; index < noise.size(); ++index)
        noise[index] = char(index * 7919 % 251);
    QTest::newRow("binary noise") << noise << false << 1;
    QTest::newRow("a line longer than any name")
        << QByteArray(ReadingFile::kMaxLineBytes + 1, 'x') << false << 1;
    QTest::newRow("endless, no line break") << QByteArray(4096, 'x') << true << 1;
    QTest::newRow("endless noise") << noise << true << 1;
}

// "-" reads one reading file from standard input, with the limits and the
// messages of the same bytes in a file: it reads no more than a file's worth.
void TestReportCommand::standardInputReadAsAFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, endless);
    QFETCH(int, status);
    EndlessInput input(bytes, endless);
    Outcome outcome{-1, {}, {}};
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    ReportCommand command;
    command.setLocale(kBritish);
    command.setStandardInput(&input);
    outcome.status = command.run({"-"}, out, err);
    QCOMPARE(outcome.status, status);
    QVERIFY(input.taken <= ReadingFile::kMaxFileBytes + 1);
    if (endless)
        return; // no file holds that
    const QString path = m_folder.filePath("stdin.qnr");
    writeBytes(path, bytes);
    const Outcome fromFile = runCommand({path});
    QCOMPARE(outcome.out, fromFile.out);
    QCOMPARE(outcome.err, QString(fromFile.err).replace(path, "-"));
}

void TestReportCommand::pdfWrittenAllOrNothing_data()
{
    // %1 the folder, %2 a full file system, %3 the folder with a file size limit
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason"); // empty when written
    QTest::newRow("replaces a file") << "%1/kept.pdf" << false << "";
    QTest::newRow("read-only file") << "%1/kept.pdf" << true << "The file is read-only.";
    QTest::newRow("missing folder") << "%1/none/kept.pdf" << false << "No such file or directory";
    QTest::newRow("full disk") << "%2/kept.pdf" << false << "No space left on device";
    // Files may grow to 8 KiB only: the PDF goes out in one piece at its end.
    QTest::newRow("file size limit") << "%3/kept.pdf" << false << "File too large";
}

// The PDF goes to a new file beside the target, which replaces it only once
// complete: on any failure the old file stays as it was, and nothing else is left.
void TestReportCommand::pdfWrittenAllOrNothing()
{
    QFETCH(QString, target);
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    const QString full = m_folder.filePath("full");
    if (target.contains("%2")) {
        QDir().mkpath(full);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", full}) != 0)
            QSKIP("mounting a small file system needs root");
    }
    const QString path = QString(target)
                             .replace("%1", m_folder.path())
                             .replace("%2", full)
                             .replace("%3", m_folder.path());
    const QString folder = QFileInfo(path).path();
    const bool old = QFileInfo(folder).isDir();
    if (old) {
        writeBytes(path, "old");
        QFile::setPermissions(path,
                              readOnly ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner);
    }
    const QStringList readings(target.contains("%3") ? 1 : 2, m_folder.filePath("anna.qnr"));
    Outcome outcome;
    {
        const FileSizeLimit limit(target.contains("%3") ? 8192 : RLIM_INFINITY);
        outcome = runCommand(QStringList{"--pdf", path} + readings);
    }
    const QByteArray after = fileBytes(path);
    const QStringList left = QDir(folder).entryList({"kept*"});
    if (target.contains("%2"))
        QProcess::execute("umount", {full});
    QCOMPARE(outcome.status, reason.isEmpty() ? 0 : 1);
    QCOMPARE(outcome.out, QString());
    if (reason.isEmpty()) {
        QCOMPARE(outcome.err, QString());
        QVERIFY(after.startsWith("%PDF-"));
    } else {
        QCOMPARE(outcome.err, "numorra-report: " + path + ": cannot be written: " + reason + "\n");
        QCOMPARE(after, old ? QByteArray("old") : QByteArray());
    }
    QCOMPARE(left, old ? QStringList{"kept.pdf"} : QStringList{});
    QFile::remove(path);
}

void TestReportCommand::pdfToStandardOutput_data()
{
    QTest::addColumn<qint64>("room"); // bytes standard output takes, -1 for any
    QTest::addColumn<int>("status");
    QTest::newRow("all of it") << qint64(-1) << 0;
    QTest::newRow("full after 4 KiB") << qint64(4096) << 1;
}

void TestReportCommand::pdfToStandardOutput()
{
    QFETCH(qint64, room);
    QFETCH(int, status);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    LimitedOutput output(pdf, room);
    Outcome outcome{-1, {}, {}};
    QTextStream out(&output);
    QTextStream err(&outcome.err);
    ReportCommand command;
    command.setLocale(kBritish);
    outcome.status = command.run({"--pdf", "-", m_folder.filePath("anna.qnr")}, out, err);
    QCOMPARE(outcome.status, status);
    if (status != 0) {
        QVERIFY(outcome.err.startsWith("numorra-report: -: cannot be written: "));
        return;
    }
    QCOMPARE(outcome.err, QString());
    const QString path = m_folder.filePath("standard-output.pdf");
    writeBytes(path, pdf.data());
    QCOMPARE(wordsOfPdf(pdfRawText(path)), wordsOf(Report::printDocument(annaLeeReport())));
}

void TestReportCommand::progressLine_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QList<int>>("times");    // ms at the start, then after each reading
    QTest::addColumn<bool>("counted");        // the total known, as for files
    QTest::addColumn<QString>("translation"); // of the line, if any
    QTest::addColumn<QString>("shown");       // %1 erases the last line shown
    QTest::addColumn<int>("columns");         // what that line takes on the terminal
    const QList<int> times{0, 600, 1200, 1250, 1400};
    QTest::newRow("not a terminal") << false << QList<int>{0, 900, 1900, 2900} << true << ""
                                    << "" << 0;
    QTest::newRow("a second is not passed") << true << QList<int>{0, 300, 600, 999} << true << ""
                                            << "" << 0;
    QTest::newRow("past a second")
        << true << times << true << ""
        << "\rnumorra-report: 2 of 4 readings\rnumorra-report: 4 of 4 readings%1" << 31;
    // Each Chinese character takes two columns.
    QTest::newRow("in Chinese")
        << true << times << true << QStringLiteral("numorra-report: 已完成 %1/%2 份解读")
        << QStringLiteral(
               "\rnumorra-report: 已完成 2/4 份解读\rnumorra-report: 已完成 4/4 份解读%1")
        << 33;
    // A list, its total not known: wide and narrow characters at the edges of
    // the wide ranges (the last full-width form, the first half-width one, a
    // Hangul filler of no width).
    QTest::newRow("the edges of the wide ranges")
        << true << times << false
        << QStringLiteral("%1 \u2E80\uFF01\uFF60\uFF61\uFFE6\uFFE8\u115F\u1160\uD7A3\uFE4F")
        << QStringLiteral("\r2 \u2E80\uFF01\uFF60\uFF61\uFFE6\uFFE8\u115F\u1160\uD7A3\uFE4F"
                          "\r4 \u2E80\uFF01\uFF60\uFF61\uFFE6\uFFE8\u115F\u1160\uD7A3\uFE4F%1")
        << 18;
}

namespace {

// The progress line as a catalog gives it.
class ProgressTranslation : public QTranslator
{
public:
    explicit ProgressTranslation(const QString &line) : m_line(line) {}
    QString translate(const char *context, const char *, const char *, int) const override
    {
        return qstrcmp(context, "ReportProgress") == 0 ? m_line : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QString m_line;
};

} // namespace

// On a terminal a run past a second shows its progress, at most ten times a
// second, and clears it at the end; nowhere else does it show.
void TestReportCommand::progressLine()
{
    QFETCH(bool, terminal);
    QFETCH(QList<int>, times);
    QFETCH(bool, counted);
    QFETCH(QString, translation);
    QFETCH(QString, shown);
    QFETCH(int, columns);
    ProgressTranslation translator(translation);
    if (!translation.isEmpty())
        QCoreApplication::installTranslator(&translator);
    QString text;
    QTextStream err(&text);
    qsizetype tick = 0;
    const locale_t threadLocale = uselocale(locale_t(nullptr));
    {
        ReportProgress progress(
            err, terminal, [&] { return qint64(times.at(tick)); }, counted ? times.size() - 1 : -1);
        for (tick = 1; tick < times.size(); ++tick)
            progress.show(tick);
    }
    err.flush();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(text, shown.replace("%1", "\r" + QString(columns, ' ') + "\r"));
    QCOMPARE(uselocale(locale_t(nullptr)), threadLocale); // measured in UTF-8, then put back
}

// The line is out on the terminal (not held in the stream) while the next
// reading is still awaited.
void TestReportCommand::progressShowsWhileTheRunGoesOn_data()
{
    QTest::addColumn<bool>("outputTerminal");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("shown");
    QTest::newRow("reports into a pipe") << false << QStringList() << true;
    QTest::newRow("reports on the same terminal") << true << QStringList() << false;
    QTest::newRow("JSON on the same terminal, the PDF to a file")
        << true << QStringList{"--json", "--pdf", "%1/p.pdf"} << false;
    QTest::newRow("a PDF file, the terminal free")
        << true << QStringList{"--pdf", "%1/p.pdf"} << true;
}

void TestReportCommand::progressShowsWhileTheRunGoesOn()
{
    QFETCH(bool, outputTerminal);
    QFETCH(QStringList, options);
    QFETCH(bool, shown);
    options.replaceInStrings("%1", m_folder.path());
    QString text;
    QTextStream out(&text);
    QBuffer terminal;
    terminal.open(QIODevice::WriteOnly);
    QTextStream err(&terminal);
    QByteArray shownWhileWaiting;
    EndlessInput anna(fileBytes(m_folder.filePath("anna.qnr")), false);
    ProbedInput input(anna, [&] { shownWhileWaiting = terminal.data(); });
    qint64 now = 0;
    ReportCommand command;
    command.setStandardInput(&input);
    command.setProgressTerminal(true, [&] { return now += 1500; });
    if (outputTerminal) // not one unless told
        command.setOutputTerminal(true);
    QCOMPARE(command.run(options << m_folder.filePath("anna.qnr") << "-", out, err), 0);
    QCOMPARE(shownWhileWaiting.contains("numorra-report: 1 of 2 readings"), shown);
}

// A name from a file someone sent drives no terminal: its control characters
// show as U+FFFD there.
void TestReportCommand::terminalIsNotDriven()
{
    QString text, messages;
    QTextStream out(&text), err(&messages);
    ReportCommand command;
    command.setOutputTerminal(true);
    command.setProgressTerminal(true);
    command.run(detailsArguments("A\x1b[2J\u009b\tB", "5", "March", "1980"), out, err);
    command.run({"--name", "Bo", "--date", "\a"}, out, err);
    QCOMPARE(command.run({"--name", "Cy", "--pdf", "/dev/stdout"}, out, err), 2);
    command.run({"--json", "--name", "A\x1b\u007f\u009b", "--date", "1980-03-05"}, out, err);
    QVERIFY(text.contains("A\uFFFD[2J\uFFFD\tB"));
    QVERIFY(text.contains(R"("name": "A\u001b\u007f\u009b")"));
    QVERIFY(messages.contains("not \"\uFFFD\""));
}

void TestReportCommand::failedStepIsReported_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1 the folder
    QTest::addColumn<QString>("where");         // what the message names first
    QTest::newRow("details") << QStringList{"--name", "Anna Lee", "--date", "1980-03-05"} << "";
    QTest::newRow("a file") << QStringList{"%1/anna.qnr"} << "%1/anna.qnr: ";
    QTest::newRow("JSON of a file") << QStringList{"--json", "%1/anna.qnr"} << "%1/anna.qnr: ";
}

// A step that fails is named on standard error with status 1; the reading is
// still written with what the other steps wrote, as the window shows it.
void TestReportCommand::failedStepIsReported()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, where);
    for (QString &argument : arguments)
        argument.replace("%1", m_folder.path());
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    ReportCommand command([](const PersonalDetails &details, ReadingResults &results) {
        CalculationStepList steps = CalculationSteps::engineSteps(details, results);
        steps[1].run = [] {
            throw std::runtime_error("made to fail");
        };
        return steps;
    });
    outcome.status = command.run(arguments, out, err);
    out.flush();
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err, "numorra-report: " + where.replace("%1", m_folder.path()) +
                              "the calculation step ShowFengShuiProfile failed: made to fail\n");
    // The profile step wrote nothing; the birth chart after it still ran.
    if (arguments.contains("--json")) {
        const QJsonObject json = QJsonDocument::fromJson(outcome.out.toUtf8()).object();
        QCOMPARE(json["fengShui"]["group"].toString(), ReadingResults::designGroupCaption());
        QCOMPARE(json["favourable"].toArray().size(), 5);
    } else {
        QVERIFY(outcome.out.contains("Most Favorable Number"));
    }
}

void TestReportCommand::listReadAsTheDetailsGiven_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("readings"); // each reading's name and date, in turn
    const QByteArray wang = "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E";
    QTest::newRow("LibreOffice: a header, quotes, a blank row")
        << QByteArray(
               "Name,Date of Birth,Notes\n\"Lee, \"\"Bo\"\"\",1911-01-01,\"two\nlines\"\n,,\n"
               "Jos\xC3\xA9 M\xC3\xBCller,1980-03-05,\n")
        << QStringList{"Lee, \"Bo\"", "1911-01-01", "Jos\u00E9 M\u00FCller", "1980-03-05"};
    QTest::newRow("Excel: byte-order mark, semicolons, the columns in another order")
        << "\xEF\xBB\xBFYear;Month;Birth Day;Name;\"Notes (phone, e-mail, address, age, etc.)\"\r\n"
           "1980;march;05;Anna Lee\r\n2000;2;29;" +
               wang + "\r\n"
        << QStringList{"Anna Lee", "1980-03-05", "\u738B\u5C0F\u660E", "2000-02-29"};
    QTest::newRow("Google Sheets: no header, the locale's short date, no last line end")
        << "Anna Lee,5/3/1980\r\nBo,1/1/1900\r\nCy,5 Mar 1980\r\n" + wang + ",31/12/2050"
        << QStringList{"Anna Lee",   "1980-03-05",         "Bo",        "1900-01-01", "Cy",
                       "1980-03-05", "\u738B\u5C0F\u660E", "2050-12-31"};
    QTest::newRow("Excel, no header: as many commas as semicolons")
        << QByteArray("\xEF\xBB\xBFLee, Anna;1980-03-05\r\n")
        << QStringList{"Lee, Anna", "1980-03-05"};
    QTest::newRow("empty lines before the header, semicolons, the leap day of 1900")
        << QByteArray("\r\n\nName;Date of Birth\r\nFlo;1900-02-29\r\n")
        << QStringList{"Flo", "1900-02-29"};
    QTest::newRow("tabs, no header, day, month and year")
        << QByteArray("Anna; Lee\t5\tMarch\t1980\rBo \"Bobby\"\t01\t1\t1911")
        << QStringList{"Anna; Lee", "1980-03-05", "Bo \"Bobby\"", "1911-01-01"};
}

// Each row gives the report of the same details given as options.
void TestReportCommand::listReadAsTheDetailsGiven()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, readings);
    const QString path = m_folder.filePath("list.csv");
    writeBytes(path, list);
    QStringList expected;
    for (qsizetype index = 0; index < readings.size(); index += 2)
        expected
            << runCommand({"--name", readings.at(index), "--date", readings.at(index + 1)}).out;
    const Outcome outcome = runCommand({"--list", path});
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, expected.join("\f\n"));
}

// bg_BG writes "г." (year) after its short date, which a list may hold too.
void TestReportCommand::shortDateWithTheWordsOfItsFormat()
{
    DetailsEntry entry;
    QVERIFY(entry.setShortDate(QString::fromUtf8("5.03.1980 г."), QLocale("bg_BG")));
    QCOMPARE(entry.isoDate(), "1980-03-05");
    QVERIFY(!entry.setShortDate(QString::fromUtf8("5.03.1980 гг."), QLocale("bg_BG")));
    // Persian writes its own digits.
    QVERIFY(entry.setShortDate(QString::fromUtf8("۱۹۸۰/۳/۲۹"), QLocale("fa_IR")));
    QCOMPARE(entry.isoDate(), "1980-03-29");
}

void TestReportCommand::listBadRowsTold_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<bool>("endless"); // given again and again on standard input
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<int>("readings"); // the rows still done
    const QString date =
        "the date of birth must be YYYY-MM-DD or dd/MM/yyyy, from 1900 to 2050, not ";
    const QString notAList = "not a client list: ";
    QTest::newRow("the main window's checks")
        << QByteArray("Name,Date\n,1980-03-05\nAl,2001-02-29\nBo,31/04/1980\n  ,1980-02-29\nCy\n")
        << false
        << QStringList{"row 2: Please Enter Your Name",
                       "row 3: Please Enter Correct Date Or Month!",
                       "row 4: Please Enter Correct Date Or Month !", "row 6: " + date + "\"\""}
        << 1;
    QTest::newRow("dates and a name the main window lacks")
        << "Al,05/03/80\r\nBo,1980-13-01\r\n" + QByteArray(32768, 'n') + ",1980-03-05\r\n" +
               QByteArray(32767, 'n') + ",1980-03-05\r\n" + QByteArray(1048564, 'n') +
               ",1980-03-05\r\n" // a row of 1 MiB, its CR included
        << false
        << QStringList{"row 1: " + date + "\"05/03/80\"", "row 2: " + date + "\"1980-13-01\"",
                       "row 3: the name is longer than the 32767 characters the name field holds",
                       "row 5: the name is longer than the 32767 characters the name field holds"}
        << 1;
    QTest::newRow("day, month, year and name out of the lists")
        << QByteArray("Name;Day;Month;Year\nA;32;May;1980\nB;5;Smarch;1980\nC;5;May;1899\n\"D\nE\";"
                      "5;May;2050")
        << false
        << QStringList{"row 2: the day of birth must be 1 to 31, not \"32\"",
                       "row 3: the month of birth must be its English name or 1 to 12, not "
                       "\"Smarch\"",
                       "row 4: the year of birth must be 1900 to 2050, not \"1899\"",
                       "row 5: the name must be one line: it holds a line break"}
        << 0;
    QTest::newRow("no header, no date in the first row: the next row tells the columns")
        << QByteArray("Anna;;;\nBo;5;March;1980\nCy;6;7;1990\n") << false
        << QStringList{"row 1: " + date + "\"\""} << 2;
    QTest::newRow("a header, the date first, a row without a name")
        << QByteArray("Date,Name\n1980-03-05,\n1980-03-05,Al\n") << false
        << QStringList{"row 2: Please Enter Your Name"} << 1;
    QTest::newRow("a quote never closed: the rows before it done")
        << QByteArray("Anna,1980-03-05\n\"Bo,1911-01-01\nCy,1911-01-01\n") << false
        << QStringList{"row 2: " + notAList + "a quote opened in this row is never closed"} << 1;
    const QStringList notText{"row 2: " + notAList +
                              "it holds bytes that are not UTF-8 text (a "
                              "spreadsheet saves it as \"CSV UTF-8\")"};
    QTest::newRow("binary") << QByteArray("\n\x03\x04\x14\0\0\0", 7) << false << notText << 0;
    QTest::newRow("Latin-1") << QByteArray("Name,Date\nJos\xE9,1980-03-05\n") << false << notText
                             << 0;
    QTest::newRow("a million columns")
        << "Name,Date\n" + QByteArray(1000000, ',') << false
        << QStringList{"row 2: " + notAList + "a row has more than 1000 columns"} << 0;
    QTest::newRow("an endless line")
        << QByteArray("x") << true
        << QStringList{"row 1: " + notAList + "a row is longer than 1048576 bytes"} << 0;
    QTest::newRow("a header without the date")
        << QByteArray("Name,Phone\nAnna,555\n") << false
        << QStringList{"row 1: " + notAList +
                       "its header names no Name column, or no Date of Birth column (or Day, Month "
                       "and Year)"}
        << 0;
}

// A row that fails is told by its number, in JSON too, and the other rows are
// done; a file that is no list stops with one message, having read no more
// than a row's worth past the limit.
void TestReportCommand::listBadRowsTold()
{
    QFETCH(QByteArray, list);
    QFETCH(bool, endless);
    QFETCH(QStringList, errors);
    QFETCH(int, readings);
    writeBytes(m_folder.filePath("list.csv"), list);
    const QString path = endless ? "-" : m_folder.filePath("list.csv");
    EndlessInput input(list, endless);
    const Outcome outcome = runCommand({"--json", "--list", path}, &input);
    QString told;
    for (const QString &error : errors)
        told += "numorra-report: " + path + ": " + error + "\n";
    QCOMPARE(outcome.err, told);
    QCOMPARE(outcome.status, errors.isEmpty() ? 0 : 1);
    QVERIFY(input.taken < 2 * 1024 * 1024);
    const QJsonArray entries = QJsonDocument::fromJson(outcome.out.toUtf8()).array();
    QCOMPARE(entries.size(), readings + errors.size());
    QStringList inJson;
    for (const QJsonValue &entry : entries) {
        if (entry["error"].isString())
            inJson << QString("row %1: ").arg(entry["row"].toInt()) + entry["error"].toString();
    }
    QCOMPARE(inJson, errors);
}

// --save writes a file for each reading that opens as the row: a Chinese
// name whole, on the fifth line; a name already taken gets a new one, and a
// file that cannot be written is told and removed, leaving what was there.
void TestReportCommand::savedFilesOpenAsTheRows()
{
    const QString folder = m_folder.filePath("saved");
    QVERIFY(QDir().mkpath(folder));
    const QString list = m_folder.filePath("clients.csv");
    const QString wang(40, u'\u738B'); // 120 bytes, as many as a file name takes
    writeBytes(list,
               "Name,Date\nAnna Lee,1980-03-05\n" + wang.toUtf8() +
                   "x,2000-02-29\nAnna Lee,1980-03-05\n..\xC2\x85/x,1911-01-01\n  ,1911-01-01\n");
    writeBytes(folder + "/Anna Lee 1980-03-05 row 2.qnr", "old");
    Outcome outcome = runCommand({"--list", list, "--save", folder, "--verbose", "--json"});
    QCOMPARE(outcome.status, 0);
    const QStringList names{"Anna Lee 1980-03-05 row 2 (2).qnr", wang + " 2000-02-29 row 3.qnr",
                            "Anna Lee 1980-03-05 row 4.qnr", "_.__x 1911-01-01 row 5.qnr",
                            "1911-01-01 row 6.qnr"};
    const QJsonArray entries = QJsonDocument::fromJson(outcome.out.toUtf8()).array();
    QString told;
    for (qsizetype index = 0; index < names.size(); ++index) {
        const QString path = folder + "/" + names.at(index);
        told +=
            QString("numorra-report: %1: row %2: saved as %3\n").arg(list).arg(index + 2).arg(path);
        QCOMPARE(entries.at(index)["saved"].toString(), path);
        const QString name = entries.at(index)["name"].toString();
        QCOMPARE(
            runCommand({path}).out,
            runCommand({"--name", name, "--date", entries.at(index)["birthDate"].toString()}).out);
    }
    QCOMPARE(outcome.err, told);
    QCOMPARE(fileBytes(folder + "/Anna Lee 1980-03-05 row 2.qnr"), QByteArray("old"));
    {
        const FileSizeLimit limit(0);
        outcome = runCommand({"--list", list, "--save", folder, "--json"});
    }
    QVERIFY(QJsonDocument::fromJson(outcome.out.toUtf8())[0]["saved"].isNull());
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.err.section('\n', 0, 0), "numorra-report: " + list + ": row 2: " + folder +
                                                  "/Anna Lee 1980-03-05 row 2 (3).qnr: cannot be "
                                                  "written: File too large");
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), names.size() + 1);
    // Without --verbose, nothing told; the thousandth name is the last tried.
    const QStringList bo{"--name", "Bo", "--date", "1911-01-01", "--save", folder};
    writeBytes(folder + "/Bo 1911-01-01.qnr", "");
    for (int copy = 2; copy < 1000; ++copy)
        writeBytes(folder + QString("/Bo 1911-01-01 (%1).qnr").arg(copy), "");
    QCOMPARE(runCommand(bo).err, QString());
    QCOMPARE(runCommand(bo).err, "numorra-report: " + folder +
                                     "/Bo 1911-01-01 (1000).qnr: cannot be written: that name and "
                                     "the 999 before it are all taken\n");
}

QTEST_MAIN(TestReportCommand)
#include "TestReportCommand.moc"
