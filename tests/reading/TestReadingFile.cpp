#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "numerology/modNineStarKey.h"
#include "reading/NineStarFile.h"
#include "reading/ReadingFile.h"
#include "reading/ReadingResults.h"
#include "support/TextCodec.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::optional<ReadingFile::Fields> parseBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadingFile::parse(buffer);
}

std::optional<QString> parseNineStar(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return NineStarFile::parse(buffer);
}

QByteArray encoded(const QString &text)
{
    return TextCodec::toBytes(TextCodec::EncodeText(text));
}

QString readingOf(const PersonalDetails &details)
{
    ReadingResults results;
    modNineStarKey::ComputeBirthChart(results, details.BirthDay, details.BirthMonth,
                                      details.BirthYear);
    return results.RTBLoshu.PlainText();
}

} // namespace

class TestReadingFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void annaLeeByteForByte();
    void lines_data();
    void lines();
    void extension_data();
    void extension();
    void everyDateComesBack();
    void writeKeepsTheOldFileOnFailure();
    void nineStarFirstField_data();
    void nineStarFirstField();
};

void TestReadingFile::annaLeeByteForByte()
{
    const PersonalDetails details = PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980");
    QCOMPARE(ReadingFile::compose(details), QByteArray("\x96\xC3\xC3\xB6\x75\xA1\xBA\xBA\r\n"
                                                       "\x8A\r\n"
                                                       "\xA2\xB6\xC7\xB8\xBD\r\n"
                                                       "\x86\x8E\x8D\x85\r\n"));
    QTemporaryDir folder;
    const QString path = folder.filePath("anna.qnr");
    QVERIFY(ReadingFile::write(path, details, nullptr));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ReadingFile::compose(details));
    // A name the codec cannot keep whole gains a fifth line.
    const PersonalDetails jose = PersonalDetailsRules::capture(
        QStringLiteral("Jos\u00E9 M\u00FCller"), "5", "March", "1980");
    QCOMPARE(ReadingFile::compose(jose), encoded("Jos Mller") + "\r\n" + encoded("5") + "\r\n" +
                                             encoded("March") + "\r\n" + encoded("1980") + "\r\n" +
                                             encoded("UTF-8:Jos%C3%A9%20M%C3%BCller") + "\r\n");
}

void TestReadingFile::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("four lines and more")
        << encoded("Bo") + "\r\n" + encoded("9") + "\r\n" + encoded("May") + "\r\n" +
               encoded("1999") + "\r\n" + "extra\x01"
        << true << QStringList{"Bo", "9", "May", "1999"};
    QTest::newRow("two lines") << encoded("Bo") + "\r\n" + encoded("9") << true
                               << QStringList{"Bo", "9", "", ""};
    QTest::newRow("empty file") << QByteArray() << true << QStringList{"", "", "", ""};
    QTest::newRow("bare line feeds") << encoded("Bo") + "\n" + encoded("9") + "\n"
                                     << true << QStringList{"Bo", "9", "", ""};
    QTest::newRow("list texts that match nothing")
        << encoded("Bo") + "\r\n" + encoded("32") + "\r\n" + encoded("march") + "\r\n" +
               encoded("1899") + "\r\n"
        << true << QStringList{"Bo", "32", "march", "1899"};
    QTest::newRow("binary noise") << QByteArray("\x00\x17\xFF\x9C\x01", 5) << false
                                  << QStringList();
    QTest::newRow("plain text") << QByteArray("Anna Lee\r\n5\r\n") << false << QStringList();
    QTest::newRow("no line break in a huge file")
        << QByteArray(ReadingFile::kMaxLineBytes * 5, '\xB6') << false << QStringList();
    QTest::newRow("a line longer than any name")
        << QByteArray(ReadingFile::kMaxLineBytes + 1, '\xB6') + "\r\n"
        << false << QStringList();
    const QByteArray date = encoded("5") + "\r\n" + encoded("March") + "\r\n" + encoded("1980");
    const QByteArray wang = "\r\n" + date + "\r\n";
    QTest::newRow("whole name on the fifth line")
        << wang + encoded("UTF-8:%E7%8E%8B%E5%B0%8F%E6%98%8E") << true
        << QStringList{QStringLiteral("\u738B\u5C0F\u660E"), "5", "March", "1980"};
    const QStringList noName{"", "5", "March", "1980"};
    QTest::newRow("fifth line for another name") << wang + encoded("UTF-8:Bo") << true << noName;
    QTest::newRow("fifth line, small hex digits")
        << wang + encoded("UTF-8:%e7%8e%8b") << true << noName;
    QTest::newRow("fifth line, not UTF-8") << wang + encoded("UTF-8:%E7%8E") << true << noName;
    QTest::newRow("fifth line, a stray %") << wang + encoded("UTF-8:%E7%8E%8B%") << true << noName;
    const QByteArray wangs = encoded(QString("%E7%8E%8B").repeated(ReadingFile::kMaxLineBytes));
    QTest::newRow("longest fifth line")
        << wang + encoded("UTF-8:") + wangs + "\r\n"
        << true
        << QStringList{QString(ReadingFile::kMaxLineBytes, QChar(0x738B)), "5", "March", "1980"};
    QTest::newRow("fifth line longer than any name")
        << wang + encoded("UTF-8:") + wangs + encoded("%E7%8E%8B") << true << noName;
}

