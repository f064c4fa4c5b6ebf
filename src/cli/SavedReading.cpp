#include "cli/SavedReading.h"

#include <QFile>
#include <QFileInfo>

namespace SavedReading {

namespace {

std::nullopt_t fail(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
    return std::nullopt;
}

// What keeps the path from being opened as a reading file at all, if anything.
QString pathProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (info.isDir())
        return QStringLiteral("is a folder, not a reading file");
    if (!ReadingFile::hasReadingExtension(path))
        return QStringLiteral("not a reading file (its name must end in \"qnr\")");
    return {};
}

} // namespace

std::optional<ReadingFile::Fields> open(const QString &path, QString *problem)
{
    if (const QString refused = pathProblem(path); !refused.isEmpty())
        return fail(problem, refused);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(problem, QStringLiteral("cannot be read: ") + file.errorString());
    return read(file, problem);
}

std::optional<ReadingFile::Fields> read(QIODevice &stream, QString *problem)
{
    std::optional<ReadingFile::Fields> fields = ReadingFile::parse(stream);
    if (auto *file = qobject_cast<QFileDevice *>(&stream);
        file && file->error() != QFileDevice::NoError)
        return fail(problem, QStringLiteral("cannot be read: ") + file->errorString());
    if (!fields)
        return fail(problem, QStringLiteral("not a saved reading"));
    return fields;
}

} // namespace SavedReading
