#include "cli/ReportOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("ReportOptions", text);
}

const QString kName = QStringLiteral("name");
const QString kDay = QStringLiteral("day");
const QString kMonth = QStringLiteral("month");
const QString kYear = QStringLiteral("year");
const QString kDate = QStringLiteral("date");
const QString kJson = QStringLiteral("json");
const QString kPdf = QStringLiteral("pdf");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

void addOptions(QCommandLineParser &parser)
{
    parser.addOption({{QStringLiteral("h"), kHelp}, QString()});
    parser.addOption({kVersion, QString()});
    parser.addOption({kJson, QString()});
    for (const QString &name : {kPdf, kName, kDay, kMonth, kYear, kDate})
        parser.addOption({name, QString(), QStringLiteral("value")});
    // "-colour" is one unknown option, not six.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

std::nullopt_t fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return std::nullopt;
}

// The position of a whole number `first` to `last` written in decimal digits
// (leading zeros allowed), or -1.
int numberPosition(const QString &text, int first, int last)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return -1;
    const int value = text.toInt();
    return value >= first && value <= last ? value - first : -1;
}

// An English month name in any case, or its number 1 to 12.
int monthPosition(const QString &text)
{
    const QStringList &names = PersonalDetailsRules::monthItems();
    for (int index = 0; index < names.size(); ++index) {
        if (names.at(index).compare(text, Qt::CaseInsensitive) == 0)
            return index;
    }
    return numberPosition(text, 1, 12);
}

QString notAmong(const QString &option, const char *range, const QString &value)
{
    return translated(QT_TRANSLATE_NOOP("ReportOptions", "--%1 must be %2, not \"%3\""))
        .arg(option, translated(range), value);
}

// The list positions of --date YYYY-MM-DD; false for a day, month or year no
// list holds, or another form.
bool readIsoDate(const QString &text, DetailsEntry &entry)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch parts = form.match(text);
    if (!parts.hasMatch())
        return false;
    entry.yearIndex = numberPosition(parts.captured(1), 1900, 2050);
    entry.monthIndex = numberPosition(parts.captured(2), 1, 12);
    entry.dayIndex = numberPosition(parts.captured(3), 1, 31);
    return entry.yearIndex >= 0 && entry.monthIndex >= 0 && entry.dayIndex >= 0;
}

// The list positions of --day, --month and --year, or of --date; false, with
// the reason, for a value no list holds. A day the month lacks (31 April) is
// left to the program's own rule, as in the main window.
bool readDate(const QCommandLineParser &parser, DetailsEntry &entry, QString *error)
{
    if (parser.isSet(kDate)) {
        if (readIsoDate(parser.value(kDate), entry))
            return true;
        fail(error, notAmong(kDate,
                             QT_TRANSLATE_NOOP("ReportOptions",
                                               "a date YYYY-MM-DD from 1900-01-01 to 2050-12-31"),
                             parser.value(kDate)));
        return false;
    }
    if (parser.isSet(kDay))
        entry.dayIndex = numberPosition(parser.value(kDay), 1, 31);
    if (parser.isSet(kMonth))
        entry.monthIndex = monthPosition(parser.value(kMonth));
    if (parser.isSet(kYear))
        entry.yearIndex = numberPosition(parser.value(kYear), 1900, 2050);
    QString problem;
    if (entry.dayIndex < 0)
        problem =
            notAmong(kDay, QT_TRANSLATE_NOOP("ReportOptions", "a day 1 to 31"), parser.value(kDay));
    else if (entry.monthIndex < 0)
        problem = notAmong(kMonth,
                           QT_TRANSLATE_NOOP("ReportOptions",
                                             "a month name (January to December) or a number 1 "
                                             "to 12"),
                           parser.value(kMonth));
    else if (entry.yearIndex < 0)
        problem = notAmong(kYear, QT_TRANSLATE_NOOP("ReportOptions", "a year 1900 to 2050"),
                           parser.value(kYear));
    if (problem.isEmpty())
        return true;
    fail(error, problem);
    return false;
}

QString repeatedOption(const QCommandLineParser &parser)
{
    for (const QString &name : {kPdf, kName, kDay, kMonth, kYear, kDate}) {
        if (parser.values(name).size() > 1)
            return name;
    }
    return {};
}

// The parser's complaint, naming an unknown option as it was typed.
QString parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    for (const QString &argument : arguments) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (option.startsWith(QLatin1Char('-')) &&
            QStringView(option).mid(option.startsWith(QLatin1String("--")) ? 2 : 1) ==
                unknown.constFirst())
            return translated(QT_TRANSLATE_NOOP("ReportOptions", "unknown option '%1'"))
                .arg(option);
    }
    return parser.errorText();
}

