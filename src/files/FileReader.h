#pragma once

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <utility>

// Opens the file at `path` and hands it to `parse`, which reads what it needs
// and returns an optional value; nothing when the file cannot be opened (it
// is missing, a folder, not allowed, not a file: a named pipe or a terminal
// would hold the window until someone writes to it) or a read fails.
template <typename Parse>
auto readFile(const QString &path, Parse parse) -> decltype(parse(std::declval<QIODevice &>()))
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto value = parse(file);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return value;
}
