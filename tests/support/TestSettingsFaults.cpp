// A settings store that is corrupt, unreadable or read-only never keeps the
// program from starting, and the update reminder neither crashes nor repeats.
#include "ScriptedQtPlatform.h"
#include "TestWindows.h"
#include "shell/ApplicationShell.h"
#include "shell/frmMain.h"
#include "support/SettingsStore.h"
#include "support/ShortDate.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

class TestSettingsFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void startsWithAFaultyStore_data();
    void startsWithAFaultyStore();

private:
    QString storeFolder() const { return m_config.filePath(SettingsStore::applicationName()); }
    void makeReadOnly();

    QTemporaryDir m_config;
    bool m_mounted = false;
};

void TestSettingsFaults::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", m_config.path().toLocal8Bit());
}

void TestSettingsFaults::cleanup()
{
    deleteAllWindows();
    if (m_mounted)
        QProcess::execute("umount", {storeFolder()});
    m_mounted = false;
    QFile::setPermissions(storeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(storeFolder()).removeRecursively();
}

void TestSettingsFaults::makeReadOnly()
{
    if (geteuid() != 0) {
        QVERIFY(QFile::setPermissions(storeFolder(), QFile::ReadOwner | QFile::ExeOwner));
        return;
    }
    // Root writes through permissions, not through a read-only mount.
    QCOMPARE(QProcess::execute("mount", {"--bind", storeFolder(), storeFolder()}), 0);
    m_mounted = true;
    QCOMPARE(QProcess::execute("mount", {"-o", "remount,bind,ro", storeFolder()}), 0);
}

void TestSettingsFaults::startsWithAFaultyStore_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("questions");
    QTest::newRow("corrupt file") << "corrupt" << 0;
    QTest::newRow("folder in place of the file") << "folder" << 0;
    QTest::newRow("folder in place of the lock") << "lock" << 0;
    QTest::newRow("link to a device") << "device" << 0;
    QTest::newRow("read-only folder, first run") << "read-only" << 0;
    QTest::newRow("read-only folder, reminder due") << "read-only, due" << 1;
}

void TestSettingsFaults::startsWithAFaultyStore()
{
    QFETCH(QString, fault);
    QFETCH(int, questions);
    QVERIFY(QDir().mkpath(storeFolder()));
    const QString file = storeFolder() + "/" + SettingsStore::applicationName() + ".ini";
    if (fault == "corrupt") {
        QByteArray noise(3000, '\0');
        QRandomGenerator(3).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QFile ini(file);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(noise);
    } else if (fault == "folder" || fault == "lock") {
        QVERIFY(QDir().mkdir(fault == "lock" ? file + ".lock" : file));
    } else if (fault == "device") { // not replaced by a file of settings
        const QByteArray node = QFile::encodeName(storeFolder() + "/null");
        if (mknod(node.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("making a device node needs root");
        QVERIFY(QFile::link(node, file));
    } else {
        if (fault.endsWith("due")) {
            ScriptedQtPlatform writer;
            SettingsStore::WriteSetting(writer, "Duration",
                                        ShortDate::toText(QDate::currentDate().addDays(-30)));
        }
        makeReadOnly();
    }
    // The main window comes, after one question at most.
    ScriptedQtPlatform platform;
    ApplicationShell shell(platform);
    shell.StartApplication();
    QVERIFY(shell.mainWindow() && shell.mainWindow()->isVisible());
    QCOMPARE(platform.messages.size(), questions);
    QVERIFY(fault != "device" || !QFileInfo(file).isFile());
}

QTEST_MAIN(TestSettingsFaults)
#include "TestSettingsFaults.moc"
