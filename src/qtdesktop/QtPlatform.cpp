#include "qtdesktop/QtPlatform.h"

#include "printing/CupsPrinting.h"
#include "qtdesktop/FileDialog.h"
#include "support/LineBreaks.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {

QMessageBox::Icon boxIcon(Platform::Icon icon)
{
    switch (icon) {
    case Platform::Icon::Critical:
        return QMessageBox::Critical;
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::Warning:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

Platform::Answer QtPlatform::showMessage(const QString &text, Icon icon, Buttons buttons)
{
    QMessageBox box(boxIcon(icon), applicationTitle(), LineBreaks::toLineFeeds(text),
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtPlatform::chooseOpenFile(const FileDialogRequest &request)
{
    return FileDialog(request, QFileDialog::AcceptOpen, QApplication::activeWindow()).choose();
}

QString QtPlatform::chooseSaveFile(const FileDialogRequest &request)
{
    return FileDialog(request, QFileDialog::AcceptSave, QApplication::activeWindow()).choose();
}

Platform::PrintOutcome QtPlatform::printText(const QString &text, const QString &title)
{
    return CupsPrinting::print(text, title);
}

void QtPlatform::clearClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    // Text selected with the mouse also lands in the X11 selection, pasted with a middle click.
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

void QtPlatform::openUrl(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

std::optional<QString> QtPlatform::readSetting(const QString &application, const QString &section,
                                               const QString &key)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    settings.beginGroup(section);
    return settings.value(key).toString();
}

bool QtPlatform::writeSetting(const QString &application, const QString &section,
                              const QString &key, const QString &value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QtPlatform::instanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = QStringLiteral("numorra.lock");
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
        name = QStringLiteral("numorra-%1.lock")
                   .arg(qEnvironmentVariable("USER", QStringLiteral("user")));
    }
    return QDir(folder).filePath(name);
}

bool QtPlatform::claimSingleInstance()
{
    if (m_instanceLock && m_instanceLock->isLocked())
        return true;
    m_instanceLock = std::make_unique<QLockFile>(instanceLockPath());
    // A lock is stale only when the process that holds it is gone (killed or
    // crashed); a running instance's lock never ages out.
    m_instanceLock->setStaleLockTime(0);
    if (m_instanceLock->tryLock(0))
        return true;
    // Only a lock held by a live instance refuses the start; a lock file that
    // cannot be written at all must not keep the user out.
    return m_instanceLock->error() != QLockFile::LockFailedError;
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

void QtPlatform::endProcess(int exitCode)
{
    m_endRequested = true;
    m_exitCode = exitCode;
    QCoreApplication::exit(exitCode);
}
