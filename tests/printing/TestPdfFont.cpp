#include "PdfText.h"
#include "language/Fonts.h"
#include "printing/FontTables.h"
#include "printing/PdfFile.h"
#include "printing/PdfFont.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

const QString kText = "Anna Lee, first office\n5 Mar 1980 \u5C0F";

QByteArray pdfOf(const QString &text, const QFont &font)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    PdfFile::render(pdf, {text}, font, "Text", QPageSize(QPageSize::A6));
    return pdf.data();
}

// The report's face with faces whose licences let them go into the file.
QFont embeddableFont()
{
    QFont font = PdfFile::reportFont();
    font.setFamilies({"DejaVu Sans", "Noto Sans CJK SC"});
    return font;
}

// The letters pdftotext reads (it places blanks by the gaps between glyphs,
// not by the blanks drawn), without poppler's marks around right-to-left text.
QString lettersOf(const QByteArray &pdf)
{
    return letters(QString::fromUtf8(toolOutput("pdftotext", {"%f", "-"}, pdf)))
        .remove(QRegularExpression("[\u202A-\u202E]"));
}

// The first page, drawn at 100 dots an inch in grey.
QImage pageOf(const QByteArray &pdf)
{
    return QImage::fromData(toolOutput("pdftoppm", {"-r", "100", "-gray", "-l", "1", "%f"}, pdf))
        .convertToFormat(QImage::Format_Grayscale8);
}

// The share of the dark pixels of `first` with no dark pixel of `second` a
// pixel away or nearer: what one page draws where the other draws nothing.
qreal strayInk(const QImage &first, const QImage &second)
{
    const auto dark = [](const QImage &image, int x, int y) {
        return image.rect().contains(x, y) && image.constScanLine(y)[x] < 128;
    };
    int ink = 0, stray = 0;
    for (int at = 0; at < first.width() * first.height(); ++at) {
        const int x = at % first.width(), y = at / first.width();
        if (!dark(first, x, y))
            continue;
        bool near = false;
        for (int step = 0; step < 9; ++step)
            near = near || dark(second, x + step % 3 - 1, y + step / 3 - 1);
        ++ink, stray += near ? 0 : 1;
    }
    return first.size() == second.size() && ink > 0 ? qreal(stray) / ink : 1;
}

// A copy of DejaVu Sans whose OS/2 table says `fsType` (or, for -1, that has
// no OS/2 table), its table checksum made good.
QByteArray dejaVuWith(int fsType)
{
    QFile file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    QByteArray font = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (int table = 0; font.size() > 12 && table < qFromBigEndian<quint16>(font.data() + 4);
         ++table) {
        char *record = font.data() + 12 + 16 * table;
        if (QByteArray(record, 4) != "OS/2")
            continue;
        record[3] = fsType < 0 ? '3' : '2'; // OS/3: no table a reader knows
        char *os2 = font.data() + qFromBigEndian<quint32>(record + 8);
        qToBigEndian<quint16>(quint16(fsType), os2 + 8);
        quint32 sum = 0;
        for (quint32 word = 0; word < (qFromBigEndian<quint32>(record + 12) + 3) / 4; ++word)
            sum += qFromBigEndian<quint32>(os2 + 4 * word);
        qToBigEndian<quint32>(sum, record + 4);
    }
    return font;
}

} // namespace

class TestPdfFont : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textReadsBackAsWritten_data();
    void textReadsBackAsWritten();
    void chinesePunctuationInTheChineseFace_data();
    void chinesePunctuationInTheChineseFace();
    void fontsGoInAsTheirLicencesAllow_data();
    void fontsGoInAsTheirLicencesAllow();
    void shortTables();
    void restrictedReportFaceIsDrawnAsOutlines();
    void sameInputSameBytes();
};