void TestReadingFile::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QFETCH(QStringList, fields);
    const std::optional<ReadingFile::Fields> parsed = parseBytes(bytes);
    QCOMPARE(parsed.has_value(), readable);
    if (parsed)
        QCOMPARE(QStringList({parsed->name, parsed->day, parsed->month, parsed->year}), fields);
}

void TestReadingFile::extension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow(".qnr") << "/home/a/anna.qnr" << true;
    QTest::newRow(".QNR") << "/home/a/anna.QNR" << false;
    QTest::newRow(".txt") << "/home/a/anna.txt" << false;
    QTest::newRow("ends in qnr, no dot") << "/home/a/annaqnr" << true;
}

void TestReadingFile::extension()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(ReadingFile::hasReadingExtension(path), accepted);
}

void TestReadingFile::everyDateComesBack()
{
    // Saved and opened again, every reachable date with several names gives
    // the same inputs and the same reading.
    const QStringList names{"Anna Lee", "  O'Brien-Smith, Jr. ", QStringLiteral("Zoe\tM\u00A3")};
    const QStringList months = PersonalDetailsRules::monthItems();
    for (QDate date(1900, 1, 1); date <= QDate(2050, 12, 31); date = date.addDays(1)) {
        const QString &name = names.at(date.dayOfYear() % names.size());
        const PersonalDetails saved = PersonalDetailsRules::capture(
            name, QString::number(date.day()), months.at(date.month() - 1),
            QString::number(date.year()));
        const auto opened = parseBytes(ReadingFile::compose(saved));
        QVERIFY(opened);
        const PersonalDetails reopened =
            PersonalDetailsRules::capture(opened->name, opened->day, opened->month, opened->year);
        QCOMPARE(reopened.Name, saved.Name);
        QCOMPARE(reopened.BirthDate, date);
        if (date.day() == 1 || date.day() == 29)
            QCOMPARE(readingOf(reopened), readingOf(saved));
    }
}

void TestReadingFile::writeKeepsTheOldFileOnFailure()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.qnr");
    const PersonalDetails details = PersonalDetailsRules::capture("A", "1", "May", "1990");
    QVERIFY(ReadingFile::write(path, details, nullptr));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    QString reason;
    QVERIFY(
        !ReadingFile::write(path, PersonalDetailsRules::capture("B", "2", "May", "1990"), &reason));
    QVERIFY(!reason.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ReadingFile::compose(details));
    QVERIFY(!ReadingFile::write(folder.filePath("missing/x.qnr"), details, &reason));
}

void TestReadingFile::nineStarFirstField_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("report");
    QTest::newRow("whole line") << encoded("Kan\r\nWater") + QByteArray("\r\nsecond line")
                                << "Kan\r\nWater";
    QTest::newRow("CR LF as 98 95") << QByteArray("\xB6\x62\x5F\xB7") << "a\r\nb";
    QTest::newRow("up to the comma") << encoded("one") + "," + encoded("two") << "one";
    QTest::newRow("leading spaces skipped") << "   " + encoded("one") << "one";
    QTest::newRow("quoted") << " \"" + encoded("ab") + "\"," + encoded("c") << "ab";
    QTest::newRow("quote never closed") << "\"" + encoded("ab") << "ab";
    QTest::newRow("empty") << QByteArray() << "";
    const qsizetype longest = NineStarFile::kMaxLineBytes;
    QTest::newRow("longest line") << QByteArray(longest, '\xB6') + "\r\n\xB6"
                                  << QString(longest, QLatin1Char('a'));
    QTest::newRow("line end read in a later step")
        << QByteArray(100000, '\xB6') + '\n' + QByteArray(longest, '\x01')
        << QString(100000, QLatin1Char('a'));
}

void TestReadingFile::nineStarFirstField()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, report);
    QCOMPARE(parseNineStar(bytes), std::optional<QString>(report));
    const QByteArray overLong(NineStarFile::kMaxLineBytes + 1, '\xB6');
    QVERIFY(!parseNineStar(overLong));
    QVERIFY(!parseNineStar(overLong + "\r\n"));
    QVERIFY(!parseNineStar(QByteArray("\xB6\x00\x17\xFF", 4))); // binary noise
    QVERIFY(!NineStarFile::read(QDir::tempPath()));
}

QTEST_GUILESS_MAIN(TestReadingFile)
#include "TestReadingFile.moc"
