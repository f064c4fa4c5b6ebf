#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// The rows of a spreadsheet saved as CSV (RFC 4180), read one at a time from
// a device: cells parted by a separator, a cell in double quotes holding
// separators, line breaks and doubled quotes, rows ended by CR LF, LF or CR.
// The separator is the comma, semicolon or tab the first row that is not an
// empty line uses most (a tie goes to the tab, then the semicolon). Text is
// UTF-8; a byte-order mark before it is left out. Only the row being read is
// held, so a list of any length takes the same memory; a text that is no list
// (binary bytes, a row or a count of columns past the limits, a quote never
// closed) stops the reading at the row where that shows.
class CsvReader
{
public:
    enum class Failure { None, Unreadable, NotText, RowTooLong, TooManyColumns, UnclosedQuote };

    struct Limits
    {
        qsizetype rowBytes = qsizetype(1) << 20; // 1 MiB
        qsizetype columns = 1000;
    };

    explicit CsvReader(QIODevice &device);
    CsvReader(QIODevice &device, Limits limits);

    // The cells of the next row; false at the end of the text, or when it
    // cannot be read further (failure() tells why).
    bool next(QStringList &cells);
    // The number of the row read last, or being read when the reading
    // stopped; the first row is 1 (0 before any).
    qint64 row() const { return m_row; }
    Failure failure() const { return m_failure; }
    // The device's own reason when it could not be read.
    QString readError() const { return m_readError; }
    const Limits &limits() const { return m_limits; }
    // The separator, once the first row is read.
    char separator() const { return m_separator; }

private:
    bool start();
    bool fill();
    bool takeByte(char &byte);
    void skipByte(char byte);
    bool endCell(QByteArray &cell, QStringList &cells);
    bool stop(Failure failure);

    QIODevice &m_device;
    Limits m_limits;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    bool m_atEnd = false;
    bool m_started = false;
    char m_separator = ',';
    qint64 m_row = 0;
    Failure m_failure = Failure::None;
    QString m_readError;
};
