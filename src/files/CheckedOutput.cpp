#include "files/CheckedOutput.h"

#include <QCoreApplication>
#include <QFileDevice>

namespace {

// What a device says when it has nothing to say: Qt's own text, in the
// language of Qt's catalog (so not a text of this program's catalogs).
QString unknownError()
{
    const char *text = "Unknown error";
    return QIODevice::tr(text);
}

} // namespace

CheckedOutput::CheckedOutput(QIODevice &device) : m_device(device)
{
    m_gathered.reserve(kBufferBytes);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

CheckedOutput::~CheckedOutput() = default;

bool CheckedOutput::finish(QString *reason)
{
    if (handOnGathered()) {
        auto *file = qobject_cast<QFileDevice *>(&m_device);
        if (file && !file->flush())
            m_failure = file->errorString();
    }
    if (reason && !m_failure.isEmpty())
        *reason = m_failure;
    return m_failure.isEmpty();
}

qint64 CheckedOutput::readData(char *, qint64)
{
    return -1;
}

qint64 CheckedOutput::writeData(const char *data, qint64 size)
{
    if (!m_failure.isEmpty())
        return -1;
    if (m_gathered.size() + size > kBufferBytes && !handOnGathered())
        return -1;
    if (size >= kBufferBytes)
        return handOn(data, size) ? size : -1;
    m_gathered.append(data, size);
    return size;
}

// A device may take part of the bytes; the rest is offered again until it
// takes none, which is a failure.
bool CheckedOutput::handOn(const char *data, qint64 size)
{
    for (qint64 written = 0; written < size;) {
        const qint64 step = m_device.write(data + written, size - written);
        if (step <= 0) {
            m_failure = m_device.errorString();
            if (m_failure.isEmpty() || m_failure == unknownError())
                m_failure =
                    QCoreApplication::translate("CheckedOutput", "The data could not be written.");
            return false;
        }
        written += step;
    }
    return true;
}

bool CheckedOutput::handOnGathered()
{
    if (!m_failure.isEmpty())
        return false;
    const bool handed = handOn(m_gathered.constData(), m_gathered.size());
    m_gathered.resize(0); // keeps the buffer for the next bytes
    return handed;
}
