#include "cli/ClientList.h"

#include "support/ShortDate.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

enum Column { NameColumn, DateColumn, DayColumn, MonthColumn, YearColumn, ColumnCount };

// The names a header may give each column, as keyOf() writes them.
const QStringList &aliases(int column)
{
    static const QStringList names[ColumnCount] = {
        {QStringLiteral("name"), QStringLiteral("fullname"), QStringLiteral("client"),
         QStringLiteral("clientname"), QStringLiteral("姓名"), QStringLiteral("名字")},
        {QStringLiteral("date"), QStringLiteral("dateofbirth"), QStringLiteral("birthdate"),
         QStringLiteral("birthday"), QStringLiteral("dob"), QStringLiteral("born"),
         QStringLiteral("出生日期"), QStringLiteral("生日")},
        // The main window's label "Birth Day" names the day.
        {QStringLiteral("day"), QStringLiteral("birthday"), QStringLiteral("dayofbirth"),
         QStringLiteral("日"), QStringLiteral("出生日")},
        {QStringLiteral("month"), QStringLiteral("birthmonth"), QStringLiteral("monthofbirth"),
         QStringLiteral("月"), QStringLiteral("月份"), QStringLiteral("出生月")},
        {QStringLiteral("year"), QStringLiteral("birthyear"), QStringLiteral("yearofbirth"),
         QStringLiteral("年"), QStringLiteral("年份"), QStringLiteral("出生年")},
    };
    return names[column];
}

// A column name without its blanks and punctuation, in lower case: "Date of
// Birth", "date_of_birth" and "DateOfBirth" are the same.
QString keyOf(const QString &cell)
{
    QString key;
    for (const QChar character : cell) {
        if (character.isLetterOrNumber())
            key.append(character.toCaseFolded());
    }
    return key;
}

QString cellAt(const QStringList &cells, int index)
{
    return index >= 0 && index < cells.size() ? cells.at(index) : QString();
}

