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

QDate fromText(const QString &text, const QLocale &locale)
{
    return locale.toDate(text, format(locale));
}

} // namespace ShortDate
