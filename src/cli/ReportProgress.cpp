#include "cli/ReportProgress.h"

#include <QCoreApplication>
#include <QTextStream>
#include <chrono>

namespace {

// The run is quiet for its first second; after that the count changes at most
// ten times a second.
constexpr qint64 kQuietMilliseconds = 1000;
constexpr qint64 kRedrawMilliseconds = 100;

// The columns a line takes on a terminal: two for each wide character (the
// Chinese ones among them), one for any other.
qsizetype columnsOf(const QString &line)
{
    qsizetype columns = 0;
    for (const QChar character : line) {
        const char16_t code = character.unicode();
        const bool wide =
            (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
            (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
            (code >= 0xFFE0 && code <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
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
        QCoreApplication::translate("ReportProgress", "numorra-report: %1 of %2 readings")
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
