#include "TestWindows.h"
#include "qtdesktop/FileDialog.h"
#include "qtdesktop/QtPlatform.h"

#include <QFile>
#include <QQueue>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The real platform with its dialogs scripted: each time a file dialog shows,
// it returns the next file (none: cancelled); each question takes the next answer.
class DialogScriptedPlatform : public QtPlatform
{
public:
    Answer showMessage(const QString &text, Icon, Buttons buttons) override
    {
        messages << text;
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return !answers.isEmpty() && answers.dequeue() == 'y' ? Answer::Yes : Answer::No;
    }

    QQueue<QString> returned;
    QQueue<char> answers;
    QStringList messages;
    QStringList folders; // where each dialog opened

protected:
    QString runFileDialog(const FileDialog &, const QString &folder) override
    {
        folders << folder;
        return returned.isEmpty() ? QString() : returned.dequeue();
    }
};

} // namespace

class TestFileDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void filters_data();
    void filters();
    void nameKeptWithoutADefaultExtension();
    void refusals_data();
    void refusals();
    void choices_data();
    void choices();
    void dialogGivesWhatWasChosen_data();
    void dialogGivesWhatWasChosen();

private:
    QTemporaryDir m_folder;
    QString m_readOnly;
    QString m_writable;
};

void TestFileDialog::initTestCase()
{
    m_readOnly = m_folder.filePath("kept.qnr");
    m_writable = m_folder.filePath("open.qnr");
    for (const QString &path : {m_readOnly, m_writable}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::setPermissions(m_readOnly, QFile::ReadOwner | QFile::ReadGroup));
}

void TestFileDialog::filters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qtFilter");
    QTest::newRow("label with pattern") << "Numorra (*.qnr)|*.qnr"
                                        << "Numorra (*.qnr)";
    QTest::newRow("label without pattern") << "Numorra | *.qnr"
                                           << "Numorra (*.qnr)";
    QTest::newRow("two filters") << "A|*.a|B (*.b)|*.b"
                                 << "A (*.a);;B (*.b)";
}

void TestFileDialog::filters()
{
    QFETCH(QString, filter);
    QFETCH(QString, qtFilter);
    QCOMPARE(FileDialog::qtFilter(filter), qtFilter);
}

void TestFileDialog::nameKeptWithoutADefaultExtension()
{
    const FileDialog dialog(Platform::FileDialogRequest::toSave("T", "T | *", ""),
                            QFileDialog::AcceptSave);
    QCOMPARE(dialog.withDefaultSuffix("/x/Mr. Lee"), QString("/x/Mr. Lee"));
}

void TestFileDialog::refusals_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("refusal"); // part of the message; empty: accepted
    const QString readOnly = "This file is read-only";
    const QString noFolder = "The folder does not exist";
    QTest::newRow("save over a writable file") << true << "open.qnr" << QString();
    QTest::newRow("save a new file") << true << "new.qnr" << QString();
    QTest::newRow("save over a read-only file") << true << "kept.qnr" << readOnly;
    QTest::newRow("save into a missing folder") << true << "missing/new.qnr" << noFolder;
    QTest::newRow("open a writable file") << false << "open.qnr" << QString();
    QTest::newRow("open a read-only file") << false << "kept.qnr" << readOnly;
    QTest::newRow("open a missing file") << false << "gone.qnr"
                                         << "File not found";
}

