#include "RecordingPlatform.h"
#include "qtdesktop/QtPlatform.h"
#include "support/SettingsStore.h"
#include "support/ShortDate.h"
#include "support/TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace SettingsStore;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void roundTripOnDisk();
    void failingStoreEndsTheCaller();
    void shortDateKeepsFourDigitYears_data();
    void shortDateKeepsFourDigitYears();

private:
    QTemporaryDir m_config;
};

void TestSettingsStore::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    QCOMPARE(applicationName(), QStringLiteral("TestSettingsStore"));
}

void TestSettingsStore::roundTripOnDisk()
{
    QtPlatform platform;
    QCOMPARE(ReadSetting(platform, "Duration"), QString());
    WriteSetting(platform, "Duration", "12/7/2026");
    WriteSetting(platform, "Duration", "12/8/2026"); // replaces
    QCOMPARE(ReadSetting(platform, "Duration"), QStringLiteral("12/8/2026"));
    // Key and value are stored encoded under the section "Settings".
    const QString file = m_config.filePath("TestSettingsStore/TestSettingsStore.ini");
    QCOMPARE(
        platform.readSetting("TestSettingsStore", "Settings", TextCodec::EncodeText("Duration")),
        TextCodec::EncodeText("12/8/2026"));
    QFile ini(file);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(!ini.readAll().contains("Duration"));
}

void TestSettingsStore::failingStoreEndsTheCaller()
{
    RecordingPlatform platform;
    platform.settingsReadable = false;
    QVERIFY_THROWS_EXCEPTION(SettingsError, ReadSetting(platform, "Duration"));
    platform.settingsWritable = false;
    QVERIFY_THROWS_EXCEPTION(SettingsError, WriteSetting(platform, "Duration", "x"));
}

void TestSettingsStore::shortDateKeepsFourDigitYears_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text"); // of 5 March 1980
    QTest::newRow("C") << "C"
                       << "5 Mar 1980";
    QTest::newRow("en_US") << "en_US"
                           << "3/5/1980";
    QTest::newRow("en_GB") << "en_GB"
                           << "05/03/1980";
    QTest::newRow("de_DE") << "de_DE"
                           << "05.03.1980";
    QTest::newRow("ko_KR") << "ko_KR"
                           << "1980. 3. 5.";
}

void TestSettingsStore::shortDateKeepsFourDigitYears()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    const QLocale l(locale);
    QCOMPARE(ShortDate::toText(QDate(1980, 3, 5), l), text);
    for (const QDate date : {QDate(1900, 1, 1), QDate(2000, 2, 29), QDate(2050, 12, 31)})
        QCOMPARE(ShortDate::fromText(ShortDate::toText(date, l), l), date);
    QVERIFY(!ShortDate::fromText("not a date", l).isValid());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
