#include "qtdesktop/QtPlatform.h"

#include "printing/CupsPrinting.h"
#include "qtdesktop/FileDialog.h"
#include "qtdesktop/ReadingHandOver.h"
#include "support/LineBreaks.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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

// A file of the user's session: in the runtime folder, else in the temp
// folder under the user's name.
QString sessionFilePath(const QString &suffix)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        return QDir(folder).filePath(QStringLiteral("numorra.") + suffix);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("numorra-%1.%2")
                      .arg(qEnvironmentVariable("USER", QStringLiteral("user")), suffix));
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
    return chooseFile(request, QFileDialog::AcceptOpen);
}

QString QtPlatform::chooseSaveFile(const FileDialogRequest &request)
{
    return chooseFile(request, QFileDialog::AcceptSave);
}

QString QtPlatform::chooseFile(const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    const FileDialog dialog(request, mode);
    QString folder;
    for (;;) {
        const QString returned = runFileDialog(dialog, folder);
        if (returned.isEmpty())
            return {};
        const QString path = dialog.withDefaultSuffix(returned);
        if (const QString why = dialog.refusal(path); !why.isEmpty())
            showMessage(why, Icon::Warning, Buttons::Ok);
        else if (const QString question = dialog.replaceQuestion(path, returned);
                 question.isEmpty() ||
                 showMessage(question, Icon::Warning, Buttons::YesNo) == Answer::Yes)
            return path;
        folder = FileDialog::folderToReopen(path);
    }
}

QString QtPlatform::runFileDialog(const FileDialog &dialog, const QString &folder)
{
    return dialog.run(QApplication::activeWindow(), folder);
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
    return sessionFilePath(QStringLiteral("lock"));
}

QString QtPlatform::handOverSocketPath()
{
    return sessionFilePath(QStringLiteral("socket"));
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

bool QtPlatform::handOverReading(const QString &path)
{
    // The running instance has a working folder of its own: the path goes whole.
    return ReadingHandOver::send(handOverSocketPath(), {QFileInfo(path).absoluteFilePath(),
                                                        qgetenv("XDG_ACTIVATION_TOKEN")});
}

void QtPlatform::acceptReadings(std::function<void(const QString &path)> open)
{
    m_handOver = std::make_unique<ReadingHandOver>();
    const bool listening =
        m_handOver->listen(handOverSocketPath(),
                           [this, open = std::move(open)](const ReadingHandOver::Message &message) {
                               m_activationToken = message.activationToken;
                               open(message.path);
                           });
    if (!listening)
        qWarning("Reading files from later starts cannot be taken: %ls",
                 qUtf16Printable(handOverSocketPath()));
}

void QtPlatform::bringForward(QObject *window)
{
    auto *widget = qobject_cast<QWidget *>(window);
    if (!widget)
        return;
    // Qt's Wayland plugin asks the compositor for the focus with the token in
    // XDG_ACTIVATION_TOKEN, which it spends; without one it only asks.
    const QByteArray token = std::exchange(m_activationToken, QByteArray());
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", token);
    widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
    widget->raise();
    widget->activateWindow();
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
