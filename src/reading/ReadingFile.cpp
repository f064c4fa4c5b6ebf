#include "reading/ReadingFile.h"

#include "details/PersonalDetails.h"
#include "files/AtomicFile.h"
#include "files/FileReader.h"
#include "support/TextCodec.h"

namespace ReadingFile {

namespace {

constexpr int kLines = 4;
constexpr QLatin1String kWholeNameTag("UTF-8:");

QByteArray encodedLine(const QString &text)
{
    return TextCodec::toBytes(TextCodec::EncodeText(text)) + "\r\n";
}

// The fifth line's text for a name.
QString wholeNameLine(const QString &name)
{
    return kWholeNameTag + QString::fromLatin1(name.toUtf8().toPercentEncoding());
}

// The name a fifth line holds, if it is one that wholeNameLine writes.
std::optional<QString> wholeNameOf(const QString &line)
{
    if (!line.startsWith(kWholeNameTag))
        return std::nullopt;
    const QByteArray escaped = line.mid(kWholeNameTag.size()).toLatin1();
    const QByteArray utf8 = QByteArray::fromPercentEncoding(escaped);
    const QString name = QString::fromUtf8(utf8);
    // Anything but the one way of writing the name (a stray "%", small hex
    // digits, a byte that is no UTF-8) is not ours, nor a name longer than any.
    if (utf8.toPercentEncoding() != escaped || name.toUtf8() != utf8 || name.size() > kMaxLineBytes)
        return std::nullopt;
    return name;
}

// Splits off the next line ended by CR LF, CR or LF; `ended` tells whether a
// line end was found.
QByteArray takeLine(const QByteArray &data, qsizetype &position, bool &ended)
{
    qsizetype end = position;
    while (end < data.size() && data.at(end) != '\r' && data.at(end) != '\n')
        ++end;
    QByteArray line = data.mid(position, end - position);
    ended = end < data.size();
    position = end;
    if (ended && data.at(position) == '\r')
        ++position;
    if (ended && position < data.size() && data.at(position) == '\n')
        ++position;
    return line;
}

} // namespace

QByteArray compose(const PersonalDetails &details)
{
    QByteArray bytes;
    for (const QString &field :
         {details.Name, details.BirthDay, details.BirthMonth, details.BirthYear})
        bytes += encodedLine(field);
    if (storedName(details.Name) != details.Name)
        bytes += encodedLine(wholeNameLine(details.Name));
    return bytes;
}

QString storedName(const QString &name)
{
    return TextCodec::DecodeText(TextCodec::EncodeText(name));
}

bool hasReadingExtension(const QString &path)
{
    return path.right(3) == QLatin1String("qnr");
}

std::optional<Fields> parse(QIODevice &device)
{
    const QByteArray data = device.read(kMaxFileBytes + 1);
    const bool wholeFileRead = data.size() <= kMaxFileBytes;
    QString decoded[kLines];
    qsizetype position = 0;
    for (QString &field : decoded) {
        if (position >= data.size())
            break;
        bool ended = false;
        const QByteArray line = takeLine(data, position, ended);
        if (line.size() > kMaxLineBytes || (!ended && !wholeFileRead) ||
            !TextCodec::isEncoded(line))
            return std::nullopt;
        field = TextCodec::DecodeText(TextCodec::fromBytes(line));
    }
    Fields fields{decoded[0], decoded[1], decoded[2], decoded[3]};
    if (position < data.size()) {
        bool ended = false;
        const QByteArray line = takeLine(data, position, ended);
        const std::optional<QString> whole =
            (ended || wholeFileRead) && line.size() <= kMaxWholeNameBytes &&
                    TextCodec::isEncoded(line)
                ? wholeNameOf(TextCodec::DecodeText(TextCodec::fromBytes(line)))
                : std::nullopt;
        if (whole && storedName(*whole) == fields.name)
            fields.name = *whole;
    }
    return fields;
}

std::optional<Fields> read(const QString &path)
{
    return readFile(path, [](QIODevice &device) { return parse(device); });
}

bool write(const QString &path, const PersonalDetails &details, QString *reason)
{
    return AtomicFile::write(path, compose(details), reason);
}

} // namespace ReadingFile
