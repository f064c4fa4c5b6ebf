#include "cli/DetailsEntry.h"

#include "support/ShortDate.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

int itemIndex(const QStringList &items, const QString &text, int preset)
{
    const int index = static_cast<int>(items.indexOf(text));
    return index < 0 ? preset : index;
}

// The position of a whole number `first` to `last` written in decimal digits
// (leading zeros allowed), or -1.
int numberPosition(const QString &text, int first, int last)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return -1;
    const int value = text.toInt();
    return value >= first && value <= last ? value - first : -1;
}

// The month a name of the locale's calendar gives, long or short, or -1.
int localMonthIndex(const QString &text, const QLocale &locale)
{
    for (int month = 1; month <= 12; ++month) {
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
            if (locale.monthName(month, format).compare(text, Qt::CaseInsensitive) == 0)
                return month - 1;
        }
    }
    return -1;
}

// The text without the words its format quotes: bg_BG writes "г." (year)
// after the year, which is no part of the date.
QString withoutQuotedWords(QString text, const QString &format)
{
    static const QRegularExpression quoted(QStringLiteral("'([^']+)'"));
    for (auto words = quoted.globalMatch(format); words.hasNext();) {
        const QString word = QRegularExpression::escape(words.next().captured(1));
        text.replace(QRegularExpression(QStringLiteral("(?<!\\pL)%1(?!\\pL)").arg(word)),
                     QStringLiteral(" "));
    }
    return text;
}

// The text with ASCII digits for the digits of any script: a locale may
// write its dates in its own (Persian ۱۹۸۰, Arabic ١٩٨٠).
QString withAsciiDigits(const QString &text)
{
    QString ascii;
    for (const char32_t point : text.toUcs4()) {
        if (QChar::category(point) == QChar::Number_DecimalDigit)
            ascii += QChar(u'0' + QChar::digitValue(point));
        else
            ascii += QString::fromUcs4(&point, 1);
    }
    return ascii;
}

} // namespace

DetailsEntry DetailsEntry::fromFile(const ReadingFile::Fields &fields)
{
    DetailsEntry entry;
    // as the main window's name field takes it: as long as the field, on one line
    entry.nameText = PersonalDetailsRules::oneLine(fields.name.left(kNameFieldLength));
    entry.dayIndex = itemIndex(PersonalDetailsRules::dayItems(), fields.day, entry.dayIndex);
    entry.monthIndex =
        itemIndex(PersonalDetailsRules::monthItems(), fields.month, entry.monthIndex);
    entry.yearIndex = itemIndex(PersonalDetailsRules::yearItems(), fields.year, entry.yearIndex);
    return entry;
}

int DetailsEntry::dayIndexOf(const QString &text)
{
    return numberPosition(text, 1, 31);
}

int DetailsEntry::monthIndexOf(const QString &text)
{
    const QStringList &names = PersonalDetailsRules::monthItems();
    for (int index = 0; index < names.size(); ++index) {
        if (names.at(index).compare(text, Qt::CaseInsensitive) == 0)
            return index;
    }
    return numberPosition(text, 1, 12);
}

int DetailsEntry::yearIndexOf(const QString &text)
{
    return numberPosition(text, 1900, 2050);
}

bool DetailsEntry::setIsoDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch parts = form.match(text);
    if (!parts.hasMatch())
        return false;
    yearIndex = yearIndexOf(parts.captured(1));
    monthIndex = numberPosition(parts.captured(2), 1, 12);
    dayIndex = dayIndexOf(parts.captured(3));
    return yearIndex >= 0 && monthIndex >= 0 && dayIndex >= 0;
}

bool DetailsEntry::setShortDate(const QString &text, const QLocale &locale)
{
    // Three parts, each digits or letters, parted by anything else.
    static const QRegularExpression form(
        QStringLiteral("^[^0-9\\pL]*([0-9]+|\\pL+)[^0-9\\pL]+([0-9]+|\\pL+)[^0-9\\pL]+([0-9]+|\\pL+"
                       ")[^0-9\\pL]*$"));
    const QString format = ShortDate::format(locale);
    const QRegularExpressionMatch parts =
        form.match(withoutQuotedWords(withAsciiDigits(text), format));
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    if (!parts.hasMatch() || day < 0 || month < 0 || year < 0)
        return false;
    // The n-th part is the field that comes n-th in the format.
    const auto part = [&](qsizetype at) {
        return parts.captured(1 + int(at > day) + int(at > month) + int(at > year));
    };
    const QString monthText = part(month);
    dayIndex = dayIndexOf(part(day));
    monthIndex = monthIndexOf(monthText);
    if (monthIndex < 0)
        monthIndex = localMonthIndex(monthText, locale);
    yearIndex = part(year).size() == 4 ? yearIndexOf(part(year)) : -1;
    return yearIndex >= 0 && monthIndex >= 0 && dayIndex >= 0;
}

QString DetailsEntry::isoDate() const
{
    return QStringLiteral("%1-%2-%3")
        .arg(PersonalDetailsRules::yearItems().at(yearIndex))
        .arg(monthIndex + 1, 2, 10, QLatin1Char('0'))
        .arg(dayIndex + 1, 2, 10, QLatin1Char('0'));
}

std::optional<PersonalDetailsRules::ValidationFailure> DetailsEntry::failure() const
{
    return PersonalDetailsRules::validate(nameText, dayIndex, monthIndex,
                                          PersonalDetailsRules::yearItems().at(yearIndex));
}

PersonalDetails DetailsEntry::capture() const
{
    return PersonalDetailsRules::capture(nameText, PersonalDetailsRules::dayItems().at(dayIndex),
                                         PersonalDetailsRules::monthItems().at(monthIndex),
                                         PersonalDetailsRules::yearItems().at(yearIndex));
}
