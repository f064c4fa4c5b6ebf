#include "cli/ReportOptions.h"
#include "files/AtomicFile.h"
#include "files/FileArgument.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <unistd.h>

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
const QString kList = QStringLiteral("list");
const QString kJson = QStringLiteral("json");
const QString kPdf = QStringLiteral("pdf");
const QString kSave = QStringLiteral("save");
const QString kVerbose = QStringLiteral("verbose");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

// The options that take a value, each at most once.
const QString *const kValueOptions[] = {&kPdf,  &kName, &kDay,  &kMonth,
                                        &kYear, &kDate, &kList, &kSave};

// The groups of options in the help, each with a note after its options.
struct HelpSection
{
    const char *heading;
    const char *note;
};

const HelpSection kHelpSections[] = {
    {QT_TRANSLATE_NOOP("ReportOptions", "Details, as the main window takes them:"),
     QT_TRANSLATE_NOOP("ReportOptions",
                       "A saved reading is opened as the Open button opens it: each of its day, "
                       "month\nand year that is not an entry of the lists leaves that list at its "
                       "default.\n")},
    {QT_TRANSLATE_NOOP("ReportOptions", "Client list:"),
     QT_TRANSLATE_NOOP(
         "ReportOptions",
         "A client list is text in UTF-8 (with or without a byte-order mark), one row a\n"
         "line, its cells parted by commas, semicolons or tabs (the one its first row\n"
         "uses) and quoted as spreadsheets quote them. Its columns: the name, then the\n"
         "date of birth (YYYY-MM-DD, or the short date of the user's locale with a\n"
         "four-digit year) or the day, month and year, as --day, --month and --year\n"
         "take them. A first row naming the columns (Name, Date of Birth, or Day,\n"
         "Month, Year) is a header, which may give them in any order; other columns\n"
         "are left out. Each row is checked as the main window checks the details; a\n"
         "row that fails is told with its number, and the other rows are still done.\n"
         "With a header, and without one:\n"
         "  Name,Date of Birth,Phone         Anna Lee;5;March;1980\n"
         "  Anna Lee,1980-03-05,555 0101     \"Lee, Bo\";1;1;1911\n")},
    {QT_TRANSLATE_NOOP("ReportOptions", "Output:"), nullptr},
};

// An option, the name of its value (none for a switch), its help and group.
struct OptionText
{
    QStringList names;
    const char *valueName;
    const char *description;
    int section;
};

const OptionText kOptions[] = {
    {{kName},
     "NAME",
     QT_TRANSLATE_NOOP("ReportOptions",
                       "the name, on one line; leading and trailing spaces are\ndropped"),
     0},
    {{kDate},
     "YYYY-MM-DD",
     QT_TRANSLATE_NOOP("ReportOptions", "date of birth, 1900-01-01 to 2050-12-31; or, apart:"),
     0},
    {{kDay}, "D", QT_TRANSLATE_NOOP("ReportOptions", "day of birth, 1 to 31 (default 1)"), 0},
    {{kMonth},
     "MONTH",
     QT_TRANSLATE_NOOP("ReportOptions", "month of birth: its English name in any case, or 1 to "
                                        "12\n(default January)"),
     0},
    {{kYear},
     "YYYY",
     QT_TRANSLATE_NOOP("ReportOptions", "year of birth, 1900 to 2050 (default 1970)"),
     0},
    {{kList},
     "LIST.csv",
     QT_TRANSLATE_NOOP("ReportOptions", "a reading for each row of LIST.csv, a spreadsheet saved "
                                        "as\nCSV (below); - reads the list from standard input"),
     1},
    {{kJson},
     nullptr,
     QT_TRANSLATE_NOOP("ReportOptions", "print the reading as JSON (below) instead of the report"),
     2},
    {{kPdf},
     "OUT.pdf",
     QT_TRANSLATE_NOOP("ReportOptions",
                       "write the report as printed to OUT.pdf, not to standard\n"
                       "output (with --json, the JSON still goes there); each\n"
                       "reading starts a new page. An existing OUT.pdf is replaced\n"
                       "only once the new one is complete, and is left as it was\n"
                       "if that fails. --pdf - writes the PDF to standard output."),
     2},
    {{kSave},
     "FOLDER",
     QT_TRANSLATE_NOOP("ReportOptions",
                       "also save each reading in FOLDER as a reading file (.qnr)\n"
                       "that Numorra opens, named after the name, the date of birth\n"
                       "and the row of the list; no file there is ever replaced"),
     2},
    {{kVerbose},
     nullptr,
     QT_TRANSLATE_NOOP("ReportOptions", "name each reading file saved, on standard error"),
     2},
    {{QStringLiteral("h"), kHelp},
     nullptr,
     QT_TRANSLATE_NOOP("ReportOptions", "print this help"),
     2},
    {{kVersion},
     nullptr,
     QT_TRANSLATE_NOOP("ReportOptions", "print the version, with the package's name"),
     2},
};

