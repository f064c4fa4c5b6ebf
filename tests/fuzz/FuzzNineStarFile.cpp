// The Nine Star Ki reader on any bytes, and on lines written around any report.
//
// The input is the file as it stands; inputs are kept short, and first lines
// of every length around the limit are read once when the target starts.
//
// The same input, as UTF-8, is also the text of a report: encoded and written
// as the first field of a line in one of the shapes other programs write, it
// reads back as the report, less the characters the codec cannot shift.

#include "FuzzSupport.h"

#include "reading/NineStarFile.h"
#include "support/TextCodec.h"

#include <optional>

namespace {

constexpr int kLastDecodedCode = 255 - TextCodec::kShift;

std::optional<QString> parseBytes(const QByteArray &bytes)
{
    Fuzz::ByteDevice file(bytes);
    return NineStarFile::parse(file.device());
}

qsizetype firstLineLength(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
        ++end;
    return end;
}

// The first field is the part of the line the quoting rules give, unchanged.
QByteArray checkFirstField(const QByteArray &line)
{
    const QByteArray field = NineStarFile::firstField(line);
    qsizetype start = 0;
    while (start < line.size() && line.at(start) == ' ')
        ++start;
    if (start < line.size() && line.at(start) == '"') {
        FUZZ_CHECK(!field.contains('"'));
        FUZZ_CHECK(line.mid(start + 1).startsWith(field));
        const qsizetype after = start + 1 + field.size();
        FUZZ_CHECK(after == line.size() || line.at(after) == '"');
    } else {
        FUZZ_CHECK(!field.contains(','));
        FUZZ_CHECK(line.mid(start).startsWith(field));
        const qsizetype after = start + field.size();
        FUZZ_CHECK(after == line.size() || line.at(after) == ',');
    }
    return field;
}

// Read exactly when the first line is no longer than the limit and its first
// field holds encoded bytes only (85 and up), as decoded text.
void checkFile(const QByteArray &file)
{
    const std::optional<QString> report = parseBytes(file);
    const qsizetype lineLength = firstLineLength(file);
    const QByteArray line = file.left(lineLength);
    if (lineLength > NineStarFile::kMaxLineBytes) {
        FUZZ_CHECK(!report);
        return;
    }
    const QByteArray field = checkFirstField(line);
    bool encoded = true;
    for (const char byte : field)
        encoded = encoded && static_cast<unsigned char>(byte) >= TextCodec::kShift;
    FUZZ_CHECK(report.has_value() == encoded);
    if (!report)
        return;
    FUZZ_CHECK(Fuzz::withCodes(*report, 0, kLastDecodedCode) == *report);
    FUZZ_CHECK(report->size() == field.size());
}

// The input as a report, written as other programs write it, reads back whole.
void checkWrittenLine(const QByteArray &input)
{
    const QString text = QString::fromUtf8(input);
    const QString report = Fuzz::withCodes(text, 0, kLastDecodedCode);
    const QByteArray encoded = TextCodec::toBytes(TextCodec::EncodeText(text));
    // Encoded bytes are never a space, quote, comma or line end.
    FUZZ_CHECK(encoded.size() == report.size());
    const QByteArray tail = input.left(16);
    const QByteArray shapes[] = {
        encoded,
        encoded + ',' + tail,
        "  " + encoded + ",\"" + tail,
        '"' + encoded + '"' + tail,
        " \"" + encoded,
        encoded + "\r\n" + tail,
        '"' + encoded + "\"\n",
    };
    const int shape = input.isEmpty() ? 0 : static_cast<unsigned char>(input.back()) % 7;
    const std::optional<QString> back = parseBytes(shapes[shape]);
    FUZZ_CHECK(back && *back == report);
}

// First lines around the limit, quoted or not, with and without a line after them.
void checkLongLines()
{
    for (qsizetype distance = -2; distance <= 2; ++distance) {
        const qsizetype length = NineStarFile::kMaxLineBytes + distance;
        const QByteArray plain = Fuzz::repeated(QByteArray("\xB6\x62\x5F"), length);
        const QByteArray quoted = '"' + plain.left(length - 2) + '"';
        for (const QByteArray &line : {plain, quoted}) {
            checkFile(line);
            checkFile(line + "\r\n\xAA\r\n");
            checkFile(line + '\n' + plain);
            FUZZ_CHECK(parseBytes(line).has_value() == (distance <= 0));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    checkLongLines();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    checkFile(input);
    checkWrittenLine(input);
    return 0;
}
