#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QString>

// Writes a whole file or nothing: the bytes go to a new file beside the old
// one, which replaces it only once every byte is on disk. An existing file is
// left as it was whenever the write fails, including on a full disk.
namespace AtomicFile {

// True for an existing file that is read-only: one its user may not write, or
// whose mode lets nobody write it (as root may write anything).
bool isReadOnly(const QFileInfo &file);

// False, with the reason, when the file cannot be written. A read-only file
// is never replaced.
bool write(const QString &path, const QByteArray &bytes, QString *reason);

} // namespace AtomicFile
