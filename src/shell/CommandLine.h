#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What Numorra's command line asks for, read before anything touches a
// display: --help and --version are answered without one, an unknown option
// is a usage error, and the first other argument names a reading file to
// open. Qt's own options (-platform, -display, -style...) are left to Qt.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request { Start, Help, Version, UsageError };

    // `arguments` as the program was given them, its own name first.
    explicit CommandLine(const QStringList &arguments);

    Request request() const { return m_request; }
    // The reading file to open at the start; empty for none.
    QString readingFile() const { return m_readingFile; }

    // Prints the help or the version on standard output, or the usage error
    // on standard error; the exit status: 0, or 2 for a usage error.
    int answer() const;

    static QString helpText();
    static QString versionText();
    // The complaint about an unknown option, as it was typed, and the usage line.
    static QString usageError(const QString &option);

private:
    Request m_request = Request::Start;
    QString m_readingFile;
    QString m_unknownOption;
};
