#include "details/PersonalDetailsRules.h"

#include <QtTest>

using namespace PersonalDetailsRules;

Q_DECLARE_METATYPE(Platform::Icon)

namespace {
const QString kFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyDays = QStringLiteral("Please Enter Correct Date Or Month !");
const QString kName = QStringLiteral("Please Enter Your Name");
} // namespace

class TestPersonalDetailsRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listItems();
    void validation_data();
    void validation();
    void capture_data();
    void capture();
};

void TestPersonalDetailsRules::listItems()
{
    const QStringList days = dayItems();
    const QStringList years = yearItems();
    QCOMPARE(days.size(), 31);
    QCOMPARE(days.first(), QStringLiteral("1"));
    QCOMPARE(days.last(), QStringLiteral("31"));
    QCOMPARE(monthItems(),
             (QStringList{"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December"}));
    QCOMPARE(years.size(), 151);
    QCOMPARE(years.first(), QStringLiteral("1900"));
    QCOMPARE(years.last(), QStringLiteral("2050"));
    QCOMPARE(years.at(kPresetYearIndex), QStringLiteral("1970"));
    QCOMPARE(days.at(kPresetDayIndex), QStringLiteral("1"));
    QCOMPARE(monthItems().at(kPresetMonthIndex), QStringLiteral("January"));
}

void TestPersonalDetailsRules::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message"); // empty: the entry passes
    QTest::addColumn<Platform::Icon>("icon");
    QTest::addColumn<bool>("focusName");

    const auto info = Platform::Icon::Information;
    QTest::newRow("defaults, empty name")
        << "" << 1 << 1 << "1970" << kName << Platform::Icon::Critical << true;
    QTest::newRow("empty name wins over bad date")
        << "" << 31 << 2 << "1970" << kName << Platform::Icon::Critical << true;
    QTest::newRow("spaces only pass") << "   " << 1 << 1 << "1970"
                                      << "" << info << false;
    QTest::newRow("29 February leap") << "A" << 29 << 2 << "1980"
                                      << "" << info << false;
    QTest::newRow("29 February 2000") << "A" << 29 << 2 << "2000"
                                      << "" << info << false;
    QTest::newRow("29 February 1900, a fourth year") << "A" << 29 << 2 << "1900"
                                                     << "" << info << false;
    QTest::newRow("30 February leap") << "A" << 30 << 2 << "1980" << kFebruary << info << false;
    QTest::newRow("29 February common") << "A" << 29 << 2 << "1981" << kFebruary << info << false;
    QTest::newRow("31 February") << "A" << 31 << 2 << "1981" << kFebruary << info << false;
    QTest::newRow("28 February common") << "A" << 28 << 2 << "2050"
                                        << "" << info << false;
    QTest::newRow("31 April") << "A" << 31 << 4 << "1970" << kThirtyDays << info << false;
    QTest::newRow("31 June") << "A" << 31 << 6 << "1970" << kThirtyDays << info << false;
    QTest::newRow("31 September") << "A" << 31 << 9 << "1970" << kThirtyDays << info << false;
    QTest::newRow("31 November") << "A" << 31 << 11 << "1970" << kThirtyDays << info << false;
    QTest::newRow("30 November") << "A" << 30 << 11 << "1970"
                                 << "" << info << false;
    for (const int month : {1, 3, 5, 7, 8, 10, 12})
        QTest::addRow("31 of month %d", month) << "A" << 31 << month << "1970"
                                               << "" << info << false;
}

void TestPersonalDetailsRules::validation()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(Platform::Icon, icon);
    QFETCH(bool, focusName);
    const auto failure = validate(name, day - 1, month - 1, year);
    if (message.isEmpty()) {
        QVERIFY(!failure.has_value());
        return;
    }
    QVERIFY(failure.has_value());
    QCOMPARE(failure->message, message);
    QCOMPARE(failure->icon, icon);
    QCOMPARE(failure->focusName, focusName);
}

void TestPersonalDetailsRules::capture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("capturedName");
    QTest::addColumn<QDate>("date");
    QTest::newRow("defaults") << "Anna"
                              << "1"
                              << "January"
                              << "1970"
                              << "Anna" << QDate(1970, 1, 1);
    QTest::newRow("trimmed") << "  Anna Lee "
                             << " 5"
                             << "March "
                             << "1980"
                             << "Anna Lee" << QDate(1980, 3, 5);
    QTest::newRow("spaces only") << "   "
                                 << "29"
                                 << "February"
                                 << "2000"
                                 << "" << QDate(2000, 2, 29);
    QTest::newRow("tabs and no-break spaces stay")
        << QStringLiteral("\tAnna\u00A0 ") << "1"
        << "January"
        << "1970" << QStringLiteral("\tAnna\u00A0") << QDate(1970, 1, 1);
    QTest::newRow("last day") << "B"
                              << "31"
                              << "December"
                              << "2050"
                              << "B" << QDate(2050, 12, 31);
}

void TestPersonalDetailsRules::capture()
{
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, capturedName);
    QFETCH(QDate, date);
    const PersonalDetails details = PersonalDetailsRules::capture(name, day, month, year);
    QCOMPARE(details.Name, capturedName);
    QCOMPARE(details.BirthDay, trimSpaces(day));
    QCOMPARE(details.BirthMonth, trimSpaces(month));
    QCOMPARE(details.BirthYear, trimSpaces(year));
    QCOMPARE(details.BirthDate, date);
}

QTEST_GUILESS_MAIN(TestPersonalDetailsRules)
#include "TestPersonalDetailsRules.moc"
