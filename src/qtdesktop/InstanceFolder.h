#pragma once

#include <QProcessEnvironment>
#include <QString>

// The folder of a user's running Numorra, which only that user can enter: a
// folder "numorra" in the user's runtime folder (XDG_RUNTIME_DIR) where that
// is valid, else in the user's cache folder ($XDG_CACHE_HOME, or ~/.cache).
// Valid means a real folder, not a link, owned by the user and closed to
// everyone else (rwx------); the runtime folder is taken as it is, the
// "numorra" folders are made so. Nothing goes to /tmp, where another user
// could make a name first.
//
// The folder is held open, and everything in it is reached through the open
// folder: a name swapped after the checks changes nothing. It is also the
// lock: a kernel lock (flock) on it says which process is the running
// Numorra, and ends with that process, however it ends.
class InstanceFolder
{
public:
    enum class Claim {
        Held,    // this process is the running Numorra
        Running, // another process of this user is
        Alone    // no safe folder, or no lock to be had: nothing can tell
    };

    explicit InstanceFolder(
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    ~InstanceFolder();
    InstanceFolder(const InstanceFolder &) = delete;
    InstanceFolder &operator=(const InstanceFolder &) = delete;

    // The folder chosen; empty when there is no safe one.
    QString path() const { return m_path; }

    // Takes the lock, unless another process holds it; kept until this object goes.
    Claim claim();

    // A path to `name` in the folder through the open folder, short enough
    // for a socket's address however long the folder's own path is.
    QString entryPath(const QString &name) const;

private:
    int m_descriptor = -1;
    QString m_path;
};
