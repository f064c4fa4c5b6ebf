#pragma once

#include "qtdesktop/QtPlatform.h"

#include <QQueue>
#include <QStringList>
#include <functional>

// The real desktop (printer, settings store, clipboard, browser), except that
// message boxes and file dialogs are answered as the test scripts them.
class ScriptedQtPlatform : public QtPlatform
{
public:
    Answer showMessage(const QString &text, Icon, Buttons buttons) override
    {
        messages << text;
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }

    QString chooseOpenFile(const FileDialogRequest &) override { return nextFile(); }
    QString chooseSaveFile(const FileDialogRequest &) override { return nextFile(); }

    QStringList messages;
    QQueue<Answer> answers;
    QQueue<QString> chosenFiles;
    // Runs after a file dialog has been answered, before the program reads the file.
    std::function<void(const QString &)> afterChoosing;

private:
    QString nextFile()
    {
        const QString path = chosenFiles.isEmpty() ? QString() : chosenFiles.dequeue();
        if (afterChoosing)
            afterChoosing(path);
        return path;
    }
};
