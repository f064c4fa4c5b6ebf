#include "support/TextCodec.h"

#include <array>

namespace TextCodec {

namespace {

// Codes 128 to 159. The five codes the code page leaves unassigned keep the
// control characters of the same number, as Windows maps them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr int kFirstHigh = 0x80;
constexpr int kLastHigh = 0x9F;

QString shifted(const QString &text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        const int code = codeOf(character);
        if (code < 0)
            continue;
        const int target = code + shift;
        if (target >= 0 && target <= 255)
            result.append(characterOf(target));
    }
    return result;
}

} // namespace

int codeOf(QChar character)
{
    const char16_t unicode = character.unicode();
    if (unicode < kFirstHigh || (unicode > kLastHigh && unicode <= 0xFF)) {
        return unicode;
    }
    for (int index = 0; index < static_cast<int>(kHighControls.size()); ++index) {
        if (kHighControls[static_cast<size_t>(index)] == unicode)
            return kFirstHigh + index;
    }
    return -1;
}

QChar characterOf(int code)
{
    if (code >= kFirstHigh && code <= kLastHigh)
        return QChar(kHighControls[static_cast<size_t>(code - kFirstHigh)]);
    return QChar(static_cast<char16_t>(code & 0xFF));
}

QString EncodeText(const QString &text)
{
    return shifted(text, kShift);
}

QString DecodeText(const QString &text)
{
    return shifted(text, -kShift);
}

bool isEncoded(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) < kShift)
            return false;
    }
    return true;
}

QByteArray toBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar character : text) {
        const int code = codeOf(character);
        if (code >= 0)
            bytes.append(static_cast<char>(code));
    }
    return bytes;
}

QString fromBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(characterOf(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace TextCodec
