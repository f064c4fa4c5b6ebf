#include "shell/ApplicationShell.h"

#include "desktop/Platform.h"
#include "readingwindows/frmNineStar.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/modHelp.h"

#include <QApplication>
#include <QWidget>

ApplicationShell::ApplicationShell(Platform &platform, QObject *parent)
    : QObject(parent), m_platform(platform),
      m_updateReminder([this] { modHelp::RemindUpdate(m_platform); })
{}

void ApplicationShell::StartApplication(const QString &readingFile)
{
    if (!m_platform.claimSingleInstance()) {
        m_platform.showMessage(tr("Application is already running"), Platform::Icon::Information,
                               Platform::Buttons::Ok);
        CloseApplication();
        return;
    }
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
    m_platform.endProcess(0);
}

frmMain *ApplicationShell::openMainWindow()
{
    auto *window = new frmMain(*this, m_personalDetails);
    m_mainWindow = window;
    window->show();
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
