#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// The Nine Star Ki reading (extension qfs), written by other programs: its
// first field is one encoded report text, its line breaks stored as the
// bytes 98 and 95.
namespace NineStarFile {

// Far longer than any report; a longer first line is no Nine Star Ki reading.
constexpr qsizetype kMaxLineBytes = qsizetype(1024) * 1024;

// The first field of a line: leading spaces skipped; a field opening with a
// double quote runs to the closing quote, any other to the first comma.
QByteArray firstField(const QByteArray &line);

// The decoded first field of the first line. Nothing when the first line is
// longer than any report, or the field holds a byte no encoded text holds.
// Reads at most that many bytes.
std::optional<QString> parse(QIODevice &device);
// As parse, from a file; nothing too when it cannot be opened or read.
std::optional<QString> read(const QString &path);

} // namespace NineStarFile
