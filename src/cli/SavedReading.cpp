#include "cli/SavedReading.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace SavedReading {

namespace {

std::nullopt_t fail(Problem *problem, const QString &text, const QString &english)
{
    if (problem)
        *problem = {text, english};
    return std::nullopt;
}

std::nullopt_t fail(Problem *problem, const char *text)
{
    return fail(problem, QCoreApplication::translate("SavedReading", text),
                QString::fromLatin1(text));
}

std::nullopt_t failToRead(Problem *problem, const QString &reason)
{
    const char *text = QT_TRANSLATE_NOOP("SavedReading", "cannot be read: %1");
    return fail(problem, QCoreApplication::translate("SavedReading", text).arg(reason),
                QString::fromLatin1(text).arg(reason));
}

// What keeps the path from being opened as a reading file at all, if anything.
const char *pathProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QT_TRANSLATE_NOOP("SavedReading", "no such file");
    if (info.isDir())
        return QT_TRANSLATE_NOOP("SavedReading", "is a folder, not a reading file");
    if (!ReadingFile::hasReadingExtension(path))
        return QT_TRANSLATE_NOOP("SavedReading",
                                 "not a reading file (its name must end in \"qnr\")");
    return nullptr;
}

} // namespace

std::optional<ReadingFile::Fields> open(const QString &path, Problem *problem)
{
    if (const char *refused = pathProblem(path))
        return fail(problem, refused);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failToRead(problem, file.errorString());
    return read(file, problem);
}

std::optional<ReadingFile::Fields> read(QIODevice &stream, Problem *problem)
{
    std::optional<ReadingFile::Fields> fields = ReadingFile::parse(stream);
    if (auto *file = qobject_cast<QFileDevice *>(&stream);
        file && file->error() != QFileDevice::NoError)
        return failToRead(problem, file->errorString());
    if (!fields)
        return fail(problem, QT_TRANSLATE_NOOP("SavedReading", "not a saved reading"));
    return fields;
}

} // namespace SavedReading
