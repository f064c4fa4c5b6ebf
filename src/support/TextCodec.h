#pragma once

#include <QByteArray>
#include <QString>

// The reversible shift applied to everything the program stores: settings
// keys and values, and the lines of reading files. It works on the codes 0 to
// 255 of the Western Windows code page (Windows-1252), in which existing
// readings were written.
namespace TextCodec {

// The shift between a character's code and the code of its encoded form.
constexpr int kShift = 85;

// The code of a character in the code page, or -1 when it has none.
int codeOf(QChar character);
// The character of a code 0 to 255.
QChar characterOf(int code);

// Each character becomes the one whose code is 85 higher; a character whose
// code would pass 255, or that has no code, is dropped.
QString EncodeText(const QString &text);
// Each character becomes the one whose code is 85 lower; a character whose
// code would fall below 0, or that has no code, is dropped.
QString DecodeText(const QString &text);

// True when every byte could have come from EncodeText: each is 85 or more.
bool isEncoded(const QByteArray &bytes);

// Text as its bytes in the code page (characters without a code are dropped), and back.
QByteArray toBytes(const QString &text);
QString fromBytes(const QByteArray &bytes);

} // namespace TextCodec