bool isBlank(const QStringList &cells)
{
    for (const QString &cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

// A message in the user's language and in English, as --json gives it.
SavedReading::Problem problem(const char *context, const char *text,
                              const QStringList &arguments = {})
{
    SavedReading::Problem told{QCoreApplication::translate(context, text), QString::fromUtf8(text)};
    for (QString *message : {&told.text, &told.english}) {
        if (arguments.size() == 1)
            *message = message->arg(arguments.at(0));
        else if (arguments.size() == 2)
            *message = message->arg(arguments.at(0), arguments.at(1));
    }
    return told;
}

SavedReading::Problem problem(const char *text, const QStringList &arguments = {})
{
    return problem("ClientList", text, arguments);
}

} // namespace

ClientList::ClientList(QIODevice &device, const QLocale &locale, CsvReader::Limits limits)
    : m_reader(device, limits), m_locale(locale)
{}

SavedReading::Problem ClientList::unreadable(const QString &reason)
{
    return problem(QT_TRANSLATE_NOOP("ClientList", "cannot be read: %1"), {reason});
}

std::optional<ClientList::Row> ClientList::next()
{
    QStringList cells;
    while (!m_failure && m_reader.next(cells)) {
        if (isBlank(cells))
            continue;
        if (!m_columns && readHeader(cells))
            continue;
        const bool decided = m_columns.has_value();
        if (!decided) {
            // No header: the name, then a date, or a day (one or two digits),
            // a month and a year.
            static const QRegularExpression day(QStringLiteral("^[0-9]{1,2}$"));
            const bool apart = day.match(cellAt(cells, 1).trimmed()).hasMatch();
            m_columns = apart ? Columns{0, -1, 1, 2, 3} : Columns{0, 1, -1, -1, -1};
        }
        m_rowsGiven = true;
        const Row row = rowOf(cells);
        // A row without a date shows neither form: a later row decides.
        if (!decided && cellAt(cells, 1).trimmed().isEmpty())
            m_columns.reset();
        return row;
    }
    if (!m_failure)
        m_failure = readerFailure();
    m_failureRow = m_reader.row();
    if (!m_failure && !m_rowsGiven) {
        m_failure = problem(QT_TRANSLATE_NOOP("ClientList", "the list holds no client"));
        m_failureRow = 0;
    }
    return std::nullopt;
}

// Takes the row as the header when it names any column; a header that lacks
// the name or the date is no list of clients.
bool ClientList::readHeader(const QStringList &cells)
{
    int found[ColumnCount] = {-1, -1, -1, -1, -1};
    bool named = false;
    for (int index = 0; index < cells.size(); ++index) {
        const QString key = keyOf(cells.at(index));
        for (int column = 0; column < ColumnCount; ++column) {
            if (found[column] < 0 && aliases(column).contains(key)) {
                found[column] = index;
                named = true;
            }
        }
    }
    if (!named)
        return false;
    const bool apart = found[DayColumn] >= 0 && found[MonthColumn] >= 0 && found[YearColumn] >= 0;
    m_columns = apart ? Columns{found[NameColumn], -1, found[DayColumn], found[MonthColumn],
                                found[YearColumn]}
                      : Columns{found[NameColumn], found[DateColumn], -1, -1, -1};
    if (m_columns->name < 0 || (!apart && m_columns->date < 0))
        m_failure = problem(QT_TRANSLATE_NOOP(
            "ClientList", "not a client list: its header names no Name column, or no Date of "
                          "Birth column (or Day, Month and Year)"));
    return true;
}

ClientList::Row ClientList::rowOf(const QStringList &cells) const
{
    Row row;
    row.number = m_reader.row();
    row.entry.nameText = cellAt(cells, m_columns->name);
    if (row.entry.nameText.size() > DetailsEntry::kNameFieldLength)
        row.problem = problem("ReportOptions",
                              QT_TRANSLATE_NOOP("ReportOptions",
                                                "the name is longer than the %1 characters the "
                                                "name field holds"),
                              {QString::number(DetailsEntry::kNameFieldLength)});
    else if (PersonalDetailsRules::oneLine(row.entry.nameText) != row.entry.nameText)
        row.problem = problem(
            QT_TRANSLATE_NOOP("ClientList", "the name must be one line: it holds a line break"));
    else
        row.problem = readDate(cells, row.entry);
    return row;
}

std::optional<SavedReading::Problem> ClientList::readDate(const QStringList &cells,
                                                          DetailsEntry &entry) const
{
    if (m_columns->date >= 0) {
        const QString date = cellAt(cells, m_columns->date).trimmed();
        if (entry.setIsoDate(date) || entry.setShortDate(date, m_locale))
            return std::nullopt;
        return problem(QT_TRANSLATE_NOOP("ClientList", "the date of birth must be YYYY-MM-DD or "
                                                       "%1, from 1900 to 2050, not \"%2\""),
                       {ShortDate::format(m_locale).remove(QLatin1Char('\'')), date});
    }
    const QString day = cellAt(cells, m_columns->day).trimmed();
    const QString month = cellAt(cells, m_columns->month).trimmed();
    const QString year = cellAt(cells, m_columns->year).trimmed();
    entry.dayIndex = DetailsEntry::dayIndexOf(day);
    entry.monthIndex = DetailsEntry::monthIndexOf(month);
    entry.yearIndex = DetailsEntry::yearIndexOf(year);
    if (entry.dayIndex < 0)
        return problem(
            QT_TRANSLATE_NOOP("ClientList", "the day of birth must be 1 to 31, not \"%1\""), {day});
    if (entry.monthIndex < 0)
        return problem(QT_TRANSLATE_NOOP("ClientList", "the month of birth must be its English "
                                                       "name or 1 to 12, not \"%1\""),
                       {month});
    if (entry.yearIndex < 0)
        return problem(
            QT_TRANSLATE_NOOP("ClientList", "the year of birth must be 1900 to 2050, not \"%1\""),
            {year});
    return std::nullopt;
}

std::optional<SavedReading::Problem> ClientList::readerFailure() const
{
    switch (m_reader.failure()) {
    case CsvReader::Failure::None:
        return std::nullopt;
    case CsvReader::Failure::Unreadable:
        return unreadable(m_reader.readError());
    case CsvReader::Failure::NotText:
        return problem(QT_TRANSLATE_NOOP("ClientList",
                                         "not a client list: it holds bytes that are not UTF-8 "
                                         "text (a spreadsheet saves it as \"CSV UTF-8\")"));
    case CsvReader::Failure::RowTooLong:
        return problem(QT_TRANSLATE_NOOP("ClientList", "not a client list: a row is longer than "
                                                       "%1 bytes"),
                       {QString::number(m_reader.limits().rowBytes)});
    case CsvReader::Failure::TooManyColumns:
        return problem(
            QT_TRANSLATE_NOOP("ClientList", "not a client list: a row has more than %1 columns"),
            {QString::number(m_reader.limits().columns)});
    case CsvReader::Failure::UnclosedQuote:
        break;
    }
    return problem(QT_TRANSLATE_NOOP(
        "ClientList", "not a client list: a quote opened in this row is never closed"));
}
