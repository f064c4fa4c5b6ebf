#include "details/PersonalDetailsRules.h"

#include "details/PersonalDetails.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace PersonalDetailsRules {

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

ValidationFailure failure(const char *message, Platform::Icon icon, bool focusName)
{
    return {QCoreApplication::translate("PersonalDetailsRules", message), icon, focusName,
            QString::fromLatin1(message)};
}

QStringList numberTexts(int first, int last)
{
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int value = first; value <= last; ++value)
        texts.append(QString::number(value));
    return texts;
}

} // namespace

QString oneLine(const QString &text)
{
    // CR, LF, and the line and paragraph separators U+2028 and U+2029
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n\u2028\u2029]+"));
    return QString(text).replace(lineBreaks, QStringLiteral(" "));
}

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

const QStringList &dayItems()
{
    static const QStringList items = numberTexts(1, 31);
    return items;
}

const QStringList &monthItems()
{
    return PersonalDetails::monthNames();
}

const QStringList &yearItems()
{
    static const QStringList items = numberTexts(kFirstYear, kLastYear);
    return items;
}

std::optional<ValidationFailure> validate(const QString &nameText, int dayIndex, int monthIndex,
                                          const QString &yearText)
{
    if (nameText.isEmpty())
        return failure(QT_TRANSLATE_NOOP("PersonalDetailsRules", "Please Enter Your Name"),
                       Platform::Icon::Critical, true);

    const int day = dayIndex + 1;
    const int month = monthIndex + 1;
    const int year = yearText.trimmed().toInt();
    // Every fourth year has a 29 February here, 1900 too.
    const int lastFebruaryDay = year % 4 == 0 ? 29 : 28;
    if (month == 2 && day > lastFebruaryDay)
        return failure(
            QT_TRANSLATE_NOOP("PersonalDetailsRules", "Please Enter Correct Date Or Month!"),
            Platform::Icon::Information, false);

    const bool thirtyDayMonth = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDayMonth && day == 31)
        return failure(
            QT_TRANSLATE_NOOP("PersonalDetailsRules", "Please Enter Correct Date Or Month !"),
            Platform::Icon::Information, false);
    return std::nullopt;
}

QDate birthDateOf(const QString &day, const QString &monthName, const QString &year)
{
    const int month = PersonalDetails::monthNames().indexOf(monthName) + 1;
    bool dayOk = false;
    bool yearOk = false;
    const int dayValue = day.toInt(&dayOk);
    const int yearValue = year.toInt(&yearOk);
    if (month == 0 || !dayOk || !yearOk)
        return {};
    return QDate(yearValue, month, dayValue); // invalid when no such day exists
}

PersonalDetails capture(const QString &nameText, const QString &dayText, const QString &monthText,
                        const QString &yearText)
{
    PersonalDetails details;
    details.Name = trimSpaces(nameText);
    details.BirthDay = trimSpaces(dayText);
    details.BirthMonth = trimSpaces(monthText);
    details.BirthYear = trimSpaces(yearText);
    details.BirthDate = birthDateOf(details.BirthDay, details.BirthMonth, details.BirthYear);
    return details;
}

} // namespace PersonalDetailsRules
