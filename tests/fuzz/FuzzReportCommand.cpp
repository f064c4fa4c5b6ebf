// numorra-report run in-process on any arguments and any saved reading.
//
// The input up to its first NUL byte holds the arguments, one a line, as
// UTF-8 (at most 8 of them); the bytes after that NUL are the content of a
// reading file in a temporary folder, which "%f" in an argument names (the
// file is there only when an argument names it), and standard input, which
// the file name "-" reads. The
// command only ever sees paths inside that folder: the target works in a
// folder of it (so that ".." is the temporary folder), and a slash in the
// arguments becomes an underscore before "%f" is replaced.
// With no QGuiApplication, --pdf is refused rather than written; the reading
// files --save writes are removed after each run.

#include "FuzzSupport.h"

#include "cli/ReportCommand.h"
#include "cli/ReportOptions.h"
#include "reading/Report.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>

#include <iterator>
#include <memory>

namespace {

constexpr int kMaxArguments = 8;

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

// The folder the command works in, and the reading file in it.
struct Workspace
{
    QTemporaryDir folder;
    QString readingPath;
    bool readingExists = false;
};

Workspace &workspace()
{
    static Workspace space;
    return space;
}

Outcome runCommand(ReportCommand &command, const QStringList &arguments, const QByteArray &input)
{
    QBuffer standardInput;
    standardInput.setData(input);
    standardInput.open(QIODevice::ReadOnly);
    command.setStandardInput(&standardInput);
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.status = command.run(arguments, out, err);
    // What --save wrote, here or in "..", goes, so that no run finds the
    // names of the last one taken: every such name holds the date of birth.
    for (const QDir &folder : {QDir::current(), QDir(QStringLiteral(".."))}) {
        for (const QString &file : folder.entryList({QStringLiteral("*-\?\?-\?\?*.qnr")}))
            QFile::remove(folder.absolutePath() + QLatin1Char('/') + file);
    }
    return outcome;
}

QStringList argumentsOf(const QByteArray &text, const QString &readingPath)
{
    QStringList arguments;
    if (text.isEmpty())
        return arguments;
    for (const QByteArray &line : text.split('\n').mid(0, kMaxArguments)) {
        QString argument = QString::fromUtf8(line);
        argument.replace(QLatin1Char('/'), QLatin1Char('_'));
        argument.replace(QStringLiteral("%f"), readingPath);
        arguments.append(argument);
    }
    return arguments;
}

QLocale localeFor(size_t size)
{
    static const QLocale locales[] = {
        QLocale(QLocale::C),
        QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Arabic, QLocale::Egypt),
    };
    return locales[size % std::size(locales)];
}

void checkOutcome(const QStringList &arguments, const Outcome &outcome)
{
    FUZZ_CHECK(outcome.status >= ReportCommand::Success &&
               outcome.status <= ReportCommand::Refused);
    // Every message raises the status; success says nothing on the error
    // stream, but for the files --verbose names.
    const std::optional<ReportOptions> options = ReportOptions::parse(arguments, nullptr);
    if (!options || !options->verbose)
        FUZZ_CHECK((outcome.status == ReportCommand::Success) == outcome.err.isEmpty());

    if (!options)
        FUZZ_CHECK(outcome.status == ReportCommand::Refused && outcome.out.isEmpty());
    if (!options || outcome.status != ReportCommand::Success)
        return;
    if (options->help || options->version) {
        FUZZ_CHECK(outcome.out ==
                   (options->help ? ReportOptions::helpText() : ReportOptions::versionText()));
        return;
    }
    // A PDF cannot be written without a QGuiApplication, so it never succeeds here.
    FUZZ_CHECK(options->pdfPath.isEmpty());
    if (options->json) {
        QJsonParseError error;
        QJsonDocument::fromJson(outcome.out.toUtf8(), &error);
        FUZZ_CHECK(error.error == QJsonParseError::NoError);
    } else {
        FUZZ_CHECK(outcome.out.endsWith(Report::ReportFooter() + QLatin1Char('\n')));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // As numorra-report runs it: a QCoreApplication that never sees the arguments.
    static int argc = 1;
    static char program[] = "numorra-report";
    static char *argv[] = {program, nullptr};
    static QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("numorra-report"));

    Workspace &space = workspace();
    if (!space.folder.isValid() || !QDir(space.folder.path()).mkdir(QStringLiteral("work")) ||
        !QDir::setCurrent(space.folder.filePath(QStringLiteral("work"))))
        std::abort();
    space.readingPath = space.folder.filePath(QStringLiteral("reading.qnr"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    const qsizetype split = input.indexOf('\0');
    const QByteArray argumentText = split < 0 ? input : input.left(split);
    const QByteArray content = split < 0 ? QByteArray() : input.mid(split + 1);

    // The reading file exists exactly when the arguments name it.
    Workspace &space = workspace();
    if (argumentText.contains("%f")) {
        QFile reading(space.readingPath);
        if (!reading.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            reading.write(content) != content.size())
            std::abort();
        space.readingExists = true;
    } else if (space.readingExists) {
        if (!QFile::remove(space.readingPath))
            std::abort();
        space.readingExists = false;
    }

    const QStringList arguments = argumentsOf(argumentText, space.readingPath);
    ReportCommand command;
    command.setLocale(localeFor(size));
    const Outcome first = runCommand(command, arguments, content);
    checkOutcome(arguments, first);

    // The same command again gives the same answer (checked on a quarter of
    // the inputs, which is enough to catch a run that leaves state behind).
    if (size % 4 == 0) {
        const Outcome second = runCommand(command, arguments, content);
        FUZZ_CHECK(second.status == first.status && second.out == first.out &&
                   second.err == first.err);
    }
    return 0;
}
