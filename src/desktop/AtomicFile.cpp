#include "desktop/AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace AtomicFile {

namespace {

bool fail(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return false;
}

} // namespace

bool isReadOnly(const QFileInfo &file)
{
    // The mode bits, not only the caller's rights: root may write anything.
    constexpr auto kAnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return file.isFile() && (!file.isWritable() || !(file.permissions() & kAnyWrite));
}

bool write(const QString &path, const QByteArray &bytes, QString *reason)
{
    // Replacing renames a new file over the old one, which the folder allows
    // even when the file itself is read-only: refuse that here.
    const QFileInfo existing(path);
    if (isReadOnly(existing))
        return fail(reason, QCoreApplication::translate("AtomicFile", "The file is read-only."));

    // Unbuffered, so that a full disk shows in write() itself: a buffered
    // QSaveFile can lose that error at commit and put an empty file in place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(reason, file.errorString());
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return fail(reason, error);
        }
        written += step;
    }
    if (::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return fail(reason, QCoreApplication::translate("AtomicFile",
                                                        "The data could not be stored on disk."));
    }
    if (!file.commit())
        return fail(reason, file.errorString());
    return true;
}

} // namespace AtomicFile
