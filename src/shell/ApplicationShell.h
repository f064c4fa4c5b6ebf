#pragma once

#include "CalculationSteps.h"

#include <QObject>
#include <QPointer>
#include <functional>

class Platform;
class QWidget;
class frmMain;
class frmNineStar;

// The application's frame: start-up, the one way the program ends, and the
// creation of its windows (at most one main and one reading window).
class ApplicationShell : public QObject
{
    Q_OBJECT

public:
    explicit ApplicationShell(Platform &platform, QObject *parent = nullptr);

    Platform &platform() { return m_platform; }

    // Refuses a second instance; otherwise runs the update reminder and shows the main window.
    void StartApplication();
    // Closes every window without their follow-up actions, then ends the process.
    void CloseApplication();
    bool isClosingApplication() const { return m_closingApplication; }

    // A new main window with its defaults, shown.
    frmMain *showMainWindow();
    // A new, hidden reading window; an earlier one is discarded.
    frmNineStar *createReadingWindow();
    // The about window, modal over `owner`.
    void showAbout(QWidget *owner);

    frmMain *mainWindow() const;
    frmNineStar *readingWindow() const;

    // The update reminder run at start-up before the main window appears; a
    // failure in it is ignored.
    void setUpdateReminder(std::function<void()> reminder)
    {
        m_updateReminder = std::move(reminder);
    }

    // Lets a test change the engine steps a calculation runs (e.g. make one fail).
    using StepEditor = std::function<void(CalculationStepList &)>;
    void setStepEditor(StepEditor editor) { m_stepEditor = std::move(editor); }
    void editSteps(CalculationStepList &steps) const;

private:
    Platform &m_platform;
    QPointer<frmMain> m_mainWindow;
    QPointer<frmNineStar> m_readingWindow;
    StepEditor m_stepEditor;
    std::function<void()> m_updateReminder;
    bool m_closingApplication = false;
};
