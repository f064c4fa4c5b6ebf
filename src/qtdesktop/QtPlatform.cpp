#include "qtdesktop/QtPlatform.h"

#include "printing/CupsPrinting.h"
#include "qtdesktop/FileDialog.h"
#include "qtdesktop/InstanceFolder.h"
#include "qtdesktop/ReadingHandOver.h"
#include "qtdesktop/StartupNotice.h"
#include "support/LineBreaks.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
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

// The settings file of `application`, where Qt keeps a user's settings,
// while it is a regular file or none yet. Anything else there (a pipe, a
// device or a link to one, a lock that is a folder) Qt's settings would
// block on, replace, or wait for without end: such a store is left alone.
std::optional<QString> settingsFile(const QString &application)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString file = QStringLiteral("%1/%2/%2.ini").arg(folder, application);
    for (const QString &path : {file, file + QStringLiteral(".lock")}) {
        const QFileInfo info(path);
        if (folder.isEmpty() || (info.exists() && !info.isFile()))
            return std::nullopt;
    }
    return file;
}

// The hand-over socket's name in the instance folder.
const QString kSocketName = QStringLiteral("socket");
constexpr int kClaimPoll = 50; // ms

} // namespace

QtPlatform::QtPlatform(QByteArray startupId) : m_startupId(std::move(startupId)) {}
QtPlatform::~QtPlatform() = default;

Platform::Answer QtPlatform::showMessage(const QString &text, Icon icon, Buttons buttons)
{
    QMessageBox box(boxIcon(icon), applicationTitle(), LineBreaks::toLineFeeds(text),
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Ok,
                    dialogParent());
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
    return dialog.run(dialogParent(), folder);
}

// A message or dialog belongs to the window in front: the active one, else the
// one last brought forward, else the only one shown. The desktop activates a
// window a moment after it is shown or raised, and a box without a parent
// stands apart from the program, wherever the desktop puts it.
QWidget *QtPlatform::dialogParent() const
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (m_front && m_front->isVisible())
        return m_front;
    QWidget *shown = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible() || window->windowType() != Qt::Window)
            continue;
        if (shown)
            return nullptr; // no telling which of two is in front
        shown = window;
    }
    return shown;
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
    const std::optional<QString> file = settingsFile(application);
    if (!file)
        return std::nullopt;
    QSettings settings(*file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    settings.beginGroup(section);
    return settings.value(key).toString();
}

bool QtPlatform::writeSetting(const QString &application, const QString &section,
                              const QString &key, const QString &value)
{
    const std::optional<QString> file = settingsFile(application);
    if (!file)
        return false;
    QSettings settings(*file, QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QtPlatform::instanceFolder() const
{
    return m_folder ? m_folder->path() : QString();
}

bool QtPlatform::claimSingleInstance()
{
    // Tried again (a running instance did not take a reading), the claim
    // waits for that instance to end, as it may be closing, for what is left
    // of the hand-over's time: a later start waits that long in all.
    const QDeadlineTimer deadline = m_handOverDeadline;
    if (!m_folder)
        m_folder = std::make_unique<InstanceFolder>();
    InstanceFolder::Claim claim = m_folder->claim();
    while (claim == InstanceFolder::Claim::Running && !deadline.hasExpired()) {
        QThread::msleep(kClaimPoll);
        claim = m_folder->claim();
    }
    m_lockHeld = claim == InstanceFolder::Claim::Held;
    // Without a folder that only the user can enter, this instance runs on
    // its own rather than trust a name that another user could make.
    if (claim == InstanceFolder::Claim::Alone)
        qWarning("numorra: %ls",
                 qUtf16Printable(tr("found no private folder for its instance lock (in "
                                    "XDG_RUNTIME_DIR or ~/.cache); this Numorra runs on its own, "
                                    "and later starts cannot reach it")));
    return claim != InstanceFolder::Claim::Running;
}

bool QtPlatform::handOverReading(const QString &path)
{
    // The running instance has a working folder of its own: the path goes
    // whole. One that has ended while nobody listened (its lock is then this
    // start's) is given up on at once.
    m_handOverDeadline = QDeadlineTimer(ReadingHandOver::kWaitMilliseconds);
    const auto ended = [this] {
        return m_folder->claim() != InstanceFolder::Claim::Running;
    };
    const bool handed = m_folder && ReadingHandOver::send(m_folder->entryPath(kSocketName),
                                                          {QFileInfo(path).absoluteFilePath(),
                                                           qgetenv("XDG_ACTIVATION_TOKEN")},
                                                          ended);
    if (handed)
        StartupNotice::complete(m_startupId); // this start shows no window
    return handed;
}

void QtPlatform::acceptReadings(std::function<void(const QString &path)> open)
{
    if (!m_lockHeld)
        return; // no later start can tell that this one runs
    m_handOver = std::make_unique<ReadingHandOver>();
    const bool listening =
        m_handOver->listen(m_folder->entryPath(kSocketName),
                           [this, open = std::move(open)](const ReadingHandOver::Message &message) {
                               m_activationToken = message.activationToken;
                               open(message.path);
                           });
    if (!listening)
        qWarning("Reading files from later starts cannot be taken: %ls",
                 qUtf16Printable(m_folder->path()));
}

void QtPlatform::startAnew(const QString &readingFile)
{
    // The new start raises its window with the token of the start that
    // handed the reading over, and has no launcher's start id of its own.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
    environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
    if (!m_activationToken.isEmpty())
        environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"),
                           QString::fromLatin1(m_activationToken));
    QProcess start;
    start.setProgram(QCoreApplication::applicationFilePath());
    start.setArguments({QStringLiteral("--"), readingFile});
    start.setProcessEnvironment(environment);
    if (!start.startDetached())
        qWarning("numorra: could not start again to open %ls", qUtf16Printable(readingFile));
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
    m_front = widget;
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
    m_handOver.reset(); // a later start now opens its reading itself
    m_exitCode = exitCode;
    QCoreApplication::exit(exitCode);
}
