#include "qtdesktop/ReadingHandOver.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// How long either end waits for the other to connect, write or close.
constexpr int kWaitMilliseconds = 2000;
// How long a later start waits for the running instance's answer, which a
// print in progress may hold up.
constexpr int kAnswerMilliseconds = 10000;
// A running instance that has just claimed its lock may not listen yet: a
// later start tries this many times, a tenth of a second apart.
constexpr int kConnectAttempts = 20;
// What the running instance answers once it has taken a message.
constexpr char kTaken = '1';

bool printableAscii(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (byte <= ' ' || byte > '~')
            return false;
    }
    return true;
}

} // namespace

ReadingHandOver::ReadingHandOver(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    // The socket is made in a private folder and moved into place with the
    // user's permissions only (rwx------).
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ReadingHandOver::takeConnections);
}

ReadingHandOver::~ReadingHandOver() = default;

bool ReadingHandOver::listen(const QString &socketPath,
                             std::function<void(const Message &)> received)
{
    m_received = std::move(received);
    // Only the instance holding the lock gets here, so a socket at that path
    // is one a killed instance left behind.
    QLocalServer::removeServer(socketPath);
    return m_server->listen(socketPath);
}

void ReadingHandOver::takeConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!sameUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto bytes = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, bytes] { read(socket, *bytes); });
        // A connection that never completes its message is dropped.
        QTimer::singleShot(kWaitMilliseconds, socket, &QLocalSocket::abort);
    }
}

void ReadingHandOver::read(QLocalSocket *socket, QByteArray &bytes)
{
    bytes += socket->read(kMaxMessage + 1 - bytes.size());
    if (bytes.count('\0') < 2 && bytes.size() <= kMaxMessage)
        return; // the rest is still to come
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    if (const std::optional<Message> message = parse(bytes)) {
        socket->write(&kTaken, 1);
        socket->flush();
        // Opened from the event loop, once the answer is on its way.
        QMetaObject::invokeMethod(
            this,
            [this, taken = *message] {
                if (m_received)
                    m_received(taken);
            },
            Qt::QueuedConnection);
    }
    socket->disconnectFromServer();
}

bool ReadingHandOver::send(const QString &socketPath, const Message &message)
{
    const QByteArray bytes = compose(message);
    if (!parse(bytes))
        return false; // nothing the running instance would take
    QLocalSocket socket;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(kWaitMilliseconds))
            break;
        QThread::msleep(100);
    }
    if (socket.state() != QLocalSocket::ConnectedState || !sameUser(socket.socketDescriptor()))
        return false;
    socket.write(bytes);
    if (!socket.waitForBytesWritten(kWaitMilliseconds))
        return false;
    return socket.waitForReadyRead(kAnswerMilliseconds) && socket.read(1) == QByteArray(1, kTaken);
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

bool ReadingHandOver::sameUser(qintptr descriptor)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return descriptor >= 0 &&
           getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof(peer) && peer.uid == geteuid();
}
