#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Output whose every byte is accounted for, over a device opened for writing
// (a file, standard output, a buffer). Writes are gathered in a buffer of
// fixed size and handed on whole, retried until the device has taken every
// byte; the first failure is kept, and every write after it fails too. So no
// error is lost between two writes, as it can be when a writer ignores what
// write() returns, or a file's own buffer reports it once and forgets it.
class CheckedOutput : public QIODevice
{
public:
    // Bytes gathered before they are handed on.
    static constexpr qsizetype kBufferBytes = qsizetype(64) * 1024;

    // Opens for writing; `device` must stay open while this one is used.
    explicit CheckedOutput(QIODevice &device);
    ~CheckedOutput() override;

    bool isSequential() const override { return true; }

    // Hands on what is still gathered and flushes a file underneath. False,
    // with the reason, when any write has failed.
    bool finish(QString *reason);
    // The first failure, or nothing.
    QString failure() const { return m_failure; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool handOn(const char *data, qint64 size);
    bool handOnGathered();

    QIODevice &m_device;
    QByteArray m_gathered;
    QString m_failure;
};
