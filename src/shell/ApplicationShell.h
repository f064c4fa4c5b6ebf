#pragma once

#include "details/PersonalDetails.h"
#include "readingwindows/ReadingWindowHost.h"
#include "shell/MainWindowHost.h"

#include <QObject>
#include <QPointer>
#include <functional>

class frmMain;

// The application's frame: start-up, the one way the program ends, the
// creation of its windows (at most one main and one reading window), and the
// personal details of the last calculation, which it hands to both.
class ApplicationShell : public QObject, public MainWindowHost, public ReadingWindowHost
{
    Q_OBJECT

public:
    explicit ApplicationShell(Platform &platform, QObject *parent = nullptr);

    Platform &platform() override { return m_platform; }

    // A second instance hands `readingFile` to the running one and ends, and
    // without a file is refused; otherwise runs the update reminder and shows
    // the main window, which opens the saved reading at `readingFile` if one
    // is named.
    void StartApplication(const QString &readingFile = QString());
    // A reading file handed over by a later start: the program comes forward
    // and opens it as "Open Previously Saved Reading" does, in place of the
    // reading shown; behind a dialog or message box, once that has closed.
    void openHandedReading(const QString &path);
    // Closes every window without their follow-up actions, then ends the process.
    void CloseApplication() override;
    bool isClosingApplication() const override { return m_closingApplication; }

    // A new main window with its defaults, shown.
    void showMainWindow() override { openMainWindow(); }
    frmMain *openMainWindow();
    frmNineStar *createReadingWindow() override;
    CalculationStepList engineSteps(const PersonalDetails &details,
                                    ReadingResults &results) const override;
    void showAbout(QWidget *owner) override;
    // What the last calculation captured; empty before the first.
    const PersonalDetails &personalDetails() const { return m_personalDetails; }

    frmMain *mainWindow() const;
    frmNineStar *readingWindow() const;

    // The update reminder run at start-up before the main window appears
    // (modHelp::RemindUpdate unless a test sets another); a failure in it is ignored.
    void setUpdateReminder(std::function<void()> reminder)
    {
        m_updateReminder = std::move(reminder);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmMain *createMainWindow();
    void openWaitingReading();
    // The window the program shows: the reading window, else the main window.
    QWidget *frontWindow() const;

    Platform &m_platform;
    QPointer<frmMain> m_mainWindow;
    QPointer<frmNineStar> m_readingWindow;
    PersonalDetails m_personalDetails;
    std::function<void()> m_updateReminder;
    QString m_waitingReading; // handed over, not yet opened
    bool m_closingApplication = false;
};
