#include "reading/ReadingFile.h"

#include "details/PersonalDetails.h"
#include "files/AtomicFile.h"
#include "files/FileReader.h"
#include "support/TextCodec.h"

namespace ReadingFile {

namespace {

constexpr int kLines = 4;
constexpr qsizetype kMaxFileBytes = kLines * (kMaxLineBytes + 2);

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
         {details.Name, details.BirthDay, details.BirthMonth, details.BirthYear}) {
        bytes += TextCodec::toBytes(TextCodec::EncodeText(field));
        bytes += "\r\n";
    }
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
    return Fields{decoded[0], decoded[1], decoded[2], decoded[3]};
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
