#pragma once

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// What Numorra's command line asks for, read (by QCommandLineParser) before
// anything touches a display: --help and --version are answered without
// one, an unknown option is a usage error, a start with no display to open a
// window on says so, and the first other argument names a reading file to
// open. Qt's own options (-platform, -display, -style...) are left to Qt.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request { Start, Help, Version, UsageError, NoDisplay };

    // `arguments` as the program was given them, its own name first.
    explicit CommandLine(
        const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    Request request() const { return m_request; }
    // The reading file to open at the start; empty for none.
    QString readingFile() const { return m_readingFile; }

    // Prints the help or the version on standard output, or the usage error
    // or the want of a display on standard error, in the language of the
    // catalogs installed; the exit status: 0, 1 for no display or an answer
    // that could not be written, 2 for a usage error.
    int answer() const;

private:
    // Reads the arguments into `parser`, with the options' texts in the
    // language in force; false on a usage error.
    bool parse(QCommandLineParser &parser) const;
    QString helpText(const QCommandLineParser &parser) const;

    QStringList m_arguments;
    Request m_request = Request::Start;
    QString m_readingFile;
};
