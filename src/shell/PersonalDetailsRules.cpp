#include "PersonalDetailsRules.h"

#include "numerology/modNineStarKey.h"

namespace PersonalDetailsRules {

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

QStringList NumberTexts(int first, int last)
{
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int value = first; value <= last; ++value)
        texts.append(QString::number(value));
    return texts;
}

// Every year of the lists divisible by four is a leap year except 1900, the
// one century year among them that is not.
bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

} // namespace

QStringList DayItems()
{
    return NumberTexts(1, 31);
}

QStringList MonthItems()
{
    return modNineStarKey::MonthNames();
}

QStringList YearItems()
{
    return NumberTexts(kFirstYear, kLastYear);
}

std::optional<ValidationFailure> Validate(const QString &nameText, int dayIndex, int monthIndex,
                                          const QString &yearText)
{
    if (nameText.isEmpty())
        return ValidationFailure{QStringLiteral("Please Enter Your Name"), Platform::Icon::Critical,
                                 true};

    const int day = dayIndex + 1;
    const int month = monthIndex + 1;
    const int year = yearText.trimmed().toInt();
    const int lastFebruaryDay = IsLeapYear(year) ? 29 : 28;
    if (month == 2 && day > lastFebruaryDay)
        return ValidationFailure{QStringLiteral("Please Enter Correct Date Or Month!"),
                                 Platform::Icon::Information, false};

    const bool thirtyDayMonth = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDayMonth && day == 31)
        return ValidationFailure{QStringLiteral("Please Enter Correct Date Or Month !"),
                                 Platform::Icon::Information, false};
    return std::nullopt;
}

QDate BirthDateOf(const QString &day, const QString &monthName, const QString &year)
{
    const int month = modNineStarKey::MonthNames().indexOf(monthName) + 1;
    bool dayOk = false;
    bool yearOk = false;
    const int dayValue = day.toInt(&dayOk);
    const int yearValue = year.toInt(&yearOk);
    if (month == 0 || !dayOk || !yearOk)
        return {};
    return QDate(yearValue, month, dayValue); // invalid when no such day exists
}

PersonalDetails Capture(const QString &nameText, const QString &dayText, const QString &monthText,
                        const QString &yearText)
{
    PersonalDetails details;
    details.Name = nameText.trimmed();
    details.BirthDay = dayText.trimmed();
    details.BirthMonth = monthText.trimmed();
    details.BirthYear = yearText.trimmed();
    details.BirthDate = BirthDateOf(details.BirthDay, details.BirthMonth, details.BirthYear);
    return details;
}

} // namespace PersonalDetailsRules
