#pragma once

#include <QString>
#include <functional>

class QTextStream;

// The progress of a long run on standard error ("numorra-report: 12000 of
// 100000 readings"): shown only where the stream is a terminal and once the
// run has lasted a second, rewritten in place, and cleared before any other
// message and at the end, so that nothing of it is left on the screen and it
// never reaches a pipe or a file.
class ReportProgress
{
public:
    // Milliseconds from any fixed moment.
    using Clock = std::function<qint64()>;

    // A steady clock.
    static qint64 steadyMilliseconds();

    // The total of a run whose length is not known (a list read as it goes):
    // only the readings done are counted.
    static constexpr qsizetype kUnknownTotal = -1;

    ReportProgress(QTextStream &err, bool terminal, Clock clock, qsizetype total);
    ~ReportProgress();

    // Tells that `done` readings of the total are done.
    void show(qsizetype done);
    // Removes the line, if shown.
    void clear();

private:
    QTextStream &m_err;
    bool m_terminal;
    Clock m_clock;
    qsizetype m_total;
    qint64 m_start;
    qint64 m_shownAt = 0;
    qsizetype m_width = 0;
};
