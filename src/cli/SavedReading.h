#pragma once

#include "reading/ReadingFile.h"

#include <QString>
#include <optional>

class QIODevice;

// Opening a saved reading named on the command line, with a clear reason when
// it cannot be: the main window refuses the same files, but only says less.
namespace SavedReading {

// Why a reading could not be opened (not naming the file): in the user's
// language, and in English, as numorra-report --json gives it.
struct Problem
{
    QString text;
    QString english;
};

// The four decoded lines; nothing, with the reason, when the path is missing,
// a folder, not named *qnr, unreadable or not a saved reading.
std::optional<ReadingFile::Fields> open(const QString &path, Problem *problem);

// The same from a stream (standard input), read as a file is: no more bytes
// than a reading can hold, whatever the stream holds.
std::optional<ReadingFile::Fields> read(QIODevice &stream, Problem *problem);

} // namespace SavedReading
