// The saved reading's reader on any bytes, and saving then reading any details.
//
// The input is the file as it stands; inputs are kept short, and files of
// every length around the size limits are read once when the target starts.
// The same input, cut at each NUL into the name, day, month and year (as
// UTF-8), is also saved and read back: the name returns whole, each other
// field as the codec keeps it, the characters of codes 0 to 170.

#include "FuzzSupport.h"

#include "details/PersonalDetails.h"
#include "reading/ReadingFile.h"
#include "support/TextCodec.h"

#include <optional>

namespace {

constexpr int kLines = 4;

std::optional<ReadingFile::Fields> parseBytes(const QByteArray &bytes)
{
    Fuzz::ByteDevice file(bytes);
    return ReadingFile::parse(file.device());
}

bool sameFields(const ReadingFile::Fields &left, const ReadingFile::Fields &right)
{
    return left.name == right.name && left.day == right.day && left.month == right.month &&
           left.year == right.year;
}

PersonalDetails detailsOf(const ReadingFile::Fields &fields)
{
    PersonalDetails details;
    details.Name = fields.name;
    details.BirthDay = fields.day;
    details.BirthMonth = fields.month;
    details.BirthYear = fields.year;
    return details;
}

bool isEncodedByte(char byte)
{
    return static_cast<unsigned char>(byte) >= TextCodec::kShift;
}

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// What the reader makes of a file it accepted: decoded text only (the name as
// the first line stores it), each field no longer than a line may be; and
// saving those fields gives them back.
void checkAccepted(const ReadingFile::Fields &fields)
{
    const QString storedName = ReadingFile::storedName(fields.name);
    for (const QString *field : {&storedName, &fields.day, &fields.month, &fields.year})
        FUZZ_CHECK(Fuzz::withCodes(*field, 0, 255 - TextCodec::kShift) == *field);
    for (const QString *field : {&fields.name, &fields.day, &fields.month, &fields.year})
        FUZZ_CHECK(field->size() <= ReadingFile::kMaxLineBytes);
    const std::optional<ReadingFile::Fields> again =
        parseBytes(ReadingFile::compose(detailsOf(fields)));
    FUZZ_CHECK(again && sameFields(*again, fields));
}

// A short file as it stands: read when every byte of its first four lines is
// an encoded byte, refused when its first line holds any other. The name is
// the first line's, or one the first line stores when a fifth line holds it.
void checkFileAsItStands(const QByteArray &file)
{
    const std::optional<ReadingFile::Fields> fields = parseBytes(file);
    if (fields)
        checkAccepted(*fields);

    qsizetype firstLineEnd = 0;
    while (firstLineEnd < file.size() && !isLineEnd(file.at(firstLineEnd)))
        ++firstLineEnd;
    bool firstLineEncoded = true;
    for (qsizetype index = 0; index < firstLineEnd; ++index)
        firstLineEncoded = firstLineEncoded && isEncodedByte(file.at(index));
    if (!firstLineEncoded)
        FUZZ_CHECK(!fields);

    bool allEncoded = true;
    for (const char byte : file)
        allEncoded = allEncoded && (isEncodedByte(byte) || isLineEnd(byte));
    if (allEncoded && file.size() <= ReadingFile::kMaxLineBytes) {
        FUZZ_CHECK(fields);
        const QString firstLine =
            TextCodec::DecodeText(TextCodec::fromBytes(file.left(firstLineEnd)));
        FUZZ_CHECK(ReadingFile::storedName(fields->name) == firstLine);
        if (!file.contains(TextCodec::toBytes(TextCodec::EncodeText(QStringLiteral("UTF-8:")))))
            FUZZ_CHECK(fields->name == firstLine);
    }
}

// Files of every length around the limits, each read once when the target
// starts: inputs that long would slow every other input down a hundredfold.
void checkLongFiles()
{
    const qsizetype longest = ReadingFile::kMaxLineBytes;
    for (int line = 0; line < kLines; ++line) {
        for (qsizetype distance = -2; distance <= 2; ++distance) {
            // Line `line` is `distance` bytes from the longest; the others are as long as can be.
            for (const char *end : {"\r\n", "\n", "\r"}) {
                QByteArray file;
                for (int index = 0; index < kLines + 1; ++index) {
                    const qsizetype length = index == line ? longest + distance : longest;
                    file += Fuzz::repeated(QByteArray("\xB6\x75\xC1"), length);
                    file += end;
                }
                const std::optional<ReadingFile::Fields> fields = parseBytes(file);
                FUZZ_CHECK(fields.has_value() == (distance <= 0));
                if (fields)
                    checkAccepted(*fields);
            }
        }
    }
    // One line longer than a whole file may be.
    const QByteArray endless = Fuzz::repeated(QByteArray("\xAA"), 5 * (longest + 2));
    FUZZ_CHECK(!parseBytes(endless));
}

// The input cut into details, saved and read back.
void checkSavedDetails(const QByteArray &input)
{
    const QList<QByteArray> parts = Fuzz::fieldsOf(input, '\0', kLines);
    PersonalDetails details;
    details.Name = QString::fromUtf8(parts.at(0));
    details.BirthDay = QString::fromUtf8(parts.at(1));
    details.BirthMonth = QString::fromUtf8(parts.at(2));
    details.BirthYear = QString::fromUtf8(parts.at(3));

    const QByteArray file = ReadingFile::compose(details);
    // Four lines closed by CR LF, a fifth when the codec cannot keep the
    // name whole, and no other line end.
    const int last = 255 - TextCodec::kShift;
    const QString storedName = Fuzz::withCodes(details.Name, 0, last);
    const int lines = kLines + (storedName == details.Name ? 0 : 1);
    FUZZ_CHECK(file.count('\n') == lines && file.count('\r') == lines);
    FUZZ_CHECK(file.endsWith("\r\n"));

    const std::optional<ReadingFile::Fields> back = parseBytes(file);
    FUZZ_CHECK(back);
    FUZZ_CHECK(back->name == details.Name);
    FUZZ_CHECK(back->day == Fuzz::withCodes(details.BirthDay, 0, last));
    FUZZ_CHECK(back->month == Fuzz::withCodes(details.BirthMonth, 0, last));
    FUZZ_CHECK(back->year == Fuzz::withCodes(details.BirthYear, 0, last));
    FUZZ_CHECK(ReadingFile::storedName(details.Name) == storedName);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    checkLongFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    checkFileAsItStands(input);
    checkSavedDetails(input);
    return 0;
}
