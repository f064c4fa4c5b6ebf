// The client list reader on any bytes, with row and column limits small
// enough for short inputs to reach them. The list read all at once and read a
// few bytes at a time, as a pipe gives them, has the same rows and stops the
// same way; row numbers rise and never pass the rows the bytes can hold, and
// a row that is taken holds a day, month and year of the lists.

#include "FuzzSupport.h"

#include "cli/ClientList.h"

#include <QLocale>
#include <iterator>

namespace {

constexpr CsvReader::Limits kLimits{256, 16};

// The bytes at most `step` at a time.
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
        const qint64 given = qMin(qMin(size, m_step), m_bytes.size() - m_taken);
        std::copy_n(m_bytes.constData() + m_taken, given, data);
        m_taken += given;
        return given;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_step;
    qint64 m_taken = 0;
};

// A row, or the failure, as text to compare.
QStringList readAll(QIODevice &device, const QLocale &locale)
{
    ClientList list(device, locale, kLimits);
    QStringList read;
    qint64 last = 0;
    while (const auto row = list.next()) {
        FUZZ_CHECK(row->number > last && row->number == list.row());
        last = row->number;
        const DetailsEntry &entry = row->entry;
        if (!row->problem) {
            FUZZ_CHECK(entry.dayIndex >= 0 && entry.dayIndex < 31);
            FUZZ_CHECK(entry.monthIndex >= 0 && entry.monthIndex < 12);
            FUZZ_CHECK(entry.yearIndex >= 0 && entry.yearIndex <= 150);
            FUZZ_CHECK(entry.nameText.size() <= DetailsEntry::kNameFieldLength);
            FUZZ_CHECK(!entry.nameText.contains(QLatin1Char('\n')));
        }
        read.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                        .arg(row->number)
                        .arg(entry.nameText)
                        .arg(entry.dayIndex)
                        .arg(entry.monthIndex)
                        .arg(entry.yearIndex)
                        .arg(row->problem ? row->problem->english : QString()));
    }
    if (const auto failure = list.failure()) {
        FUZZ_CHECK(!failure->text.isEmpty() && !failure->english.isEmpty());
        FUZZ_CHECK(list.failureRow() >= last);
        read.append(failure->english + QStringLiteral(" at %1").arg(list.failureRow()));
    }
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Chinese, QLocale::China),
        QLocale(QLocale::C),
    };
    const QLocale &locale = locales[size % std::size(locales)];
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    Fuzz::ByteDevice whole(bytes);
    const QStringList read = readAll(whole.device(), locale);
    Trickle trickle(bytes, 1 + static_cast<qint64>(size % 5));
    FUZZ_CHECK(readAll(trickle, locale) == read);
    // A row takes at least one byte, and the first row may be a header.
    FUZZ_CHECK(read.size() <= bytes.size() + 1);
    return 0;
}
