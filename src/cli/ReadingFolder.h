#pragma once

#include <QDir>
#include <QString>

struct PersonalDetails;

// The folder numorra-report --save writes reading files into, each under a
// name of its own ("Anna Lee 1980-03-05 row 2.qnr"): a name that is taken
// gets " (2)", " (3)"... and no file there is ever replaced.
class ReadingFolder
{
public:
    // No reading tries more names than this.
    static constexpr int kMaxCopies = 1000;
    // The name's part of a file name holds at most this many bytes of UTF-8.
    static constexpr qsizetype kMaxNameBytes = 120;

    struct Saved
    {
        QString path; // the file written, or the one that could not be
        bool written = false;
        QString reason; // why it could not be
    };

    explicit ReadingFolder(const QString &path) : m_folder(path) {}

    // Writes the reading file of the details (`isoDate` their date,
    // YYYY-MM-DD; `row` the row of a list, 0 for none).
    Saved save(const PersonalDetails &details, const QString &isoDate, qint64 row) const;

    // The name of the file: the name, kept to one safe file name (no slash,
    // no control character, no leading dot, dash or colon), the date, the row
    // and the copy from 2 on.
    static QString fileName(const QString &name, const QString &isoDate, qint64 row, int copy);

private:
    QDir m_folder;
};
