#include "qtdesktop/FileDialog.h"

#include "files/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

FileDialog::FileDialog(const Platform::FileDialogRequest &request, AcceptMode mode, QWidget *parent)
    : QFileDialog(parent, request.title), m_folderMustExist(request.folderMustExist)
{
    // Qt's own dialog on every desktop, so that the refusals below always apply.
    setOption(DontUseNativeDialog);
    setAcceptMode(mode);
    setNameFilter(qtFilter(request.filter));
    setDefaultSuffix(request.defaultSuffix);
    setFileMode(request.fileMustExist ? ExistingFile : AnyFile);
    setOption(DontConfirmOverwrite, !request.confirmOverwrite);
}

QString FileDialog::choose()
{
    if (exec() != Accepted || selectedFiles().isEmpty())
        return {};
    return selectedFiles().constFirst();
}

QString FileDialog::refusal(const QString &path) const
{
    const QFileInfo file(path);
    if (AtomicFile::isReadOnly(file))
        return tr("%1\nThis file is read-only. Choose another file.")
            .arg(QDir::toNativeSeparators(file.fileName()));
    if (m_folderMustExist && !file.isDir() && !file.dir().exists())
        return tr("%1\nThe folder does not exist. Check the path and try again.")
            .arg(QDir::toNativeSeparators(file.absolutePath()));
    return {};
}

void FileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
        if (const QString why = refusal(files.constFirst()); !why.isEmpty()) {
            QMessageBox::warning(this, Platform::applicationTitle(), why);
            return; // the dialog stays open for another choice
        }
    }
    QFileDialog::accept();
}

QString FileDialog::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts.at(i).trimmed();
        const QString pattern = parts.at(i + 1).trimmed();
        filters.append(label.contains(pattern)
                           ? label
                           : label + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.isEmpty() ? filter : filters.join(QStringLiteral(";;"));
}
