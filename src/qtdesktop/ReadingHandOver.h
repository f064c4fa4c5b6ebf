#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;

// A reading file handed from a later start to the running instance, over a
// local (Unix domain) socket in the user's private folder (InstanceFolder):
// the running instance listens, and a later start sends one message (the
// file's path and the desktop's activation token) and waits until the
// running instance says it took it. Each end checks that the other runs as
// the same user; a message that is not exactly one path and one token is
// dropped. Neither end waits without bound: a later start gives up after two
// seconds in all, and the running instance keeps at most a handful of
// connections waiting for their message, two seconds each, dropping the
// oldest for a new one. The socket is spoken to directly, through Qt Core's
// socket notifier: Qt Network would load nine more libraries at every start.
class ReadingHandOver : public QObject
{
    Q_OBJECT

public:
    struct Message
    {
        QString path;               // absolute
        QByteArray activationToken; // empty where the desktop gave none
    };

    // The longest path (Linux's PATH_MAX) and token a message carries, in bytes.
    static constexpr int kMaxPath = 4096;
    static constexpr int kMaxToken = 255;
    static constexpr int kMaxMessage = kMaxPath + kMaxToken + 2;
    // How long a later start waits in all, from connecting to the answer, and
    // how long the running instance waits for a connection's message.
    static constexpr int kWaitMilliseconds = 2000;
    // The connections the running instance keeps waiting for their message.
    static constexpr int kMaxWaiting = 8;

    explicit ReadingHandOver(QObject *parent = nullptr);
    ~ReadingHandOver() override;

    // Listens at `socketPath`, in a folder only this user can enter,
    // replacing a socket a killed instance left there; each message taken
    // goes to `received`, from the event loop.
    bool listen(const QString &socketPath, std::function<void(const Message &)> received);

    // Sends `message` to the instance listening at `socketPath`; true once it
    // took it, false when it has not within kWaitMilliseconds, or once
    // `ended` says, while nobody listens, that the instance has ended.
    static bool send(const QString &socketPath, const Message &message,
                     const std::function<bool()> &ended = {});

    // A message's bytes: the path in UTF-8, a NUL, the token, a NUL.
    static QByteArray compose(const Message &message);
    // The message in `bytes`, or nothing unless they are exactly one.
    static std::optional<Message> parse(const QByteArray &bytes);

    // True when the process at the other end of a connected local socket runs as this user.
    static bool sameUser(int descriptor);

private:
    // A connection taken, until its message is whole.
    struct Peer
    {
        int descriptor;
        QSocketNotifier *notifier;
        QByteArray bytes;
    };

    void takeConnection();
    void readFrom(const std::shared_ptr<Peer> &peer);
    void hangUp(const std::shared_ptr<Peer> &peer);

    int m_listener = -1;
    QString m_socketPath;
    QSocketNotifier *m_notifier = nullptr;
    std::function<void(const Message &)> m_received;
    std::deque<std::shared_ptr<Peer>> m_waiting; // oldest first
};
