#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QSocketNotifier;

// A reading file handed from a later start to the running instance, over a
// local (Unix domain) socket in the user's runtime folder that only the user
// can reach: the running instance listens, and a later start sends one
// message (the file's path and the desktop's activation token) and waits
// until the running instance says it took it. Each end checks that the other
// runs as the same user; a message that is not exactly one path and one
// token is dropped. The socket is spoken to directly, through Qt Core's
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

    explicit ReadingHandOver(QObject *parent = nullptr);
    ~ReadingHandOver() override;

    // Listens at `socketPath`, replacing a socket a killed instance left
    // there; each message taken goes to `received`, from the event loop.
    bool listen(const QString &socketPath, std::function<void(const Message &)> received);

    // Sends `message` to the instance listening at `socketPath`; true once it took it.
    static bool send(const QString &socketPath, const Message &message);

    // A message's bytes: the path in UTF-8, a NUL, the token, a NUL.
    static QByteArray compose(const Message &message);
    // The message in `bytes`, or nothing unless they are exactly one.
    static std::optional<Message> parse(const QByteArray &bytes);

    // True when the process at the other end of a connected local socket runs as this user.
    static bool sameUser(int descriptor);

private:
    void takeConnection();

    int m_listener = -1;
    QString m_socketPath;
    QSocketNotifier *m_notifier = nullptr;
    std::function<void(const Message &)> m_received;
};
