#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: property checks that stop the run (libFuzzer
// then keeps the input as a crash), and ways of cutting the input into fields.
namespace Fuzz {

[[noreturn]] inline void fail(const char *file, int line, const char *condition)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

// Checks a property of the code under test; stops the run when it does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            Fuzz::fail(__FILE__, __LINE__, #condition);                                            \
    } while (false)

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// Bytes as UTF-16 code units, low byte first: any code unit, lone surrogates
// included. An odd last byte is left out.
inline QString utf16Of(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype index = 0; index + 1 < bytes.size(); index += 2) {
        const auto low = static_cast<unsigned char>(bytes.at(index));
        const auto high = static_cast<unsigned char>(bytes.at(index + 1));
        text.append(QChar(static_cast<char16_t>(low | (high << 8))));
    }
    return text;
}

// The bytes cut at each `separator`, into at most `count` parts: the last part
// keeps the rest, separators and all; parts the bytes lack are empty.
inline QList<QByteArray> fieldsOf(const QByteArray &bytes, char separator, int count)
{
    QList<QByteArray> fields;
    qsizetype start = 0;
    while (fields.size() < count - 1) {
        const qsizetype end = bytes.indexOf(separator, start);
        if (end < 0)
            break;
        fields.append(bytes.mid(start, end - start));
        start = end + 1;
    }
    fields.append(bytes.mid(start));
    while (fields.size() < count)
        fields.append(QByteArray());
    return fields;
}

// `pattern` repeated (or cut) to exactly `length` bytes; an empty pattern
// stands for the encoded letter 'U'.
inline QByteArray repeated(const QByteArray &pattern, qsizetype length)
{
    const QByteArray unit = pattern.isEmpty() ? QByteArray(1, '\xAA') : pattern;
    QByteArray bytes;
    bytes.reserve(length);
    while (bytes.size() < length)
        bytes.append(unit.left(length - bytes.size()));
    return bytes;
}

// The code page the saved files use (Windows-1252), written out here on its
// own from the published table, so the codec is checked against a table it
// does not share. Codes 128 to 159; the five the code page leaves unassigned
// keep the control character of the same number.
inline int referenceCode(QChar character)
{
    static const std::array<short, 0x10000> codes = [] {
        constexpr char16_t high[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
        };
        std::array<short, 0x10000> table{};
        table.fill(-1);
        for (int code = 0; code < 256; ++code) {
            const char16_t unicode =
                code >= 0x80 && code < 0xA0 ? high[code - 0x80] : static_cast<char16_t>(code);
            table[unicode] = static_cast<short>(code);
        }
        return table;
    }();
    return codes[character.unicode()];
}

// The characters of `text` whose codes are `first` to `last`, in order.
inline QString withCodes(const QString &text, int first, int last)
{
    QString kept;
    for (const QChar character : text) {
        const int code = referenceCode(character);
        if (code >= first && code <= last)
            kept.append(character);
    }
    return kept;
}

// A read-only device over a copy of the bytes, for the readers.
class ByteDevice
{
public:
    explicit ByteDevice(const QByteArray &bytes)
    {
        m_buffer.setData(bytes);
        m_buffer.open(QIODevice::ReadOnly);
    }
    QBuffer &device() { return m_buffer; }

private:
    QBuffer m_buffer;
};

} // namespace Fuzz
