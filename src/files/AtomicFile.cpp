#include "files/AtomicFile.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A named pipe, a device or a socket, or a link to one: no file to replace.
bool isStream(const QFileInfo &target)
{
    return target.exists() && !target.isFile() && !target.isDir();
}

bool fail(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return false;
}

} // namespace

// Opened again by its name, a file the descriptor leads to would be started
// afresh: `>> log` would lose the log.
int AtomicFile::descriptorNamed(const QString &path)
{
    static const QRegularExpression numbered(QStringLiteral("^/(?:dev|proc/self)/fd/(\\d{1,9})$"));
    const QRegularExpressionMatch match = numbered.match(path);
    const int descriptor = path == QLatin1String("/dev/stdout")   ? STDOUT_FILENO
                           : path == QLatin1String("/dev/stderr") ? STDERR_FILENO
                           : match.hasMatch()                     ? match.captured(1).toInt()
                                                                  : -1;
    return descriptor >= 0 && ::fcntl(descriptor, F_GETFD) != -1 ? descriptor : -1;
}

AtomicFile::AtomicFile(const QString &path)
    : m_file(path), m_stream(path), m_descriptor(descriptorNamed(path)),
      m_inPlace(m_descriptor >= 0 || isStream(QFileInfo(path))),
      m_output(m_inPlace ? static_cast<QIODevice &>(m_stream) : m_file)
{}

bool AtomicFile::open(QString *reason)
{
    if (m_descriptor >= 0)
        return m_stream.open(m_descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                             QFileDevice::DontCloseHandle) ||
               fail(reason, m_stream.errorString());
    // Replacing renames a new file over the old one, which the folder allows
    // even when the file itself is read-only: refuse that here.
    if (isReadOnly(QFileInfo(m_file.fileName())))
        return fail(reason, QCoreApplication::translate("AtomicFile", "The file is read-only."));
    // Unbuffered, so that a full disk shows in the write itself: a buffered
    // QSaveFile can lose that error at commit and put an empty file in place.
    QFileDevice &target = m_inPlace ? static_cast<QFileDevice &>(m_stream) : m_file;
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(reason, target.errorString());
    return true;
}

bool AtomicFile::commit(QString *reason)
{
    if (m_inPlace)
        return m_stream.isOpen() ? m_output.finish(reason) : fail(reason, m_stream.errorString());
    if (!m_file.isOpen())
        return fail(reason, m_file.errorString());
    if (!m_output.finish(reason)) {
        m_file.cancelWriting();
        return false;
    }
    if (::fsync(m_file.handle()) != 0) {
        m_file.cancelWriting();
        return fail(reason, QCoreApplication::translate("AtomicFile",
                                                        "The data could not be stored on disk."));
    }
    if (!m_file.commit())
        return fail(reason, m_file.errorString());
    return true;
}

bool AtomicFile::isReadOnly(const QFileInfo &file)
{
    // The mode bits, not only the caller's rights: root may write anything.
    constexpr auto kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return file.isFile() && (!file.isWritable() || !(file.permissions() & kAnyWrite));
}

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *reason)
{
    AtomicFile file(path);
    if (!file.open(reason))
        return false;
    file.device().write(bytes); // a failure is kept and reported by commit
    return file.commit(reason);
}

AtomicFile::Creation AtomicFile::writeNew(const QString &path, const QByteArray &bytes,
                                          QString *reason)
{
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor == -1) {
        if (errno == EEXIST)
            return Creation::Taken;
        fail(reason, qt_error_string(errno));
        return Creation::Failed;
    }
    QFile file;
    file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
              QFileDevice::DontCloseHandle);
    CheckedOutput output(file);
    output.write(bytes); // a failure is kept and reported by finish
    bool written = output.finish(reason);
    // A network file system may tell of a full quota only when it is closed.
    if (::close(descriptor) != 0 && written)
        written = fail(reason, qt_error_string(errno));
    if (written)
        return Creation::Written;
    QFile::remove(path);
    return Creation::Failed;
}
