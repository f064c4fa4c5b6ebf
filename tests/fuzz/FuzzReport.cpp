// The report builder fed any details, pane texts and locale.
//
// The input starts with nine bytes: the locale's language and territory (two
// bytes each, low byte first), the date of birth's year (two bytes, signed,
// low byte first), month and day (any of these may make no date), and the
// flags: how the rest is read as text (bits 0 and 1: UTF-8, UTF-16 low byte
// first, the code page, UTF-8), whether the report box starts bold (bit 2)
// and its starting colour (bits 3 to 6). The text after them is cut at each
// NUL character into the name, the reading pane's text and the relationship
// pane's text; each pane text is appended in parts cut at each U+0001,
// alternating plain and bold in the palette's colours.

#include "FuzzSupport.h"

#include "details/PersonalDetails.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "reading/RichPane.h"
#include "support/ShortDate.h"
#include "support/TextCodec.h"

#include <QDate>
#include <QLocale>

namespace {

constexpr qsizetype kHeaderBytes = 9;
const QString kCrLf = QStringLiteral("\r\n");

struct Header
{
    QLocale locale;
    QDate birthDate;
    int textMode = 0;
    RichPane::Style reportStyle;
};

int byteAt(const QByteArray &bytes, qsizetype index)
{
    return index < bytes.size() ? static_cast<unsigned char>(bytes.at(index)) : 0;
}

int wordAt(const QByteArray &bytes, qsizetype index)
{
    return byteAt(bytes, index) | (byteAt(bytes, index + 1) << 8);
}

Header headerOf(const QByteArray &input)
{
    Header header;
    const auto language =
        static_cast<QLocale::Language>(wordAt(input, 0) % (QLocale::LastLanguage + 1));
    const auto territory =
        static_cast<QLocale::Territory>(wordAt(input, 2) % (QLocale::LastTerritory + 1));
    header.locale = QLocale(language, territory);
    const auto year = static_cast<qint16>(wordAt(input, 4));
    header.birthDate = QDate(year, byteAt(input, 6), byteAt(input, 7));
    const int flags = byteAt(input, 8);
    header.textMode = flags & 3;
    header.reportStyle = ReadingResults::newPaneStyle(0);
    header.reportStyle.bold = (flags & 4) != 0;
    header.reportStyle.colour = RichPane::palette()[static_cast<size_t>((flags >> 3) & 15)];
    return header;
}

QString textOf(const QByteArray &bytes, int mode)
{
    switch (mode) {
    case 1:
        return Fuzz::utf16Of(bytes);
    case 2:
        return TextCodec::fromBytes(bytes);
    default:
        return QString::fromUtf8(bytes);
    }
}

// Writes the parts of `text` into the pane, each in another style.
void fillPane(RichPane &pane, const QString &text)
{
    const QStringList parts = text.split(QChar(1));
    for (qsizetype index = 0; index < parts.size(); ++index) {
        pane.SetBold(index % 2 == 1);
        pane.SetColour(static_cast<int>(index % 16));
        pane.AppendText(parts.at(index));
    }
}

void checkReport(const RichPane &report, const QString &name, const QString &date,
                 const ReadingResults &results, const RichPane::Style &startStyle)
{
    const QString footer = Report::ReportFooter();
    const QString text = report.PlainText();

    // The name, the date of birth and each pane's text, each followed by the footer.
    const QString expected = QStringLiteral("Name: ") + name + kCrLf + footer + kCrLf + kCrLf +
                             QStringLiteral("Date of Birth: ") + date + kCrLf + footer + kCrLf +
                             kCrLf + results.RTBLoshu.PlainText() + kCrLf + footer + kCrLf + kCrLf +
                             results.RTB.PlainText() + kCrLf + footer;
    FUZZ_CHECK(text == expected);
    FUZZ_CHECK(text.endsWith(footer));
    // Four footers of its own, and any the texts brought along: no footer can
    // straddle a text and what surrounds it, which starts or ends with CR LF.
    FUZZ_CHECK(text.count(footer) == 4 + name.count(footer) +
                                         results.RTBLoshu.PlainText().count(footer) +
                                         results.RTB.PlainText().count(footer));

    // Only the two labels are bold; the box keeps its colour and size.
    const QVector<RichPane::Run> &runs = report.runs();
    FUZZ_CHECK(runs.size() == 4);
    FUZZ_CHECK(runs.at(0).text == QStringLiteral("Name: ") && runs.at(0).style.bold);
    FUZZ_CHECK(!runs.at(1).style.bold);
    FUZZ_CHECK(runs.at(2).text == QStringLiteral("Date of Birth: ") && runs.at(2).style.bold);
    FUZZ_CHECK(!runs.at(3).style.bold);
    for (const RichPane::Run &run : runs) {
        FUZZ_CHECK(!run.text.isEmpty());
        FUZZ_CHECK(run.style.colour == startStyle.colour);
        FUZZ_CHECK(run.style.pointSize == startStyle.pointSize);
    }
    FUZZ_CHECK(!report.insertionStyle().bold);
}

void checkPrintDocument(const QString &reportText)
{
    const QString footer = Report::ReportFooter();
    const QString document = Report::printDocument(reportText);
    FUZZ_CHECK(document.startsWith(footer + kCrLf + kCrLf));
    FUZZ_CHECK(document.endsWith(kCrLf + kCrLf + footer));
    FUZZ_CHECK(document.count(footer) == reportText.count(footer) + 2);
}

void checkShortDate(QDate date, const QLocale &locale, const QString &text)
{
    FUZZ_CHECK(text.isEmpty() == !date.isValid());
    // Years 1900 to 2050 are the ones a reading can have: their dates read
    // back, since the year is written with all four digits. Known exception:
    // Qt 6.4 cannot read back the digits it writes for locales whose digits
    // lie outside the Basic Multilingual Plane (Chakma, Adlam), so those
    // locales never read a stored date back.
    const bool digitsReadBack = locale.zeroDigit().size() == 1;
    if (date.isValid() && date.year() >= 1900 && date.year() <= 2050 && digitsReadBack)
        FUZZ_CHECK(ShortDate::fromText(text, locale) == date);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    const Header header = headerOf(input);
    const QStringList fields = textOf(input.mid(kHeaderBytes), header.textMode).split(QChar(0));

    PersonalDetails details;
    details.Name = fields.value(0);
    details.BirthDate = header.birthDate;
    ReadingResults results;
    fillPane(results.RTBLoshu, fields.value(1));
    fillPane(results.RTB, fields.mid(2).join(QChar(0)));

    RichPane report(header.reportStyle);
    Report::BuildReport(report, details, results, header.locale);
    const QString date = ShortDate::toText(details.BirthDate, header.locale);
    checkReport(report, details.Name, date, results, header.reportStyle);
    checkShortDate(details.BirthDate, header.locale, date);

    // Building again, in the same box or a fresh one, gives the same report.
    const QVector<RichPane::Run> first = report.runs();
    Report::BuildReport(report, details, results, header.locale);
    FUZZ_CHECK(report.runs().size() == first.size());
    for (qsizetype index = 0; index < first.size(); ++index) {
        FUZZ_CHECK(report.runs().at(index).text == first.at(index).text);
        FUZZ_CHECK(report.runs().at(index).style == first.at(index).style);
    }
    RichPane other(ReadingResults::newPaneStyle(RichPane::palette()[9]));
    Report::BuildReport(other, details, results, header.locale);
    FUZZ_CHECK(other.PlainText() == report.PlainText());

    checkPrintDocument(report.PlainText());
    return 0;
}
