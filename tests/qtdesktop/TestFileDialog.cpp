#include "qtdesktop/FileDialog.h"
#include "qtdesktop/QtPlatform.h"

#include <QFile>
#include <QQueue>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The real platform with its dialogs scripted: each showing of a file dialog
// returns the next file (nothing: cancelled), each question the next answer.
class DialogScriptedPlatform : public QtPlatform
{
public:
    Answer showMessage(const QString &text, Icon, Buttons buttons) override
    {
        messages << text;
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }

    QQueue<QString> returned;
    QQueue<Answer> answers;
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
    void refusals_data();
    void refusals();
    void choices_data();
    void choices();

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
    // What the dialog returns each time it is shown ("" cancels), the answers
    // to questions; the file chosen, the messages (a part of each), and
    // whether the dialog opened again in the test's folder.
    QTest::addColumn<bool>("save");
    QTest::addColumn<QStringList>("returned");
    QTest::addColumn<QList<Platform::Answer>>("answers");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("messages");
    using A = QList<Platform::Answer>;
    const A none;
    const auto yes = A{Platform::Answer::Yes};
    const auto no = A{Platform::Answer::No};
    const QStringList quiet;
    QTest::newRow("a new file") << true << QStringList{"new.qnr"} << none << "new.qnr" << quiet;
    QTest::newRow("cancelled") << true << QStringList{} << none << "" << quiet;
    QTest::newRow("the extension added")
        << true << QStringList{"new"} << none << "new.qnr" << quiet;
    QTest::newRow("read-only, then another")
        << true << QStringList{"kept.qnr", "new.qnr"} << none << "new.qnr"
        << QStringList{"kept.qnr\nThis file is read-only"};
    QTest::newRow("missing folders, then a file")
        << true << QStringList{"missing/deeper/new.qnr", "new.qnr"} << none << "new.qnr"
        << QStringList{"does not exist"};
    QTest::newRow("read-only, then cancelled")
        << true << QStringList{"kept.qnr"} << none << "" << QStringList{"read-only"};
    QTest::newRow("replaced, named without extension")
        << true << QStringList{"open"} << yes << "open.qnr"
        << QStringList{"open.qnr already exists"};
    QTest::newRow("not replaced, then cancelled")
        << true << QStringList{"open"} << no << "" << QStringList{"already exists"};
    QTest::newRow("replaced, named in full: the dialog asked")
        << true << QStringList{"open.qnr"} << none << "open.qnr" << quiet;
    QTest::newRow("open a read-only file, then another")
        << false << QStringList{"kept.qnr", "open.qnr"} << none << "open.qnr"
        << QStringList{"read-only"};
    QTest::newRow("open a missing file") << false << QStringList{"gone.qnr"} << none << ""
                                         << QStringList{"gone.qnr\nFile not found"};
}

void TestFileDialog::choices()
{
    QFETCH(bool, save);
    QFETCH(QStringList, returned);
    QFETCH(QList<Platform::Answer>, answers);
    QFETCH(QString, chosen);
    QFETCH(QStringList, messages);
    DialogScriptedPlatform platform;
    for (const QString &file : returned)
        platform.returned << m_folder.filePath(file);
    for (const Platform::Answer answer : answers)
        platform.answers << answer;
    const QString path =
        save ? platform.chooseSaveFile(
                   Platform::FileDialogRequest::toSave("Numorra", "Numorra | *.qnr", "qnr"))
             : platform.chooseOpenFile(
                   Platform::FileDialogRequest::toOpen("Numorra (*.qnr)|*.qnr", "qnr"));
    QCOMPARE(path, chosen.isEmpty() ? QString() : m_folder.filePath(chosen));
    QCOMPARE(platform.messages.size(), messages.size());
    for (qsizetype i = 0; i < messages.size(); ++i)
        QVERIFY2(platform.messages.at(i).contains(messages.at(i)),
                 qPrintable(platform.messages.at(i)));
    // Opened where the desktop opens it, then again after each refusal or "No", in this folder.
    QStringList folders{QString()};
    while (folders.size() < platform.folders.size())
        folders << m_folder.path();
    QCOMPARE(platform.folders, folders);
}

QTEST_MAIN(TestFileDialog)
#include "TestFileDialog.moc"
