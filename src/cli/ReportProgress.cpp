#include "cli/ReportProgress.h"

#include <QTextStream>
#include <chrono>

namespace {

// The run is quiet for its first second; after that the count changes at most
// ten times a second.
constexpr qint64 kQuietMilliseconds = 1000;
constexpr qint64 kRedrawMilliseconds = 100;

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
    const QString line = QStringLiteral("numorra-report: %1 of %2 readings").arg(done).arg(m_total);
    m_err << '\r' << line;
    m_err.flush();
    m_width = line.size();
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
