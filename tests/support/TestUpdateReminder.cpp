#include "RecordingPlatform.h"
#include "support/SettingsStore.h"
#include "support/ShortDate.h"
#include "support/modHelp.h"

#include <QtTest>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Answer)

namespace {
const QString kKey = QStringLiteral("Duration");
} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void reminder_data();
    void reminder();
    void askedAfterFifteenDaysInOtherDigits();
    void storeThatCannotBeRead();
    void storeThatCannotBeWritten();
};

void TestUpdateReminder::initTestCase()
{
    // A locale whose own short format has a two-digit year.
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
}

void TestUpdateReminder::reminder_data()
{
    // What is stored ("-" nothing, "+N"/"-N" that many days from today, else
    // that text), the answer given, then what must happen: the question
    // asked, and what the store and the browser saw, in order.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("events");
    const QString today = QStringLiteral("write Duration=12/7/2026");
    const QString download = "open " + modHelp::downloadPageAddress();
    QTest::newRow("first run") << "-" << Answer::No << false << QStringList{today};
    QTest::newRow("14 days ago") << "-14" << Answer::Yes << false << QStringList();
    QTest::newRow("14 days ahead") << "+14" << Answer::Yes << false << QStringList();
    QTest::newRow("15 days ago, yes")
        << "-15" << Answer::Yes << true << QStringList{today, download};
    QTest::newRow("15 days ago, no") << "-15" << Answer::No << true << QStringList{today};
    QTest::newRow("15 days ahead, no") << "+15" << Answer::No << true << QStringList{today};
    QTest::newRow("a year ago, yes")
        << "-365" << Answer::Yes << true << QStringList{today, download};
    QTest::newRow("not a date, kept") << "31.02.x" << Answer::Yes << false << QStringList();
    QTest::newRow("two-digit year") << "11/20/26" << Answer::No << false << QStringList();
    QTest::newRow("written under de_DE")
        << "20.11.2026" << Answer::No << true << QStringList{today};
}

void TestUpdateReminder::reminder()
{
    QFETCH(QString, stored);
    QFETCH(Answer, answer);
    QFETCH(bool, asked);
    QFETCH(QStringList, events);
    RecordingPlatform platform;
    if (stored != "-") {
        const bool offset = stored.startsWith('+') || stored.startsWith('-');
        const QString text =
            offset ? ShortDate::toText(platform.todayDate.addDays(stored.toInt())) : stored;
        SettingsStore::WriteSetting(platform, kKey, text);
        platform.events.clear();
    }
    platform.answers << answer;
    modHelp::RemindUpdate(platform);
    QCOMPARE(platform.messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(platform.messages.constFirst().text,
                 QStringLiteral("There maybe an update to this software available\r"
                                "Do you want to check for an update?"));
        QCOMPARE(platform.messages.constFirst().icon, Platform::Icon::Information);
        QCOMPARE(platform.messages.constFirst().buttons, Platform::Buttons::YesNo);
    }
    // Key and value are stored encoded; decoded, the date reads back as today.
    QStringList decoded;
    for (const QString &event : platform.events) {
        if (!event.startsWith("write "))
            decoded << event;
        else
            decoded << "write " + kKey + "=" + SettingsStore::ReadSetting(platform, kKey);
    }
    QCOMPARE(decoded, events);
    if (!events.isEmpty() && events.constFirst().startsWith("write"))
        QCOMPARE(ShortDate::fromText(SettingsStore::ReadSetting(platform, kKey)),
                 platform.todayDate);
}

void TestUpdateReminder::askedAfterFifteenDaysInOtherDigits()
{
    // Arabic, and Chakma beyond 16 bits: the store's encoding keeps neither.
    for (const char *name : {"ar_EG", "ccp_BD"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        RecordingPlatform platform;
        modHelp::RemindUpdate(platform);
        platform.todayDate = platform.todayDate.addDays(15);
        modHelp::RemindUpdate(platform);
        QVERIFY2(platform.messages.size() == 1, name);
    }
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
}

void TestUpdateReminder::storeThatCannotBeRead()
{
    RecordingPlatform platform;
    platform.settingsReadable = false;
    QVERIFY_THROWS_EXCEPTION(SettingsStore::SettingsError, modHelp::RemindUpdate(platform));
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.events.isEmpty());
}

void TestUpdateReminder::storeThatCannotBeWritten()
{
    // The question was answered, but the date cannot be kept: the rest is abandoned.
    RecordingPlatform platform;
    SettingsStore::WriteSetting(platform, kKey, ShortDate::toText(QDate(2020, 1, 1)));
    platform.events.clear();
    platform.settingsWritable = false;
    platform.answers << Answer::Yes;
    QVERIFY_THROWS_EXCEPTION(SettingsStore::SettingsError, modHelp::RemindUpdate(platform));
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.openedUrls.isEmpty());
}

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "TestUpdateReminder.moc"