// What follows the options in the help.
const char *const kHelpNotes[] = {
    QT_TRANSLATE_NOOP(
        "ReportOptions",
        "The report is printed with LF line ends; several reports are parted by a line\n"
        "holding a form feed. The date of birth is written in the short date format of\n"
        "the user's locale (LC_ALL, LC_TIME, LANG) with a four-digit year. No display is\n"
        "needed, not even for the PDF. When standard error is a terminal that the\n"
        "readings do not go to, a run that lasts over a second shows its progress there.\n"),
    QT_TRANSLATE_NOOP(
        "ReportOptions",
        "JSON: one object per reading, or an array with one entry per file or row, in\n"
        "order, when more than one file is named or a list is read; a file or row that\n"
        "fails is an entry {\"error\": REASON, \"file\": FILE}, with \"row\": N for a row.\n"
        "The keys come in alphabetical order:\n"
        "  {\n"
        "    \"birthDate\": \"1980-03-05\",      ISO 8601\n"
        "    \"birthDigits\": \"531980\",        day, month number and year, as counted\n"
        "    \"counts\": {\"1\": 1, \"2\": 0, ..., \"9\": 1},\n"
        "                                    occurrences of each number in the digits\n"
        "    \"favourable\": [                 the most favourable numbers, ascending\n"
        "      {\"number\": 1, \"occurrences\": 1, \"direction\": \"North\"}, ...\n"
        "    ],                              (direction is null for 5, which has none)\n"
        "    \"fengShui\": {\"number\": 2, \"group\": \"West\", \"element\": \"Earth\",\n"
        "                 \"trigram\": \"Kun\"},\n"
        "    \"file\": \"anna.qnr\",             the reading file or list, null for --name\n"
        "    \"name\": \"Anna Lee\",             the name as calculated\n"
        "    \"row\": 2,                       the row of the list (--list only)\n"
        "    \"saved\": \"out/Anna Lee 1980-03-05.qnr\"\n"
        "                                    the file saved (--save only; null when it\n"
        "                                    could not be written)\n"
        "  }\n"),
    QT_TRANSLATE_NOOP(
        "ReportOptions",
        "Exit status:\n"
        "  0  every report was written\n"
        "  1  a file or list is missing, unreadable, a folder, not named *qnr or not a\n"
        "     saved reading or a list, a row of the list is refused (with the program's\n"
        "     own message) or holds a date the lists lack, a reading could not be\n"
        "     saved, the output could not be written, no installed font can draw a\n"
        "     character of a name in the PDF (it shows a box there; the character is\n"
        "     named), or a step of a calculation failed (it is named); the other files\n"
        "     and rows are still reported\n"
        "  2  a usage error, a date the lists do not hold, a name with a line break, or\n"
        "     details the program refuses, with its own message (\"Please Enter Your\n"
        "     Name\", \"Please Enter Correct Date Or Month!\")\n"
        "When several files fail, the status is the highest of theirs.\n"),
};

// Help texts start in this column; option names that leave less than two
// blanks before it have theirs on a line of their own.
constexpr int kDescriptionColumn = 19;

QString optionHelp(const OptionText &option)
{
    QStringList names;
    for (const QString &name : option.names)
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString head = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (option.valueName)
        head += QLatin1Char(' ') + QLatin1String(option.valueName);
    const QString indent(kDescriptionColumn, QLatin1Char(' '));
    head = head.size() + 2 <= kDescriptionColumn ? head.leftJustified(kDescriptionColumn)
                                                 : head + QLatin1Char('\n') + indent;
    return head +
           translated(option.description).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) +
           QLatin1Char('\n');
}

void addOptions(QCommandLineParser &parser)
{
    for (const OptionText &option : kOptions) {
        parser.addOption(option.valueName ? QCommandLineOption(option.names, QString(),
                                                               QLatin1String(option.valueName))
                                          : QCommandLineOption(option.names));
    }
    // "-colour" is one unknown option, not six.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

std::nullopt_t fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return std::nullopt;
}

QString notAmong(const QString &option, const char *range, const QString &value)
{
    return translated(QT_TRANSLATE_NOOP("ReportOptions", "--%1 must be %2, not \"%3\""))
        .arg(option, translated(range), value);
}

