#include "TestWindows.h"
#include "qtdesktop/QtPlatform.h"
#include "qtdesktop/ReadingHandOver.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmMain.h"
#include "support/modHelp.h"

#include <QLineEdit>
#include <QMessageBox>

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// Stands in for the browser: records the addresses the desktop is asked to open.
class Browser : public QObject
{
    Q_OBJECT

public:
    QStringList opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened << url.toString(); }
};

class TestQtPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void clearClipboardEmptiesText();
    void calculationEmptiesClipboard();
    void secondClaimIsRefused();
    void lockOfDeadProcessIsTakenOver();
    void oldLockOfLiveProcessHolds();
    void handOverMessages_data();
    void handOverMessages();
    void readingGoesToTheRunningInstance();
    void anotherUsersHandOverIsDropped();
    void settingsRoundTrip();
    void pagesGoToTheBrowser();
    void messageBoxBreaksLines_data();
    void messageBoxBreaksLines();
    void printingWithoutAPrintServer();

private:
    QTemporaryDir m_runtime;
};

void TestQtPlatform::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_runtime.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(false);
    QVERIFY(QtPlatform::instanceLockPath().startsWith(m_runtime.path()));
}

void TestQtPlatform::clearClipboardEmptiesText()
{
    QGuiApplication::clipboard()->setText("copied reading");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied reading"));
    QtPlatform platform;
    platform.clearClipboard();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

void TestQtPlatform::calculationEmptiesClipboard()
{
    QGuiApplication::clipboard()->setText("text copied before the reading");
    QtPlatform platform;
    ApplicationShell shell(platform);
    frmMain *window = shell.openMainWindow();
    window->fraDetails->txtName->setText("Anna Lee");
    window->RunCalculation();
    QVERIFY(shell.readingWindow() != nullptr);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QVERIFY(!platform.endRequested());
    deleteAllWindows();
}

void TestQtPlatform::secondClaimIsRefused()
{
    QtPlatform first;
    QtPlatform second;
    QVERIFY(first.claimSingleInstance());
    QVERIFY(first.claimSingleInstance()); // a claim already held stays held
    QVERIFY(!second.claimSingleInstance());
}

void TestQtPlatform::lockOfDeadProcessIsTakenOver()
{
    // A process that has ended leaves its lock behind, as a killed instance would.
    QProcess ended;
    ended.start("true", {});
    QVERIFY(ended.waitForFinished());
    const qint64 deadPid = ended.processId() != 0 ? ended.processId() : 999999;
    {
        QSaveFile lock(QtPlatform::instanceLockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nnumorra\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        QVERIFY(lock.commit());
    }
    QtPlatform platform;
    QVERIFY(platform.claimSingleInstance());
}

void TestQtPlatform::oldLockOfLiveProcessHolds()
{
    // An instance that has been running for an hour still holds its lock.
    QtPlatform running;
    QVERIFY(running.claimSingleInstance());
    QFile lock(QtPlatform::instanceLockPath());
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
    lock.close();
    QtPlatform later;
    QVERIFY(!later.claimSingleInstance());
}

void TestQtPlatform::handOverMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path"); // empty: the message is dropped
    QTest::addColumn<QByteArray>("token");
    const auto message = [](const QByteArray &path, const QByteArray &token) {
        return path + '\0' + token + '\0';
    };
    const QByteArray longest = '/' + QByteArray(4095, 'a');
    QTest::newRow("path and token")
        << message("/a/anna.qnr", "id-1_TIME2") << "/a/anna.qnr" << QByteArray("id-1_TIME2");
    QTest::newRow("line break, accent")
        << message("/a\n\xc3\xa9.qnr", "") << "/a\n\u00e9.qnr" << QByteArray();
    QTest::newRow("longest path") << message(longest, "") << QString(longest) << QByteArray();
    QTest::newRow("path too long") << message('a' + longest, "") << "" << QByteArray();
    QTest::newRow("relative path") << message("a.qnr", "") << "" << QByteArray();
    QTest::newRow("three parts") << message("/a", "t") + "x" + '\0' << "" << QByteArray();
    QTest::newRow("bytes after") << message("/a", "t") + 'x' << "" << QByteArray();
    QTest::newRow("not UTF-8") << message("/\xff.qnr", "") << "" << QByteArray();
    QTest::newRow("blank in token") << message("/a", "t k") << "" << QByteArray();
}

void TestQtPlatform::handOverMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, path);
    QFETCH(QByteArray, token);
    const std::optional<ReadingHandOver::Message> message = ReadingHandOver::parse(bytes);
    QCOMPARE(message.has_value(), !path.isEmpty());
    if (message) {
        QCOMPARE(message->path, path);
        QCOMPARE(message->activationToken, token);
        QCOMPARE(ReadingHandOver::compose(*message), bytes);
    }
}

