#pragma once

#include "desktop/Platform.h"

#include <QCoreApplication>
#include <QFileDialog>

class QWidget;

// A file dialog with the options of a request: the desktop's own (GNOME's or
// KDE's through Qt's platform theme, or the XDG portal's) wherever the
// desktop has one, else Qt's own, as for any Qt program. What such a dialog
// cannot be asked to enforce is checked once it returns: the default
// extension, a read-only file, a missing folder or file, and replacing a file
// whose name only the extension completes.
class FileDialog
{
    Q_DECLARE_TR_FUNCTIONS(FileDialog)

public:
    FileDialog(const Platform::FileDialogRequest &request, QFileDialog::AcceptMode mode);

    // Shows the dialog modally over `parent`, opened in `folder` (empty: where
    // the desktop opens it); the file chosen, or nothing when cancelled.
    QString run(QWidget *parent, const QString &folder) const;

    // `path` with the default extension added when its name has none, as Qt's
    // own dialog adds it.
    QString withDefaultSuffix(const QString &path) const;

    // Why `path` may not be chosen (shown to the user), or nothing when it may.
    QString refusal(const QString &path) const;

    // The question to ask before a save replaces `path`, or nothing to ask:
    // only when the dialog returned `returned`, which lacked the extension, so
    // the dialog could not have asked about `path` itself.
    QString replaceQuestion(const QString &path, const QString &returned) const;

    // The folder in which the dialog opens again once `path` was refused: its
    // own, or the nearest one above it that exists.
    static QString folderToReopen(const QString &path);

    // "Label|pattern|Label|pattern" as Qt's "Label (pattern);;Label (pattern)".
    static QString qtFilter(const QString &filter);

private:
    Platform::FileDialogRequest m_request;
    QFileDialog::AcceptMode m_mode;
};
