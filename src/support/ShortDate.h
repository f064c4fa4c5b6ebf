#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Dates as text in the user's short date format, always with a four-digit
// year: a two-digit year cannot tell 1900 from 2000, and reads back as 19xx.
namespace ShortDate {

QString format(const QLocale &locale = QLocale());
QString toText(QDate date, const QLocale &locale = QLocale());
// The same for a day the calendar may lack: 29 February 1900 is written as
// 29 February 2000 is, with its own year.
QString toText(int year, int month, int day, const QLocale &locale = QLocale());
// An invalid date when the text is not a date in that format.
QDate fromText(const QString &text, const QLocale &locale = QLocale());

} // namespace ShortDate
