// Faults from outside: saves that cannot complete, and files that are huge,
// noise, folders or gone. Nothing crashes or hangs, memory stays bounded, an
// existing file is never damaged, and the user is told.
#include "ScriptedQtPlatform.h"
#include "TestWindows.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingFile.h"
#include "reading/ReadingResults.h"
#include "readingwindows/frmSave.h"
#include "shell/ApplicationShell.h"
#include "shell/frmMain.h"

#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

const QString kCheckFile = QStringLiteral("Please Check The File.");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The process's peak resident memory so far, in KiB.
qint64 peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    }
    return 0;
}

} // namespace

class TestFileFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void saveIntoUnwritableFolder();
    void killedDuringSave();
    void badFiles_data();
    void badFiles();

private:
    ScriptedQtPlatform *m_platform = nullptr;
    ApplicationShell *m_shell = nullptr;
    QTemporaryDir m_folder;
};

void TestFileFaults::init()
{
    m_platform = new ScriptedQtPlatform;
    m_shell = new ApplicationShell(*m_platform);
}

void TestFileFaults::cleanup()
{
    deleteAllWindows();
    delete m_shell;
    delete m_platform;
}

void TestFileFaults::saveIntoUnwritableFolder()
{
    if (geteuid() == 0) {
        // Root may write anywhere: run this check again as an ordinary user.
        const int status = QProcess::execute(
            "setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups",
                        QCoreApplication::applicationFilePath(), "saveIntoUnwritableFolder"});
        QCOMPARE(status, 0);
        return;
    }
    const QString path = m_folder.filePath("kept.qnr");
    const QByteArray old =
        ReadingFile::compose(PersonalDetailsRules::capture("Old", "1", "May", "1990"));
    writeFile(path, old);
    QVERIFY(QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const PersonalDetails details = PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980");
    ReadingResults results;
    frmSave preview(*m_platform, details, results);
    m_platform->chosenFiles << path;
    preview.cmdSave->click();
    QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.constFirst().contains(path));
}

void TestFileFaults::killedDuringSave()
{
    // A save killed at any moment leaves either the old file or the new one,
    // whole: never a mixture, a shortened file or nothing.
    const QString path = m_folder.filePath("kept.bin");
    const qsizetype size = 4 * 1024 * 1024;
    writeFile(path, QByteArray(size, 'A'));
    for (int attempt = 0; attempt < 20; ++attempt) {
        QProcess saver;
        saver.start(QStringLiteral(NUMORRA_ATOMIC_SAVER), {path, QString::number(size)});
        QVERIFY(saver.waitForStarted());
        QTest::qSleep(5 + QRandomGenerator::global()->bounded(60));
        saver.kill();
        QVERIFY(saver.waitForFinished());
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes.size(), size);
        QVERIFY(bytes == QByteArray(size, 'A') || bytes == QByteArray(size, 'B'));
    }
}

void TestFileFaults::badFiles_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"gigabyte without a line break", "binary noise", "a folder",
                             "deleted after the dialog"}) {
        QTest::addRow("%s, reading file", kind) << QString::fromLatin1(kind) + ".qnr";
        QTest::addRow("%s, Nine Star Ki file", kind) << QString::fromLatin1(kind) + ".qfs";
    }
}

void TestFileFaults::badFiles()
{
    QFETCH(QString, kind);
    const QString path = m_folder.filePath(kind);
    if (kind.startsWith("gigabyte")) {
        QFile file(path); // an encoded-looking start, then a sparse gigabyte
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2 * 1024 * 1024, '\xB6'));
        QVERIFY(file.resize(qint64(1) << 30));
    } else if (kind.startsWith("binary")) {
        // A program file, say: a header, then noise.
        QByteArray noise(4 * 1024 * 1024, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        writeFile(path, QByteArray("\x7F"
                                   "ELF\x02\x01\x01\x00",
                                   8) +
                            noise);
    } else if (kind.startsWith("a folder")) {
        QVERIFY(QDir().mkdir(path));
    } else {
        writeFile(path, "\xB6\r\n");
        m_platform->afterChoosing = [](const QString &chosen) {
            QFile::remove(chosen);
        };
    }
    m_platform->chosenFiles << path;
    const qint64 peakBefore = peakMemory();
    QString reportAfter;
    if (kind.endsWith(".qnr")) {
        m_shell->openMainWindow()->cmdOpen->click();
        QVERIFY(m_shell->readingWindow() == nullptr);
    } else {
        ReadingResults results;
        frmSave preview(*m_platform, m_shell->personalDetails(), results);
        preview.cmdOpen->click();
        reportAfter = preview.report().PlainText();
    }
    QCOMPARE(m_platform->messages, QStringList{kCheckFile});
    QCOMPARE(reportAfter, QString());
    QVERIFY2(peakMemory() - peakBefore < 32 * 1024, "memory grew by more than 32 MiB");
    QFile::remove(path);
    QDir().rmdir(path);
}

QTEST_MAIN(TestFileFaults)
#include "TestFileFaults.moc"
