#pragma once

#include "desktop/Platform.h"

#include <QFileDialog>

// Qt's own file dialog with the options of a request. It refuses, and stays
// open on, a read-only file, and in a dialog whose folder must exist a file
// name in a folder that does not.
class FileDialog : public QFileDialog
{
    Q_OBJECT

public:
    FileDialog(const Platform::FileDialogRequest &request, AcceptMode mode,
               QWidget *parent = nullptr);

    // Shows the dialog modally; the chosen file, or nothing when cancelled.
    QString choose();

    // Why `path` may not be chosen (shown to the user), or nothing when it may.
    QString refusal(const QString &path) const;

    // "Label|pattern|Label|pattern" as Qt's "Label (pattern);;Label (pattern)".
    static QString qtFilter(const QString &filter);

public slots:
    void accept() override;

private:
    bool m_folderMustExist = false;
};
