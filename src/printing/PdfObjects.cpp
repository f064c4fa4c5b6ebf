#include "printing/PdfObjects.h"

#include <QIODevice>

PdfObjects::PdfObjects(QIODevice &device) : m_device(device), m_digest(QCryptographicHash::Md5)
{
    // The second line's high bytes tell file transfer programs the file is binary.
    put(QByteArrayLiteral("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"));
}

int PdfObjects::reserve()
{
    m_offsets.push_back(-1);
    return static_cast<int>(m_offsets.size());
}

void PdfObjects::write(int number, const QByteArray &body)
{
    m_offsets[number - 1] = m_written;
    put(QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n");
}

void PdfObjects::writeStream(int number, const QByteArray &entries, const QByteArray &data)
{
    // qCompress gives the zlib stream FlateDecode reads, after four bytes of length.
    const QByteArray compressed = qCompress(data).mid(4);
    write(number, "<< " + entries + " /Filter /FlateDecode /Length " +
                      QByteArray::number(compressed.size()) + " >>\nstream\n" + compressed +
                      "\nendstream");
}

void PdfObjects::finish(int catalog, int information)
{
    // Written as it is gathered: a hundred thousand pages make a table of megabytes.
    constexpr qsizetype kChunk = 64 * 1024;
    const qint64 table = m_written;
    // The file's identifier is a digest of its objects: the same for the same content.
    const QByteArray identifier = '<' + m_digest.result().toHex() + '>';
    const QByteArray count = QByteArray::number(qsizetype(m_offsets.size()) + 1);
    QByteArray lines = "xref\n0 " + count + "\n0000000000 65535 f \n";
    for (const qint64 offset : m_offsets) {
        lines += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        if (lines.size() >= kChunk) {
            put(lines);
            lines.clear();
        }
    }
    put(lines + "trailer\n<< /Size " + count + " /Root " + reference(catalog) + " /Info " +
        reference(information) + " /ID [" + identifier + ' ' + identifier + "] >>\nstartxref\n" +
        QByteArray::number(table) + "\n%%EOF\n");
}

QByteArray PdfObjects::number(qreal value)
{
    QByteArray digits;
    appendNumber(digits, value);
    return digits;
}

// Counted in millionths, in 64 bits: positions and sizes on pages are far
// below a trillion, the most a number may be (what is not a number is 0).
void PdfObjects::appendNumber(QByteArray &bytes, qreal value)
{
    constexpr qreal kLargest = 1e12;
    const qreal kept = value == value ? qBound(-kLargest, value, kLargest) : 0;
    qint64 millionths = qRound64(kept * 1e6);
    if (millionths < 0) {
        bytes.append('-');
        millionths = -millionths;
    }
    char digits[24];
    char *const end = digits + sizeof digits;
    char *first = end;
    qint64 fraction = millionths % 1000000;
    if (fraction != 0) {
        int places = 6;
        for (; fraction % 10 == 0; --places)
            fraction /= 10;
        for (; places > 0; --places, fraction /= 10)
            *--first = static_cast<char>('0' + fraction % 10);
        *--first = '.';
    }
    qint64 whole = millionths / 1000000;
    do {
        *--first = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    bytes.append(first, end - first);
}

QByteArray PdfObjects::text(const QString &value)
{
    QByteArray units("\xFE\xFF", 2);
    for (const QChar unit : value) {
        units.append(static_cast<char>(unit.unicode() >> 8));
        units.append(static_cast<char>(unit.unicode() & 0xFF));
    }
    return '<' + units.toHex() + '>';
}

QByteArray PdfObjects::reference(int number)
{
    return QByteArray::number(number) + " 0 R";
}

void PdfObjects::put(const QByteArray &bytes)
{
    m_device.write(bytes);
    m_digest.addData(bytes);
    m_written += bytes.size();
}
