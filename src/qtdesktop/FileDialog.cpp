#include "qtdesktop/FileDialog.h"

#include "files/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

FileDialog::FileDialog(const Platform::FileDialogRequest &request, QFileDialog::AcceptMode mode)
    : m_request(request), m_mode(mode)
{}

QString FileDialog::run(QWidget *parent, const QString &folder) const
{
    QFileDialog dialog(parent, m_request.title, folder);
    dialog.setAcceptMode(m_mode);
    dialog.setNameFilter(qtFilter(m_request.filter));
    dialog.setFileMode(m_request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !m_request.confirmOverwrite);
    // No default suffix: the desktop's dialog would ask about replacing the
    // name as typed, and Qt would add the extension only after it.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString FileDialog::withDefaultSuffix(const QString &path) const
{
    const QFileInfo file(path);
    const QString suffix = QLatin1Char('.') + m_request.defaultSuffix;
    // A file saved must end in the extension to open again, whatever dots its
    // name holds ("Mr. Lee"); a file to open may have another.
    const bool named = m_mode == QFileDialog::AcceptSave
                           ? file.fileName().endsWith(suffix)
                           : file.fileName().contains(QLatin1Char('.'));
    if (m_request.defaultSuffix.isEmpty() || file.isDir() || named)
        return path;
    return path + suffix;
}

QString FileDialog::refusal(const QString &path) const
{
    const QFileInfo file(path);
    if (AtomicFile::isReadOnly(file))
        return tr("%1\nThis file is read-only. Choose another file.")
            .arg(QDir::toNativeSeparators(file.fileName()));
    if (m_request.folderMustExist && !file.isDir() && !file.dir().exists())
        return tr("%1\nThe folder does not exist. Check the path and try again.")
            .arg(QDir::toNativeSeparators(file.absolutePath()));
    // Qt's own dialog says these in its own words, which its catalogs translate.
    if (m_request.fileMustExist && !file.isFile())
        return QCoreApplication::translate(
                   "QFileDialog",
                   "%1\nFile not found.\nPlease verify the correct file name was given.")
            .arg(file.fileName());
    return {};
}

QString FileDialog::replaceQuestion(const QString &path, const QString &returned) const
{
    if (m_mode != QFileDialog::AcceptSave || !m_request.confirmOverwrite || path == returned ||
        !QFileInfo::exists(path))
        return {};
    return QCoreApplication::translate("QFileDialog",
                                       "%1 already exists.\nDo you want to replace it?")
        .arg(QFileInfo(path).fileName());
}

QString FileDialog::folderToReopen(const QString &path)
{
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    return folder;
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
