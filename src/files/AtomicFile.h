#pragma once

#include "files/CheckedOutput.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

// Writes a whole file or nothing: the bytes go to a new file beside the old
// one, which replaces it only once every byte is on disk. An existing file is
// left as it was whenever the write fails, including on a full disk. Bytes
// may be written at once (write) or streamed through device(), however many.
// A path naming what is not a file (a named pipe, a device, or a link to
// one) is written into as it is, never replaced by a file; one naming an open
// descriptor of this process (/dev/stdout, /dev/fd/3) is written to that
// descriptor, at its place, as the shell opened it.
class AtomicFile
{
public:
    // Nothing is written before open(); a new file not committed is removed.
    explicit AtomicFile(const QString &path);

    // Starts the new file. False, with the reason, when it cannot be made; a
    // read-only file is refused rather than replaced.
    bool open(QString *reason);
    // Where the bytes go once open: every write is checked (CheckedOutput).
    QIODevice &device() { return m_output; }
    // Puts the new file in place once every write succeeded and its bytes are
    // on disk. False, with the reason, otherwise; the old file then stays.
    bool commit(QString *reason);

    // True for an existing file that is read-only: one its user may not
    // write, or whose mode lets nobody write it (as root may write anything).
    static bool isReadOnly(const QFileInfo &file);
    // The open descriptor of this process that the path names (/dev/stdout,
    // /dev/fd/3, /proc/self/fd/1...), or -1.
    static int descriptorNamed(const QString &path);

    // The whole file at once; false, with the reason, when it cannot be written.
    static bool write(const QString &path, const QByteArray &bytes, QString *reason);

    // A new file holding the bytes, made only where no file (nor link) is:
    // the path is created exclusively, so nothing is ever replaced, not even
    // a file another user puts there first; a file that cannot be written
    // whole is removed again.
    enum class Creation { Written, Taken, Failed };
    static Creation writeNew(const QString &path, const QByteArray &bytes, QString *reason);

private:
    QSaveFile m_file;
    QFile m_stream;   // what is not a file, written into as it is
    int m_descriptor; // the open descriptor the path names, or -1
    bool m_inPlace;   // whether the path names such a thing
    CheckedOutput m_output;
};
