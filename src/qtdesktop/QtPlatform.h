#pragma once

#include "desktop/Platform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QPointer>
#include <memory>

class FileDialog;
class InstanceFolder;
class ReadingHandOver;

// The real desktop: Qt's message boxes, dialogs, printer, clipboard, browser,
// settings, and a private folder of the user's (InstanceFolder) whose lock
// makes the single running instance and whose socket takes the reading files
// of later starts.
class QtPlatform : public Platform
{
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

public:
    // `startupId`: the launcher's DESKTOP_STARTUP_ID, taken before Qt's X11
    // plugin reads and clears it, which a start that hands its file over ends.
    explicit QtPlatform(QByteArray startupId = {});
    ~QtPlatform() override;

    Answer showMessage(const QString &text, Icon icon, Buttons buttons) override;
    QString chooseOpenFile(const FileDialogRequest &request) override;
    QString chooseSaveFile(const FileDialogRequest &request) override;
    PrintOutcome printText(const QString &text, const QString &title) override;
    void clearClipboard() override;
    void openUrl(const QString &address) override;
    std::optional<QString> readSetting(const QString &application, const QString &section,
                                       const QString &key) override;
    bool writeSetting(const QString &application, const QString &section, const QString &key,
                      const QString &value) override;
    bool claimSingleInstance() override;
    bool handOverReading(const QString &path) override;
    void acceptReadings(std::function<void(const QString &path)> open) override;
    void startAnew(const QString &readingFile) override;
    void bringForward(QObject *window) override;
    QDate today() override;
    void endProcess(int exitCode) override;

    // Set once endProcess ran, for a caller that has no event loop running yet.
    bool endRequested() const { return m_endRequested; }
    int exitCode() const { return m_exitCode; }

    // The folder of the instance lock and the hand-over socket; empty when
    // there is no safe one (and this instance runs alone).
    QString instanceFolder() const;

protected:
    // Shows `dialog` in `folder` (empty: where the desktop opens it); the
    // file chosen as the dialog returned it, or nothing when cancelled.
    virtual QString runFileDialog(const FileDialog &dialog, const QString &folder);

private:
    // A file dialog, shown again in the same folder after each file it returns
    // that its rules refuse, until the user picks one they accept or cancels.
    QString chooseFile(const FileDialogRequest &request, QFileDialog::AcceptMode mode);
    QWidget *dialogParent() const;

    std::unique_ptr<InstanceFolder> m_folder;
    std::unique_ptr<ReadingHandOver> m_handOver; // goes before its folder
    bool m_lockHeld = false;
    QDeadlineTimer m_handOverDeadline; // expired until a hand-over starts
    QByteArray m_startupId;
    QByteArray m_activationToken;
    QPointer<QWidget> m_front; // the window last brought forward
    bool m_endRequested = false;
    int m_exitCode = 0;
};
