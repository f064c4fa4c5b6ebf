#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <deque>

class QIODevice;

// The numbered objects of a PDF, written to a device one after the other as
// they are done, then the cross-reference table that finds them. Numbers are
// handed out ahead, so an object may name one written later. What becomes of
// each write is the device's to check (see CheckedOutput).
class PdfObjects
{
public:
    // Writes the header to `device`, open for writing, which must outlive this object.
    explicit PdfObjects(QIODevice &device);

    // A number for an object still to be written.
    int reserve();
    // Writes object `number`: its body is a dictionary, array, number or string.
    void write(int number, const QByteArray &body);
    // Writes object `number` as a stream, compressed: `entries` are what its
    // dictionary holds besides the filter and length.
    void writeStream(int number, const QByteArray &entries, const QByteArray &data);
    // Writes the cross-reference table and the trailer naming the document's
    // catalog and information dictionary, and its identifier, a digest of
    // what came before. Every reserved number must be written.
    void finish(int catalog, int information);

    // A real number as content streams and dictionaries take it: at most six
    // decimals, no trailing zeros.
    static QByteArray number(qreal value);
    // The same appended to `bytes`, as content streams are written.
    static void appendNumber(QByteArray &bytes, qreal value);
    // A text string: UTF-16 with its byte order mark, in hexadecimal.
    static QByteArray text(const QString &value);
    // A reference to object `number`.
    static QByteArray reference(int number);

private:
    void put(const QByteArray &bytes);

    QIODevice &m_device;
    qint64 m_written = 0;
    QCryptographicHash m_digest;
    // Of each object, by number less one; a deque grows without copying.
    std::deque<qint64> m_offsets;
};