// The list positions of --day, --month and --year, or of --date; false, with
// the reason, for a value no list holds. A day the month lacks (31 April) is
// left to the program's own rule, as in the main window.
bool readDate(const QCommandLineParser &parser, DetailsEntry &entry, QString *error)
{
    if (parser.isSet(kDate)) {
        if (entry.setIsoDate(parser.value(kDate)))
            return true;
        fail(error, notAmong(kDate,
                             QT_TRANSLATE_NOOP("ReportOptions",
                                               "a date YYYY-MM-DD from 1900-01-01 to 2050-12-31"),
                             parser.value(kDate)));
        return false;
    }
    if (parser.isSet(kDay))
        entry.dayIndex = DetailsEntry::dayIndexOf(parser.value(kDay));
    if (parser.isSet(kMonth))
        entry.monthIndex = DetailsEntry::monthIndexOf(parser.value(kMonth));
    if (parser.isSet(kYear))
        entry.yearIndex = DetailsEntry::yearIndexOf(parser.value(kYear));
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
    for (const QString *name : kValueOptions) {
        if (parser.values(*name).size() > 1)
            return *name;
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
    if (options.json && options.pdfToStandardOutput())
        return translated(QT_TRANSLATE_NOOP(
            "ReportOptions", "--json and --pdf - cannot both go to standard output"));
    if (parser.isSet(kDate) && (parser.isSet(kDay) || parser.isSet(kMonth) || parser.isSet(kYear)))
        return translated(QT_TRANSLATE_NOOP("ReportOptions",
                                            "give the date of birth either as --date or as --day, "
                                            "--month and --year, not both"));
    if (parser.isSet(kSave) && options.saveFolder.isEmpty())
        return translated(
            QT_TRANSLATE_NOOP("ReportOptions", "--save needs the folder to save the readings in"));
    if (parser.isSet(kList) && (options.detailsGiven || !options.files.isEmpty()))
        return translated(QT_TRANSLATE_NOOP("ReportOptions",
                                            "--list takes the details from the list: give no "
                                            "other details or reading files with it"));
    if (options.detailsGiven && !options.files.isEmpty())
        return translated(QT_TRANSLATE_NOOP("ReportOptions",
                                            "give either the details (--name, --date or --day, "
                                            "--month, --year) or reading files, not both"));
    if (!options.detailsGiven && options.files.isEmpty() && !parser.isSet(kList))
        return translated(QT_TRANSLATE_NOOP("ReportOptions",
                                            "nothing to report: give --name and the date of "
                                            "birth, reading files or --list"));
    if (parser.isSet(kList) && options.listPath.isEmpty())
        return translated(QT_TRANSLATE_NOOP("ReportOptions", "--list needs the name of the list "
                                                             "to read, or - for standard input"));
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

bool ReportOptions::pdfToStandardOutput() const
{
    return pdfPath == kStandardStream || AtomicFile::descriptorNamed(pdfPath) == STDOUT_FILENO;
}

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
    options.verbose = parser.isSet(kVerbose);
    options.pdfPath = FileArgument::path(parser.value(kPdf));
    options.saveFolder = FileArgument::path(parser.value(kSave));
    options.listPath = FileArgument::path(parser.value(kList));
    for (const QString &file : parser.positionalArguments())
        options.files.append(FileArgument::path(file));
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
    QString text = translated(QT_TRANSLATE_NOOP(
        "ReportOptions",
        "Usage: numorra-report [OPTION]... --name NAME [--date YYYY-MM-DD]\n"
        "       numorra-report [OPTION]... --name NAME [--day D] [--month M] [--year Y]\n"
        "       numorra-report [OPTION]... FILE.qnr...\n"
        "       numorra-report [OPTION]... --list LIST.csv\n"
        "\n"
        "Prints the report of a Chinese numerology reading, exactly as Numorra's report\n"
        "preview shows it, for the details given, for each saved reading (.qnr file;\n"
        "- reads one from standard input) or for each row of a client list.\n"));
    for (const HelpSection &section : kHelpSections) {
        text += QLatin1Char('\n') + translated(section.heading) + QLatin1Char('\n');
        for (const OptionText &option : kOptions) {
            if (option.section == &section - kHelpSections)
                text += optionHelp(option);
        }
        if (section.note)
            text += translated(section.note);
    }
    for (const char *note : kHelpNotes)
        text += QLatin1Char('\n') + translated(note);
    return text;
}

QString ReportOptions::versionText()
{
    return QStringLiteral("numorra-report (") + QLatin1String(NUMORRA_PACKAGE) +
           QStringLiteral(") ") + QLatin1String(NUMORRA_VERSION) + QLatin1Char('\n');
}
