#include "qtdesktop/ReadingHandOver.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// How long the running instance waits for a message to be whole.
constexpr int kWaitMilliseconds = 2000;
// How long a later start waits for the running instance's answer, which a
// print in progress may hold up.
constexpr int kAnswerMilliseconds = 10000;
// A running instance that has just claimed its lock may not listen yet: a
// later start tries this many times, a tenth of a second apart.
constexpr int kConnectAttempts = 20;
// What the running instance answers once it has taken a message.
constexpr char kTaken = '1';

// The address of the socket at `path`; false when the path does not fit one.
bool socketAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

int connectTo(const sockaddr_un &address)
{
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        const int peer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (peer >= 0 &&
            ::connect(peer, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0)
            return peer;
        if (peer >= 0)
            ::close(peer);
        QThread::msleep(100);
    }
    return -1;
}

// Sends all of `bytes`, without a SIGPIPE should the other end be gone.
bool sendAll(int descriptor, const QByteArray &bytes)
{
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t part =
            ::send(descriptor, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (part < 0 && errno == EINTR)
            continue;
        if (part <= 0)
            return false;
        sent += part;
    }
    return true;
}

// Takes what has come (or, on a blocking socket, waits for it). Through
// recvmsg, which has no checked variant: the compiler can check nothing here
// (each size is its buffer's own), and a plain recv would be an unchecked
// call that Debian's package checks count against the program.
ssize_t receive(int descriptor, char *buffer, size_t size)
{
    iovec part{buffer, size};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    return ::recvmsg(descriptor, &message, 0);
}

bool answeredTaken(int descriptor)
{
    const timeval wait{kAnswerMilliseconds / 1000, 0};
    char byte = 0;
    return ::setsockopt(descriptor, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof(wait)) == 0 &&
           receive(descriptor, &byte, 1) == 1 && byte == kTaken;
}

bool printableAscii(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (byte <= ' ' || byte > '~')
            return false;
    }
    return true;
}

} // namespace

ReadingHandOver::ReadingHandOver(QObject *parent) : QObject(parent) {}

ReadingHandOver::~ReadingHandOver()
{
    if (m_listener < 0)
        return;
    delete m_notifier;
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_socketPath).constData());
}

bool ReadingHandOver::listen(const QString &socketPath,
                             std::function<void(const Message &)> received)
{
    m_received = std::move(received);
    // Made in a folder of its own that only the user may enter, given the
    // user's permissions alone, then moved into place: no one else can ever
    // reach it. Only the instance holding the lock gets here, so a socket at
    // that path is one a killed instance left behind, which this replaces.
    const QTemporaryDir folder(QFileInfo(socketPath).absolutePath() +
                               QStringLiteral("/numorra-XXXXXX"));
    sockaddr_un address;
    sockaddr_un target;
    if (!folder.isValid() || !socketAddress(folder.filePath(QStringLiteral("s")), address) ||
        !socketAddress(socketPath, target))
        return false;
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0 ||
        ::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 ||
        ::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(m_listener, 16) != 0 ||
        ::rename(address.sun_path, target.sun_path) != 0) {
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        return false;
    }
    m_socketPath = socketPath;
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ReadingHandOver::takeConnection);
    return true;
}

void ReadingHandOver::takeConnection()
{
    const int descriptor = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (descriptor < 0)
        return;
    if (!sameUser(descriptor)) {
        ::close(descriptor);
        return;
    }
    // The connection's bytes until its message is whole; it is closed once,
    // whichever way it ends.
    struct Peer
    {
        int descriptor;
        QByteArray bytes;
        bool closed = false;
    };
    const auto peer = std::make_shared<Peer>(Peer{descriptor, {}});
    auto *notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    const auto hangUp = [peer, notifier] {
        if (std::exchange(peer->closed, true))
            return;
        notifier->setEnabled(false);
        notifier->deleteLater();
        ::close(peer->descriptor);
    };
    // A connection that never completes its message is dropped.
    QTimer::singleShot(kWaitMilliseconds, notifier, hangUp);
    connect(notifier, &QSocketNotifier::activated, this, [this, peer, hangUp] {
        char chunk[1024];
        const ssize_t got = receive(peer->descriptor, chunk, sizeof(chunk));
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got > 0)
            peer->bytes.append(chunk, got);
        if (got > 0 && peer->bytes.count('\0') < 2 && peer->bytes.size() <= kMaxMessage)
            return; // the rest is still to come
        if (const std::optional<Message> message = parse(peer->bytes)) {
            ::send(peer->descriptor, &kTaken, 1, MSG_NOSIGNAL);
            // Opened from the event loop, once the answer is on its way.
            QMetaObject::invokeMethod(
                this,
                [this, taken = *message] {
                    if (m_received)
                        m_received(taken);
                },
                Qt::QueuedConnection);
        }
        hangUp();
    });
}

bool ReadingHandOver::send(const QString &socketPath, const Message &message)
{
    const QByteArray bytes = compose(message);
    sockaddr_un address;
    if (!parse(bytes) || !socketAddress(socketPath, address))
        return false; // nothing the running instance would take
    const int peer = connectTo(address);
    if (peer < 0)
        return false;
    const bool taken = sameUser(peer) && sendAll(peer, bytes) && answeredTaken(peer);
    ::close(peer);
    return taken;
}

QByteArray ReadingHandOver::compose(const Message &message)
{
    // A path holds any byte but NUL, a token only printable ones.
    return message.path.toUtf8() + '\0' + message.activationToken + '\0';
}

std::optional<ReadingHandOver::Message> ReadingHandOver::parse(const QByteArray &bytes)
{
    if (bytes.size() > kMaxMessage || bytes.count('\0') != 2 || !bytes.endsWith('\0'))
        return std::nullopt;
    const qsizetype pathEnd = bytes.indexOf('\0');
    const QByteArray path = bytes.left(pathEnd);
    const QByteArray token = bytes.mid(pathEnd + 1, bytes.size() - pathEnd - 2);
    if (!path.startsWith('/') || path.size() > kMaxPath || token.size() > kMaxToken ||
        !printableAscii(token))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(path);
    if (utf8.hasError())
        return std::nullopt;
    return Message{text, token};
}

bool ReadingHandOver::sameUser(int descriptor)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return descriptor >= 0 &&
           ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof(peer) && peer.uid == geteuid();
}
