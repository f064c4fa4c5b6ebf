#pragma once

#include "reading/ReadingWindowHost.h"
#include "shell/MainWindowHost.h"

#include <QObject>
#include <QPointer>
#include <functional>

class frmMain;

// The application's frame: start-up, the one way the program ends, and the
// creation of its windows (at most one main and one reading window).
class ApplicationShell : public QObject, public MainWindowHost, public ReadingWindowHost
{
    Q_OBJECT

public:
    explicit ApplicationShell(Platform &platform, QObject *parent = nullptr);

    Platform &platform() override { return m_platform; }

    // Refuses a second instance; otherwise runs the update reminder and shows the
    // main window, which opens the saved reading at `readingFile` if one is named.
    void StartApplication(const QString &readingFile = QString());
    // Closes every window without their follow-up actions, then ends the process.
    void CloseApplication() override;
    bool isClosingApplication() const override { return m_closingApplication; }

    // A new main window with its defaults, shown.
    void showMainWindow() override { openMainWindow(); }
    frmMain *openMainWindow();
    frmNineStar *createReadingWindow() override;
    void showAbout(QWidget *owner) override;
    const PersonalDetails &personalDetails() const override;

    frmMain *mainWindow() const;
    frmNineStar *readingWindow() const;

    // The update reminder run at start-up before the main window appears
    // (modHelp::RemindUpdate unless a test sets another); a failure in it is ignored.
    void setUpdateReminder(std::function<void()> reminder)
    {
        m_updateReminder = std::move(reminder);
    }

    // Lets a test change the engine steps a calculation runs (e.g. make one fail).
    using StepEditor = std::function<void(CalculationStepList &)>;
    void setStepEditor(StepEditor editor) { m_stepEditor = std::move(editor); }
    void editSteps(CalculationStepList &steps) const override;

private:
    Platform &m_platform;
    QPointer<frmMain> m_mainWindow;
    QPointer<frmNineStar> m_readingWindow;
    StepEditor m_stepEditor;
    std::function<void()> m_updateReminder;
    bool m_closingApplication = false;
};