void TestFileDialog::refusals()
{
    QFETCH(bool, save);
    QFETCH(QString, file);
    QFETCH(QString, refusal);
    const Platform::FileDialogRequest request =
        save ? Platform::FileDialogRequest::toSave("Numorra", "Numorra | *.qnr", "qnr")
             : Platform::FileDialogRequest::toOpen("Numorra (*.qnr)|*.qnr", "qnr");
    const FileDialog dialog(request, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const QString why = dialog.refusal(m_folder.filePath(file));
    QCOMPARE(why.isEmpty(), refusal.isEmpty());
    QVERIFY2(why.contains(refusal), qPrintable(why));
}

void TestFileDialog::choices_data()
{
    // What the dialog returns each time it shows, the answers to questions
    // (y or n); the file chosen (none: cancelled) and a part of each message.
    QTest::addColumn<bool>("save");
    QTest::addColumn<QStringList>("returned");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("the extension added") << true << QStringList{"new"} << ""
                                         << "new.qnr" << QStringList();
    QTest::newRow("the extension added to a name with a dot")
        << true << QStringList{"Mr. Lee"} << ""
        << "Mr. Lee.qnr" << QStringList();
    QTest::newRow("read-only, then another") << true << QStringList{"kept.qnr", "new.qnr"} << ""
                                             << "new.qnr" << QStringList{"kept.qnr\nThis file"};
    QTest::newRow("missing folders, then cancelled")
        << true << QStringList{"missing/deeper/new.qnr"} << ""
        << "" << QStringList{"not exist"};
    QTest::newRow("replaced, named without extension")
        << true << QStringList{"open"} << "y"
        << "open.qnr" << QStringList{"open.qnr already"};
    QTest::newRow("not replaced, then another") << true << QStringList{"open", "new"} << "n"
                                                << "new.qnr" << QStringList{"already exists"};
    QTest::newRow("named in full: the dialog asked") << true << QStringList{"open.qnr"} << ""
                                                     << "open.qnr" << QStringList();
    QTest::newRow("open a missing file, then another")
        << false << QStringList{"gone.qnr", "open.qnr"} << ""
        << "open.qnr" << QStringList{"gone.qnr\nFile not found"};
}

void TestFileDialog::choices()
{
    QFETCH(bool, save);
    QFETCH(QStringList, returned);
    QFETCH(QString, answers);
    QFETCH(QString, chosen);
    QFETCH(QStringList, messages);
    DialogScriptedPlatform platform;
    for (const QString &file : returned)
        platform.returned << m_folder.filePath(file);
    for (const QChar answer : answers)
        platform.answers << answer.toLatin1();
    const QString path =
        save ? platform.chooseSaveFile(
                   Platform::FileDialogRequest::toSave("Numorra", "Numorra | *.qnr", "qnr"))
             : platform.chooseOpenFile(
                   Platform::FileDialogRequest::toOpen("Numorra (*.qnr)|*.qnr", "qnr"));
    QCOMPARE(path, chosen.isEmpty() ? QString() : m_folder.filePath(chosen));
    QCOMPARE(platform.messages.size(), messages.size());
    for (qsizetype i = 0; i < messages.size(); ++i)
        QVERIFY2(platform.messages.at(i).contains(messages.at(i)), qPrintable(messages.at(i)));
    // Opened where the desktop opens it, then again in this folder after each refusal or "No".
    const qsizetype again = messages.size() - answers.count('y');
    QCOMPARE(platform.folders, QStringList{QString()} + QStringList(again, m_folder.path()));
}

void TestFileDialog::dialogGivesWhatWasChosen_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled with a file picked") << false;
}

// The dialog itself, as the desktop shows it: a file chosen comes back, a
// dialog cancelled gives nothing, whatever was picked in it.
void TestFileDialog::dialogGivesWhatWasChosen()
{
    QFETCH(bool, accepted);
    const FileDialog dialog(Platform::FileDialogRequest::toOpen("Numorra (*.qnr)|*.qnr", "qnr"),
                            QFileDialog::AcceptOpen);
    whenModalOpens([this, accepted](QWidget *modal) {
        auto *shown = static_cast<QFileDialog *>(modal);
        shown->selectFile(m_writable);
        accepted ? static_cast<QDialog *>(shown)->accept() : shown->reject();
    });
    QCOMPARE(dialog.run(nullptr, m_folder.path()), accepted ? m_writable : QString());
}

QTEST_MAIN(TestFileDialog)
#include "TestFileDialog.moc"
