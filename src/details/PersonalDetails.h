#pragma once

#include <QDate>
#include <QString>

// The facts a reading is made from, as the last calculation captured them.
struct PersonalDetails
{
    QString Name;       // the name field's text, trimmed
    QString BirthDay;   // "1" to "31"
    QString BirthMonth; // an English month name
    QString BirthYear;  // "1900" to "2050"
    QDate BirthDate;    // the calendar date of the three texts

    // The one record of the process, overwritten by each calculation.
    static PersonalDetails &shared();
};
