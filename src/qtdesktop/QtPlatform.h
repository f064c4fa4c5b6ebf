#pragma once

#include "desktop/Platform.h"

#include <QLockFile>
#include <memory>

// The real desktop: Qt's message boxes, dialogs, printer, clipboard, browser,
// settings and a per-user lock file for the single running instance.
class QtPlatform : public Platform
{
public:
    QtPlatform();
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
    QDate today() override;
    void endProcess(int exitCode) override;

    // Set once endProcess ran, for a caller that has no event loop running yet.
    bool endRequested() const { return m_endRequested; }
    int exitCode() const { return m_exitCode; }

    // Where the instance lock lives: the user's runtime folder, else the temp folder.
    static QString instanceLockPath();

private:
    std::unique_ptr<QLockFile> m_instanceLock;
    bool m_endRequested = false;
    int m_exitCode = 0;
};
