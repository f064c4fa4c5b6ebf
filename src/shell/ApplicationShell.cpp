#include "shell/ApplicationShell.h"

#include "desktop/Platform.h"
#include "readingwindows/frmNineStar.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/modHelp.h"
#include "widgets/WidgetStyle.h"

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int kNestedLoopPoll = 100; // ms
} // namespace

ApplicationShell::ApplicationShell(Platform &platform, QObject *parent)
    : QObject(parent), m_platform(platform),
      m_updateReminder([this] { modHelp::RemindUpdate(m_platform); })
{}

void ApplicationShell::StartApplication(const QString &readingFile)
{
    // The program's icon, also for a message shown before any window.
    QApplication::setWindowIcon(WidgetStyle::applicationIcon());
    if (!m_platform.claimSingleInstance()) {
        if (!readingFile.isEmpty() && m_platform.handOverReading(readingFile)) {
            CloseApplication();
            return;
        }
        // A running instance that did not take the reading may be closing:
        // once it has gone, this start opens the reading itself.
        if (readingFile.isEmpty() || !m_platform.claimSingleInstance()) {
            m_platform.showMessage(tr("Application is already running"),
                                   Platform::Icon::Information, Platform::Buttons::Ok);
            CloseApplication();
            return;
        }
    }
    m_platform.acceptReadings([this](const QString &path) { openHandedReading(path); });
    if (m_updateReminder) {
        try {
            m_updateReminder();
        } catch (...) {
            // the reminder, or the settings store it reads, never keeps the program from starting
        }
    }
    frmMain *window = openMainWindow();
    if (!readingFile.isEmpty())
        window->openReadingFile(readingFile);
    openWaitingReading(); // one handed over while the reminder asked its question
}

void ApplicationShell::openHandedReading(const QString &path)
{
    m_waitingReading = path; // a newer one takes the place of one still waiting
    // The later start has been told the reading is taken: one that comes as
    // the program ends opens in a new start.
    if (m_closingApplication)
        m_platform.startAnew(std::exchange(m_waitingReading, QString()));
    else
        QMetaObject::invokeMethod(this, &ApplicationShell::openWaitingReading,
                                  Qt::QueuedConnection);
}

void ApplicationShell::openWaitingReading()
{
    if (m_waitingReading.isEmpty() || m_closingApplication)
        return;
    // A dialog or message box holds the user's attention: it comes forward,
    // and the reading waits until it has closed and its own event loop has
    // ended (the main loop, or none yet, is level 1 or 0).
    if (QWidget *modal = QApplication::activeModalWidget()) {
        m_platform.bringForward(modal);
        qApp->installEventFilter(this);
        return;
    }
    // A loop of its own without a dialog (a drag, a popup menu) is looked at
    // again a little later, not at once over and over.
    if (QThread::currentThread()->loopLevel() > 1) {
        QTimer::singleShot(kNestedLoopPoll, this, &ApplicationShell::openWaitingReading);
        return;
    }
    QWidget *front = frontWindow();
    if (!front)
        return; // the start has not shown its main window yet
    qApp->removeEventFilter(this);
    const QString path = std::exchange(m_waitingReading, QString());
    m_platform.bringForward(front);
    // Over a reading window, a main window that is not shown opens the file:
    // its reading takes the place of the one shown, and a file it refuses
    // leaves that one as it was.
    const QPointer<frmNineStar> shownReading = m_readingWindow; // gone once replaced
    frmMain *window = m_mainWindow ? m_mainWindow.data() : createMainWindow();
    window->openReadingFile(path);
    if (m_readingWindow.data() != shownReading.data())
        m_platform.bringForward(m_readingWindow);
    else if (!window->isVisible())
        delete window;
}

bool ApplicationShell::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowUnblocked)
        QMetaObject::invokeMethod(this, &ApplicationShell::openWaitingReading,
                                  Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

QWidget *ApplicationShell::frontWindow() const
{
    if (m_readingWindow && m_readingWindow->isVisible())
        return m_readingWindow;
    if (m_mainWindow && m_mainWindow->isVisible())
        return m_mainWindow;
    return nullptr;
}

void ApplicationShell::CloseApplication()
{
    m_closingApplication = true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        try {
            if (window->isVisible())
                window->close();
        } catch (...) {
            // a window that fails to close does not keep the others open
        }
    }
    if (!m_waitingReading.isEmpty()) // taken, and not opened yet
        m_platform.startAnew(std::exchange(m_waitingReading, QString()));
    m_platform.endProcess(0);
}

frmMain *ApplicationShell::openMainWindow()
{
    frmMain *window = createMainWindow();
    window->show();
    return window;
}

frmMain *ApplicationShell::createMainWindow()
{
    auto *window = new frmMain(*this, m_personalDetails);
    m_mainWindow = window;
    return window;
}

frmNineStar *ApplicationShell::createReadingWindow()
{
    if (m_readingWindow)
        delete m_readingWindow.data(); // discarded without its close actions
    m_readingWindow = new frmNineStar(*this, m_personalDetails);
    return m_readingWindow;
}

CalculationStepList ApplicationShell::engineSteps(const PersonalDetails &details,
                                                  ReadingResults &results) const
{
    return CalculationSteps::engineSteps(details, results);
}

void ApplicationShell::showAbout(QWidget *owner)
{
    frmAbout about(m_platform, owner);
    about.exec();
}

frmMain *ApplicationShell::mainWindow() const
{
    return m_mainWindow;
}

frmNineStar *ApplicationShell::readingWindow() const
{
    return m_readingWindow;
}