void TestQtPlatform::readingGoesToTheRunningInstance()
{
    const QString socketPath = QtPlatform::handOverSocketPath();
    QFile leftOver(socketPath); // where a killed instance left its socket
    QVERIFY(leftOver.open(QIODevice::WriteOnly));
    QtPlatform running;
    QVERIFY(running.claimSingleInstance());
    QStringList opened;
    running.acceptReadings([&opened](const QString &path) { opened << path; });
    QCOMPARE(int(QFile::permissions(socketPath) & 0x77), 0); // neither group nor others

    QtPlatform later;
    QVERIFY(!later.claimSingleInstance());
    bool taken = false; // a later start waits for the answer: from another thread here
    std::thread start([&later, &taken] { taken = later.handOverReading("saved/anna.qnr"); });
    QTRY_COMPARE(opened, QStringList{QDir::current().absoluteFilePath("saved/anna.qnr")});
    start.join();
    QVERIFY(taken);
}

void TestQtPlatform::anotherUsersHandOverIsDropped()
{
    if (geteuid() != 0)
        QSKIP("connecting as another user needs root");
    QTemporaryDir open; // a socket anyone may reach: the check of the user still guards it
    const QString path = open.filePath("s");
    ReadingHandOver handOver;
    int received = 0;
    QVERIFY(handOver.listen(path, [&received](const ReadingHandOver::Message &) { ++received; }));
    for (const QString &file : {open.path(), path})
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x7777)));
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
    const QByteArray message = ReadingHandOver::compose({"/tmp/anna.qnr", {}});
    const pid_t child = fork();
    if (child == 0) { // as nobody: a well-formed message, then the answer awaited
        const int peer = socket(AF_UNIX, SOCK_STREAM, 0);
        char answer = 0;
        _exit(setgid(65534) == 0 && setuid(65534) == 0 &&
              ::connect(peer, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
              ::write(peer, message.constData(), message.size()) == message.size() &&
              ::read(peer, &answer, 1) == 1);
    }
    int status = -1;
    while (waitpid(child, &status, WNOHANG) == 0)
        QTest::qWait(20);
    QCOMPARE(status, 0); // no answer
    QCOMPARE(received, 0);
}

void TestQtPlatform::settingsRoundTrip()
{
    QtPlatform platform;
    QCOMPARE(platform.readSetting("numorra-test", "Settings", "missing"), QString(""));
    QVERIFY(platform.writeSetting("numorra-test", "Settings", "Key", "value"));
    QCOMPARE(platform.readSetting("numorra-test", "Settings", "Key"), QString("value"));
}

void TestQtPlatform::pagesGoToTheBrowser()
{
    Browser browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    QtPlatform platform;
    modHelp::OpenHelpPage(platform);
    modHelp::OpenHomePage(platform);
    modHelp::OpenDownloadPage(platform);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(browser.opened, QStringList({modHelp::helpPageAddress(), modHelp::homePageAddress(),
                                          modHelp::downloadPageAddress()}));
}

void TestQtPlatform::messageBoxBreaksLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF") << "one\r\ntwo"
                           << "one\ntwo";
    QTest::newRow("CR alone, as the update question has it") << "one\rtwo"
                                                             << "one\ntwo";
    QTest::newRow("LF") << "one\ntwo"
                        << "one\ntwo";
}

void TestQtPlatform::messageBoxBreaksLines()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QString seen;
    whenModalOpens([&seen](QWidget *box) {
        seen = static_cast<QMessageBox *>(box)->text();
        box->close();
    });
    QtPlatform().showMessage(text, Platform::Icon::Information, Platform::Buttons::Ok);
    QCOMPARE(seen, shown);
}

// The print service is there (libcups), the server is not: no default printer.
void TestQtPlatform::printingWithoutAPrintServer()
{
    qputenv("CUPS_SERVER", QFile::encodeName(m_runtime.filePath("no-cups.sock")));
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    const Platform::PrintOutcome outcome = QtPlatform().printText("A report", "Numorra report");
    qunsetenv("CUPS_SERVER");
    QCOMPARE(outcome, Platform::PrintOutcome::NoPrinter);
}

QTEST_MAIN(TestQtPlatform)
#include "TestQtPlatform.moc"