void TestPdfFont::textReadsBackAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("simplified Chinese") << "马龙 长见 门风 车页 鸟齐 小";
    QTest::newRow("traditional Chinese") << "長 齊 鳥 門 風 車 頁 見 龍 馬";
    // The same glyphs drawn for the characters and for their radicals.
    QTest::newRow("radicals") << "长⻓ 小⼩ ⻓长";
    QTest::newRow("beyond the BMP") << "𠮷 𠀀 😀";
    QTest::newRow("ligatures") << "first office affluent flow";
    QTest::newRow("Arabic, a mark") << "مرحبا بِك";
    QTest::newRow("Hebrew") << "שלום עולם";
    QTest::newRow("Latin") << "Zoë Øster";
    // Drawn as boxes where no installed font has the script, as in the tests' own runs.
    QTest::newRow("Devanagari, Tamil") << "नमस्ते தமிழ்";
    // Drawn as nothing within a line, so Qt places the rest of the line apart.
    QTest::newRow("soft hyphen, form feed") << "Zoë\u00ADAnn\fofficer مرحبا";
}

// pdftotext reads back what was drawn, in every script.
void TestPdfFont::textReadsBackAsWritten()
{
    QFETCH(QString, text);
    QCOMPARE(lettersOf(pdfOf(text, PdfFile::reportFont())), letters(text));
}

void TestPdfFont::chinesePunctuationInTheChineseFace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("chinese"); // drawn in the Chinese face only, else the Latin one only
    QTest::newRow("in Chinese") << "数字“发”——好…" << true;
    QTest::newRow("at the ends") << "“发”" << true;
    QTest::newRow("beyond the BMP") << "\U00020BB7…·" << true;
    QTest::newRow("full-width punctuation") << "（…）" << true;
    QTest::newRow("in Latin text") << "a“b”c — 1…" << false;
    QTest::newRow("alone") << "“—…”" << false;
}

// The marks the Latin faces share with Chinese text are drawn in the Chinese
// face beside Chinese characters, in the Latin face in Latin text.
void TestPdfFont::chinesePunctuationInTheChineseFace()
{
    QFETCH(QString, text);
    QFETCH(bool, chinese);
    const QString fonts = toolOutput("pdffonts", {"%f"}, pdfOf(text, embeddableFont()));
    QVERIFY(fonts.contains(chinese ? "Noto" : "DejaVu"));
    QVERIFY(!fonts.contains(chinese ? "DejaVu" : "Noto"));
}

void TestPdfFont::fontsGoInAsTheirLicencesAllow_data()
{
    QTest::addColumn<int>("fsType"); // -1: no OS/2 table
    QTest::addColumn<bool>("embedded");
    QTest::newRow("installable") << 0x0 << true;
    QTest::newRow("editable") << 0x8 << true;
    QTest::newRow("preview and print") << 0x4 << true;
    QTest::newRow("restricted") << 0x2 << false;
    QTest::newRow("bitmaps only") << 0x200 << false;
    QTest::newRow("preview and print, bitmaps only") << 0x204 << false;
    QTest::newRow("no subsetting") << 0x100 << false;
    QTest::newRow("restricted, but print") << 0x6 << true;
    QTest::newRow("no OS/2 table") << -1 << true;
}

// Only a font whose licence allows it goes into the file.
void TestPdfFont::fontsGoInAsTheirLicencesAllow()
{
    QFETCH(int, fsType);
    QFETCH(bool, embedded);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    PdfObjects objects(pdf);
    PdfFont font(objects, QRawFont(dejaVuWith(fsType), 12));
    QByteArray content;
    font.appendCode(content, 36, "A");
    QSet<QByteArray> tags;
    font.write(tags);
    QCOMPARE(font.isEmbedded(), embedded);
    QCOMPARE(pdf.data().contains("/FontFile2"), embedded);
    QCOMPARE(tags.size(), embedded ? 1 : 0);
}

