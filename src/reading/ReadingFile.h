#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;
struct PersonalDetails;

// The saved reading (extension qnr): four lines, the encoded name, day, month
// name and year, each closed by CR LF, one byte per character. A name the
// codec cannot keep whole (a character above code 170, a Chinese name) has a
// fifth line that holds it whole: "UTF-8:" and the name's UTF-8 bytes, each
// byte other than A-Z, a-z, 0-9, "-", ".", "_" and "~" written as "%" and two
// capital hex digits, then encoded as the other lines are. Readers of four
// lines see the first line's shortened name.
namespace ReadingFile {

// No name the name field can hold is longer; a longer line is no reading.
constexpr qsizetype kMaxLineBytes = qsizetype(64) * 1024;
// The fifth line holds a name of up to kMaxLineBytes characters, each at most
// three UTF-8 bytes of three characters each.
constexpr qsizetype kMaxWholeNameBytes = 6 + 9 * kMaxLineBytes;
// No file is read further than its four lines and a fifth.
constexpr qsizetype kMaxFileBytes = 4 * (kMaxLineBytes + 2) + kMaxWholeNameBytes + 2;

struct Fields
{
    QString name;
    QString day;
    QString month;
    QString year;
};

// The bytes of the file for the details.
QByteArray compose(const PersonalDetails &details);
// The name on the first line, as programs that read four lines see it:
// characters the codec cannot shift are left out.
QString storedName(const QString &name);

// True when the path's last three characters are exactly "qnr".
bool hasReadingExtension(const QString &path);

// The first four lines, decoded; a line the file lacks is empty. The name is
// the fifth line's when that is valid and its stored name is the first line;
// any other fifth line is ignored. Nothing when the bytes cannot be a saved
// reading: a line longer than any name, or a byte that no encoded text holds.
// Reads at most kMaxFileBytes and one byte more.
std::optional<Fields> parse(QIODevice &device);
// As parse, from a file; nothing too when it cannot be opened or read.
std::optional<Fields> read(const QString &path);

// Writes the file all or nothing: an existing file is replaced only once the
// new one is complete. False, with the reason, when it cannot be written.
bool write(const QString &path, const PersonalDetails &details, QString *reason);

} // namespace ReadingFile
