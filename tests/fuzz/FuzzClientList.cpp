// The client list reader on any bytes, with limits short inputs reach: read
// at once and a few bytes at a time, the list has the same rows and stops the
// same way; row numbers rise; a row taken holds what the main window holds.

#include "FuzzSupport.h"

#include "cli/ClientList.h"

#include <QLocale>
#include <cstring>
#include <iterator>

namespace {

// The bytes at most `step` at a time, as a pipe may give them. (A QBuffer
// said to be sequential would read from its start each time: a sequential
// device has no position.)
class Trickle : public QIODevice
{
public:
    Trickle(const QByteArray &bytes, qint64 step) : m_bytes(bytes), m_step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 size) override
    {
        const qint64 count = qMin(qMin(size, m_step), m_bytes.size() - m_at);
        std::memcpy(data, m_bytes.constData() + m_at, static_cast<size_t>(count));
        m_at += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_step;
    qint64 m_at = 0;
};

// Each row, and the failure, as text to compare.
QStringList readAll(QIODevice &device, const QLocale &locale)
{
    ClientList list(device, locale, CsvReader::Limits{256, 16});
    QStringList read;
    qint64 last = 0;
    while (const auto row = list.next()) {
        const DetailsEntry &entry = row->entry;
        FUZZ_CHECK(row->number > last && row->number == list.row());
        FUZZ_CHECK(row->problem ||
                   (entry.dayIndex >= 0 && entry.dayIndex < 31 && entry.monthIndex >= 0 &&
                    entry.monthIndex < 12 && entry.yearIndex >= 0 && entry.yearIndex <= 150 &&
                    entry.nameText.size() <= DetailsEntry::kNameFieldLength &&
                    !entry.nameText.contains(QLatin1Char('\n'))));
        last = row->number;
        read << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(last)
                    .arg(entry.dayIndex)
                    .arg(entry.monthIndex)
                    .arg(entry.yearIndex)
                    .arg(row->problem ? row->problem->english : QString())
             << entry.nameText;
    }
    const auto failure = list.failure();
    FUZZ_CHECK(!failure || (!failure->text.isEmpty() && list.failureRow() >= last));
    return read << (failure ? failure->english : QString()) << QString::number(list.failureRow());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::Chinese, QLocale::China),
        QLocale(QLocale::C),
    };
    const QLocale &locale = locales[size % std::size(locales)];
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    Fuzz::ByteDevice whole(bytes);
    Trickle trickle(bytes, 1 + static_cast<qint64>(size % 5));
    FUZZ_CHECK(readAll(trickle, locale) == readAll(whole.device(), locale));
    return 0;
}
