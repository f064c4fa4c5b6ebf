#include "RecordingPlatform.h"

Platform::Answer RecordingPlatform::showMessage(const QString &text, Icon icon, Buttons buttons)
{
    const Message message{text, icon, buttons};
    messages.append(message);
    if (onMessage)
        onMessage(message);
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

QString RecordingPlatform::chooseOpenFile(const FileDialogRequest &request)
{
    fileDialogs.append(request);
    return chosenFiles.isEmpty() ? QString() : chosenFiles.dequeue();
}

QString RecordingPlatform::chooseSaveFile(const FileDialogRequest &request)
{
    fileDialogs.append(request);
    return chosenFiles.isEmpty() ? QString() : chosenFiles.dequeue();
}

Platform::PrintOutcome RecordingPlatform::printText(const QString &text, const QString &title)
{
    if (printOutcome == PrintOutcome::NoPrinter || printOutcome == PrintOutcome::NoPrintSystem ||
        printOutcome == PrintOutcome::NoPrintServer)
        return printOutcome;
    printedTexts.append(text);
    printedTitles.append(title);
    return printOutcome;
}

void RecordingPlatform::clearClipboard()
{
    ++clipboardClears;
}

void RecordingPlatform::openUrl(const QString &address)
{
    openedUrls.append(address);
    events.append(QStringLiteral("open ") + address);
}

std::optional<QString> RecordingPlatform::readSetting(const QString &application,
                                                      const QString &section, const QString &key)
{
    if (!settingsReadable)
        return std::nullopt;
    return settings.value(application + QLatin1Char('/') + section + QLatin1Char('/') + key);
}

bool RecordingPlatform::writeSetting(const QString &application, const QString &section,
                                     const QString &key, const QString &value)
{
    if (!settingsWritable)
        return false;
    settings.insert(application + QLatin1Char('/') + section + QLatin1Char('/') + key, value);
    events.append(QStringLiteral("write ") + key + QLatin1Char('=') + value);
    return true;
}

bool RecordingPlatform::claimSingleInstance()
{
    return !otherInstanceRunning;
}

bool RecordingPlatform::handOverReading(const QString &path)
{
    handedOver.append(path);
    otherInstanceRunning = otherInstanceRunning && !otherInstanceEnds;
    return handOverTaken;
}

void RecordingPlatform::acceptReadings(std::function<void(const QString &path)> open)
{
    acceptedReadings = std::move(open);
}

void RecordingPlatform::bringForward(QObject *window)
{
    broughtForward.append(window);
}

QDate RecordingPlatform::today()
{
    return todayDate;
}

void RecordingPlatform::endProcess(int exitCode)
{
    endedWith.append(exitCode);
}
