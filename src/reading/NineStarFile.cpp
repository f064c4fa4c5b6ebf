#include "reading/NineStarFile.h"

#include "files/FileReader.h"
#include "support/TextCodec.h"

namespace NineStarFile {

QByteArray firstField(const QByteArray &line)
{
    qsizetype start = 0;
    while (start < line.size() && line.at(start) == ' ')
        ++start;
    if (start < line.size() && line.at(start) == '"') {
        const qsizetype closing = line.indexOf('"', start + 1);
        const qsizetype end = closing < 0 ? line.size() : closing;
        return line.mid(start + 1, end - start - 1);
    }
    const qsizetype comma = line.indexOf(',', start);
    return line.mid(start, (comma < 0 ? line.size() : comma) - start);
}

namespace {

// The bytes up to the first line end, read in steps so that a short file costs
// little; reading stops once more than the longest allowed line has come in.
QByteArray readFirstLine(QIODevice &device)
{
    constexpr qint64 kStep = 64 * 1024;
    QByteArray data;
    while (data.size() <= kMaxLineBytes) {
        const QByteArray step = device.read(kStep);
        data.append(step);
        if (step.isEmpty() || step.contains('\r') || step.contains('\n'))
            break;
    }
    return data;
}

} // namespace

std::optional<QString> parse(QIODevice &device)
{
    const QByteArray data = readFirstLine(device);
    qsizetype end = 0;
    while (end < data.size() && data.at(end) != '\r' && data.at(end) != '\n')
        ++end;
    if (end > kMaxLineBytes)
        return std::nullopt;
    const QByteArray field = firstField(data.left(end));
    if (!TextCodec::isEncoded(field))
        return std::nullopt;
    return TextCodec::DecodeText(TextCodec::fromBytes(field));
}

std::optional<QString> read(const QString &path)
{
    return readFile(path, [](QIODevice &device) { return parse(device); });
}

} // namespace NineStarFile
