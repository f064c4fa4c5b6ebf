#include "cli/ReportProgress.h"

#include <QCoreApplication>
#include <QTextStream>
#include <chrono>
#include <locale.h>
#include <wchar.h>

namespace {

// The run is quiet for its first second; after that the count changes at most
// ten times a second.
constexpr qint64 kQuietMilliseconds = 1000;
constexpr qint64 kRedrawMilliseconds = 100;

// The columns a line takes on a terminal, as the C library counts them: two
// for a wide character (the Chinese ones among them), none for a combining
// one. The line goes out as UTF-8, so it is measured as UTF-8 whatever the
// locale's own character set; a character the library does not know takes one.
qsizetype columnsOf(const QString &line)
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    const locale_t previous = utf8 ? uselocale(utf8) : locale_t(nullptr);
    qsizetype columns = 0;
    for (const char32_t character : line.toUcs4()) {
        const int width = wcwidth(static_cast<wchar_t>(character));
        columns += width < 0 ? 1 : width;
    }
    if (utf8)
        uselocale(previous);
    return columns;
}

} // namespace

qint64 ReportProgress::steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

ReportProgress::ReportProgress(QTextStream &err, bool terminal, Clock clock, qsizetype total)
    : m_err(err), m_terminal(terminal), m_clock(std::move(clock)), m_total(total),
      m_start(m_terminal ? m_clock() : 0)
{}

ReportProgress::~ReportProgress()
{
    clear();
}

void ReportProgress::show(qsizetype done)
{
    if (!m_terminal)
        return;
    const qint64 now = m_clock();
    if (now - m_start < kQuietMilliseconds ||
        (m_width > 0 && now - m_shownAt < kRedrawMilliseconds))
        return;
    const QString line =
        m_total == kUnknownTotal
            ? QCoreApplication::translate("ReportProgress", "numorra-report: %1 readings").arg(done)
            : QCoreApplication::translate("ReportProgress", "numorra-report: %1 of %2 readings")
                  .arg(done)
                  .arg(m_total);
    m_err << '\r' << line;
    m_err.flush();
    m_width = columnsOf(line);
    m_shownAt = now;
}

void ReportProgress::clear()
{
    if (m_width == 0)
        return;
    m_err << '\r' << QString(m_width, QLatin1Char(' ')) << '\r';
    m_err.flush();
    m_width = 0;
}
