#include "support/ShortDate.h"

#include <QRegularExpression>

namespace ShortDate {

QString format(const QLocale &locale)
{
    static const QRegularExpression years(QStringLiteral("y+"));
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    pattern.replace(years, QStringLiteral("yyyy"));
    return pattern;
}

QString toText(QDate date, const QLocale &locale)
{
    return locale.toString(date, format(locale));
}

QString toText(int year, int month, int day, const QLocale &locale)
{
    const QDate date(year, month, day);
    if (date.isValid())
        return toText(date, locale);
    const QString yearDigits = locale.toString(QDate(year, 1, 1), QStringLiteral("yyyy"));
    QString pattern = format(locale);
    pattern.replace(QStringLiteral("yyyy"), QLatin1Char('\'') + yearDigits + QLatin1Char('\''));
    return locale.toString(QDate(2000, month, day), pattern);
}

QDate fromText(const QString &text, const QLocale &locale)
{
    return locale.toDate(text, format(locale));
}

} // namespace ShortDate
