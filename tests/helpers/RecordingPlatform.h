#pragma once

#include "desktop/Platform.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <functional>

// A platform that records every call and answers dialogs as a test scripts
// them, so window behaviour can be tested without a modal dialog.
class RecordingPlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

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
    void startAnew(const QString &readingFile) override { startedAnew.append(readingFile); }
    void bringForward(QObject *window) override;
    QDate today() override;
    void endProcess(int exitCode) override;

    // Scripted answers, taken in order; an unscripted box answers Ok or No,
    // an unscripted file dialog is cancelled.
    QQueue<Answer> answers;
    QQueue<QString> chosenFiles;
    bool otherInstanceRunning = false;
    bool handOverTaken = true;      // the running instance takes what a second start hands it
    bool otherInstanceEnds = false; // it ends while a second start hands it a reading
    PrintOutcome printOutcome = PrintOutcome::Printed;
    bool settingsReadable = true;
    bool settingsWritable = true;
    QDate todayDate = QDate(2026, 12, 7);
    // Called while a message box is "open", as a user would look at the screen.
    std::function<void(const Message &)> onMessage;

    QList<Message> messages;
    QList<FileDialogRequest> fileDialogs;
    QStringList printedTexts;
    QStringList printedTitles;
    // Settings writes and opened addresses, in the order they happened.
    QStringList events;
    QStringList openedUrls;
    QMap<QString, QString> settings; // "application/section/key" -> value
    int clipboardClears = 0;
    QList<int> endedWith;
    QStringList handedOver;
    QStringList startedAnew;
    // Where the running instance's hand-over delivers: a test hands a file over through it.
    std::function<void(const QString &path)> acceptedReadings;
    QList<QObject *> broughtForward;
};
