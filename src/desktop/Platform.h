#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// Everything the program asks of the desktop goes through this interface, so
// that windows can be driven in tests without a modal dialog, a printer or a
// browser. QtPlatform is the real desktop; tests use a recording stand-in.
class Platform
{
public:
    enum class Icon { Critical, Information, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    // A print job: printed, queued for a printer that is stopped, no print
    // system (CUPS) to print with, no print server answering, no default
    // printer, refused by the printer, or the document for the printer could
    // not be made (in the temporary folder).
    enum class PrintOutcome {
        Printed,
        QueuedWhileStopped,
        NoPrintSystem,
        NoPrintServer,
        NoPrinter,
        Refused,
        DocumentNotMade
    };

    // What a file dialog shows and accepts; it opens with no file name. A
    // filter is written "Label|pattern". No dialog returns a read-only file:
    // one chosen is refused in the dialog, which stays open.
    struct FileDialogRequest
    {
        QString title;
        QString filter;
        QString defaultSuffix;
        bool confirmOverwrite = false; // asks before replacing a file
        bool fileMustExist = false;
        bool folderMustExist = false;

        // The open dialog "Select the source file": the file must exist.
        static FileDialogRequest toOpen(const QString &filter, const QString &defaultSuffix)
        {
            return {QCoreApplication::translate("Platform", "Select the source file"),
                    filter,
                    defaultSuffix,
                    false,
                    true,
                    true};
        }
        // A save dialog into an existing folder that asks before replacing a file.
        static FileDialogRequest toSave(const QString &title, const QString &filter,
                                        const QString &defaultSuffix)
        {
            return {title, filter, defaultSuffix, true, false, true};
        }
    };

    // "Please Check The File.", with the stop icon: a file of the wrong kind, or unreadable.
    void tellCheckTheFile()
    {
        showMessage(QCoreApplication::translate("Platform", "Please Check The File."),
                    Icon::Critical, Buttons::Ok);
    }

    virtual ~Platform() = default;

    // A modal message box captioned "Numorra"; returns the button pressed.
    virtual Answer showMessage(const QString &text, Icon icon, Buttons buttons) = 0;

    // File dialogs; an empty result means the user cancelled.
    virtual QString chooseOpenFile(const FileDialogRequest &request) = 0;
    virtual QString chooseSaveFile(const FileDialogRequest &request) = 0;

    // Prints plain text on the default printer as one job named `title`, in
    // the report's font, with no dialog. Says whether there was a printer and
    // whether it took the job.
    virtual PrintOutcome printText(const QString &text, const QString &title) = 0;

    virtual void clearClipboard() = 0;
    virtual void openUrl(const QString &address) = 0;

    // The per-user settings store; a missing value reads as empty text, a
    // store that cannot be read as nothing.
    virtual std::optional<QString> readSetting(const QString &application, const QString &section,
                                               const QString &key) = 0;
    virtual bool writeSetting(const QString &application, const QString &section,
                              const QString &key, const QString &value) = 0;

    // True when this process is the only running instance for this user; the
    // claim lasts until the process ends. Tried again, it waits a moment for
    // the running instance to end.
    virtual bool claimSingleInstance() = 0;
    // A later start hands the reading file named on its command line to the
    // running instance: true once that instance has taken it. An instance
    // that is ending takes none.
    virtual bool handOverReading(const QString &path) = 0;
    // The running instance takes reading files from later starts: each one's
    // path goes to `open`, from the event loop.
    virtual void acceptReadings(std::function<void(const QString &path)> open) = 0;
    // Starts the program again to open `readingFile`: for a reading taken
    // from a later start in the instant this instance ends.
    virtual void startAnew(const QString &readingFile) = 0;
    // Brings a window of the program (a widget) to the front as far as the
    // desktop lets a program do so, with the activation token of the start
    // that handed a reading over where the desktop gave it one.
    virtual void bringForward(QObject *window) = 0;

    virtual QDate today() = 0;

    // Ends the process once control returns to the event loop (or at once
    // when none runs yet); callers return straight after calling it.
    virtual void endProcess(int exitCode) = 0;

    static QString applicationTitle() { return QStringLiteral("Numorra"); }
};
