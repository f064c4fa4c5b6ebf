#include "printing/PdfObjects.h"

#include <QIODevice>

#include <cmath>

PdfObjects::PdfObjects(QIODevice &device) : m_device(device)
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
    const qint64 table = m_written;
    QByteArray xref = "xref\n0 " + QByteArray::number(qsizetype(m_offsets.size()) + 1) +
                      "\n0000000000 65535 f \n";
    for (const qint64 offset : m_offsets)
        xref += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    put(xref + "trailer\n<< /Size " + QByteArray::number(qsizetype(m_offsets.size()) + 1) +
        " /Root " + reference(catalog) + " /Info " + reference(information) + " >>\nstartxref\n" +
        QByteArray::number(table) + "\n%%EOF\n");
}

QByteArray PdfObjects::number(qreal value)
{
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return QByteArray::number(static_cast<qint64>(value));
    QByteArray digits = QByteArray::number(value, 'f', 6);
    while (digits.endsWith('0'))
        digits.chop(1);
    if (digits.endsWith('.'))
        digits.chop(1);
    return digits == "-0" ? QByteArray("0") : digits;
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
    m_written += bytes.size();
}