// What makes the options unusable together, if anything.
QString conflict(const QCommandLineParser &parser, const ReportOptions &options)
{
    if (parser.isSet(kPdf) && options.pdfPath.isEmpty())
        return translated(QT_TRANSLATE_NOOP("ReportOptions", "--pdf needs the name of the file to "
                                                             "write, or - for standard output"));
    if (options.json && options.pdfPath == ReportOptions::kStandardStream)
        return translated(QT_TRANSLATE_NOOP(
            "ReportOptions", "--json and --pdf - cannot both go to standard output"));
    if (parser.isSet(kDate) && (parser.isSet(kDay) || parser.isSet(kMonth) || parser.isSet(kYear)))
        return translated(QT_TRANSLATE_NOOP("ReportOptions",
                                            "give the date of birth either as --date or as --day, "
                                            "--month and --year, not both"));
    if (options.detailsGiven && !options.files.isEmpty())
        return translated(QT_TRANSLATE_NOOP("ReportOptions",
                                            "give either the details (--name, --date or --day, "
                                            "--month, --year) or reading files, not both"));
    if (!options.detailsGiven && options.files.isEmpty())
        return translated(QT_TRANSLATE_NOOP("ReportOptions",
                                            "nothing to report: give --name and the date of "
                                            "birth, or reading files"));
    if (options.details.nameText.size() > DetailsEntry::kNameFieldLength)
        return translated(QT_TRANSLATE_NOOP("ReportOptions", "the name is longer than the %1 "
                                                             "characters the name field holds"))
            .arg(DetailsEntry::kNameFieldLength);
    // The main window puts such a name on one line; here it is refused.
    if (PersonalDetailsRules::oneLine(options.details.nameText) != options.details.nameText)
        return translated(
            QT_TRANSLATE_NOOP("ReportOptions", "--name must be one line: it holds a line break"));
    return {};
}

} // namespace

std::optional<ReportOptions> ReportOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("numorra-report")} + arguments))
        return fail(error, parseError(parser, arguments));
    if (const QString name = repeatedOption(parser); !name.isEmpty())
        return fail(error,
                    translated(QT_TRANSLATE_NOOP("ReportOptions", "--%1 is given more than once"))
                        .arg(name));

    ReportOptions options;
    options.help = parser.isSet(kHelp);
    options.version = parser.isSet(kVersion);
    options.json = parser.isSet(kJson);
    options.pdfPath = parser.value(kPdf);
    options.files = parser.positionalArguments();
    options.detailsGiven = parser.isSet(kName) || parser.isSet(kDay) || parser.isSet(kMonth) ||
                           parser.isSet(kYear) || parser.isSet(kDate);
    options.details.nameText = parser.value(kName);
    if (options.help || options.version)
        return options;
    if (const QString problem = conflict(parser, options); !problem.isEmpty())
        return fail(error, problem);
    if (options.detailsGiven && !readDate(parser, options.details, error))
        return std::nullopt;
    return options;
}

QString ReportOptions::helpText()
{
    return QCoreApplication::translate(
        "ReportOptions",
        R"(Usage: numorra-report [--json] [--pdf OUT.pdf] --name NAME [--date YYYY-MM-DD]
       numorra-report [--json] [--pdf OUT.pdf] --name NAME [--day D] [--month MONTH]
                      [--year YYYY]
       numorra-report [--json] [--pdf OUT.pdf] FILE.qnr...

Prints the report of a Chinese numerology reading, exactly as Numorra's report
preview shows it, for the details given or for each saved reading (.qnr file;
- reads one from standard input).

Details, as the main window takes them:
  --name NAME      the name, on one line; leading and trailing spaces are dropped
  --date YYYY-MM-DD
                   date of birth, 1900-01-01 to 2050-12-31; or, apart:
  --day D          day of birth, 1 to 31 (default 1)
  --month MONTH    month of birth: its English name in any case, or 1 to 12
                   (default January)
  --year YYYY      year of birth, 1900 to 2050 (default 1970)
A saved reading is opened as the Open button opens it: each of its day, month
and year that is not an entry of the lists leaves that list at its default.

Output:
  --json           print the reading as JSON (below) instead of the report
  --pdf OUT.pdf    write the report as printed to OUT.pdf, not to standard
                   output (with --json, the JSON still goes there); each reading
                   starts a new page. An existing OUT.pdf is replaced only once
                   the new one is complete, and is left as it was if that fails.
                   --pdf - writes the PDF to standard output.
  -h, --help       print this help
  --version        print the version, with the package's name

The report is printed with LF line ends; several reports are parted by a line
holding a form feed. The date of birth is written in the short date format of
the user's locale (LC_ALL, LC_TIME, LANG) with a four-digit year. No display is
needed, not even for the PDF. When standard error is a terminal, a run that
lasts over a second shows its progress there.

JSON: one object per reading, or an array with one entry per file, in the
order given, when more than one file is named; a file that fails is an entry
{"file": FILE, "error": REASON}. The keys come in alphabetical order:
  {
    "name": "Anna Lee",             the name as calculated
    "birthDate": "1980-03-05",      ISO 8601
    "birthDigits": "531980",        day, month number and year, as counted
    "counts": {"1": 1, "2": 0, ..., "9": 1},
                                    occurrences of each number in the digits
    "favourable": [                 the most favourable numbers, ascending
      {"number": 1, "occurrences": 1, "direction": "North"}, ...
    ],                              (direction is null for 5, which has none)
    "fengShui": {"number": 2, "group": "West", "element": "Earth",
                 "trigram": "Kun"},
    "file": "anna.qnr"              the reading file, or null for --name
  }

Exit status:
  0  every report was written
  1  a file is missing, unreadable, a folder, not named *qnr or not a saved
     reading, or the output could not be written, or no installed font can
     draw a character of a name in the PDF (it shows a box there; the
     character is named), or a step of a calculation failed (it is named);
     the other files are still reported
  2  a usage error, a date the lists do not hold, a name with a line break, or
     details the program refuses, with its own message ("Please Enter Your
     Name", "Please Enter Correct Date Or Month!")
When several files fail, the status is the highest of theirs.
)");
}

QString ReportOptions::versionText()
{
    return QStringLiteral("numorra-report (") + QLatin1String(NUMORRA_PACKAGE) +
           QStringLiteral(") ") + QLatin1String(NUMORRA_VERSION) + QLatin1Char('\n');
}
