#pragma once

#include "cli/CsvReader.h"
#include "cli/DetailsEntry.h"
#include "cli/SavedReading.h"

#include <QLocale>
#include <optional>

// A practitioner's client list, as a spreadsheet saves it as CSV: a row a
// client, the name, then the date of birth in one cell (YYYY-MM-DD or the
// locale's short date) or in three (day, month, year). A first row naming
// the columns is a header, which may give them in any order and among others;
// without one, the name comes first and the date after it. Rows are read one
// at a time; blank rows are passed over, each keeping its number.
class ClientList
{
public:
    // A row's details as the main window's fields would take them, or why
    // they cannot be (a cell no list or field holds).
    struct Row
    {
        qint64 number = 0;
        DetailsEntry entry;
        std::optional<SavedReading::Problem> problem;
    };

    ClientList(QIODevice &device, const QLocale &locale,
               CsvReader::Limits limits = CsvReader::Limits());

    // The next row with details; nothing at the end of the list, or when the
    // text is no list after all (failure() tells why; a list without a row
    // of details fails too).
    std::optional<Row> next();
    // Why the list could not be read to its end, if it could not, and the row
    // where that shows (0: the list as a whole).
    std::optional<SavedReading::Problem> failure() const { return m_failure; }
    qint64 failureRow() const { return m_failureRow; }
    // The row read last.
    qint64 row() const { return m_reader.row(); }

    // A list that cannot be opened.
    static SavedReading::Problem unreadable(const QString &reason);

private:
    // The cell of each column, -1 where the list has none.
    struct Columns
    {
        int name = -1;
        int date = -1;
        int day = -1;
        int month = -1;
        int year = -1;
    };

    bool readHeader(const QStringList &cells);
    Row rowOf(const QStringList &cells) const;
    std::optional<SavedReading::Problem> readDate(const QStringList &cells,
                                                  DetailsEntry &entry) const;
    std::optional<SavedReading::Problem> readerFailure() const;

    CsvReader m_reader;
    QLocale m_locale;
    std::optional<Columns> m_columns;
    bool m_rowsGiven = false;
    qint64 m_failureRow = 0;
    std::optional<SavedReading::Problem> m_failure;
};
