#include "cli/CsvReader.h"

#include <QFileDevice>
#include <QStringDecoder>

namespace {

constexpr qsizetype kChunkBytes = qsizetype(64) * 1024;
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

enum class State { CellStart, Unquoted, Quoted, QuoteSeen };

// A control character no text row holds: the mark of a binary file.
bool isBinary(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    return code < 0x20 && byte != '\t' && byte != '\r' && byte != '\n';
}

// The separator the row at the start of `bytes` uses most, counted outside
// quotes; a tie goes to the tab, then the semicolon.
char separatorOf(const QByteArray &bytes)
{
    qsizetype tabs = 0;
    qsizetype semicolons = 0;
    qsizetype commas = 0;
    bool quoted = false;
    for (const char byte : bytes) {
        if (byte == '"')
            quoted = !quoted;
        if (quoted)
            continue;
        if (byte == '\r' || byte == '\n')
            break;
        tabs += byte == '\t';
        semicolons += byte == ';';
        commas += byte == ',';
    }
    if (tabs > 0 && tabs >= semicolons && tabs >= commas)
        return '\t';
    return semicolons > 0 && semicolons >= commas ? ';' : ',';
}

} // namespace

CsvReader::CsvReader(QIODevice &device) : CsvReader(device, Limits()) {}
CsvReader::CsvReader(QIODevice &device, Limits limits) : m_device(device), m_limits(limits) {}

bool CsvReader::next(QStringList &cells)
{
    cells.clear();
    if (m_failure != Failure::None || !start())
        return false;
    State state = State::CellStart;
    QByteArray cell;
    qsizetype rowBytes = 0;
    char byte = 0;
    while (takeByte(byte)) {
        if (rowBytes++ == 0)
            ++m_row;
        if (rowBytes > m_limits.rowBytes)
            return stop(Failure::RowTooLong);
        if (isBinary(byte))
            return stop(Failure::NotText);
        if (state == State::Quoted) {
            if (byte == '"')
                state = State::QuoteSeen;
            else
                cell.append(byte);
        } else if (byte == '"' && state != State::Unquoted) {
            if (state == State::QuoteSeen)
                cell.append(byte); // a doubled quote
            state = State::Quoted;
        } else if (byte == m_separator) {
            if (!endCell(cell, cells))
                return false;
            state = State::CellStart;
        } else if (byte == '\r' || byte == '\n') {
            if (byte == '\r')
                skipByte('\n');
            return endCell(cell, cells);
        } else {
            // After a closing quote, the rest of the cell is kept as written.
            cell.append(byte);
            state = State::Unquoted;
        }
    }
    if (m_failure != Failure::None || rowBytes == 0)
        return false;
    if (state == State::Quoted)
        return stop(Failure::UnclosedQuote);
    return endCell(cell, cells);
}

// Leaves out a byte-order mark and finds the separator in the first row that
// is not empty, reading as far as the row limit allows.
bool CsvReader::start()
{
    if (m_started)
        return m_failure == Failure::None;
    m_started = true;
    while (m_buffer.size() < kByteOrderMark.size() && fill()) {
    }
    if (m_buffer.startsWith(kByteOrderMark))
        m_position = kByteOrderMark.size();
    // The same bytes however the device hands them over, a few at a time or
    // all; empty lines before the first row are passed over.
    bool quoted = false;
    qsizetype rowStart = 0;
    qsizetype offset = 0;
    for (; offset <= m_limits.rowBytes; ++offset) {
        if (m_position + offset == m_buffer.size() && !fill())
            break;
        const char byte = m_buffer.at(m_position + offset);
        quoted = byte == '"' ? !quoted : quoted;
        if (!quoted && (byte == '\r' || byte == '\n')) {
            if (offset > rowStart)
                break;
            rowStart = offset + 1;
        }
    }
    m_separator = separatorOf(m_buffer.mid(m_position + rowStart, offset - rowStart));
    return m_failure == Failure::None;
}

// Reads the next chunk after what is left unread; false at the end of the
// text or when the device fails.
bool CsvReader::fill()
{
    if (m_atEnd)
        return false;
    const QByteArray chunk = m_device.read(kChunkBytes);
    if (auto *file = qobject_cast<QFileDevice *>(&m_device);
        file && file->error() != QFileDevice::NoError) {
        m_readError = file->errorString();
        m_failure = Failure::Unreadable;
    }
    m_atEnd = chunk.isEmpty() || m_failure != Failure::None;
    m_buffer.remove(0, m_position);
    m_position = 0;
    m_buffer.append(chunk);
    return !m_atEnd;
}

bool CsvReader::takeByte(char &byte)
{
    if (m_position == m_buffer.size() && !fill())
        return false;
    byte = m_buffer.at(m_position++);
    return true;
}

void CsvReader::skipByte(char byte)
{
    if ((m_position < m_buffer.size() || fill()) && m_buffer.at(m_position) == byte)
        ++m_position;
}

bool CsvReader::endCell(QByteArray &cell, QStringList &cells)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    cells.append(decoder(cell));
    cell.clear();
    if (decoder.hasError())
        return stop(Failure::NotText);
    if (cells.size() > m_limits.columns)
        return stop(Failure::TooManyColumns);
    return true;
}

bool CsvReader::stop(Failure failure)
{
    m_failure = failure;
    return false;
}