// The tables as short as they can be: an OS/2 table ending with its fsType,
// a naming table ending with its one PostScript name, in UTF-16.
void TestPdfFont::shortTables()
{
    QCOMPARE(FontTables::embeddingOf(QByteArray(9, '\0') + '\x02'),
             FontTables::Embedding::Outlines);
    // One byte short of its fsType, whatever follows the table in memory.
    QCOMPARE(FontTables::embeddingOf(QByteArray::fromRawData("\0\0\0\0\0\0\0\0\0\x02", 9)),
             FontTables::Embedding::Subset);
    const QByteArray names("\0\0\0\x01\0\x12\0\x03\0\x01\x04\x09\0\x06\0\x08\0\0\0S\0e\0e\0d", 26);
    QCOMPARE(FontTables::postScriptName(names), "Seed");
    QCOMPARE(FontTables::postScriptName(names.chopped(1)), "See");
}

// A restricted font named as the report's face (here through fontconfig)
// goes into no file: its glyphs are drawn as outlines, where they would be,
// and its text, invisible, still reads back.
void TestPdfFont::restrictedReportFaceIsDrawnAsOutlines()
{
    const QByteArray pdf = pdfOf(kText, PdfFile::reportFont());
    QCOMPARE(QString(toolOutput("pdffonts", {"%f"}, pdf)).count(QRegularExpression(" no  no ")), 1);
    QCOMPARE(lettersOf(pdf), letters(kText));
    const QImage outlines = pageOf(pdf), glyphs = pageOf(pdfOf(kText, embeddableFont()));
    QCOMPARE_LT(strayInk(outlines, glyphs), 0.01);
    QCOMPARE_LT(strayInk(glyphs, outlines), 0.01);
}

// Output comes out the same for the same input, each subset with a tag of its
// own, a blank as a blank, and the file with an identifier and the program's
// name and version.
void TestPdfFont::sameInputSameBytes()
{
    const QFont font = embeddableFont();
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    const QByteArray pdf = pdfOf(kText, font);
    QCOMPARE(pdfOf(kText, font), pdf);
    const QByteArray other = pdfOf(kText + "!", font);
    qunsetenv("SOURCE_DATE_EPOCH");
    const QByteArray plain =
        toolOutput("qpdf", {"--qdf", "--object-streams=disable", "%f", "-"}, pdf);
    QVERIFY(plain.contains("> <0020>\n") && !plain.contains("> <0009>\n"));
    QStringList tags;
    for (const auto &tag : QRegularExpression("/FontName /([A-Z]{6})\\+").globalMatch(plain))
        tags.append(tag.captured(1));
    QCOMPARE(tags.size(), 2);
    QVERIFY(tags.first() != tags.last());
    const auto id =
        QRegularExpression("/ID \\[<(\\w{32})> <\\1>\\]").match(QString::fromLatin1(pdf));
    QVERIFY(id.hasMatch() && !other.contains(id.captured(1).toLatin1()));
    QVERIFY(
        toolOutput("pdfinfo", {"%f"}, pdf).contains("Producer:        Numorra " NUMORRA_VERSION));
}

int main(int argc, char **argv)
{
    // A restricted copy of DejaVu Sans as "Verdana", set before the
    // application starts, as fontconfig reads its configuration once.
    QTemporaryDir fonts;
    QFile font(fonts.filePath("verdana.ttf")), configuration(fonts.filePath("fonts.conf"));
    if (!font.open(QIODevice::WriteOnly) || !font.write(dejaVuWith(0x2)) ||
        !configuration.open(QIODevice::WriteOnly))
        return 1;
    configuration.write(QString("<fontconfig><include>/etc/fonts/fonts.conf</include><dir>%1</dir>"
                                "<cachedir>%1</cachedir><match target=\"scan\"><test name=\"file\">"
                                "<string>%2</string></test><edit name=\"family\" mode=\"assign\">"
                                "<string>Verdana</string></edit></match></fontconfig>")
                            .arg(fonts.path(), font.fileName())
                            .toUtf8());
    font.close(), configuration.close();
    qputenv("FONTCONFIG_FILE", configuration.fileName().toLocal8Bit());
    QGuiApplication application(argc, argv);
    TestPdfFont test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestPdfFont.moc"
