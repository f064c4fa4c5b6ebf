#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;
struct PersonalDetails;

// The saved reading (extension qnr): four lines, the encoded name, day, month
// name and year, each closed by CR LF, one byte per character.
namespace ReadingFile {

// No name the name field can hold is longer; a longer line is no reading.
constexpr qsizetype kMaxLineBytes = qsizetype(64) * 1024;

struct Fields
{
    QString name;
    QString day;
    QString month;
    QString year;
};

// The bytes of the file for the details.
QByteArray compose(const PersonalDetails &details);
// The name as it comes back from a saved file: characters the codec cannot
// shift are left out.
QString storedName(const QString &name);

// True when the path's last three characters are exactly "qnr".
bool hasReadingExtension(const QString &path);

// The first four lines, decoded; a line the file lacks is empty. Nothing when
// the bytes cannot be a saved reading: a line longer than any name, or a byte
// that no encoded text holds. Reads at most four lines' worth of bytes.
std::optional<Fields> parse(QIODevice &device);
// As parse, from a file; nothing too when it cannot be opened or read.
std::optional<Fields> read(const QString &path);

// Writes the file all or nothing: an existing file is replaced only once the
// new one is complete. False, with the reason, when it cannot be written.
bool write(const QString &path, const PersonalDetails &details, QString *reason);

} // namespace ReadingFile
