#include "language/Utf8Locale.h"

#include <QtTest>

#include <clocale>
#include <langinfo.h>

namespace {

const QByteArrayList kOtherCategories = {"LC_NUMERIC",  "LC_TIME",     "LC_COLLATE",
                                         "LC_MONETARY", "LC_MESSAGES", "LC_MEASUREMENT"};

// The locale the environment names for a category: LC_ALL, else its own, else LANG.
QByteArray named(const QByteArray &category)
{
    for (const QByteArray &variable : {QByteArray("LC_ALL"), category, QByteArray("LANG")}) {
        if (!qEnvironmentVariableIsEmpty(variable.constData()))
            return qgetenv(variable.constData());
    }
    return "C";
}

} // namespace

class TestUtf8Locale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheCharacterTypeBecomesUtf8_data();
    void onlyTheCharacterTypeBecomesUtf8();
};

void TestUtf8Locale::onlyTheCharacterTypeBecomesUtf8_data()
{
    QTest::addColumn<QByteArrayList>("environment");
    QTest::newRow("C") << QByteArrayList{"LANG=C"};
    QTest::newRow("POSIX over a time and a language of their own")
        << QByteArrayList{"LC_ALL=POSIX", "LC_TIME=de_DE.UTF-8", "LANG=zh_TW.UTF-8"};
    QTest::newRow("not generated")
        << QByteArrayList{"LANG=ku_TR.ISO-8859-9", "LC_MESSAGES=zh_CN.GB18030"};
}

// What Qt 6.5 and later check before they print their notice: once the
// environment's locale is set, the character type is UTF-8 (C.UTF-8 here).
// Messages, dates and numbers name the locales they named before.
void TestUtf8Locale::onlyTheCharacterTypeBecomesUtf8()
{
    QFETCH(QByteArrayList, environment);
    for (const QByteArray &variable :
         kOtherCategories + QByteArrayList{"LANG", "LC_ALL", "LC_CTYPE"})
        qunsetenv(variable.constData());
    for (const QByteArray &setting : environment)
        qputenv(setting.split('=').at(0).constData(), setting.split('=').at(1));
    QByteArrayList before;
    for (const QByteArray &category : kOtherCategories)
        before.append(named(category));
    std::setlocale(LC_ALL, "C"); // as a program starts

    Utf8Locale::choose();
    std::setlocale(LC_ALL, "");
    QCOMPARE(QByteArray(nl_langinfo(CODESET)), QByteArray("UTF-8"));
    QCOMPARE(named("LC_CTYPE"), QByteArray("C.UTF-8"));
    for (qsizetype index = 0; index < kOtherCategories.size(); ++index)
        QCOMPARE(named(kOtherCategories.at(index)), before.at(index));
}

QTEST_GUILESS_MAIN(TestUtf8Locale)
#include "TestUtf8Locale.moc"
