#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The facts a reading is made from, as a calculation captured them.
struct PersonalDetails
{
    QString Name;       // the name field's text, trimmed
    QString BirthDay;   // "1" to "31"
    QString BirthMonth; // an English month name
    QString BirthYear;  // "1900" to "2050"
    QDate BirthDate;    // the calendar date of the three texts; invalid for
                        // 29 February 1900, which the calendar lacks

    // "January" to "December": the names BirthMonth holds, whatever language
    // the month list is shown in.
    static const QStringList &monthNames();
    // The same months in the user's language, as the month list shows them.
    static QStringList monthCaptions();
};
