#include "qtdesktop/InstanceFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kPrivate = S_IRWXU; // rwx------

// `name` in the folder `parent` (or an absolute path, with AT_FDCWD) opened
// when it is a real folder, owned by this user and closed to everyone else;
// else -1. `own`: it is our own folder, made when missing and closed to
// others when it is not yet.
int openPrivateFolder(int parent, const QString &name, bool own)
{
    const QByteArray encoded = QFile::encodeName(name);
    if (own)
        ::mkdirat(parent, encoded.constData(), kPrivate);
    const int folder =
        ::openat(parent, encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status = {};
    bool safe = folder >= 0 && ::fstat(folder, &status) == 0 && status.st_uid == ::geteuid();
    if (safe && (status.st_mode & 0777) != kPrivate)
        safe = own && ::fchmod(folder, kPrivate) == 0;
    if (!safe && folder >= 0)
        ::close(folder);
    return safe ? folder : -1;
}

// A folder named by the environment: only an absolute path counts.
QString absoluteFolder(const QProcessEnvironment &environment, const QString &variable)
{
    const QString path = environment.value(variable);
    return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QString();
}

} // namespace

InstanceFolder::InstanceFolder(const QProcessEnvironment &environment)
{
    const QString name = QStringLiteral("numorra");
    if (const QString runtime = absoluteFolder(environment, QStringLiteral("XDG_RUNTIME_DIR"));
        !runtime.isEmpty()) {
        if (const int parent = openPrivateFolder(AT_FDCWD, runtime, false); parent >= 0) {
            m_descriptor = openPrivateFolder(parent, name, true);
            ::close(parent);
            m_path = QDir(runtime).filePath(name);
        }
    }
    if (m_descriptor < 0) {
        QString cache = absoluteFolder(environment, QStringLiteral("XDG_CACHE_HOME"));
        if (const QString home = absoluteFolder(environment, QStringLiteral("HOME"));
            cache.isEmpty() && !home.isEmpty())
            cache = QDir(home).filePath(QStringLiteral(".cache"));
        m_path = QDir(cache).filePath(name);
        if (!cache.isEmpty() && QDir().mkpath(cache))
            m_descriptor = openPrivateFolder(AT_FDCWD, m_path, true);
    }
    if (m_descriptor < 0)
        m_path.clear();
}

InstanceFolder::~InstanceFolder()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

InstanceFolder::Claim InstanceFolder::claim()
{
    if (m_descriptor < 0)
        return Claim::Alone;
    if (::flock(m_descriptor, LOCK_EX | LOCK_NB) == 0)
        return Claim::Held;
    return errno == EWOULDBLOCK ? Claim::Running : Claim::Alone;
}

QString InstanceFolder::entryPath(const QString &name) const
{
    return QStringLiteral("/proc/self/fd/%1/%2").arg(m_descriptor).arg(name);
}
