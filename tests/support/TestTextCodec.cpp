#include "support/TextCodec.h"

#include <QtTest>

using namespace TextCodec;

class TestTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void decodeDropsCodesBelowTheShift();
    void everyCodeUpToLimitSurvives();
    void bytesFollowTheCodePage();
};

void TestTextCodec::encode_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QByteArray>("encodedBytes");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("empty") << QString() << QByteArray() << QString();
    QTest::newRow("abc") << "abc" << QByteArray("\xB6\xB7\xB8") << "abc";
    QTest::newRow("code 200 dropped")
        << QStringLiteral("a\u00C8b") << QByteArray("\xB6\xB7") << "ab";
    QTest::newRow("code 171 dropped") << QStringLiteral("\u00ABx") << QByteArray("\xCD") << "x";
    QTest::newRow("outside the code page")
        << QStringLiteral("\u674E Li") << QByteArray("\x75\xA1\xBE") << " Li";
    QTest::newRow("line breaks") << "\r\n" << QByteArray("\x62\x5F") << "\r\n";
    QTest::newRow("into the high controls") << "+/" << QByteArray("\x80\x84") << "+/";
    QTest::newRow("euro sign shifts to 213")
        << QStringLiteral("\u20AC") << QByteArray("\xD5") << QStringLiteral("\u20AC");
}

void TestTextCodec::encode()
{
    QFETCH(QString, plain);
    QFETCH(QByteArray, encodedBytes);
    QFETCH(QString, decoded);
    const QString encoded = EncodeText(plain);
    QCOMPARE(toBytes(encoded), encodedBytes);
    QCOMPARE(fromBytes(encodedBytes), encoded);
    QCOMPARE(DecodeText(encoded), decoded);
}

void TestTextCodec::decodeDropsCodesBelowTheShift()
{
    QCOMPARE(DecodeText(QStringLiteral("\u00B6(\u00B7")), QStringLiteral("ab"));
    QCOMPARE(DecodeText(QString(QChar(84))), QString());
    QCOMPARE(DecodeText(QString(QChar(85))), QString(QChar(0)));
}

void TestTextCodec::everyCodeUpToLimitSurvives()
{
    QString all;
    for (int code = 0; code <= 170; ++code)
        all.append(characterOf(code));
    QCOMPARE(EncodeText(all).size(), all.size());
    QCOMPARE(DecodeText(EncodeText(all)), all);
    for (int code = 171; code <= 255; ++code)
        QVERIFY(EncodeText(QString(characterOf(code))).isEmpty());
}

void TestTextCodec::bytesFollowTheCodePage()
{
    for (int code = 0; code <= 255; ++code) {
        QCOMPARE(codeOf(characterOf(code)), code);
        QCOMPARE(toBytes(fromBytes(QByteArray(1, static_cast<char>(code)))),
                 QByteArray(1, static_cast<char>(code)));
    }
    QCOMPARE(codeOf(QChar(0x0080)), -1); // its code belongs to the euro sign
    QCOMPARE(codeOf(QChar(0x4E00)), -1);
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "TestTextCodec.moc"
